// The command-line converter, in this process and as the program itself.
#include "convert/conversionstate.h"
#include "picfile/lib89i.h"
#include "support/calc89i.h"
#include "support/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The words of a command line (no blanks inside a word).
QStringList mots(const char *ligne)
{
    return QString::fromUtf8(ligne).split(u' ', Qt::SkipEmptyParts);
}

// A photograph-like picture: smooth colour gradients with some detail.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) & 0xFF));
    return image;
}

// The picture of a written file.
QImage image89i(const QString &path)
{
    Surface s(160, 100, kBlanc);
    return lib89i::Lire89i(path, s, false) ? s.image() : QImage();
}

// The variable name a file holds.
QByteArray variable(const QString &path)
{
    return readFile(path).mid(64, 8);
}

// Runs in a temporary folder made the current one, with a.png and photo.png in it.
class LigneDeCommande : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        ASSERT_TRUE(photo(64, 48).save(QStringLiteral("a.png")));
        ASSERT_TRUE(photo(300, 170).save(QStringLiteral("photo.png")));
    }
    void TearDown() override { QDir::setCurrent(precedent); }
    int run(const QStringList &arguments)
    {
        const CommandRun r = runCommandLine(arguments);
        out = r.out;
        err = r.err;
        return r.status;
    }

    QString precedent = QDir::currentPath();
    QTemporaryDir dir;
    QString out, err;
};

} // namespace

