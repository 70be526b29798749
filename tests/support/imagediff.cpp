#include "imagediff.h"

#include <QStringList>

QString asciiArt(const QImage &image, int maxWidth, int maxHeight)
{
    QString out;
    for (int y = 0; y < qMin(image.height(), maxHeight); ++y) {
        for (int x = 0; x < qMin(image.width(), maxWidth); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            out += p == 0xFFFFFF ? u'.' : p == 0 ? u'#' : u'?';
        }
        out += u'\n';
    }
    return out;
}

QImage imageFromAscii(const QStringList &rows)
{
    const int width = rows.isEmpty() ? 0 : int(rows.first().size());
    QImage image(width, int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, rows[y][x] == u'#' ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual)
{
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure()
               << "sizes differ: expected " << expected.width() << "x" << expected.height()
               << ", got " << actual.width() << "x" << actual.height();
    int differing = 0;
    QString first;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((expected.pixel(x, y) & 0xFFFFFF) != (actual.pixel(x, y) & 0xFFFFFF)) {
                if (differing++ == 0)
                    first = QStringLiteral("(%1, %2): expected %3, got %4")
                                .arg(x)
                                .arg(y)
                                .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                .arg(actual.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ, first at " << first.toStdString() << "\nexpected:\n"
           << asciiArt(expected).toStdString() << "actual:\n"
           << asciiArt(actual).toStdString();
}

QImage blackAt(QSize size, const QList<QPoint> &points)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
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
