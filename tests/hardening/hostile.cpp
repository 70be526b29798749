#include "hostile.h"

#include <QBuffer>

namespace hostile {

namespace {

void be32(QByteArray &out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xFF));
}

void le16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void le32(QByteArray &out, quint32 v)
{
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    QByteArray out;
    be32(out, quint32(data.size()));
    const QByteArray body = QByteArray(type) + data;
    out += body;
    be32(out, crc32(body));
    return out;
}

} // namespace

QByteArray png(int width, int height, int rows, int depth)
{
    QByteArray header;
    be32(header, quint32(width));
    be32(header, quint32(height));
    header.append(char(depth));
    header.append('\0'); // grey
    header.append(QByteArray(3, '\0'));
    // Each row: a filter byte and its pixels, all zero.
    const qint64 rowBytes = (qint64(width) * depth + 7) / 8 + 1;
    const QByteArray raw(qsizetype(rowBytes * rows), '\0');
    const QByteArray zlib = qCompress(raw, 9).mid(4); // without Qt's length prefix
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlib)
        + chunk("IEND", QByteArray());
}

QByteArray gif(int screenWidth, int screenHeight, int frameWidth, int frameHeight)
{
    QByteArray out("GIF89a");
    le16(out, quint32(screenWidth));
    le16(out, quint32(screenHeight));
    out.append(char(0x80)); // two-colour global table
    out.append('\0');
    out.append('\0');
    out.append(QByteArray::fromHex("000000ffffff"));
    out.append(',');
    le16(out, 0);
    le16(out, 0);
    le16(out, quint32(frameWidth));
    le16(out, quint32(frameHeight));
    out.append('\0');
    // Code size 2, one data block: clear, a black pixel, end.
    out.append(QByteArray::fromHex("02024401003b"));
    return out;
}

QByteArray icon(int width, int height, quint32 offset)
{
    QByteArray info;
    le32(info, 40);
    le32(info, quint32(width));
    le32(info, quint32(height) * 2); // icons count the mask's rows too
    le16(info, 1);
    le16(info, 32);
    info.append(QByteArray(24, '\0'));
    QByteArray out;
    le16(out, 0);
    le16(out, 1); // an icon
    le16(out, 1); // one picture
    out.append(QByteArray::fromHex("10100000")); // 16 x 16, no palette
    le16(out, 1);
    le16(out, 32);
    le32(out, quint32(info.size() + 64));
    le32(out, offset);
    return out + info + QByteArray(64, '\0');
}

QByteArray bmp(int width, int height)
{
    QByteArray out("BM");
    le32(out, 62);
    le32(out, 0);
    le32(out, 62); // pixel data right after the palette
    le32(out, 40);
    le32(out, quint32(width));
    le32(out, quint32(height));
    le16(out, 1);
    le16(out, 1);
    out.append(QByteArray(24, '\0'));
    out.append(QByteArray::fromHex("00000000ffffff00"));
    return out;
}

namespace {

QByteArray bmpFile(int width, int height, int bits, int compression, const QByteArray &palette,
                   const QByteArray &pixels)
{
    const quint32 offset = 14 + 40 + quint32(palette.size());
    QByteArray out("BM");
    le32(out, offset + quint32(pixels.size()));
    le32(out, 0);
    le32(out, offset);
    le32(out, 40);
    le32(out, quint32(width));
    le32(out, quint32(height));
    le16(out, 1);
    le16(out, quint32(bits));
    le32(out, quint32(compression));
    le32(out, quint32(pixels.size()));
    le32(out, 0);
    le32(out, 0);
    le32(out, quint32(palette.size() / 4));
    le32(out, 0);
    return out + palette + pixels;
}

const QByteArray kBlackWhite = QByteArray::fromHex("00000000ffffff00");

} // namespace

QByteArray bmpLine(int width)
{
    // Rows are padded to four bytes; alternate black and white pixels.
    return bmpFile(width, 1, 1, 0, kBlackWhite, QByteArray((width + 31) / 32 * 4, char(0xAA)));
}

QByteArray bmpRleColumn(int height)
{
    QByteArray pixels;
    for (int rows = 0; rows + 255 < height; rows += 255)
        pixels.append(QByteArray::fromHex("000200ff")); // move 255 rows up
    pixels.append(QByteArray::fromHex("0001")); // end of the picture
    return bmpFile(1, height, 8, 1, kBlackWhite, pixels);
}

QImage jpegSource(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, ((x / 16 + y / 16) % 2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

QByteArray jpeg(int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    jpegSource(width, height).save(&buffer, "jpg", 90);
    return bytes;
}

} // namespace hostile