// Help and version on stdout; every usage error: status 2, a French message, nothing written.
TEST_F(LigneDeCommande, UsageAndItsErrors)
{
    const struct
    {
        const char *ligne;
        int status;
        const char *texte;
    } cas[] = {
        {"--help", 0, "brivane exporter FICHIER.89i IMAGE.png"},
        {"-h", 0, "brivane convertir [options] SOURCE..."},
        {"--version", 0, "Brivane 1.0.0\n"},
        {"exporter -h", 0, "4096"},
        {"convertir --help", 0, "--tramage METHODE"},
        {"convertir", 2, "Aucune image"},
        {"convertir --largeur 0 a.png", 2, "--largeur"},
        {"convertir --largeur 161 a.png", 2, "de 1 à 160"},
        {"convertir --hauteur 101 a.png", 2, "de 1 à 100"},
        {"convertir --niveau 51 a.png", 2, "de -50 à 50 ou auto"},
        {"convertir --niveau AUTO a.png", 2, "de -50 à 50 ou auto, pas « AUTO »"},
        {"convertir --reduction ET a.png", 2, "--reduction attend moyenne ou et, pas « ET »."},
        {"convertir --tramage ordonne a.png", 2, "--tramage attend floyd-steinberg, atkinson ou bayer, pas « ordonne »."},
        {"convertir a.png --tramage", 2, "Valeur manquante après --tramage"},
        {"convertir --gris a.png", 2, "Option inconnue : --gris"},
        {"convertir a.png -o", 2, "Valeur manquante après -o"},
        {"convertir --simple=oui a.png", 2, "L'option --simple ne prend pas de valeur."},
        {"convertir --dossier neufcarac a.png", 2, "1 à 8 caractères"},
        {"convertir --dossier= a.png", 2, "nom de la calculatrice"},
        {"convertir --variable Var a.png", 2, "« Var »"},
        {"convertir --variable 1a a.png", 2, "une lettre minuscule d'abord"},
        {"convertir --dossier été a.png", 2, "« été »"},
        {"convertir -o absent a.png photo.png", 2, "n'existe pas"},
        {"convertir -o absent/ a.png", 2, "n'existe pas"},
        {"exporter a.89i", 2, "attend un fichier .89i et une image PNG"},
        {"exporter a b c", 2, "attend"},
        {"transformer", 2, "Commande inconnue : transformer"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(run(mots(c.ligne)), c.status);
        EXPECT_TRUE((c.status ? err : out).contains(QString::fromUtf8(c.texte))) << (c.status ? err : out).toStdString();
        EXPECT_EQ(c.status ? out : err, QString());
        if (c.status) {
            EXPECT_TRUE(err.contains(QStringLiteral("--help")));
        }
        EXPECT_EQ(listing(dir.path()), (QStringList{QStringLiteral("a.png"), QStringLiteral("photo.png")}));
    }
}

// The command line writes exactly what "Sauver sous" writes under the same settings.
TEST_F(LigneDeCommande, SameBytesAsSaveAs)
{
    using traitement::Tramage;
    const struct
    {
        const char *options;
        int largeur, hauteur, niveau;
        bool proportions, simple, inverser;
        Reduction reduction = Reduction::Moyenne;
        Tramage tramage = Tramage::Aucun;
    } cas[] = {
        {"", 160, 100, 0, false, false, false},
        {"--proportions", 160, 100, 0, true, false, false},
        {"--largeur 96 --hauteur=60 --proportions --niveau -12 --inverser", 96, 60, -12, true, false, true},
        {"--simple --largeur 33 --hauteur 7", 33, 7, 0, false, true, false},
        {"--reduction et", 160, 100, 0, false, false, false, Reduction::Et},
        {"--reduction=et --proportions", 160, 100, 0, true, false, false, Reduction::Et},
        {"--tramage floyd-steinberg --niveau=7", 160, 100, 7, false, false, false, Reduction::Moyenne, Tramage::FloydSteinberg},
        {"--tramage atkinson", 160, 100, 0, false, false, false, Reduction::Moyenne, Tramage::Atkinson},
        {"--tramage bayer --inverser", 160, 100, 0, false, false, true, Reduction::Moyenne, Tramage::Bayer},
        {"--simple --tramage bayer", 160, 100, 0, false, true, false}, // the simple method takes no dithering
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.options);
        ASSERT_EQ(run(mots("convertir photo.png -o cli --dossier dos --variable var") + mots(c.options)), 0)
            << err.toStdString();
        RecordingDialogs dialogs;
        ConversionState state;
        state.reduction = c.reduction;
        state.tramage = c.tramage;
        state.ouvrirFichier(dir.filePath(QStringLiteral("photo.png")));
        state.largeurSortie = c.largeur;
        state.hauteurSortie = c.hauteur;
        state.niveauGris = c.niveau;
        state.conserverProportions = c.proportions;
        state.methodeSimple = c.simple;
        state.inverserCouleurs = c.inverser;
        state.convertir();
        state.optionsAvancees = true;
        state.nomDossier = QStringLiteral("dos");
        state.nomVariable = QStringLiteral("var");
        dialogs.answerNextFileDialog(dir.filePath(QStringLiteral("fenetre")));
        state.sauverSous();
        const QByteArray cli = readFile(QStringLiteral("cli.89i"));
        EXPECT_EQ(cli, readFile(QStringLiteral("fenetre.89i")));
        EXPECT_GT(cli.size(), 95);
    }
}

