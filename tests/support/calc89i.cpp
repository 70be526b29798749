#include "calc89i.h"

QByteArray file89i(int height, int width, const QByteArray &bitmap)
{
    QByteArray file = "**TI92P*" + QByteArray(80, '\0');
    for (const int v : {height, width})
        file.append(char(v >> 8)).append(char(v));
    return file + bitmap + QByteArray::fromHex("DF0000");
}

QImage reference89i(const QByteArray &file, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    const auto byte = [&](qint64 i) { return unsigned(quint8(file.at(i))); };
    if (file.size() < 92)
        return image;
    const qint64 rowBytes = ((byte(90) << 8 | byte(91)) + 7) / 8;
    for (qint64 y = 0; y < qMin<qint64>(byte(88) << 8 | byte(89), height); ++y)
        for (qint64 x = 0; x < qMin<qint64>(width, 8 * rowBytes); ++x) {
            const qint64 i = 92 + y * rowBytes + x / 8;
            if (i < file.size() - 3 && (byte(i) & (0x80u >> (x % 8))))
                image.setPixel(int(x), int(y), 0xFF000000u);
        }
    return image;
}
