#include "imagediff.h"

static std::string asciiArt(const QImage &image)
{
    std::string out;
    for (int y = 0; y < qMin(image.height(), 40); ++y, out += '\n')
        for (int x = 0; x < qMin(image.width(), 80); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            out += p == 0xFFFFFF ? '.' : p == 0 ? '#' : '?';
        }
    return out;
}

QImage imageFromAscii(const QStringList &rows)
{
    QImage image(rows.isEmpty() ? 0 : int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'#' ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual)
{
    int differing = expected.size() == actual.size() ? 0 : -1; // -1: the sizes differ
    QPoint first;
    for (int y = 0; differing >= 0 && y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (((expected.pixel(x, y) ^ actual.pixel(x, y)) & 0xFFFFFF) && differing++ == 0)
                first = QPoint(x, y);
    return ::testing::AssertionResult(differing == 0)
           << differing << " pixels differ, first at (" << first.x() << ", " << first.y() << ")\nexpected:\n"
           << asciiArt(expected) << "actual:\n" << asciiArt(actual);
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage blackAt(QSize size, const QList<QPoint> &points)
{
    QImage image = filled(size.width(), size.height(), 0xFFFFFFFFu);
    for (const QPoint &p : points)
        image.setPixel(p, 0xFF000000u);
    return image;
}

QImage diagonal(int width, int height)
{
    QImage image = blackAt(QSize(width, height), {});
    for (int i = 0; i < qMin(width, height); ++i)
        image.setPixel(i, i, 0xFF000000u);
    return image;
}

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) & 0xFF));
    return image;
}
