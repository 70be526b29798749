#include "convert/conversionstate.h"
#include "picfile/picturewriter.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
const QString kConfirmation = QStringLiteral("Fichier enregistré");
const QString kWarning = QStringLiteral("Vous avez choisi d'utiliser des options complémentaires");

// White, with black in the rectangle.
QImage picture(QSize size, const QRect &black = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter(&image).fillRect(black, Qt::black);
    return image;
}

QRect fit(const ConversionState &s)
{
    return {s.x0, s.y0, s.largeur, s.hauteur};
}

// A conversion state whose program folder is a fresh temporary folder, dialogs recorded.
class ConversionTest : public ::testing::Test
{
protected:
    void SetUp() override { state.setCheminAppli(dir.path()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList texts() const
    {
        QStringList texts;
        for (const auto &m : dialogs.messages)
            texts << m.text;
        return texts;
    }

    // The three pictures and the fit, to show that nothing changed.
    auto pictures() const
    {
        return std::tuple(state.imageSource.image().copy(), state.travail.image().copy(),
                          state.apercuSource.image().copy(), fit(state));
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    ConversionState state;
};

} // namespace

// Proportions kept: the fitted side truncated, the offset rounding halves to even, only
// the fitted rectangle covered, from the source frame; otherwise the preview into the corner.
TEST_F(ConversionTest, FitTable)
{
    const std::tuple<QSize, QSize, bool, QRect> cases[] = {
        {{320, 100}, {160, 100}, true, {0, 25, 160, 50}}, {{100, 300}, {160, 100}, true, {64, 0, 33, 100}},
        {{320, 175}, {160, 100}, true, {0, 6, 160, 87}},  {{320, 171}, {160, 100}, true, {0, 8, 160, 85}},
        {{64, 64}, {96, 40}, true, {28, 0, 40, 40}},      {{2000, 1}, {160, 100}, true, {0, 50, 160, 1}},
        {{640, 480}, {80, 50}, false, {0, 0, 80, 50}},    {{100, 300}, {160, 100}, false, {0, 0, 160, 100}},
    };
    for (const auto &[source, output, keep, fitted] : cases) {
        state.importerImage(picture(source, QRect(QPoint(), source)));
        state.conserverProportions = keep;
        state.largeurSortie = output.width(), state.hauteurSortie = output.height();
        state.ajusteImage();
        EXPECT_EQ(fit(state), fitted) << source.width() << "x" << source.height();
        EXPECT_TRUE(sameImage(picture({160, 100}, fitted), state.travail.image()));
    }
    state.importerImage(diagonal(160, 100)); // the last row left the output at 160 x 100
    state.apercuSource.setPicture(diagonal(160, 100).mirrored());
    state.ajusteImage();
    EXPECT_TRUE(sameImage(diagonal(160, 100).mirrored(), state.travail.image()));
    state.conserverProportions = true;
    state.ajusteImage();
    EXPECT_TRUE(sameImage(diagonal(160, 100), state.travail.image()));
}

// Into the preview a photo shrinks by the mean, or by AND keeping a lone dark pixel
// (four columns, about five rows a block).
TEST_F(ConversionTest, ImportingPhotosAndTheClipboard)
{
    QImage photo = picture({640, 480});
    photo.setPixel(5, 7, kBlack);              // -> (1, 1)
    photo.setPixel(400, 0, qRgb(255, 0, 255)); // with the next one -> (100, 0)
    photo.setPixel(403, 4, qRgb(255, 255, 0));
    ASSERT_TRUE(photo.save(path("photo.bmp")));
    state.ouvrirFichier(path("photo.bmp"));
    EXPECT_GT(qGray(state.apercuSource.image().pixel(1, 1)), 200);
    state.changerReduction(Reduction::Et);
    QImage expected = blackAt(QSize(160, 100), {{1, 1}});
    expected.setPixel(100, 0, qRgb(255, 0, 0));
    EXPECT_TRUE(sameImage(expected, state.apercuSource.image()));
    EXPECT_EQ(state.imageSource.size(), QSize(640, 480));

    // The clipboard's picture becomes the source; an empty clipboard is said and changes nothing.
    QGuiApplication::clipboard()->setImage(picture({50, 40}, {0, 0, 50, 40}));
    state.importerPressePapier();
    QGuiApplication::clipboard()->clear();
    state.importerPressePapier();
    ASSERT_EQ(texts(), QStringList{QStringLiteral("Le presse-papier ne contient aucune image.")});
    EXPECT_TRUE(sameImage(picture({160, 100}, {0, 0, 160, 100}), state.apercuSource.image()));
}

// A calculator picture comes into the work picture, never read past the file's end, its
// size kept within 160 x 100; source and preview cleared. From the viewer it fills all
// three pictures, and "Sauver sous" gives the same bytes back; at start-up it is read alike.
TEST_F(ConversionTest, OpeningCalculatorPictures)
{
    QByteArray big(128 * 30, char(0)); // the TI-92 Plus screen: only the top-left 160 x 100 shows
    big[99 * 30 + 19] = char(0x01);    // (159, 99)
    big[100 * 30] = big[20] = char(0x80);
    QByteArray narrow(13 * 3, char(0)); // 100 wide: the last byte's low bits drawn beyond the width
    narrow[12] = char(0x0F);
    narrow[26] = char(0x80);
    const std::tuple<const char *, QByteArray, QImage, QSize> cases[] = {
        {"ti92.89i", file89i(128, 240, big), blackAt({160, 100}, {{159, 99}}), {160, 100}},
        {"etroit89I", file89i(3, 100, narrow), blackAt({160, 100}, {{100, 0}, {101, 0}, {102, 0}, {103, 0}, {0, 2}}),
         {100, 3}},
        {"huge.89i", file89i(65535, 65535, QByteArray(50, char(0xFF))), picture({160, 100}, {0, 0, 160, 1}),
         {160, 100}},
    };
    for (const auto &[name, bytes, expected, size] : cases) {
        state.importerImage(diagonal(300, 200));
        state.convertir();
        writeFile(path(name), bytes);
        dialogs.answerNextFileDialog(QStringLiteral(" ") + path(name) + u' ');
        state.ouvrirImage();
        EXPECT_TRUE(dialogs.messages.empty()) << name;
        EXPECT_TRUE(sameImage(expected, state.travail.image())) << name;
        EXPECT_TRUE(pictures() == std::tuple(picture({300, 200}), expected, picture({160, 100}),
                                             QRect(QPoint(), size)));
    }

    Surface original(64, 30);
    original.setPicture(diagonal(64, 30));
    const QByteArray written = picfile::encode(original.image(), QSize(64, 30), QStringLiteral("zfig"), QStringLiteral("fig0000"));
    writeFile(path("source.89i"), written);
    ASSERT_TRUE(state.ouvrirDuVisualisateur(path("source.89i")));
    QImage expected = picture({160, 100});
    QPainter(&expected).drawImage(0, 0, diagonal(64, 30));
    EXPECT_TRUE(pictures() == std::tuple(expected, expected, expected, QRect(0, 0, 64, 30)));
    dialogs.answerNextFileDialog(path("copie.89i"));
    state.sauverSous();
    EXPECT_EQ(readFile(path("copie.89i")), written);

    ConversionState started;
    started.demarrer(path("source.89i"));
    EXPECT_TRUE(sameImage(expected, started.travail.image()));
    EXPECT_EQ(fit(started), QRect(0, 0, 64, 30));
}

// A file that cannot be read: a French message naming it, everything as it was; a
// cancelled dialog changes nothing either.
TEST_F(ConversionTest, OpeningFailuresChangeNothing)
{
    state.importerImage(diagonal(200, 120));
    state.conserverProportions = true;
    state.convertir();
    const auto before = pictures();
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.89i"));
    writeFile(path("coupe.89i"), file89i(100, 160, QByteArray(20, char(0xFF))).left(91));
    writeFile(path("vide.89i"), QByteArray());
    for (const char *name : {"", "dossier.89i", "absent.89i", "coupe.89i", "vide.89i"}) {
        dialogs.messages.clear();
        if (*name) {
            dialogs.answerNextFileDialog(path(name));
            EXPECT_FALSE(state.ouvrirDuVisualisateur(path(name)));
        }
        state.ouvrirImage();
        ASSERT_EQ(texts().filter(QString::fromLatin1(name)).size(), *name ? 1 : 0) << name;
        EXPECT_TRUE(pictures() == before) << name;
    }
}

// The next automatic number: the smallest free one, at least four digits, only ordinary
// files named so counting (not a folder, nor a link to one); past fig9999 comes fig10000.
TEST_F(ConversionTest, AutomaticNames)
{
    for (const char *other : {"fig0001.89i", "fig2.89i", "fig00002.89i", "fig0002.89i.bak", "FIG0002.89I"})
        writeFile(path(other), "x");
    EXPECT_EQ(state.prochainNumero(), 0);
    writeFile(path("fig0000.89i"), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("fig0002.89i"));
    state.convertir();
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0002"));
    ASSERT_TRUE(QFile::link(path("fig0002.89i"), path("fig0003.89i")));
    EXPECT_EQ(state.prochainNumero(), 2);

    QTemporaryDir many(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/brivane-XXXXXX") : QString());
    state.setCheminAppli(many.path());
    for (int k = 0; k < 10000; ++k)
        ASSERT_TRUE(QFile(many.filePath(ConversionState::nomAutomatique(k) + ".89i")).open(QIODevice::WriteOnly));
    EXPECT_EQ(state.prochainNumero(), 10000);
    EXPECT_EQ(ConversionState::nomAutomatique(12345), QStringLiteral("fig12345"));
}

// Only the file name is lower-cased, ".89i" added unless there in any case; the fitted
// picture written from where the fit put it, an existing file replaced whole; both
// dialogs then start in that folder.
TEST_F(ConversionTest, SaveAs)
{
    EXPECT_EQ(ConversionState::cheminSauverSous(" /Mes Pics/Photo.TXT "), QStringLiteral("/Mes Pics/photo.txt.89i"));
    EXPECT_EQ(ConversionState::cheminSauverSous("A.89I"), QStringLiteral("a.89i"));

    writeFile(path("ajuste.89i"), QByteArray(5000, 'z'));
    state.importerImage(diagonal(100, 300)); // fitted to 33 x 100 from (64, 0)
    state.conserverProportions = true;
    state.convertir();
    dialogs.answerNextFileDialog(path("Ajuste"));
    state.sauverSous();
    EXPECT_EQ(texts(), QStringList{kConfirmation});
    Surface fitted; // widened to whole bytes with the pixels to its right
    fitted.setPicture(state.travail.image().copy(64, 0, 40, 100));
    EXPECT_EQ(readFile(path("ajuste.89i")),
              picfile::encode(fitted.image(), QSize(33, 100), QStringLiteral("zfig"), QStringLiteral("fig0000")));
    EXPECT_EQ(listing(dir.path()), QStringList{"ajuste.89i"});
    state.ouvrirImage();
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(dir.path()));
}

// The next numbered file gets the whole output area from the top-left corner, the advanced
// names after their warning. An installed program whose folder cannot be written to sends
// its automatic files to the fallback folder, made by the first save, or says it cannot.
TEST_F(ConversionTest, AutomaticSaveAndFallbackFolder)
{
    ConversionState installed, blocked;
    EXPECT_EQ(state.dossierAutomatique(), QDir::toNativeSeparators(dir.path()) + QDir::separator());
    ConversionState choisi; // a folder chosen by the caller is kept, writable or not
    choisi.setTestEcriture([](const QString &) { return false; });
    choisi.setCheminAppli(dir.path());
    EXPECT_EQ(choisi.dossierAutomatique(), state.dossierAutomatique());
    installed.setTestEcriture([](const QString &) { return false; });
    const QString repli = path("Images/Brivane");
    installed.setDossierRepli(repli);
    installed.importerImage(diagonal(320, 175));
    installed.conserverProportions = true;
    installed.largeurSortie = 64, installed.hauteurSortie = 20;
    installed.convertir();
    installed.sauverAutomatiquement();
    installed.optionsAvancees = true;
    installed.nomVariable = QStringLiteral("velo"), installed.nomDossier = QStringLiteral("sport");
    installed.sauverAutomatiquement();
    EXPECT_EQ(listing(repli), (QStringList{"fig0000.89i", "fig0001.89i"}));
    EXPECT_EQ(texts(), (QStringList{kConfirmation, kWarning, kConfirmation}));
    EXPECT_EQ(readFile(repli + "/fig0001.89i"), picfile::encode(installed.travail.image(), QSize(64, 20), "sport", "velo"));
    EXPECT_EQ(installed.nomVariable, QStringLiteral("fig0002"));

    blocked.setTestEcriture([](const QString &) { return false; });
    blocked.setDossierRepli(path("fichier/Brivane"));
    writeFile(path("fichier"), "x");
    blocked.convertir();
    dialogs.messages.clear();
    blocked.sauverAutomatiquement();
    EXPECT_EQ(texts(), QStringList{QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer fig0000.89i.")
                                       .arg(QDir::toNativeSeparators(path("fichier/Brivane")))});
    EXPECT_EQ(blocked.nomSuivant, QStringLiteral("fig0000"));
}
