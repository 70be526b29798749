#include "platform/files.h"
#include "platform/numberederror.h"
#include "platform/pictureloader.h"
#include "platform/surface.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(Files, OnlyOrdinaryFilesCount)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.89i"), "x");
    QDir(dir.path()).mkdir("fig0000.89i");
    EXPECT_TRUE(files::isOrdinaryFile(dir.filePath("a.89i")));
    EXPECT_FALSE(files::isOrdinaryFile(dir.filePath("fig0000.89i")));
    EXPECT_FALSE(files::isOrdinaryFile(dir.filePath("absent")));
}

TEST(Files, ReplaceWithWritesExactlyTheBytesAndKeepsTheOldFileOnFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.89i");
    writeFile(path, QByteArray(5000, 'o'));
    QString error;
    ASSERT_TRUE(files::replaceWith(path, "new", &error)) << error.toStdString();
    EXPECT_EQ(*files::readAll(path, &error), QByteArray("new"));

    // A folder of that name, and a path under a plain file, fail even for root.
    QDir(dir.path()).mkdir("d.89i");
    EXPECT_FALSE(files::replaceWith(dir.filePath("d.89i"), "x", &error));
    EXPECT_TRUE(error.contains("d.89i")) << error.toStdString();
    EXPECT_FALSE(files::replaceWith(path + "/sous.89i", "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(*files::readAll(path, &error), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left behind

    EXPECT_FALSE(files::readAll(dir.filePath("absent"), &error));
    EXPECT_TRUE(error.startsWith("Impossible d'ouvrir")) << error.toStdString();
    EXPECT_EQ(files::readAll(path, &error, 2)->size(), 2);
}

TEST(PictureLoader, DecodesEveryFormatAndRefusesGarbageInFrench)
{
    QTemporaryDir dir;
    QImage picture(5, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 2, qRgb(0, 0, 0));
    for (const char *format : {"bmp", "png", "ico", "jpg"}) {
        const QString path = dir.filePath(QStringLiteral("p.%1").arg(format));
        ASSERT_TRUE(picture.save(path, format)) << format;
        const LoadedPicture loaded = loadPicture(path);
        ASSERT_TRUE(loaded.ok()) << format << ": " << loaded.error.toStdString();
        EXPECT_EQ(loaded.image.size(), QSize(5, 4)) << format;
        EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
        EXPECT_LT(qGray(loaded.image.pixel(1, 2)), 60) << format;
    }
    // Qt writes no GIF: a one-pixel black GIF made by hand.
    writeFile(dir.filePath("p.gif"),
              QByteArray::fromHex("474946383961010001008000000000" "00ffffff21f90400000000002c0000"
                                  "0000010001000002024401003b"));
    const LoadedPicture gif = loadPicture(dir.filePath("p.gif"));
    ASSERT_TRUE(gif.ok()) << gif.error.toStdString();
    EXPECT_EQ(gif.image.pixel(0, 0) & 0xFFFFFF, 0u);

    // A PNG under a misleading extension still opens.
    picture.save(dir.filePath("vrai-png.jpg"), "png");
    EXPECT_TRUE(loadPicture(dir.filePath("vrai-png.jpg")).ok());

    writeFile(dir.filePath("faux.bmp"), "pas une image");
    const LoadedPicture bad = loadPicture(dir.filePath("faux.bmp"));
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.image.isNull());
    EXPECT_TRUE(bad.error.startsWith("Impossible de lire l'image")) << bad.error.toStdString();
    EXPECT_FALSE(loadPicture(dir.filePath("absent.png")).ok());
    EXPECT_FALSE(loadPicture(dir.path()).ok());

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "png");
    EXPECT_EQ(loadPictureData(png).image.size(), QSize(5, 4));
    EXPECT_FALSE(loadPictureData("xx").ok());
}

TEST(NumberedError, CarriesItsNumberAndFrenchText)
{
    const NumberedError e(NumberedError::PropertyNotAtRuntime);
    EXPECT_EQ(e.number(), 31013);
    EXPECT_EQ(e.description(), QStringLiteral("Propriété Inaccessible à l'exécution"));
    EXPECT_EQ(NumberedError(6).description(), QStringLiteral("Dépassement de capacité"));
    EXPECT_STREQ(NumberedError(9, "x").what(), "9 : x");
}

TEST(PictureLoader, TransparentPartsBecomeWhitePaper)
{
    QImage logo(4, 1, QImage::Format_ARGB32);
    logo.setPixel(0, 0, qRgba(0, 0, 0, 0));       // fully transparent
    logo.setPixel(1, 0, qRgba(0, 0, 0, 255));     // opaque black
    logo.setPixel(2, 0, qRgba(0, 0, 0, 128));     // half-transparent black
    logo.setPixel(3, 0, qRgba(200, 10, 30, 255)); // opaque colour, kept exactly

    QTemporaryDir dir;
    const QString path = dir.filePath("logo.png");
    ASSERT_TRUE(logo.save(path, "png"));
    for (const QImage &opened : {loadPicture(path).image, opaqueOnWhite(logo)}) {
        ASSERT_EQ(opened.format(), QImage::Format_RGB32);
        EXPECT_EQ(opened.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(opened.pixel(1, 0), qRgb(0, 0, 0));
        EXPECT_EQ(opened.pixel(2, 0), qRgb(127, 127, 127));
        EXPECT_EQ(opened.pixel(3, 0), qRgb(200, 10, 30));
    }
    // A dropped or pasted picture becomes the source the same way.
    Surface source;
    source.setPicture(logo);
    EXPECT_EQ(source.point(0, 0), kBlanc);
    EXPECT_EQ(source.point(1, 0), kNoir);
}
