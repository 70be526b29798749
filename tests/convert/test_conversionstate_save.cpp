#include "conversionfixture.h"

#include "picfile/lib89i.h"
#include "support/imagediff.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

const QString kConfirmation = QStringLiteral("Fichier enregistré");
const QString kWarning = QStringLiteral("Vous avez choisi d'utiliser des options complémentaires");

// Black top and bottom rows and left and right columns, a diagonal inside.
QImage framed(int width, int height)
{
    QImage image = solid(width, height, kWhite);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, kBlack);
        image.setPixel(x, height - 1, kBlack);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, kBlack);
        image.setPixel(width - 1, y, kBlack);
        image.setPixel(y * (width - 1) / (height - 1), y, kBlack);
    }
    return image;
}

// The picture of a file, drawn onto a blank work picture.
QImage drawn(const QByteArray &file)
{
    Surface surface(160, 100);
    lib89i::dessine89i(file, surface, false);
    return surface.image();
}

QByteArray field(const QByteArray &file, int offset)
{
    return file.mid(offset, 8);
}

} // namespace

TEST_F(ConversionTest, SaveAsDialogAndFileNames)
{
    dialogs.cancelNextFileDialog();
    state.sauverSous();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const auto &request = dialogs.fileRequests.front();
    EXPECT_EQ(request.title, QStringLiteral("Enregistrer une Image."));
    EXPECT_EQ(request.initialFolder, QDir::toNativeSeparators(QDir::homePath()));
    ASSERT_EQ(request.filters.size(), 1);
    EXPECT_EQ(request.filters[0].description, QStringLiteral("Images files (*.89i)"));
    EXPECT_EQ(request.filters[0].patterns, QStringLiteral("*.89i"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // Only the file name is lower-cased; the folders keep their case.
    const QString pics = QDir::toNativeSeparators(QStringLiteral("/Mes Images/Pics/"));
    EXPECT_EQ(ConversionState::cheminSauverSous(pics + QStringLiteral("Photo")),
              pics + QStringLiteral("photo.89i"));
    EXPECT_EQ(ConversionState::cheminSauverSous(QStringLiteral(" ") + pics + QStringLiteral("photo.89I ")),
              pics + QStringLiteral("photo.89i"));
    EXPECT_EQ(ConversionState::cheminSauverSous(pics + QStringLiteral("a.txt")),
              pics + QStringLiteral("a.txt.89i"));
    EXPECT_EQ(ConversionState::cheminSauverSous(QStringLiteral("IMAGE")), QStringLiteral("image.89i"));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Pics")));
    state.importerImage(framed(160, 100));
    state.convertir();
    dialogs.answerNextFileDialog(QDir::toNativeSeparators(path(QStringLiteral("Pics/Photo"))));
    state.sauverSous();
    EXPECT_EQ(messageTexts(), QStringList{kConfirmation});
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
    const QByteArray file = bytes(QStringLiteral("Pics/photo.89i"));
    EXPECT_EQ(file, lib89i::encode89i(state.picture2, 100, 160, QStringLiteral("zfig"),
                                      QStringLiteral("fig0000")));
}

// With the advanced options the warning comes before the write, and the names
// come from the two text boxes.
TEST_F(ConversionTest, SaveAsWithAdvancedOptions)
{
    state.importerImage(framed(160, 100));
    state.convertir();
    state.check1 = true;
    state.text1 = QStringLiteral("Chat");
    state.text2 = QStringLiteral("photos");
    dialogs.answerNextFileDialog(path(QStringLiteral("chat")));
    state.sauverSous();
    EXPECT_EQ(messageTexts(), (QStringList{kWarning, kConfirmation}));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    const QByteArray file = bytes(QStringLiteral("chat.89i"));
    EXPECT_EQ(field(file, 10), QByteArray("photos\0\0", 8));
    EXPECT_EQ(field(file, 64), QByteArray("Chat\0\0\0\0", 8));
}

// "Sauver sous" writes the fitted picture from where the fit put it; without
// proportions that is the top-left corner.
TEST_F(ConversionTest, SaveAsWritesTheFittedPicture)
{
    const struct
    {
        QSize source;
        QRect fitted;
    } cases[] = {{{320, 175}, {0, 6, 160, 87}}, {{100, 300}, {64, 0, 33, 100}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source.width());
        state.importerImage(framed(c.source.width(), c.source.height()));
        state.check2 = true;
        state.convertir();
        ASSERT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), c.fitted);
        dialogs.answerNextFileDialog(path(QStringLiteral("ajuste")));
        state.sauverSous();
        const QByteArray file = bytes(QStringLiteral("ajuste.89i"));
        EXPECT_EQ(lib89i::taille89i(file), c.fitted.size());
        // The frame's edges are all there: nothing blank on top, nothing cut off.
        QImage expected = solid(160, 100, kWhite);
        const QImage region = state.picture2.image().copy(c.fitted);
        for (int y = 0; y < region.height(); ++y)
            for (int x = 0; x < region.width(); ++x)
                expected.setPixel(x, y, region.pixel(x, y));
        EXPECT_TRUE(sameImage(expected, drawn(file)));
        EXPECT_EQ(region.pixel(0, 0), kBlack);
        EXPECT_EQ(region.pixel(region.width() - 1, region.height() - 1), kBlack);
    }

    // Without proportions: exactly the top-left largeur x hauteur.
    state.check2 = false;
    state.text7 = 48;
    state.text8 = 30;
    state.convertir();
    dialogs.answerNextFileDialog(path(QStringLiteral("coin")));
    state.sauverSous();
    EXPECT_EQ(bytes(QStringLiteral("coin.89i")),
              lib89i::encode89i(state.picture2, 30, 48, QStringLiteral("zfig"), QStringLiteral("fig0000")));
}

