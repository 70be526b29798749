#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"
#include "platform/colour.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QTemporaryDir>

using namespace picfile;

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

// What drawing the bytes of a file gives on a white picture of the target's size.
QImage drawn(const QByteArray &file, QSize target)
{
    QImage image = filled(target.width(), target.height(), kWhite);
    draw(decode(file, target), image);
    return image;
}

} // namespace

TEST(Writer, Fields)
{
    const QByteArray header = "**TI92P*" + hex("0100") + hex("7A66696700000000") + QByteArray(40, '\0')
        + hex("0100" "52000000") + "fig0003" + hex("00" "10000000" "2F080000" "A55A00000000" "07D5006400A0");
    QImage almostWhite = filled(16, 2, kWhite); // only exact white is clear
    for (const auto &[p, colour] : {std::pair{QPoint(0, 0), 0xFFFFFFFEu}, {QPoint(9, 0), 0xFFFEFFFFu},
                                    {QPoint(15, 1), 0xFFFF0000u}, {QPoint(7, 1), kBlack}})
        almostWhite.setPixel(p, colour);
    // 12 wide: bits 12 to 15 come from the picture.
    const QImage beyondWidth = blackAt({16, 3}, {{0, 0}, {11, 0}, {13, 0}, {15, 1}, {3, 2}});
    const QImage blank = filled(8, 1, kWhite);
    const QByteArray names = QByteArray(40, '\0') + hex("0100" "52000000"); // from the folder's end to the name
    const struct { const char *what; QByteArray file; int offset; QByteArray bytes; } cases[] = {
        {"whole white file", encode(filled(160, 100, kWhite), {160, 100}, "zfig", "fig0003"), 0,
         header + QByteArray(2000, '\0') + hex("DFBF02")},
        {"whole black file", encode(filled(160, 100, kBlack), {160, 100}, "zfig", "fig0003"), 0,
         header + QByteArray(2000, char(0xFF)) + hex("DFEFCA")},
        {"almost white", encode(almostWhite, {16, 2}, "zfig", "a"), 86, hex("0009" "00020010" "8040" "0101" "DF" "BC01")},
        {"width 12", encode(beyondWidth, {12, 2}, "zfig", "x"), 76, hex("63000000" "A55A00000000" "0009" "0002000C" "8014" "0001" "DF")},
        {"beyond the picture's edge: dark", encode(filled(10, 1, kWhite), {10, 1}, "", ""), 92, hex("003F")},
        {"rows below the picture", encode(blank, {8, 2}, "", ""), 92, hex("00FF" "DF")},
        {"empty name", encode(blank, {8, 1}, "zfig", ""), 64, hex("0000000000000000" "10000000")},
        {"long names cut", encode(blank, {8, 1}, "dossierlong", "Image123456"), 10, "dossierl" + names + "Image123"},
        {"Windows-1252 names", encode(blank, {8, 1}, "été€", "ab✓Œ😀z"), 10, hex("E974E98000000000") + names + hex("61623F8C3F7A0000")},
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
    const QImage picture = blackAt({160, 100}, {{5, 5}});
    const QString path = dir.filePath("fig0000.89i");
    writeFile(path, QByteArray(5000, 'x')); // a longer old file goes completely
    QString error;
    ASSERT_TRUE(write(path, picture, {160, 100}, "zfig", "fig0000", &error)) << error.toStdString(); // leaving no temporary
    EXPECT_TRUE(readFile(path) == encode(picture, {160, 100}, "zfig", "fig0000") && listing(dir.path()) == QStringList{"fig0000.89i"});
    // The other failures (read-only, full disk, a folder) are the saves' of tests/hardening.
    EXPECT_FALSE(write(path + "/sous.89i", filled(160, 100, kBlack), {160, 100}, "zfig", "a", &error));
    EXPECT_TRUE(error.contains("un élément du chemin n'est pas un dossier") && readFile(path) == encode(picture, {160, 100}, "zfig", "fig0000"))
        << error.toStdString();
}

TEST(Reader, DrawsWhatTheFileSays)
{
    QByteArray bitmap240(128 * 30, '\0'); // (159, 99) inside, (160, 99) and (159, 100) not
    bitmap240.replace(99 * 30 + 19, 2, hex("0180"));
    bitmap240[100 * 30 + 19] = char(0x01);
    const struct { const char *what; QByteArray file; QSize target; QList<QPoint> black; } cases[] = {
        {"240 x 128 on 160 x 100", file89i(128, 240, bitmap240), {160, 100}, {{159, 99}}},
        {"width 100: rows of 13 bytes, bits beyond the width drawn",
         file89i(3, 100, QByteArray(12, '\0') + hex("18") + QByteArray(12, '\0') + hex("0180")), {110, 3},
         {{99, 0}, {100, 0}, {103, 1}, {0, 2}}},
        {"height 261", file89i(261, 8, QByteArray(260, '\0') + hex("40")), {8, 300}, {{1, 260}}},
        {"cut short", file89i(4, 16, hex("8000" "0080" "FF")), {16, 4},
         {{0, 0}, {8, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}},
        {"65535 x 65535 in a few bytes", file89i(65535, 65535, hex("C0")), {160, 100}, {{0, 0}, {1, 0}}},
        {"target 3 wide: the byte clipped", file89i(1, 8, hex("FF")), {3, 1}, {{0, 0}, {1, 0}, {2, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(sameImage(blackAt(c.target, c.black), drawn(c.file, c.target)));
        EXPECT_TRUE(sameImage(reference89i(c.file, c.target.width(), c.target.height()), drawn(c.file, c.target)));
    }
    QImage target = filled(8, 2, kWhite); // drawing leaves the other pixels as they are
    target.setPixel(3, 1, 0xFFFF0000u);
    draw(decode(file89i(2, 8, hex("8000")), target.size()), target);
    EXPECT_TRUE(target.pixel(3, 1) == 0xFFFF0000u && target.pixel(0, 0) == kBlack);
}

// Read despite another model's signature, a wrong checksum, extra bytes; else refused naming
// the file, except that NoPicture::Blank reads a file holding no picture as an empty one.
TEST(Reader, WhichFilesAreRead)
{
    QTemporaryDir dir;
    QByteArray other = file89i(1, 8, hex("81")) + "extra";
    other.replace(0, 8, "**TI89**");
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.89i"));
    const char *notPicture = "n'est pas une image de calculatrice.", *noPicture = "ne contient aucune image.";
    const std::tuple<const char *, QByteArray, const char *> cases[] = { // name, bytes written, error
        {"autre.89i", other, nullptr},
        {"absent.89i", {}, "Impossible d'ouvrir le fichier"},
        {"dossier.89i", {}, "c'est un dossier"},
        {"vide.89i", file89i(0, 160, {}), noPicture},
        {"etroit.89i", file89i(100, 0, {}), noPicture},
        {"court.89i", QByteArray(91, char(0xFF)), notPicture},
        {"photo.89i", hex("FFD8FFE000104A464946") + QByteArray(2000, 'j'), notPicture},
        {"ampleur.89i", file89i(65535, 65535, QByteArray(4000, char(0xFF))), notPicture},
    };
    for (const auto &[name, bytes, text] : cases) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(name);
        if (!bytes.isNull())
            writeFile(path, bytes);
        QString error;
        const auto picture = read(path, {160, 100}, &error);
        EXPECT_TRUE(text ? !picture && error.contains(QString::fromUtf8(text)) && error.contains(QDir::toNativeSeparators(path))
                         : picture && picture->size == QSize(8, 1)) << error.toStdString();
        const auto blank = read(path, {160, 100}, nullptr, NoPicture::Blank);
        EXPECT_TRUE(text == noPicture ? blank && blank->isEmpty() : bool(blank) == bool(picture));
    }
}

// A huge file is read no further than the bound needs: a 64 GB file (sparse), which
// no read to the end could hold, whose header claims 65535 x 65535 opens at once.
TEST(Reader, HugeFilesAreReadOnlyAsFarAsNeeded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("immense.89i");
    writeFile(path, file89i(65535, 65535, hex("C0")));
    if (!QFile(path).resize(qint64(64) << 30))
        GTEST_SKIP() << "no sparse files in " << dir.path().toStdString();
    const auto clipped = read(path, {160, 100});
    ASSERT_TRUE(clipped);
    const QList<QPoint> black{{0, 0}, {1, 0}, {8, 0}, {9, 0}, {11, 0}, {12, 0}, {13, 0}, {14, 0}, {15, 0}}; // C0, then the tag DF: bitmap here
    EXPECT_TRUE(sameImage(blackAt({160, 100}, black), monochrome({{160, 100}, clipped->bits}).convertToFormat(QImage::Format_RGB32)));
    // A caller refusing wider pictures gets the size alone.
    const auto sizeOnly = read(path, {4096, 4096}, nullptr, NoPicture::Error, Wider::SizeOnly);
    EXPECT_TRUE(sizeOnly && sizeOnly->size == QSize(65535, 65535) && sizeOnly->bits.isNull());
}
