#include "picfile/lib89i.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace lib89i;

namespace {

// A file with the given size fields and bitmap, followed by tag and checksum.
QByteArray fileWith(int height, int width, const QByteArray &bitmap)
{
    QByteArray file(88, '\0');
    file.replace(0, 8, "**TI92P*");
    file += char(height >> 8);
    file += char(height & 0xFF);
    file += char(width >> 8);
    file += char(width & 0xFF);
    return file + bitmap + QByteArray::fromHex("DF0000");
}

QString writeTemp(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath("test.89i");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QImage blackAt(QSize size, const QList<QPoint> &points)
{
    Surface expected(size.width(), size.height(), kBlanc);
    for (const QPoint &p : points)
        expected.setPixel(p.x(), p.y(), kNoir);
    return expected.image();
}

} // namespace

TEST(Reader, RoundTripOfTheWritersFiles)
{
    Surface source(160, 100, kBlanc);
    for (int i = 0; i < 100; ++i) {
        source.setPixel(i, i, kNoir);
        source.setPixel(159 - i, i, 0xFEFFFF); // any non-white colour comes back black
    }
    source.setPixel(0, 99, kRouge);
    QTemporaryDir dir;
    const QString path = dir.filePath("fig0000.89i");
    ASSERT_TRUE(Ecrire89i(path, source, 100, 160, "zfig", "fig0000", false));

    Surface target(160, 100, kBleu); // background shows where bits are 0
    target.setBackColor(kBlanc);
    int refreshes = 0;
    target.setRefreshHandler([&] { ++refreshes; });
    QString error;
    ASSERT_TRUE(Lire89i(path, target, false, &error));
    EXPECT_EQ(refreshes, 1);
    Surface expected(160, 100, kBlanc);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if (source.point(x, y) != kBlanc)
                expected.setPixel(x, y, kNoir);
    EXPECT_TRUE(sameImage(expected.image(), target.image()));
    EXPECT_EQ(taille89i(encode89i(source, 100, 160, "", "")), QSize(160, 100));
}

TEST(Reader, LargerPictureShowsItsTopLeftCorner)
{
    // 240 x 128, every pixel set: only the target's 160 x 100 can be drawn.
    Surface target(160, 100, kBlanc);
    dessine89i(fileWith(128, 240, QByteArray(128 * 30, char(0xFF))), target, false);
    EXPECT_TRUE(sameImage(Surface(160, 100, kNoir).image(), target.image()));

    // Only the pixel (159, 99) inside, (160, 99) and (159, 100) outside.
    QByteArray bitmap(128 * 30, '\0');
    bitmap[99 * 30 + 19] = char(0x01);
    bitmap[99 * 30 + 20] = char(0x80);
    bitmap[100 * 30 + 19] = char(0x01);
    dessine89i(fileWith(128, 240, bitmap), target, false);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, {{159, 99}}), target.image()));
}

TEST(Reader, EmptySizesClearTheTarget)
{
    for (const QSize hw : {QSize(0, 160), QSize(100, 0), QSize(0, 0)}) {
        Surface target(16, 4, kNoir);
        target.setBackColor(kBlanc);
        dessine89i(fileWith(hw.width(), hw.height(), QByteArray(200, char(0xFF))), target, false);
        EXPECT_TRUE(sameImage(Surface(16, 4, kBlanc).image(), target.image()));
    }
    // Too short to hold the sizes: cleared too.
    Surface target(16, 4, kNoir);
    target.setBackColor(kBlanc);
    dessine89i(QByteArray(91, char(0xFF)), target, false);
    EXPECT_TRUE(sameImage(Surface(16, 4, kBlanc).image(), target.image()));
    EXPECT_EQ(taille89i(QByteArray(91, char(0xFF))), QSize(0, 0));
}

TEST(Reader, RowsOfAWidthThatIsNotAMultipleOfEight)
{
    // 100 pixels wide: 13 bytes a row, the last byte's four low bits beyond the width.
    QByteArray bitmap(3 * 13, '\0');
    bitmap[12] = char(0x18);      // row 0: x = 99 and x = 100 (beyond the width, drawn)
    bitmap[26] = char(0x80);      // row 2 starts at byte 26: x = 0
    bitmap[13 + 12] = char(0x01); // row 1: x = 103
    Surface target(110, 3, kBlanc);
    dessine89i(fileWith(3, 100, bitmap), target, false);
    EXPECT_TRUE(sameImage(blackAt({110, 3}, {{99, 0}, {100, 0}, {103, 1}, {0, 2}}), target.image()));
    EXPECT_EQ(taille89i(fileWith(3, 100, bitmap)), QSize(100, 3));
}

