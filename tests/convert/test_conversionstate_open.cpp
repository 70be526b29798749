#include "conversionfixture.h"

#include "picfile/lib89i.h"
#include "support/imagediff.h"

#include <QDir>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// A calculator picture file: header up to the size, the bitmap, tag and checksum
// (neither of which the reader checks).
QByteArray file89i(int height, int width, const QByteArray &bitmap)
{
    QByteArray file(88, '\0');
    file.replace(0, 8, "**TI92P*");
    file.append(char(height >> 8)).append(char(height)).append(char(width >> 8)).append(char(width));
    file.append(bitmap);
    file.append(char(0xDF)).append(2, '\0');
    return file;
}

QImage pattern(int width, int height)
{
    QImage image = solid(width, height, kWhite);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * x + 3 * y) % 7 == 0)
                image.setPixel(x, y, x % 3 ? kBlack : qRgb(200, 10, 10));
    return image;
}

// Every non-white pixel black.
QImage blackAndWhite(QImage image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
                image.setPixel(x, y, kBlack);
    return image;
}

} // namespace

TEST_F(ConversionTest, OpenDialogAndCancel)
{
    state.importerImage(pattern(200, 120));
    state.convertir();
    const QImage p1 = state.picture1.image().copy();
    const QImage p2 = state.picture2.image().copy();
    const QImage p3 = state.picture3.image().copy();
    dialogs.cancelNextFileDialog();
    state.ouvrirImage();

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const auto &request = dialogs.fileRequests.front();
    EXPECT_EQ(request.title, QStringLiteral("Ouvrir une Image."));
    EXPECT_EQ(request.initialFolder, QDir::toNativeSeparators(QDir::homePath()));
    ASSERT_EQ(request.filters.size(), 2);
    EXPECT_EQ(request.filters[0].description,
              QStringLiteral("Images files (*.89i;*.bmp;*.jpg;*.gif;*.ico)"));
    EXPECT_EQ(request.filters[1].description, QStringLiteral("All Files (*.*)"));
    const QStringList images = request.filters[0].patterns.split(u';');
    for (const char *name : {"a.89i", "b.BMP", "photo.jpeg", "PHOTO.JPG", "c.gif", "d.Ico", "e.png"})
        EXPECT_TRUE(QDir::match(images, QString::fromLatin1(name))) << name;
    EXPECT_FALSE(QDir::match(images, QStringLiteral("notes.txt")));
    EXPECT_TRUE(QDir::match(request.filters[1].patterns, QStringLiteral("LISEZMOI")));

    EXPECT_TRUE(sameImage(p1, state.picture1.image()));
    EXPECT_TRUE(sameImage(p2, state.picture2.image()));
    EXPECT_TRUE(sameImage(p3, state.picture3.image()));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConversionTest, DialogsStartInTheFolderLastChosen)
{
    dialogs.answerNextFileDialog(QDir::toNativeSeparators(dir.path() + "/sous/x.89i"));
    state.sauverSous();
    dialogs.cancelNextFileDialog();
    state.ouvrirImage();
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].initialFolder, QDir::toNativeSeparators(dir.path() + "/sous"));
}

// A picture written by the program comes back into the work picture; the source
// frame and the preview are cleared, and the size becomes the file's.
TEST_F(ConversionTest, OpeningACalculatorPicture)
{
    Surface written(160, 100);
    written.setPicture(pattern(160, 100));
    ASSERT_TRUE(lib89i::Ecrire89i(path(QStringLiteral("image.89I")), written, 100, 160,
                                  QStringLiteral("zfig"), QStringLiteral("a"), false));
    state.importerImage(pattern(300, 200));
    state.text7 = 48;
    state.convertir();

    dialogs.answerNextFileDialog(QStringLiteral("  ") + path(QStringLiteral("image.89I")) + u' ');
    state.ouvrirImage();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(blackAndWhite(pattern(160, 100)), state.picture2.image()));
    EXPECT_TRUE(sameImage(solid(300, 200, kWhite), state.picture1.image()));
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.picture3.image()));
    EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), QRect(0, 0, 160, 100));

    // Converting then starts again from the blank source.
    state.convertir();
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.picture2.image()));
}

// Odd and hostile files: drawn from the same offsets, never past the end, the size
// kept within the screen.
TEST_F(ConversionTest, OpeningUnusualCalculatorPictures)
{
    // 240 x 128 (the TI-92 Plus screen): only the top-left 160 x 100 shows.
    QByteArray big(128 * 30, char(0));
    big[99 * 30 + 19] = char(0x01);  // (159, 99)
    big[100 * 30] = char(0x80);      // (0, 100): below the work picture
    big[0 * 30 + 20] = char(0x80);   // (160, 0): right of it
    write(QStringLiteral("ti92.89i"), file89i(128, 240, big));
    state.ouvrirFichier(path(QStringLiteral("ti92.89i")));
    EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(159, 99, 1, 1)), state.picture2.image()));
    EXPECT_EQ(QSize(state.largeur, state.hauteur), QSize(160, 100));

    // 100 pixels wide: rows of 13 bytes, the last byte's low bits drawn beyond the width.
    QByteArray narrow(13 * 3, char(0));
    narrow[12] = char(0x0F); // (100..103, 0)
    narrow[26] = char(0x80); // (0, 2)
    write(QStringLiteral("etroit89i"), file89i(3, 100, narrow));
    state.ouvrirFichier(path(QStringLiteral("etroit89i")));
    QImage expected = whiteWithBlack(160, 100, QRect(100, 0, 4, 1));
    expected.setPixel(0, 2, kBlack);
    EXPECT_TRUE(sameImage(expected, state.picture2.image()));
    EXPECT_EQ(QSize(state.largeur, state.hauteur), QSize(100, 3));

    struct Hostile
    {
        const char *name;
        QByteArray bytes;
        QSize size;
    };
    const Hostile hostile[] = {
        {"huge.89i", file89i(65535, 65535, QByteArray(50, char(0xFF))), {160, 100}},
        {"short_rows.89i", file89i(100, 160, QByteArray(45, char(0xFF))), {160, 100}},
    };
    for (const Hostile &h : hostile) {
        SCOPED_TRACE(h.name);
        state.picture2.image().fill(kBlack);
        write(QString::fromLatin1(h.name), h.bytes);
        state.ouvrirFichier(path(QString::fromLatin1(h.name)));
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(QSize(state.largeur, state.hauteur), h.size);
    }
    // The last one: two full rows and five bytes of the third are black.
    expected = whiteWithBlack(160, 100, QRect(0, 0, 160, 2));
    for (int x = 0; x < 40; ++x)
        expected.setPixel(x, 2, kBlack);
    EXPECT_TRUE(sameImage(expected, state.picture2.image()));
}