// Names: the automatic ones, an output file (".89i" added), an output folder; the
// variable name is the calculator name made from the output name.
TEST_F(LigneDeCommande, OutputNames)
{
    writeFile(QStringLiteral("fig0000.89i"), "x");
    EXPECT_EQ(run(mots("convertir a.png")), 0);
    EXPECT_EQ(readFile(QStringLiteral("fig0001.89i")).mid(10, 8), QByteArray("zfig\0\0\0\0", 8));
    EXPECT_EQ(out, QStringLiteral("a.png -> %1\n").arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("fig0001.89i")))));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
    const struct
    {
        const char *sortie, *fichier;
        QByteArray variable;
    } noms[] = {
        {"MonChatTigre", "MonChatTigre.89i", "monchatt"},
        {"Vacances été 2024", "Vacances été 2024.89i", "vacances"},
        {"Été-2.Noël", "Été-2.Noël.89i", "ete2noel"},
        {"2024 été", "2024 été.89i", QByteArray("fig0002\0", 8)}, // a digit first: the automatic name
        {"___", "___.89i", QByteArray("fig0002\0", 8)},
        {"x.89I", "x.89I", QByteArray("x\0\0\0\0\0\0\0", 8)},
        {"sortie/", "sortie/a.89i", QByteArray("a\0\0\0\0\0\0\0", 8)},
    };
    for (const auto &n : noms) {
        SCOPED_TRACE(n.sortie);
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--sortie"), QString::fromUtf8(n.sortie), QStringLiteral("a.png")}), 0);
        EXPECT_EQ(variable(QString::fromUtf8(n.fichier)), n.variable);
    }
    // A calculator picture is taken as it is stored, at its own size.
    Surface calc(100, 60);
    calc.setPicture(photo(100, 60));
    const QByteArray original = lib89i::encode89i(calc, 60, 100, QStringLiteral("zfig"), QStringLiteral("copie"));
    writeFile(QStringLiteral("original.89i"), original);
    EXPECT_EQ(run(mots("convertir --proportions -o copie original.89i")), 0);
    EXPECT_EQ(readFile(QStringLiteral("copie.89i")), original);
}

// One bad picture does not stop the others; the status and stderr tell which failed.
TEST_F(LigneDeCommande, Batches)
{
    ASSERT_TRUE(photo(80, 60).save(QStringLiteral("c.jpg")));
    writeFile(QStringLiteral("b.png"), "pas une image");
    writeFile(QStringLiteral("vide.89i"), QByteArray(91, '\0'));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
    const QStringList sources = mots("a.png b.png absent.gif vide.89i c.jpg");
    EXPECT_EQ(run(mots("convertir -o sortie") + sources), CommandLine::FileFailure);
    EXPECT_EQ(listing(QStringLiteral("sortie")), (QStringList{QStringLiteral("a.89i"), QStringLiteral("c.89i")}));
    for (const char *echec : {"b.png", "absent.gif", "vide.89i ne contient aucune image"})
        EXPECT_TRUE(err.contains(QString::fromUtf8(echec))) << echec;
    EXPECT_FALSE(err.contains(QStringLiteral("a.png")));
    EXPECT_EQ(out.count(u'\n'), 2);

    // Automatic names move on from one picture to the next.
    EXPECT_EQ(run(QStringList{QStringLiteral("convertir")} + sources), CommandLine::FileFailure);
    EXPECT_EQ(variable(QStringLiteral("fig0001.89i")), QByteArray("fig0001\0", 8));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("fig0002.89i")));

    // Two sources of the same name into one folder: the later one takes a free
    // name and says so; an output that was there before is replaced.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("b")));
    ASSERT_TRUE(QFile::copy(QStringLiteral("c.jpg"), QStringLiteral("b/a.png")));
    EXPECT_EQ(run(mots("convertir -o sortie a.png b/a.png ./a.png")), 0);
    EXPECT_EQ(listing(QStringLiteral("sortie")), (QStringList{QStringLiteral("a-2.89i"), QStringLiteral("a-3.89i"),
                                                              QStringLiteral("a.89i"), QStringLiteral("c.89i")}));
    EXPECT_NE(readFile(QStringLiteral("sortie/a.89i")), readFile(QStringLiteral("sortie/a-2.89i")));
    EXPECT_EQ(readFile(QStringLiteral("sortie/a.89i")),
              readFile(QStringLiteral("sortie/a-3.89i")).replace(64, 8, QByteArray("a\0\0\0\0\0\0\0", 8)));
    EXPECT_TRUE(err.contains(QStringLiteral("a-2.89i"))) << err.toStdString();

    // Greys 140 and 200: white at level 0; "auto" finds level 17 (threshold 170),
    // for each picture of the batch its own; one grey keeps level 0.
    QImage deux(160, 100, QImage::Format_RGB32);
    deux.fill(qRgb(200, 200, 200));
    QPainter(&deux).fillRect(0, 0, 50, 100, QColor(140, 140, 140));
    ASSERT_TRUE(deux.save(QStringLiteral("deux.png")));
    QImage gris(40, 40, QImage::Format_RGB32);
    gris.fill(qRgb(120, 120, 120));
    ASSERT_TRUE(gris.save(QStringLiteral("gris.png")));
    ASSERT_EQ(run(mots("convertir -o fixe deux.png")), 0);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, {}), image89i(QStringLiteral("fixe.89i"))));
    ASSERT_EQ(run(mots("convertir --niveau=auto -o sortie gris.png deux.png")), 0);
    QImage moitie = blackAt({160, 100}, {});
    QPainter(&moitie).fillRect(0, 0, 50, 100, Qt::black);
    EXPECT_TRUE(sameImage(moitie, image89i(QStringLiteral("sortie/deux.89i"))));
    QImage noire = moitie;
    noire.fill(Qt::black);
    EXPECT_TRUE(sameImage(noire, image89i(QStringLiteral("sortie/gris.89i"))));
}

