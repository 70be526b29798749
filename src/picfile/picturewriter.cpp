#include "picturewriter.h"

#include "format.h"
#include "platform/files.h"

#include <algorithm>

namespace picfile {

namespace {

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

// One byte per character; a character the code page cannot hold becomes '?', so
// every character still takes one byte.
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

// Writes text at offset, then zero bytes up to offset + length - 1 (none when text
// is as long as the field or longer), growing the file as needed. With a sum, adds
// each byte of text (not the fill) to it.
void writeField(QByteArray &file, const QByteArray &text, int length, int offset,
                quint32 *sum = nullptr)
{
    const int end = offset + std::max<int>(length, int(text.size()));
    if (file.size() < end)
        file.resize(end, '\0');
    for (int i = 0; i < text.size(); ++i) {
        file[offset + i] = text.at(i);
        if (sum)
            *sum += quint8(text.at(i));
    }
    for (int i = int(text.size()); i < length; ++i)
        file[offset + i] = '\0';
}

// Height, width, the bitmap and the tag: the bytes from the height up to the tag.
QByteArray pictureData(const QImage &picture, QSize size)
{
    const int width = std::max(size.width(), 0);
    const int height = std::max(size.height(), 0);
    const int rowBytes = (width + 7) / 8;
    QByteArray data = bytes({(height >> 8) & 0xFF, height & 0xFF, (width >> 8) & 0xFF, width & 0xFF});
    data.resize(4 + qsizetype(height) * rowBytes);
    char *out = data.data() + 4;

    const QImage image = picture.format() == QImage::Format_RGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < height; ++y) {
        const auto *row = y < image.height()
            ? reinterpret_cast<const QRgb *>(image.constScanLine(y))
            : nullptr;
        for (int k = 0; k < rowBytes; ++k) {
            unsigned byte = 0;
            for (int i = 0; i < 8; ++i) {
                const int x = 8 * k + i;
                const bool clear = row && x < image.width() && (row[x] | 0xFF000000u) == white;
                byte = (byte << 1) | (clear ? 0u : 1u);
            }
            *out++ = char(byte);
        }
    }
    data.append(kPictureTag);
    return data;
}

} // namespace

QByteArray encode(const QImage &picture, QSize size, const QString &folder, const QString &name)
{
    const QByteArray data = pictureData(picture, size);
    const int dataLength = int(data.size()); // from the height to the tag
    const int fileLength = kHeightOffset + dataLength + 2;

    QByteArray file;
    writeField(file, kSignature, 8, 0);
    writeField(file, bytes({0x01, 0x00}), 2, 8);
    writeField(file, ansi(folder).left(kNameLength), 8, kFolderOffset);
    writeField(file, QByteArray(), 40, 18);
    writeField(file, bytes({0x01, 0x00}), 2, 58);
    writeField(file, bytes({0x52, 0x00, 0x00, 0x00}), 4, 60);
    writeField(file, ansi(name).left(kNameLength), 8, kNameOffset);
    writeField(file, bytes({0x10, 0x00, 0x00, 0x00}), 5, 72);
    writeField(file, bytes({fileLength & 0xFF, (fileLength >> 8) & 0xFF}), 4, kFileLengthOffset);
    writeField(file, bytes({0xA5, 0x5A}), 9, 80);
    // The checksum covers the data length and the data, the tag included.
    quint32 sum = 0;
    writeField(file, bytes({(dataLength >> 8) & 0xFF, dataLength & 0xFF}), 4, kDataLengthOffset, &sum);
    writeField(file, data, dataLength, kHeightOffset, &sum);
    sum %= 65536;
    writeField(file, bytes({int(sum & 0xFF), int(sum >> 8)}), 2, kHeightOffset + dataLength);
    return file;
}

bool write(const QString &path, const QImage &picture, QSize size, const QString &folder,
           const QString &name, QString *error)
{
    // The new file replaces the old one only once it is fully written, so a failed
    // write never costs the user the picture that was there.
    return files::replaceWith(path, encode(picture, size, folder, name), error);
}

} // namespace picfile