// A file that cannot be read or decoded: a French message, everything as it was.
TEST_F(ConversionTest, OpeningFailuresChangeNothing)
{
    state.importerImage(pattern(200, 120));
    state.check2 = true;
    state.convertir();
    const QImage p1 = state.picture1.image().copy();
    const QImage p2 = state.picture2.image().copy();
    const QImage p3 = state.picture3.image().copy();
    const QRect fit(state.x0, state.y0, state.largeur, state.hauteur);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.89i")));
    write(QStringLiteral("faux.jpg"), QByteArray("ceci n'est pas une image"));
    // Calculator pictures that hold no picture.
    write(QStringLiteral("hauteur0.89i"), file89i(0, 160, QByteArray(20, char(0xFF))));
    write(QStringLiteral("largeur0.89i"), file89i(100, 0, QByteArray(20, char(0xFF))));
    write(QStringLiteral("coupe.89i"), file89i(100, 160, QByteArray(20, char(0xFF))).left(91));
    write(QStringLiteral("vide.89i"), QByteArray());
    const QString names[] = {QStringLiteral("dossier.89i"), QStringLiteral("absent.89i"),
                             QStringLiteral("faux.jpg"), QStringLiteral("absent.bmp"),
                             QStringLiteral("hauteur0.89i"), QStringLiteral("largeur0.89i"),
                             QStringLiteral("coupe.89i"), QStringLiteral("vide.89i")};
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        dialogs.messages.clear();
        dialogs.answerNextFileDialog(path(name));
        state.ouvrirImage();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(dialogs.messages[0].text.contains(name)) << dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(sameImage(p1, state.picture1.image()));
        EXPECT_TRUE(sameImage(p2, state.picture2.image()));
        EXPECT_TRUE(sameImage(p3, state.picture3.image()));
        EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), fit);
        if (name.endsWith(QStringLiteral("0.89i"))) {
            EXPECT_FALSE(state.ouvrirDuVisualisateur(path(name)));
        }
    }
}

// The viewer's open puts the file into all three pictures, the source frame made
// 160 x 100, with the file's size.
TEST_F(ConversionTest, OpeningFromTheViewer)
{
    Surface written(64, 30);
    written.setPicture(pattern(64, 30));
    ASSERT_TRUE(lib89i::Ecrire89i(path(QStringLiteral("v.89i")), written, 30, 64, QString(),
                                  QString(), false));
    state.importerImage(pattern(300, 200));
    ASSERT_TRUE(state.ouvrirDuVisualisateur(path(QStringLiteral("v.89i"))));
    QImage expected = solid(160, 100, kWhite);
    const QImage drawn = blackAndWhite(pattern(64, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 64; ++x)
            expected.setPixel(x, y, drawn.pixel(x, y));
    EXPECT_TRUE(sameImage(expected, state.picture1.image()));
    EXPECT_TRUE(sameImage(expected, state.picture2.image()));
    EXPECT_TRUE(sameImage(expected, state.picture3.image()));
    EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), QRect(0, 0, 64, 30));

    QString error;
    EXPECT_FALSE(state.ouvrirDuVisualisateur(path(QStringLiteral("absent.89i")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("absent.89i")));
    EXPECT_TRUE(sameImage(expected, state.picture2.image()));
}

// Start-up: the picture from the command line, converted at level 0, the first
// free automatic name in fich and text1.
TEST_F(ConversionTest, StartUp)
{
    write(QStringLiteral("fig0000.89i"), "x");
    QImage source = solid(320, 200, qRgb(127, 127, 127));
    for (int y = 0; y < 200; ++y)
        for (int x = 160; x < 320; ++x)
            source.setPixel(x, y, qRgb(128, 128, 128));
    ASSERT_TRUE(source.save(path(QStringLiteral("depart.png"))));
    state.demarrer(path(QStringLiteral("depart.png")));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(0, 0, 80, 100)), state.picture2.image()));
    EXPECT_EQ(state.conv, QStringLiteral("Methode avancée"));
    EXPECT_EQ(state.fich, QStringLiteral("fig0001"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0001"));

    // An unreadable picture is reported; the program starts with a blank source.
    state.demarrer(path(QStringLiteral("absent.png")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.picture3.image()));
}
