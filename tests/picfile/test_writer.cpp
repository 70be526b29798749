#include "picfile/lib89i.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lib89i;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// The header every file of this program starts with, built field by field.
QByteArray header(const QByteArray &folder8, const QByteArray &name8, int n)
{
    QByteArray h = "**TI92P*" + hex("0100") + folder8 + QByteArray(40, '\0') + hex("0100")
        + hex("52000000") + name8 + hex("10000000");
    const int length = 95 + n;
    h += char(length & 0xFF);
    h += char(length >> 8);
    h += hex("0000A55A00000000");
    return h;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesAt(const QByteArray &file, int offset, int length)
{
    return file.mid(offset, length);
}

} // namespace

TEST(Writer, AllWhiteAndAllBlackWorkPicture)
{
    Surface white(160, 100, kBlanc);
    const QByteArray file = encode89i(white, 100, 160, "zfig", "fig0003");
    ASSERT_EQ(file.size(), 2095);
    QByteArray expected = header(hex("7A66696700000000"), "fig0003" + hex("00"), 2000)
        + hex("07D5006400A0") + QByteArray(2000, '\0') + hex("DFBF02");
    EXPECT_EQ(file.toHex(), expected.toHex());
    EXPECT_EQ(bytesAt(file, 76, 4), hex("2F080000"));
    EXPECT_EQ(bytesAt(file, 86, 6), hex("07D5006400A0"));
    EXPECT_EQ(bytesAt(file, 2092, 3), hex("DFBF02"));
    EXPECT_EQ(somme, 703u);

    Surface black(160, 100, kNoir);
    const QByteArray dark = encode89i(black, 100, 160, "zfig", "fig0003");
    ASSERT_EQ(dark.size(), 2095);
    EXPECT_EQ(dark.mid(92, 2000), QByteArray(2000, char(0xFF)));
    EXPECT_EQ(bytesAt(dark, 2092, 3), hex("DFEFCA"));
    EXPECT_EQ(dark.left(92), file.left(92));
}

TEST(Writer, OnlyExactWhiteIsClear)
{
    Surface picture(16, 2, kBlanc);
    picture.setPixel(0, 0, 0xFEFFFF);  // almost white: dark
    picture.setPixel(9, 0, 0xFFFFFE);
    picture.setPixel(15, 1, kRouge);
    picture.setPixel(7, 1, kNoir);
    const QByteArray file = encode89i(picture, 2, 16, "zfig", "a");
    EXPECT_EQ(file.mid(88, 9), hex("00020010" "8040" "0101" "DF"));
    // Checksum: data length 00 09, then the data bytes.
    // 0x09 + 0x02 + 0x10 + 0x80 + 0x40 + 0x01 + 0x01 + 0xDF = 444 = 0x01BC
    EXPECT_EQ(file.mid(97, 2), hex("BC01"));
    EXPECT_EQ(file.size(), 99);
}

TEST(Writer, NamesAreCutToEightBytesAndPaddedWithZeros)
{
    Surface picture(8, 1, kBlanc);
    QByteArray file = encode89i(picture, 1, 8, "zfig", "");
    EXPECT_EQ(bytesAt(file, 10, 8), hex("7A66696700000000"));
    EXPECT_EQ(bytesAt(file, 64, 8), QByteArray(8, '\0'));
    EXPECT_EQ(bytesAt(file, 72, 4), hex("10000000"));

    file = encode89i(picture, 1, 8, "dossierlong", "Image123456");
    EXPECT_EQ(bytesAt(file, 10, 8), QByteArray("dossierl"));
    EXPECT_EQ(bytesAt(file, 64, 8), QByteArray("Image123"));
    EXPECT_EQ(bytesAt(file, 18, 40), QByteArray(40, '\0')); // no spill into the comment
    EXPECT_EQ(file.size(), 95 + 1);

    // Windows-1252 bytes; a character the code page lacks becomes '?'.
    file = encode89i(picture, 1, 8, QString::fromUtf8("été€"), QString::fromUtf8("ab✓Œ😀z"));
    EXPECT_EQ(bytesAt(file, 10, 8), hex("E974E98000000000"));
    EXPECT_EQ(bytesAt(file, 64, 8), hex("61623F8C3F7A0000"));
    EXPECT_EQ(file.mid(86, 2), hex("0006")); // names never enter the data
}

