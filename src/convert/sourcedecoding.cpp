#include "sourcedecoding.h"

#include "platform/pictureloader.h"
#include "platform/surface.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The preview's size: every part of the source is stretched into it.
constexpr QSize kPreview(160, 100);

} // namespace

QSize SourceDecoding::smallestNew(Reduction reduction)
{
    return reduction == Reduction::And ? QSize() : 2 * kPreview;
}

void SourceDecoding::decoded(const LoadedPicture &loaded, const QString &path, const QDateTime &changed)
{
    m_size = loaded.fullSize;
    m_covered = loaded.covered;
    m_divisor = loaded.divisor;
    m_file = loaded.shrinkable ? QFileInfo(path).absoluteFilePath() : QString(); // whatever folder is current then
    m_changed = changed;
}

void SourceDecoding::natural(QSize size)
{
    m_size = size;
    m_covered = whole();
    m_divisor = 1;
    m_file.clear();
}

void SourceDecoding::turn(const Orientation &by)
{
    m_covered = framing::turnedRect(m_covered, m_size, by);
    m_size = framing::turnedSize(m_size, by);
}

QImage SourceDecoding::decodeAgain(const QRect &part, const Orientation &orientation, Reduction reduction)
{
    if (m_file.isEmpty() || part.isEmpty())
        return {};
    QSize smallest = smallestNew(reduction);
    if (smallest.isValid()) {
        // The part keeps what a new picture keeps whole.
        const auto atLeast = [](int least, int whole, int length) {
            return int((qint64(least) * whole + length - 1) / length);
        };
        smallest = framing::turnedSize(QSize(atLeast(smallest.width(), m_size.width(), part.width()),
                                             atLeast(smallest.height(), m_size.height(), part.height())),
                                       orientation); // in the file's directions: a quarter turn's parity undoes itself
    }
    const QSize fileSize = framing::turnedSize(m_size, orientation);
    if (decodeDivisor(fileSize, smallest) == m_divisor)
        return {};
    LoadedPicture loaded;
    if (QFileInfo(m_file).lastModified() == m_changed)
        loaded = loadPicture(m_file, smallest);
    if (!loaded.ok() || loaded.image.isNull() || loaded.fullSize != fileSize) {
        m_file.clear();
        return {};
    }
    m_divisor = loaded.divisor;
    m_covered = framing::turnedRect(loaded.covered, fileSize, orientation);
    return framing::turned(std::move(loaded.image), orientation);
}

void SourceDecoding::stretch(QImage &dst, const QRect &dstRect, const QImage &picture, const QRect &part,
                             Reduction reduction) const
{
    if (isNatural())
        stretchBlt(dst, dstRect, picture, part, reduction);
    else if (reduction == Reduction::Mean)
        stretchDecodedMean(dst, dstRect, picture, part, m_covered, m_divisor);
    else // the AND of a picture whose file could not be read again at its natural size
        stretchBlt(dst, dstRect, picture, decodedPart(part), reduction);
}

QRect SourceDecoding::decodedPart(const QRect &part) const
{
    if (isNatural() || part.isEmpty())
        return part;
    const int d = m_divisor;
    const auto index = [d](int natural, int start, int length) {
        return std::clamp(natural < start ? 0 : (natural - start) / d, 0, length - 1);
    };
    const int w = m_covered.width() / d, h = m_covered.height() / d;
    return QRect(QPoint(index(part.left(), m_covered.x(), w), index(part.top(), m_covered.y(), h)),
                 QPoint(index(part.right(), m_covered.x(), w), index(part.bottom(), m_covered.y(), h)));
}

QRect SourceDecoding::naturalPart(const QRect &decoded) const
{
    if (isNatural() || decoded.isEmpty())
        return decoded;
    // Outwards: the edge pixels stand for what the decoder left out beyond them too.
    const int d = m_divisor;
    const int w = m_covered.width() / d, h = m_covered.height() / d;
    const QPoint topLeft(decoded.left() == 0 ? 0 : m_covered.x() + decoded.left() * d,
                         decoded.top() == 0 ? 0 : m_covered.y() + decoded.top() * d);
    const QPoint bottomRight(
        decoded.right() >= w - 1 ? m_size.width() - 1 : m_covered.x() + (decoded.right() + 1) * d - 1,
        decoded.bottom() >= h - 1 ? m_size.height() - 1 : m_covered.y() + (decoded.bottom() + 1) * d - 1);
    return QRect(topLeft, bottomRight);
}