TEST(Reader, TallPictureIsReadToItsLastRow)
{
    // Height 261 (01 05): the last row is drawn.
    QByteArray bitmap(261, '\0');
    bitmap[260] = char(0x40);
    const QByteArray file = fileWith(261, 8, bitmap);
    ASSERT_EQ(file.mid(88, 2), QByteArray::fromHex("0105"));
    Surface target(8, 300, kBlanc);
    dessine89i(file, target, false);
    EXPECT_TRUE(sameImage(blackAt({8, 300}, {{1, 260}}), target.image()));
}

TEST(Reader, TruncatedAndHostileFilesAreSafe)
{
    // The bitmap stops after row 1 and half of row 2: missing bytes draw nothing.
    QByteArray bitmap = QByteArray::fromHex("8000" "0080" "FF");
    Surface target(16, 4, kBlanc);
    dessine89i(fileWith(4, 16, bitmap), target, false);
    EXPECT_TRUE(sameImage(blackAt({16, 4}, {{0, 0}, {8, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2},
                                            {4, 2}, {5, 2}, {6, 2}, {7, 2}}),
                          target.image()));

    // The header claims 65535 x 65535 with a handful of bytes.
    QByteArray tiny = fileWith(65535, 65535, QByteArray::fromHex("C0"));
    Surface small(160, 100, kBlanc);
    dessine89i(tiny, small, false);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, {{0, 0}, {1, 0}}), small.image()));
    for (int cut = 0; cut <= tiny.size(); ++cut) // every truncation of the file
        dessine89i(tiny.left(cut), small, false);

    // Same header, through the file: no crash, and no more read than the target can show.
    QTemporaryDir dir;
    QByteArray big = fileWith(65535, 65535, QByteArray(3 * 8192 + 5, char(0x80)));
    Surface three(16, 3, kBlanc);
    ASSERT_TRUE(Lire89i(writeTemp(dir, big), three, false));
    EXPECT_TRUE(sameImage(blackAt({16, 3}, {{0, 0}, {8, 0}, {0, 1}, {8, 1}, {0, 2}, {8, 2}}),
                          three.image()));
}

TEST(Reader, WrongChecksumAndForeignSignatureAreDrawnAnyway)
{
    QByteArray file = fileWith(1, 8, QByteArray::fromHex("81"));
    file.replace(0, 8, "**TI89**");
    file[file.size() - 1] = char(0x77);
    Surface target(8, 1, kBlanc);
    dessine89i(file, target, false);
    EXPECT_TRUE(sameImage(blackAt({8, 1}, {{0, 0}, {7, 0}}), target.image()));
}

TEST(Reader, KeepDrawsOverTheContent)
{
    Surface target(8, 2, kBlanc);
    target.setPixel(3, 1, kRouge);
    dessine89i(fileWith(2, 8, QByteArray::fromHex("8000")), target, true);
    QImage expected = blackAt({8, 2}, {{0, 0}});
    expected.setPixel(3, 1, toQRgb(kRouge));
    EXPECT_TRUE(sameImage(expected, target.image()));

    dessine89i(fileWith(2, 8, QByteArray::fromHex("8000")), target, false);
    EXPECT_TRUE(sameImage(blackAt({8, 2}, {{0, 0}}), target.image()));
}

TEST(Reader, UnreadableFileLeavesThePictureAsItWas)
{
    QTemporaryDir dir;
    Surface target(8, 2, kBlanc);
    target.setPixel(2, 1, kRouge);
    target.setBackColor(kNoir);
    const QImage before = target.image().copy();
    bool refreshed = false;
    target.setRefreshHandler([&] { refreshed = true; });
    for (const QString &path : {dir.filePath("absent.89i"), dir.path()}) {
        QString error;
        EXPECT_FALSE(Lire89i(path, target, false, &error));
        EXPECT_TRUE(error.startsWith("Impossible")) << error.toStdString();
        EXPECT_TRUE(sameImage(before, target.image()));
    }
    EXPECT_FALSE(refreshed);
}
