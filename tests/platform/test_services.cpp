#include "platform/pictureloader.h"
#include "platform/surface.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QTemporaryDir>

// Every format by its content (a PNG named .jpg too, a GIF made by hand), as RGB32; a
// missing file and a folder refused (garbage and hostile pictures: tests/hardening).
// Transparent parts become white paper, opaque colours stay exact: from a file, and for
// a dropped or pasted picture.
TEST(PictureLoader, DecodesEveryFormatByItsContentOnWhitePaper)
{
    QTemporaryDir dir;
    const QImage picture = blackAt({5, 4}, {{1, 2}});
    writeFile(dir.filePath("p.gif"), QByteArray::fromHex("47494638396101000100800000000000ffffff21f90400000000"
                                                         "002c00000000010001000002024401003b"));
    for (const char *format : {"bmp", "png", "ico", "jpg", "gif", "png.jpg"}) {
        const QString path = dir.filePath(QStringLiteral("p.%1").arg(format));
        ASSERT_TRUE(*format == 'g' || picture.save(path, QByteArray(format).left(3))) << format;
        const LoadedPicture loaded = loadPicture(path);
        ASSERT_TRUE(loaded.ok() && loaded.image.format() == QImage::Format_RGB32) << format << ": " << loaded.error.toStdString();
        const QPoint dark = *format == 'g' ? QPoint(0, 0) : QPoint(1, 2);
        EXPECT_LT(qGray(loaded.image.pixel(dark)), 60) << format;
    }
    EXPECT_FALSE(loadPicture(dir.filePath("absent.png")).ok() || loadPicture(dir.path()).ok());

    QImage logo(4, 1, QImage::Format_ARGB32);
    const QRgb in[] = {qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 255), qRgba(0, 0, 0, 128), qRgba(200, 10, 30, 255)};
    const QRgb out[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(127, 127, 127), qRgb(200, 10, 30)};
    for (int x = 0; x < 4; ++x)
        logo.setPixel(x, 0, in[x]);
    ASSERT_TRUE(logo.save(dir.filePath("logo.png")));
    Surface source;
    source.setPicture(logo);
    for (const QImage &opened : {loadPicture(dir.filePath("logo.png")).image, opaqueOnWhite(logo), source.image()})
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(opened.pixel(x, 0), out[x]) << x;
}
