#include "lib89i.h"

#include "platform/files.h"

#include <algorithm>

namespace lib89i {

quint32 somme = 0;

namespace {

constexpr int kDataOffset = 86;   // data length, then height, width, bitmap, tag
constexpr int kHeightOffset = 88; // height and width, big-endian
constexpr int kBitmapOffset = 92;
constexpr int kTrailer = 3; // picture tag and checksum
constexpr char kPictureTag = char(0xDF);
constexpr QRgb kWhite = toQRgb(kBlanc);

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page is Latin-1. Zero
// marks the five bytes the code page leaves unassigned.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// Names are stored in the Windows ANSI code page, one byte per character. A
// character it cannot hold becomes '?', so every character still takes one byte.
QByteArray ansi(const QString &text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            byte = char(c);
        else
            for (int i = 0; i < 32; ++i)
                if (kCp1252High[i] == c)
                    byte = char(0x80 + i);
        out.append(byte);
    }
    return out;
}

// Height, width, the bitmap and the tag: the bytes from offset 88 up to the tag.
QByteArray pictureData(const Surface &picture, int height, int width)
{
    const int rowBytes = (std::max(width, 0) + 7) / 8;
    height = std::max(height, 0);
    QByteArray data = bytes({(height >> 8) & 0xFF, height & 0xFF, (width >> 8) & 0xFF, width & 0xFF});
    data.resize(4 + qsizetype(height) * rowBytes);
    char *out = data.data() + 4;

    const QImage &image = picture.image();
    const int surfaceWidth = image.width();
    for (int y = 0; y < height; ++y) {
        // Rows below the surface read as "no colour", which is never white: set bits.
        const auto *row = y < image.height()
            ? reinterpret_cast<const QRgb *>(image.constScanLine(y))
            : nullptr;
        for (int k = 0; k < rowBytes; ++k) {
            unsigned byte = 0;
            for (int i = 0; i < 8; ++i) {
                const int x = 8 * k + i;
                const bool white = row && x < surfaceWidth && (row[x] | 0xFF000000u) == kWhite;
                byte = (byte << 1) | (white ? 0u : 1u);
            }
            *out++ = char(byte);
        }
    }
    data.append(kPictureTag);
    return data;
}

} // namespace

void EcrireChamp(QByteArray &file, const QByteArray &text, int length, int offset, bool count)
{
    const int end = offset + std::max<int>(length, int(text.size()));
    if (file.size() < end)
        file.resize(end, '\0');
    for (int i = 0; i < text.size(); ++i) {
        file[offset + i] = text.at(i);
        if (count)
            somme += quint8(text.at(i));
    }
    for (int i = int(text.size()); i < length; ++i)
        file[offset + i] = '\0';
}

QByteArray encode89i(const Surface &picture, int height, int width, const QString &folder,
                     const QString &name)
{
    somme = 0;
    const QByteArray data = pictureData(picture, height, width);
    const int fileLength = int(data.size()) + 90;
    const int dataLength = int(data.size()); // 5 + n: from offset 88 to the tag

    QByteArray file;
    EcrireChamp(file, "**TI92P*", 8, 0, false);
    EcrireChamp(file, bytes({0x01, 0x00}), 2, 8, false);
    EcrireChamp(file, ansi(folder).left(8), 8, 10, false);
    EcrireChamp(file, QByteArray(), 40, 18, false);
    EcrireChamp(file, bytes({0x01, 0x00}), 2, 58, false);
    EcrireChamp(file, bytes({0x52, 0x00, 0x00, 0x00}), 4, 60, false);
    EcrireChamp(file, ansi(name).left(8), 8, 64, false);
    EcrireChamp(file, bytes({0x10, 0x00, 0x00, 0x00}), 5, 72, false);
    EcrireChamp(file, bytes({0x00, 0x00}), 2, 76, false);
    EcrireChamp(file, bytes({fileLength & 0xFF, (fileLength >> 8) & 0xFF}), 4, 76, false);
    EcrireChamp(file, bytes({0xA5, 0x5A}), 9, 80, false);
    EcrireChamp(file, bytes({(dataLength >> 8) & 0xFF, dataLength & 0xFF}), 4, kDataOffset, true);
    EcrireChamp(file, data, int(data.size()), kHeightOffset, true);
    const quint32 sum = somme % 65536;
    EcrireChamp(file, bytes({int(sum & 0xFF), int(sum >> 8)}), 2, kHeightOffset + int(data.size()),
                false);
    return file;
}

