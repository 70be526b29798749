#include "platform/jpegdecoder.h"
#include "platform/pictureloader.h"
#include "platform/surface.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QImageReader>
#include <QPainter>
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

// A JPEG is decoded at the largest divisor that keeps it as large as asked, in the
// directions its EXIF tag turns it to; each decoded pixel is the mean of the block of
// the part `covered` says (the file's last column, less than a block, left out, and
// turned to the left).
TEST(PictureLoader, JpegDecodedSmallerAndTurnedByItsTag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.jpg");
    QImage stored = filled(1291, 645, kWhite); // its first two rows and columns black
    QPainter(&stored).fillRect(0, 0, 2, 645, Qt::black);
    QPainter(&stored).fillRect(0, 0, 1291, 2, Qt::black);
    ASSERT_TRUE(stored.save(path, "JPG", 95));
    QByteArray bytes = readFile(path);
    // After JFIF's APP0: an EXIF APP1 whose orientation 6 turns the picture a quarter clockwise.
    bytes.insert(4 + (quint8(bytes[4]) << 8 | quint8(bytes[5])),
                 QByteArray::fromHex("ffe10022457869660000""49492a00080000000100""1201030001000000060000000000""0000"));
    writeFile(path, bytes);
    const LoadedPicture natural = loadPicture(path), loaded = loadPicture(path, {320, 200});
    ASSERT_TRUE(loaded.ok() && natural.ok() && natural.image.size() == QSize(645, 1291) && loaded.fullSize == natural.image.size());
    EXPECT_TRUE(loaded.divisor == 2 && loaded.image.size() == QSize(322, 645) && loaded.covered == QRect(1, 0, 644, 1290));
    int worst = 0;
    for (int y = 0; y < 645; ++y)
        for (int x = 0; x < 322; ++x) {
            int sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += qGray(natural.image.pixel(1 + 2 * x + k % 2, 2 * y + k / 2));
            worst = std::max(worst, std::abs(sum / 4 - qGray(loaded.image.pixel(x, y))));
        }
    EXPECT_LE(worst, 8);
    EXPECT_EQ(loadPicture(path, {323, 200}).divisor, 1);
}

// Photographs are decoded by libjpeg straight into RGB32: pixel for pixel what Qt's
// reader gives at the same scale and turn (every EXIF turn, sides that are not
// multiples of the divisor). A CMYK JPEG, left to Qt's reader, opens all the same.
TEST(PictureLoader, JpegDecodedAsQtDecodesIt)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.jpg");
    ASSERT_TRUE(photo(1003, 805).save(plain, "JPG", 90));
    const QByteArray bytes = readFile(plain);
    for (const int orientation : {1, 2, 3, 4, 5, 6, 7, 8}) {
        const QString path = dir.filePath(QStringLiteral("o%1.jpg").arg(orientation));
        QByteArray exif = QByteArray::fromHex("ffe10022457869660000""49492a00080000000100""1201030001000000060000000000""0000");
        exif[28] = char(orientation); // the orientation tag's value
        writeFile(path, QByteArray(bytes).insert(4 + (quint8(bytes[4]) << 8 | quint8(bytes[5])), exif));
        for (const int divisor : {1, 2, 4, 8}) {
            SCOPED_TRACE(testing::Message() << "orientation " << orientation << ", 1/" << divisor);
            QImageReader reader(path);
            reader.setAutoTransform(true);
            const QSize kept(1003 / divisor * divisor, 805 / divisor * divisor);
            if (divisor > 1) {
                reader.setClipRect(QRect(QPoint(), kept));
                reader.setScaledSize({kept.width() / divisor, kept.height() / divisor});
            }
            const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
            const QSize turned = orientation >= 5 ? QSize(805, 1003) : QSize(1003, 805);
            const LoadedPicture loaded = loadPicture(path, {turned.width() / divisor, turned.height() / divisor});
            ASSERT_TRUE(loaded.ok() && !expected.isNull());
            EXPECT_EQ(loaded.divisor, divisor);
            EXPECT_EQ(loaded.fullSize, turned);
            EXPECT_TRUE(loaded.image == expected) << loaded.image.width() << "x" << loaded.image.height();
        }
    }

    // A file changed since its size was checked is not decoded.
    EXPECT_EQ(decodeJpeg(bytes, 1, {1003, 806}).outcome, JpegDecoding::Failed);
    EXPECT_EQ(decodeJpeg(bytes.left(100), 1, {1003, 805}).outcome, JpegDecoding::Failed);

    // Without its quantization tables a JPEG's header reads, but its data does not.
    QByteArray noTables = bytes.left(2);
    for (qsizetype at = 2; at + 4 <= bytes.size();) {
        const qsizetype length = 2 + (quint8(bytes[at + 2]) << 8 | quint8(bytes[at + 3]));
        const bool scan = quint8(bytes[at + 1]) == 0xDA;
        if (quint8(bytes[at + 1]) != 0xDB)
            noTables += bytes.mid(at, scan ? -1 : length);
        at = scan ? bytes.size() : at + length;
    }
    writeFile(dir.filePath("notables.jpg"), noTables);
    EXPECT_TRUE(loadPicture(dir.filePath("notables.jpg")).error.contains(QStringLiteral("abîmées, incomplètes")));

    const QString cmyk = QStringLiteral(BRIVANE_TEST_DATA "/pictures/cmyk.jpg"); // red on the left, blue on the right
    EXPECT_EQ(decodeJpeg(readFile(cmyk), 1, {24, 16}).outcome, JpegDecoding::Unsupported);
    writeFile(dir.filePath("cmyk-cut.jpg"), readFile(cmyk).chopped(60));
    EXPECT_TRUE(loadPicture(dir.filePath("cmyk-cut.jpg")).warning.contains(QStringLiteral("abîmée ou incomplète")));
    const LoadedPicture loaded = loadPicture(cmyk);
    ASSERT_TRUE(loaded.ok() && loaded.image.size() == QSize(24, 16)) << loaded.error.toStdString();
    EXPECT_TRUE(loaded.image == QImage(cmyk).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(qRed(loaded.image.pixel(0, 0)) > 150 && qBlue(loaded.image.pixel(23, 15)) > 150);
}
