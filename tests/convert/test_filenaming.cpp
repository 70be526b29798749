#include "convert/filenaming.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

// The next automatic number: the smallest free one, at least four digits, only ordinary
// files named so counting (not a folder, nor a link to one); past fig9999 comes fig10000.
TEST(FileNaming, AutomaticNames)
{
    QTemporaryDir dir;
    const QString folder = filenaming::withSeparator(dir.path());
    for (const char *other : {"fig0001.89i", "fig2.89i", "fig00002.89i", "fig0002.89i.bak", "FIG0002.89I"})
        writeFile(dir.filePath(other), "x");
    EXPECT_EQ(filenaming::freeNumber(folder), 0);
    writeFile(dir.filePath("fig0000.89i"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("fig0002.89i"));
    EXPECT_EQ(filenaming::freeNumber(folder), 2);
    ASSERT_TRUE(QFile::link(dir.filePath("fig0002.89i"), dir.filePath("fig0003.89i")));
    EXPECT_EQ(filenaming::freeNumber(folder), 2);

    QTemporaryDir many(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/brivane-XXXXXX") : QString());
    for (int k = 0; k < 10000; ++k)
        ASSERT_TRUE(QFile(many.filePath(filenaming::automaticName(k) + ".89i")).open(QIODevice::WriteOnly));
    EXPECT_TRUE(filenaming::freeNumber(filenaming::withSeparator(many.path())) == 10000 && filenaming::automaticName(12345) == "fig12345");
}

// "Sauver sous": only a new file's name is lower-cased, ".89i" added unless there in any
// case, an existing file kept as it is named. The open command reads names ending in 89i.
TEST(FileNaming, SaveAsPathAndCalculatorPictureNames)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("Photo.89i"), "x");
    const std::pair<QString, QString> cases[] = {
        {" /Mes Pics/Photo.TXT ", "/Mes Pics/photo.txt.89i"},
        {"A.89I", "a.89i"},
        {dir.filePath("Photo"), dir.filePath("Photo.89i")},
    };
    for (const auto &[chosen, path] : cases)
        EXPECT_EQ(filenaming::saveAsPath(chosen), path);
    for (const char *name : {"a.89i", "A.89I", "etroit89i ", "/x/b89I"})
        EXPECT_TRUE(filenaming::namesCalculatorPicture(name)) << name;
    for (const char *name : {"a.89", "a.89i.png", "89ix"})
        EXPECT_FALSE(filenaming::namesCalculatorPicture(name)) << name;
}

// A folder chosen by the caller is kept, writable or not; the executable's folder that
// cannot be written to gives way to the fallback folder, by default the user's pictures
// folder's Brivane.
TEST(FileNaming, AutomaticFolder)
{
    const auto never = [](const QString &) { return false; };
    AutomaticFolder chosen(QStringLiteral("/tmp/choisi"));
    chosen.setWritableTest(never);
    EXPECT_EQ(chosen.folder(), QDir::toNativeSeparators("/tmp/choisi/"));
    AutomaticFolder installed;
    EXPECT_EQ(installed.folder(), filenaming::withSeparator(QCoreApplication::applicationDirPath()));
    installed.setWritableTest(never);
    EXPECT_EQ(installed.folder(), filenaming::withSeparator(
                                      QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Brivane"));
    installed.setFallbackFolder(QStringLiteral("/tmp/Images/Brivane"));
    EXPECT_TRUE(installed.folder() == QDir::toNativeSeparators("/tmp/Images/Brivane/")
                && installed.programFolder() == filenaming::withSeparator(QCoreApplication::applicationDirPath()));
}