// Right after opening a calculator picture, "Sauver sous" writes that picture back
// at its own size: the same bytes.
TEST_F(ConversionTest, SaveAsAfterOpeningACalculatorPicture)
{
    Surface original(100, 60);
    original.setPicture(framed(100, 60));
    const QByteArray written =
        lib89i::encode89i(original, 60, 100, QStringLiteral("zfig"), QStringLiteral("fig0000"));
    write(QStringLiteral("source.89i"), written);
    state.ouvrirFichier(path(QStringLiteral("source.89i")));
    dialogs.answerNextFileDialog(path(QStringLiteral("copie.89i")));
    state.sauverSous();
    EXPECT_EQ(bytes(QStringLiteral("copie.89i")), written);
}

// An existing file is replaced whole; a failed write says why and keeps the rest.
TEST_F(ConversionTest, SaveAsReplacesOrReportsFailure)
{
    state.importerImage(framed(160, 100));
    state.convertir();
    write(QStringLiteral("ancien.89i"), QByteArray(5000, 'z'));
    dialogs.answerNextFileDialog(path(QStringLiteral("ancien.89i")));
    state.sauverSous();
    EXPECT_EQ(bytes(QStringLiteral("ancien.89i")).size(), 2095);
    // The file picked is the one replaced, whatever the case of its name.
    write(QStringLiteral("Photo.89i"), QByteArray(5000, 'z'));
    dialogs.answerNextFileDialog(path(QStringLiteral("Photo.89i")));
    state.sauverSous();
    EXPECT_EQ(bytes(QStringLiteral("Photo.89i")).size(), 2095);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.89i")}, QDir::Files).size(), 2);

    dialogs.messages.clear();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.89i")));
    write(QStringLiteral("fichier"), "x");
    const QString targets[] = {QStringLiteral("dossier"), QStringLiteral("fichier/dedans.89i")};
    for (const QString &target : targets) {
        SCOPED_TRACE(target.toStdString());
        dialogs.messages.clear();
        dialogs.answerNextFileDialog(path(target));
        state.sauverSous();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Impossible d'enregistrer")))
            << dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral(".89i")));
    }
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("dossier.89i"))).isDir());
}

TEST_F(ConversionTest, AutomaticSave)
{
    for (int k = 0; k < 5; ++k)
        write(ConversionState::nomAutomatique(k) + QStringLiteral(".89i"), "x");
    state.importerImage(framed(320, 175));
    state.check2 = true;
    state.convertir();
    state.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), QStringList{kConfirmation});
    // The whole output area from the top-left corner, blank rows included.
    EXPECT_EQ(bytes(QStringLiteral("fig0005.89i")),
              lib89i::encode89i(state.picture2, 100, 160, QStringLiteral("zfig"), QStringLiteral("fig0005")));
    EXPECT_EQ(state.fich, QStringLiteral("fig0006"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0006"));

    // New sizes after converting: the new size, from the top-left corner.
    state.text7 = 64;
    state.text8 = 20;
    state.sauverAutomatiquement();
    EXPECT_EQ(bytes(QStringLiteral("fig0006.89i")),
              lib89i::encode89i(state.picture2, 20, 64, QStringLiteral("zfig"), QStringLiteral("fig0006")));

    // Advanced options: the warning first, then the names of the text boxes.
    dialogs.messages.clear();
    state.check1 = true;
    state.text1 = QStringLiteral("velo");
    state.text2 = QStringLiteral("sport");
    state.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), (QStringList{kWarning, kConfirmation}));
    const QByteArray file = bytes(QStringLiteral("fig0007.89i"));
    EXPECT_EQ(field(file, 10), QByteArray("sport\0\0\0", 8));
    EXPECT_EQ(field(file, 64), QByteArray("velo\0\0\0\0", 8));
    EXPECT_EQ(state.text1, QStringLiteral("fig0008"));
}

// A failed automatic save is reported; the names stay as they were.
TEST_F(ConversionTest, AutomaticSaveFailures)
{
    state.importerImage(framed(160, 100));
    state.convertir();
    state.fich = state.text1 = QStringLiteral("fig0000");

    // The program's folder is a file.
    write(QStringLiteral("fichier"), "x");
    state.setCheminAppli(path(QStringLiteral("fichier")));
    state.sauverAutomatiquement();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("fig0000.89i")));

    // A folder named like the next file does not count as taken, so writing there fails.
    dialogs.messages.clear();
    state.setCheminAppli(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fig0000.89i")));
    state.sauverAutomatiquement();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(messageTexts().contains(kConfirmation));
    EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0000"));
}
