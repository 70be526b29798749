#pragma once

#include "convert/framing.h"
#include "platform/stretch.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

struct LoadedPicture;

// How the source's picture was decoded: the natural size it stands for and the part
// its pixels cover, turned as the source is, the divisor (a JPEG is decoded at 1/2,
// 1/4 or 1/8 while the mean keeps enough of it) and the file to decode it again
// from at another one. Parts of the source count in natural-size pixels: frames and
// proportions mean the same whatever the divisor.
class SourceDecoding
{
public:
    // The least a new picture may be decoded at for that reduction: twice the preview
    // each way for the mean (the output is never larger than the preview); empty,
    // the natural size, for the AND, which needs every pixel.
    static QSize smallestNew(Reduction reduction);

    // A picture decoded from that file, last changed then; only a JPEG is read again.
    void decoded(const LoadedPicture &loaded, const QString &path, const QDateTime &changed);
    // A picture at its natural size, with no file to read again.
    void natural(QSize size);
    QSize size() const { return m_size; }
    QRect whole() const { return QRect(QPoint(), m_size); }
    bool isNatural() const { return m_divisor == 1; }
    void turn(const Orientation &by);

    // The picture decoded again, turned, when the part (natural-size pixels of the
    // turned source) needs another divisor for the reduction: it keeps twice the
    // preview each way. Otherwise a null image; also when the file is gone or has
    // changed, which is then read no more.
    QImage decodeAgain(const QRect &part, const Orientation &orientation, Reduction reduction);

    // That part of the source stretched into dstRect of dst, from the decoded
    // picture: as the natural-size picture would stretch, within the decoder's means.
    void stretch(QImage &dst, const QRect &dstRect, const QImage &picture, const QRect &part, Reduction reduction) const;
    // A part as the decoded pixels that stand for it, and decoded pixels as the
    // natural-size part they stand for.
    QRect decodedPart(const QRect &part) const;
    QRect naturalPart(const QRect &decoded) const;

private:
    QSize m_size{392, 216};
    QRect m_covered{0, 0, 392, 216};
    int m_divisor = 1;
    QString m_file; // empty: none to read again
    QDateTime m_changed;
};
