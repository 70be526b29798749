#include "picturereader.h"

#include "format.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace picfile {

namespace {

qint64 rowBytes(QSize size)
{
    return (qint64(size.width()) + 7) / 8;
}

QImage blankMono(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    return image;
}

} // namespace

QSize statedSize(const QByteArray &file)
{
    if (file.size() < kHeaderSize)
        return QSize(0, 0);
    const auto word = [&](int i) { return 256 * int(quint8(file.at(i))) + int(quint8(file.at(i + 1))); };
    return QSize(word(kWidthOffset), word(kHeightOffset));
}

Picture decode(const QByteArray &file, QSize bound)
{
    Picture picture;
    picture.size = statedSize(file);
    if (picture.isEmpty() || bound.isEmpty())
        return picture;
    const qint64 stride = rowBytes(picture.size);
    const int rows = std::min(picture.size.height(), bound.height());
    const int shownBytes = int(std::min(stride, rowBytes(bound)));
    picture.bits = blankMono(8 * shownBytes, rows);
    if (picture.bits.isNull())
        return picture;
    const qint64 bitmapLength = file.size() - kHeaderSize - kTrailerSize;
    const char *bitmap = file.constData() + kHeaderSize;
    // Both lay a row out most significant bit first: rows copy as they are.
    for (int y = 0; y < rows; ++y) {
        const qint64 start = y * stride;
        const qint64 count = std::min<qint64>(shownBytes, bitmapLength - start);
        if (count <= 0)
            break;
        std::memcpy(picture.bits.scanLine(y), bitmap + start, size_t(count));
    }
    return picture;
}

bool isPictureFile(const QByteArray &head, qint64 fileSize)
{
    if (!head.startsWith(kFamilySignature))
        return false;
    const QSize size = statedSize(head);
    return fileSize >= kHeaderSize + qint64(size.height()) * rowBytes(size);
}

std::optional<Picture> read(const QString &path, QSize bound, QString *error, NoPicture noPicture,
                            Wider wider)
{
    // Rows of the longest kind, or only those the bound can hold whole.
    const qint64 longestRow = wider == Wider::Clipped ? kMaxRowBytes : rowBytes(bound);
    const qint64 limit = kHeaderSize + qint64(std::max(bound.height(), 0)) * longestRow + kTrailerSize;
    const std::optional<QByteArray> file = files::readAll(path, error, limit);
    if (!file)
        return std::nullopt;
    if (!isPictureFile(*file, std::max(qint64(file->size()), QFileInfo(path).size()))) {
        if (error)
            *error = QStringLiteral("Le fichier %1 n'est pas une image de calculatrice.")
                         .arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    const QSize size = statedSize(*file);
    Picture picture = wider == Wider::SizeOnly && size.width() > bound.width() ? Picture{size, {}}
                                                                               : decode(*file, bound);
    if (picture.isEmpty() && noPicture == NoPicture::Error) {
        if (error)
            *error = QStringLiteral("Le fichier %1 ne contient aucune image.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    return picture;
}

void draw(const Picture &picture, QImage &target)
{
    Q_ASSERT(target.isNull() || target.depth() == 32);
    const QImage &bits = picture.bits;
    const int rows = std::min(bits.height(), target.height());
    const int bytes = std::min(bits.width() / 8, (target.width() + 7) / 8);
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < rows; ++y) {
        const uchar *in = bits.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int j = 0; j < bytes; ++j) {
            const unsigned byte = in[j];
            if (byte == 0)
                continue;
            const int x0 = 8 * j;
            const int count = std::min(8, target.width() - x0);
            for (int i = 0; i < count; ++i)
                if (byte & (0x80u >> i))
                    out[x0 + i] = black;
        }
    }
}

QImage monochrome(const Picture &picture)
{
    if (picture.isEmpty())
        return QImage();
    QImage image = blankMono(picture.size.width(), picture.size.height());
    if (image.isNull())
        return image;
    // Whole bytes, padding bits included, as the file stores them.
    const int rows = std::min(picture.bits.height(), image.height());
    const size_t bytes = size_t(std::min<qint64>(picture.bits.width() / 8, rowBytes(picture.size)));
    for (int y = 0; y < rows; ++y)
        std::memcpy(image.scanLine(y), picture.bits.constScanLine(y), bytes);
    return image;
}

} // namespace picfile
