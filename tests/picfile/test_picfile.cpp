#include "picfile/lib89i.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace lib89i;

static QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

TEST(Writer, WholeFileGoldens)
{
    const QByteArray header = "**TI92P*" + hex("0100") + hex("7A66696700000000") + QByteArray(40, '\0')
        + hex("0100" "52000000") + "fig0003" + hex("00" "10000000" "2F080000" "A55A00000000");
    const QByteArray white = encode89i(Surface(160, 100, kBlanc), 100, 160, "zfig", "fig0003");
    EXPECT_EQ(white.toHex(), (header + hex("07D5006400A0") + QByteArray(2000, '\0') + hex("DFBF02")).toHex());
    EXPECT_EQ(somme, 703u);
    const QByteArray black = encode89i(Surface(160, 100, kNoir), 100, 160, "zfig", "fig0003");
    EXPECT_EQ(black.toHex(),
              (header + hex("07D5006400A0") + QByteArray(2000, char(0xFF)) + hex("DFEFCA")).toHex());
}

TEST(Writer, Fields)
{
    Surface almostWhite(16, 2, kBlanc); // only exact white is clear
    almostWhite.setPixel(0, 0, 0xFEFFFF);
    almostWhite.setPixel(9, 0, 0xFFFFFE);
    almostWhite.setPixel(15, 1, kRouge);
    almostWhite.setPixel(7, 1, kNoir);
    Surface beyondWidth(16, 3, kBlanc); // 12 wide: bits 12 to 15 come from the surface
    for (const QPoint p : {QPoint(0, 0), QPoint(11, 0), QPoint(13, 0), QPoint(15, 1), QPoint(3, 2)})
        beyondWidth.setPixel(p.x(), p.y(), kNoir);
    const Surface narrow(10, 1, kBlanc); // beyond the surface's edge: no colour, dark
    const Surface blank(8, 1, kBlanc);
    const struct { const char *what; QByteArray file; int offset; QByteArray bytes; } cases[] = {
        {"almost white", encode89i(almostWhite, 2, 16, "zfig", "a"), 86, hex("0009" "00020010" "8040" "0101" "DF" "BC01")},
        {"width 12", encode89i(beyondWidth, 2, 12, "zfig", "x"), 76, hex("63000000")},
        {"width 12 data", encode89i(beyondWidth, 2, 12, "zfig", "x"), 86, hex("0009" "0002000C" "8014" "0001" "DF")},
        {"width 10 on a 10-wide surface", encode89i(narrow, 1, 10, "", ""), 92, hex("003F")},
        {"empty name", encode89i(blank, 1, 8, "zfig", ""), 64, hex("0000000000000000" "10000000")},
        {"long names cut", encode89i(blank, 1, 8, "dossierlong", "Image123456"), 10, "dossierl" + QByteArray(40, '\0')},
        {"long name cut", encode89i(blank, 1, 8, "dossierlong", "Image123456"), 64, "Image123"},
        {"Windows-1252 folder", encode89i(blank, 1, 8, "été€", "ab✓Œ😀z"), 10, hex("E974E98000000000")},
        {"Windows-1252 name", encode89i(blank, 1, 8, "été€", "ab✓Œ😀z"), 64, hex("61623F8C3F7A0000")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.file.mid(c.offset, c.bytes.size()).toHex(), c.bytes.toHex());
        const int n = (c.file.at(88) * 256 + quint8(c.file.at(89))) * ((quint8(c.file.at(91)) + 7) / 8);
        EXPECT_EQ(c.file.size(), 95 + n);
    }
}

TEST(Writer, ReplacesTheFileOrFailsLeavingItAsItWas)
{
    QTemporaryDir dir;
    Surface picture(160, 100, kBlanc);
    picture.setPixel(5, 5, kNoir);
    const QString path = dir.filePath("fig0000.89i");
    writeFile(path, QByteArray(5000, 'x')); // a longer old file goes completely
    QString error;
    ASSERT_TRUE(Ecrire89i(path, picture, 100, 160, "zfig", "fig0000", true, &error)) << error.toStdString();
    EXPECT_EQ(readFile(path), encode89i(picture, 100, 160, "zfig", "fig0000"));
    EXPECT_EQ(listing(dir.path()), QStringList{"fig0000.89i"}); // no temporary left

    QDir(dir.path()).mkdir("dossier.89i");
    const QString locked = dir.filePath("verrou");
    QDir(dir.path()).mkdir("verrou");
    writeFile(locked + "/fig0000.89i", "ancien");
    ReadOnlyFolder readOnly(locked);
    ASSERT_TRUE(readOnly.applies());
    for (const QString &target : {dir.filePath("dossier.89i"), path + "/sous.89i",
                                  dir.filePath("absent/fig.89i"), locked + "/fig0000.89i"}) {
        SCOPED_TRACE(target.toStdString());
        error.clear();
        EXPECT_FALSE(Ecrire89i(target, Surface(160, 100, kNoir), 100, 160, "zfig", "a", true, &error));
        EXPECT_TRUE(error.startsWith("Impossible")) << error.toStdString();
    }
    EXPECT_EQ(readFile(path), encode89i(picture, 100, 160, "zfig", "fig0000"));
    EXPECT_EQ(readFile(locked + "/fig0000.89i"), "ancien");
    EXPECT_TRUE(QFileInfo(dir.filePath("dossier.89i")).isDir());
}

