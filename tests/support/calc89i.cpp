#include "calc89i.h"

#include <algorithm>

QByteArray file89i(int height, int width, const QByteArray &bitmap)
{
    QByteArray file(88, '\0');
    file.replace(0, 8, "**TI92P*");
    for (const int v : {height, width}) {
        file += char((v >> 8) & 0xFF);
        file += char(v & 0xFF);
    }
    return file + bitmap + QByteArray::fromHex("DF0000");
}

void reference89i(const QByteArray &file, QImage &image)
{
    image.fill(0xFFFFFFFFu);
    if (file.size() < 92)
        return;
    const auto byte = [&](qint64 i) { return unsigned(quint8(file.at(i))); };
    const qint64 h = 256 * byte(88) + byte(89);
    const qint64 w = 256 * byte(90) + byte(91);
    const qint64 rowBytes = (w + 7) / 8;
    const qint64 bitmapLength = qint64(file.size()) - 95;
    const qint64 columns = std::min<qint64>(image.width(), 8 * rowBytes);
    for (qint64 y = 0; y < std::min<qint64>(h, image.height()); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < columns; ++x) {
            const qint64 index = y * rowBytes + x / 8;
            if (index < bitmapLength && (byte(92 + index) & (0x80u >> (x % 8))))
                row[x] = 0xFF000000u;
        }
    }
}

QImage reference89i(const QByteArray &file, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    reference89i(file, image);
    return image;
}