TEST(Writer, WidthNotMultipleOfEightTakesPixelsRightOfThePicture)
{
    // 12 x 2 picture on a 16-wide surface: r = 2, bits 12..15 come from the surface.
    Surface picture(16, 3, kBlanc);
    picture.setPixel(0, 0, kNoir);
    picture.setPixel(11, 0, kNoir);
    picture.setPixel(13, 0, kNoir); // beyond the width, still encoded
    picture.setPixel(15, 1, kNoir);
    picture.setPixel(3, 2, kNoir); // below the height: not encoded
    const QByteArray file = encode89i(picture, 2, 12, "zfig", "x");
    EXPECT_EQ(file.mid(86, 10).toHex(), hex("0009" "0002000C" "8014" "0001").toHex());
    EXPECT_EQ(file.at(96), char(0xDF));
    EXPECT_EQ(file.size(), 95 + 4);
    EXPECT_EQ(bytesAt(file, 76, 4), hex("63000000"));

    // Bits beyond the surface's edge read "no colour", which is dark.
    Surface narrow(10, 1, kBlanc);
    EXPECT_EQ(encode89i(narrow, 1, 10, "", "").mid(92, 2), hex("003F"));
}

TEST(Writer, EcrireChampFillsCountsAndOverwrites)
{
    QByteArray file;
    somme = 0;
    EcrireChamp(file, hex("0102"), 5, 3, true);
    EXPECT_EQ(file, hex("0000000102000000"));
    EXPECT_EQ(somme, 3u);
    EcrireChamp(file, hex("FFFF"), 2, 6, false); // overwrite, not counted
    EXPECT_EQ(file, hex("000000010200FFFF"));
    EXPECT_EQ(somme, 3u);
    EcrireChamp(file, "abcdef", 3, 0, true); // longer than the field: all written
    EXPECT_EQ(file.left(6), QByteArray("abcdef"));
    EXPECT_EQ(somme, 3u + 'a' + 'b' + 'c' + 'd' + 'e' + 'f');
}

TEST(Writer, WritesTheFileAndConfirms)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fig0000.89i");
    // A longer old file is replaced completely.
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    Surface picture(160, 100, kBlanc);
    picture.setPixel(5, 5, kNoir);
    RecordingDialogs dialogs;
    QString error;
    ASSERT_TRUE(Ecrire89i(path, picture, 100, 160, "zfig", "fig0000", true, &error)) << error.toStdString();
    EXPECT_EQ(readFile(path), encode89i(picture, 100, 160, "zfig", "fig0000"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8("Fichier enregistré"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);

    EXPECT_TRUE(Ecrire89i(path, picture, 100, 160, "zfig", "fig0000", false));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fig0000.89i"});
}

TEST(Writer, FailedWriteKeepsTheOldFileAndShowsNothing)
{
    QTemporaryDir dir;
    Surface picture(160, 100, kNoir);
    RecordingDialogs dialogs;
    QString error;

    // A folder in the way of the name.
    const QString folder = dir.filePath("dossier.89i");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(Ecrire89i(folder, picture, 100, 160, "zfig", "a", true, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A parent that is a regular file fails even for root.
    const QString plain = dir.filePath("plain");
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    error.clear();
    EXPECT_FALSE(Ecrire89i(plain + "/fig0000.89i", picture, 100, 160, "zfig", "a", true, &error));
    EXPECT_TRUE(error.startsWith("Impossible")) << error.toStdString();
    EXPECT_FALSE(Ecrire89i(dir.filePath("absent/fig.89i"), picture, 100, 160, "zfig", "a", true));

    // An existing file in a folder where no file can be created, even by root.
    const QString kernel = "/proc/version";
    const QByteArray before = QFile::exists(kernel) ? readFile(kernel) : QByteArray();
    if (!before.isEmpty()) {
        EXPECT_FALSE(Ecrire89i(kernel, picture, 100, 160, "zfig", "a", true, &error));
        EXPECT_EQ(readFile(kernel), before);
    }

    // A folder that refuses new files (only meaningful when permissions apply).
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString target = locked + "/fig0000.89i";
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old picture");
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const bool refused = !QFileInfo(locked).isWritable();
    if (refused) {
        EXPECT_FALSE(Ecrire89i(target, picture, 100, 160, "zfig", "a", true));
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (refused) {
        EXPECT_EQ(readFile(target), QByteArray("old picture"));
    }

    EXPECT_EQ(readFile(plain), QByteArray("keep me"));
    EXPECT_TRUE(dialogs.messages.empty());
}