TEST(Reader, DrawsWhatTheFileSays)
{
    QByteArray bitmap240(128 * 30, '\0'); // (159, 99) inside, (160, 99) and (159, 100) not
    bitmap240.replace(99 * 30 + 19, 2, hex("0180"));
    bitmap240[100 * 30 + 19] = char(0x01);
    QByteArray foreign = "**TI89**" + file89i(1, 8, hex("81")).mid(8);
    foreign.back() = char(0x77);
    const struct { const char *what; QByteArray file; QSize target; QList<QPoint> black; } cases[] = {
        {"240 x 128 on 160 x 100", file89i(128, 240, bitmap240), {160, 100}, {{159, 99}}},
        {"width 100: rows of 13 bytes, bits beyond the width drawn",
         file89i(3, 100, QByteArray(12, '\0') + hex("18") + QByteArray(12, '\0') + hex("0180")), {110, 3},
         {{99, 0}, {100, 0}, {103, 1}, {0, 2}}},
        {"height 261", file89i(261, 8, QByteArray(260, '\0') + hex("40")), {8, 300}, {{1, 260}}},
        {"height 0", file89i(0, 160, QByteArray(200, char(0xFF))), {16, 4}, {}},
        {"width 0", file89i(100, 0, QByteArray(200, char(0xFF))), {16, 4}, {}},
        {"91 bytes", QByteArray(91, char(0xFF)), {16, 4}, {}},
        {"cut short", file89i(4, 16, hex("8000" "0080" "FF")), {16, 4}, {{0, 0}, {8, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}},
        {"65535 x 65535 in a few bytes", file89i(65535, 65535, hex("C0")), {160, 100}, {{0, 0}, {1, 0}}},
        {"foreign signature, wrong checksum", foreign, {8, 1}, {{0, 0}, {7, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Surface target(c.target.width(), c.target.height(), kRouge); // cleared first
        target.setBackColor(kBlanc);
        dessine89i(c.file, target, false);
        EXPECT_TRUE(sameImage(blackAt(c.target, c.black), target.image()));
        EXPECT_TRUE(sameImage(reference89i(c.file, c.target.width(), c.target.height()), target.image()));
    }
    // keep draws over what is there.
    Surface target(8, 2, kBlanc);
    target.setPixel(3, 1, kRouge);
    dessine89i(file89i(2, 8, hex("8000")), target, true);
    EXPECT_EQ(target.point(3, 1), kRouge);
    EXPECT_EQ(target.point(0, 0), kNoir);
}

TEST(Reader, RoundTripAndUnreadableFiles)
{
    Surface source(160, 100, kBlanc);
    for (int i = 0; i < 100; ++i) {
        source.setPixel(i, i, kNoir);
        source.setPixel(159 - i, i, 0xFEFFFF); // any colour but white comes back black
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("fig0000.89i");
    ASSERT_TRUE(Ecrire89i(path, source, 100, 160, "zfig", "fig0000", false));
    Surface target(160, 100, kBleu);
    target.setBackColor(kBlanc);
    int refreshes = 0;
    target.setRefreshHandler([&] { ++refreshes; });
    ASSERT_TRUE(Lire89i(path, target, false));
    EXPECT_EQ(refreshes, 1);
    QList<QPoint> black;
    for (int i = 0; i < 100; ++i)
        black << QPoint(i, i) << QPoint(159 - i, i);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, black), target.image()));
    EXPECT_EQ(taille89i(readFile(path)), QSize(160, 100));

    const QImage before = target.image().copy();
    for (const QString &bad : {dir.filePath("absent.89i"), dir.path()}) {
        QString error;
        EXPECT_FALSE(Lire89i(bad, target, false, &error));
        EXPECT_TRUE(error.startsWith("Impossible")) << error.toStdString();
    }
    EXPECT_TRUE(sameImage(before, target.image()));
    EXPECT_EQ(refreshes, 1);
}