TEST_F(LigneDeCommande, Export)
{
    // 100 x 60: rows of 13 bytes, the bits beyond the width left out of the PNG.
    Surface picture(104, 60);
    picture.setPicture(photo(104, 60));
    writeFile(QStringLiteral("image.89i"), lib89i::encode89i(picture, 60, 100, QStringLiteral("zfig"), QStringLiteral("image")));
    EXPECT_EQ(run(mots("exporter image.89i image.png")), 0) << err.toStdString();
    const QImage png(QStringLiteral("image.png"));
    ASSERT_EQ(png.size(), QSize(100, 60));
    EXPECT_TRUE(png.allGray());
    QImage attendue = photo(100, 60); // every pixel not pure white is black
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            attendue.setPixel(x, y, (attendue.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFF : 0xFF000000);
    EXPECT_TRUE(sameImage(attendue, png.convertToFormat(QImage::Format_RGB32)));

    // Refused: too big, no picture, unreadable, unwritable.
    writeFile(QStringLiteral("grand.89i"), file89i(10, 5000, {}));
    writeFile(QStringLiteral("court.89i"), QByteArray(50, '\x01'));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("dossier.png")));
    for (const auto &[ligne, message] : {std::pair{"grand.89i g.png", "5000 x 10"}, {"court.89i c.png", "aucune image"},
                                         {"absent.89i x.png", "absent.89i"}, {"image.89i dossier.png", "dossier.png"}}) {
        SCOPED_TRACE(ligne);
        EXPECT_EQ(run(mots("exporter") + mots(ligne)), CommandLine::FileFailure);
        EXPECT_TRUE(err.contains(QString::fromUtf8(message))) << err.toStdString();
        EXPECT_FALSE(QFileInfo(mots(ligne).at(1)).isFile());
    }
}

// The program itself: exit status and streams.
TEST_F(LigneDeCommande, RunningTheProgram)
{
    writeFile(QStringLiteral("fichier"), "x");
    const struct
    {
        const char *ligne;
        int status;
        const char *out, *err;
    } cas[] = {
        {"convertir a.png -o a", 0, "a.png -> ", ""},
        {"convertir absent.png", 1, "", "Le fichier absent.png est introuvable.\n"},
        {"convertir -o fichier/sortie.89i a.png", 1, "", "Impossible d'enregistrer"},
        {"convertir --largeur 0 a.png", 2, "", "--largeur"},
        {"--version", 0, "Brivane 1.0.0\n", ""},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.ligne);
        QProcess process;
        process.start(QStringLiteral(BRIVANE_EXECUTABLE), mots(c.ligne));
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.status);
        for (const auto &[flux, attendu] : {std::pair{process.readAllStandardOutput(), c.out}, {process.readAllStandardError(), c.err}})
            EXPECT_TRUE(*attendu ? flux.startsWith(attendu) : flux.isEmpty()) << flux.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("a.89i")).size(), 2095);
}