bool Ecrire89i(const QString &path, const Surface &picture, int height, int width,
               const QString &folder, const QString &name, bool confirm, QString *error)
{
    // The new file replaces the old one only once it is fully written, so a failed
    // write never costs the user the picture that was there.
    Q_UNUSED(confirm);
    return files::replaceWith(path, encode89i(picture, height, width, folder, name), error);
}

QSize taille89i(const QByteArray &file)
{
    if (file.size() < kBitmapOffset)
        return QSize(0, 0);
    const auto byte = [&](int i) { return int(quint8(file.at(i))); };
    return QSize(256 * byte(kHeightOffset + 2) + byte(kHeightOffset + 3),
                 256 * byte(kHeightOffset) + byte(kHeightOffset + 1));
}

namespace {

// Draws the bitmap of a file whose bitmap is bitmapLength bytes long; file holds
// at least those bytes after the header.
void drawBitmap(const QByteArray &file, qint64 bitmapLength, Surface &picture, bool keep)
{
    if (!keep)
        picture.cls();
    const QSize size = taille89i(file);
    const qint64 rowBytes = (qint64(size.width()) + 7) / 8;
    if (rowBytes == 0 || size.height() == 0 || bitmapLength <= 0)
        return;
    const auto *bitmap = reinterpret_cast<const quint8 *>(file.constData()) + kBitmapOffset;

    QImage &image = picture.image();
    // Only rows and bytes that both exist in the file and reach into the target;
    // bytes missing from a short file draw nothing.
    const qint64 rows = std::min<qint64>({size.height(), image.height(),
                                          (bitmapLength + rowBytes - 1) / rowBytes});
    const qint64 shownBytes = std::min<qint64>(rowBytes, (qint64(image.width()) + 7) / 8);
    const QRgb black = toQRgb(kNoir);
    for (qint64 y = 0; y < rows; ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        const qint64 start = y * rowBytes;
        const qint64 count = std::min(shownBytes, bitmapLength - start);
        for (qint64 j = 0; j < count; ++j) {
            const unsigned byte = bitmap[start + j];
            if (byte == 0)
                continue;
            // All eight bits are drawn, also those beyond the width; the surface edge clips.
            const int x0 = int(8 * j);
            const int bits = std::min(8, image.width() - x0);
            for (int i = 0; i < bits; ++i)
                if (byte & (0x80u >> i))
                    out[x0 + i] = black;
        }
    }
}

} // namespace

void dessine89i(const QByteArray &file, Surface &picture, bool keep)
{
    // The tag and checksum at the end are no pixels.
    drawBitmap(file, file.size() - kBitmapOffset - kTrailer, picture, keep);
}

bool Lire89i(const QString &path, Surface &picture, bool keep, QString *error)
{
    // No target can show more than its height in rows of at most 8192 bytes (a
    // width of 65535), so a huge file is read no further than that.
    const qint64 useful = kBitmapOffset + qint64(picture.height()) * 8192;
    const std::optional<QByteArray> file = files::readAll(path, error, useful + kTrailer);
    if (!file)
        return false;
    // A file read to the limit goes on beyond it: all it read up to useful is bitmap.
    const qint64 bitmapLength = file->size() < useful + kTrailer
        ? file->size() - kBitmapOffset - kTrailer
        : useful - kBitmapOffset;
    drawBitmap(*file, bitmapLength, picture, keep);
    picture.refresh();
    return true;
}

} // namespace lib89i
