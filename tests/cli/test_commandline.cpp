// The command-line converter, run in this process.
#include "convert/document.h"
#include "picfile/picturewriter.h"
#include "support/calc89i.h"
#include "cli/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

QByteArray variable(const QString &path)
{
    return readFile(path).mid(64, 8);
}

// In a temporary current folder holding a.png and photo.png.
class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        ASSERT_TRUE(photo(64, 48).save(QStringLiteral("a.png")) && photo(300, 170).save(QStringLiteral("photo.png")));
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }
    int run(const QStringList &arguments) { return (r = runCommandLine(arguments)).status; }

    QString previousFolder = QDir::currentPath();
    QTemporaryDir dir;
    CommandRun r;
};

} // namespace

// Help and version on stdout; a usage error: status 2, a French message, nothing written.
TEST_F(CommandLineTest, UsageAndItsErrors)
{
    const std::pair<const char *, const char *> cases[] = {
        {"--help", "brivane exporter FICHIER.89i IMAGE.png"},
        {"--version", "Brivane 1.0.0\n"},
        {"convertir", "Aucune image"},
        {"convertir --niveau AUTO a.png", "de -50 à 50 ou auto, pas « AUTO »"},
        {"convertir --gris a.png", "Option inconnue \"gris\".\nVoir « brivane convertir --help »."},
        {"convertir -x -y a.png", "Options inconnues : x, y."},
        {"convertir a.png --largeur", "Valeur manquante après \"--largeur\"."},
        {"convertir --simple=3 a.png", "Valeur inattendue après \"--simple\"."},
        {"exporter -z a.89i a.png", "Option inconnue \"z\".\nVoir « brivane exporter --help »."},
        {"convertir -o absent/ a.png", "n'existe pas"},
        {"convertir --dossier Zfig a.png", "« Zfig » n'est pas un nom de la calculatrice"},
        {"convertir --variable abcdefghi a.png", "« abcdefghi » n'est pas un nom"},
        {"transformer", "Commande inconnue : transformer"},
    };
    for (const auto &[line, text] : cases) {
        SCOPED_TRACE(line);
        const bool helpMenu = line[0] == '-';
        EXPECT_EQ(run(words(line)), helpMenu ? 0 : 2);
        EXPECT_TRUE((helpMenu ? r.out : r.err).contains(QString::fromUtf8(text))) << (helpMenu ? r.out : r.err).toStdString();
        EXPECT_TRUE(helpMenu ? r.err.isEmpty() : r.out.isEmpty() && r.err.contains(QStringLiteral("--help")));
        EXPECT_EQ(listing(dir.path()), (QStringList{QStringLiteral("a.png"), QStringLiteral("photo.png")}));
    }
}

// The same bytes as "Sauver sous" under the same settings.
TEST_F(CommandLineTest, SameBytesAsSaveAs)
{
    using monochrome::Dithering;
    const std::tuple<const char *, int, int, int, bool, bool, bool, Reduction, Dithering> cases[] = {
        {"", 160, 100, 0, false, false, false, Reduction::Mean, Dithering::None},
        {"--largeur 96 --hauteur=60 --proportions --niveau -12 --inverser", 96, 60, -12, true, false, true, Reduction::Mean, Dithering::None},
        {"--simple --largeur 1 --hauteur 7 --tramage bayer", 1, 7, 0, false, true, false, Reduction::Mean, Dithering::None}, // simple: not dithered
        {"--reduction=et --proportions", 160, 100, 0, true, false, false, Reduction::And, Dithering::None},
        {"--tramage floyd-steinberg --niveau=7", 160, 100, 7, false, false, false, Reduction::Mean, Dithering::FloydSteinberg},
    };
    for (const auto &[options, width, height, level, keepProportions, simple, invert, reduction, dithering] : cases) {
        SCOPED_TRACE(options);
        ASSERT_EQ(run(words("convertir photo.png -o cli --dossier dos --variable var") + words(options)), 0);
        Document state(dir.path());
        state.settings = {level, simple, invert, dithering, reduction};
        ASSERT_TRUE(state.open(dir.filePath(QStringLiteral("photo.png"))));
        state.outputWidth = width;
        state.outputHeight = height;
        state.keepProportions = keepProportions;
        state.convert();
        ASSERT_TRUE(state.writeFittedPicture(dir.filePath(QStringLiteral("fenetre.89i")), QStringLiteral("dos"),
                                             QStringLiteral("var")));
        EXPECT_EQ(readFile(QStringLiteral("cli.89i")), readFile(QStringLiteral("fenetre.89i")));
        EXPECT_GT(readFile(QStringLiteral("cli.89i")).size(), 95);
    }
}

// The automatic name, an output file (".89i" added) or folder; the variable is the
// calculator name made from the output name; a calculator picture is copied as stored.
TEST_F(CommandLineTest, OutputNames)
{
    writeFile(QStringLiteral("fig0000.89i"), "x");
    EXPECT_EQ(run(words("convertir a.png")), 0);
    EXPECT_EQ(readFile(QStringLiteral("fig0001.89i")).mid(10, 8), QByteArray("zfig\0\0\0\0", 8));
    EXPECT_EQ(r.out, QStringLiteral("a.png -> %1\n").arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("fig0001.89i")))));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
    const std::tuple<const char *, const char *, QByteArray> names[] = {
        {"MonChatTigre", "MonChatTigre.89i", "monchatt"},
        {"Été-2.Noël", "Été-2.Noël.89i", "ete2noel"},
        {"Ça va", "Ça va.89i", QByteArray("cava\0\0\0\0", 8)},
        {"2024 été", "2024 été.89i", QByteArray("fig0002\0", 8)}, // a digit first: the automatic name
        {"sortie/", "sortie/a.89i", QByteArray("a\0\0\0\0\0\0\0", 8)},
    };
    for (const auto &[output, fileMenu, name] : names) {
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--sortie"), QString::fromUtf8(output), QStringLiteral("a.png")}), 0);
        EXPECT_EQ(variable(QString::fromUtf8(fileMenu)), name) << output;
    }
    Surface calc(100, 60);
    calc.setPicture(photo(100, 60));
    const QByteArray original = picfile::encode(calc.image(), QSize(100, 60), QStringLiteral("zfig"), QStringLiteral("copie"));
    writeFile(QStringLiteral("original.89i"), original);
    EXPECT_EQ(run(words("convertir --proportions -o copie original.89i")), 0);
    EXPECT_EQ(readFile(QStringLiteral("copie.89i")), original);
}

// One bad picture does not stop the others; the status and stderr tell which failed.
TEST_F(CommandLineTest, Batches)
{
    ASSERT_TRUE(photo(80, 60).save(QStringLiteral("c.jpg")));
    writeFile(QStringLiteral("b.png"), "pas une image");
    writeFile(QStringLiteral("vide.89i"), QByteArray(91, '\0'));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
    const QStringList sources = words("a.png b.png absent.gif vide.89i c.jpg");
    EXPECT_EQ(run(words("convertir -o sortie") + sources), CommandLine::FileFailure);
    EXPECT_EQ(listing(QStringLiteral("sortie")), (QStringList{QStringLiteral("a.89i"), QStringLiteral("c.89i")}));
    for (const char *failure : {"b.png", "absent.gif", "vide.89i ne contient aucune image"})
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(failure))) << failure;
    EXPECT_FALSE(r.err.contains(QStringLiteral("a.png")));
    EXPECT_EQ(run(QStringList{QStringLiteral("convertir")} + sources), CommandLine::FileFailure);
    EXPECT_EQ(variable(QStringLiteral("fig0001.89i")), QByteArray("fig0001\0", 8)); // names move on
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("fig0002.89i")));

    // The same name twice: the later one takes a free name and says so; an older output is replaced.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("b")) && QFile::copy(QStringLiteral("c.jpg"), QStringLiteral("b/a.png")));
    EXPECT_EQ(run(words("convertir -o sortie a.png b/a.png ./a.png")), 0);
    EXPECT_EQ(listing(QStringLiteral("sortie")), (QStringList{QStringLiteral("a-2.89i"), QStringLiteral("a-3.89i"),
                                                              QStringLiteral("a.89i"), QStringLiteral("c.89i")}));
    EXPECT_NE(readFile(QStringLiteral("sortie/a.89i")), readFile(QStringLiteral("sortie/a-2.89i")));
    EXPECT_EQ(readFile(QStringLiteral("sortie/a.89i")),
              readFile(QStringLiteral("sortie/a-3.89i")).replace(64, 8, QByteArray("a\0\0\0\0\0\0\0", 8)));
    EXPECT_TRUE(r.err.contains(QStringLiteral("a-2.89i"))) << r.err.toStdString();
}

TEST_F(CommandLineTest, Export)
{
    // 100 x 60: rows of 13 bytes, the bits beyond the width left out of the PNG.
    Surface picture(104, 60);
    picture.setPicture(photo(104, 60));
    writeFile(QStringLiteral("image.89i"), picfile::encode(picture.image(), QSize(100, 60), QStringLiteral("zfig"), QStringLiteral("image")));
    EXPECT_EQ(run(words("exporter image.89i image.png")), 0) << r.err.toStdString();
    QImage expected = photo(100, 60); // every pixel not pure white is black
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            expected.setPixel(x, y, (expected.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFF : 0xFF000000);
    EXPECT_TRUE(sameImage(expected, QImage(QStringLiteral("image.png")).convertToFormat(QImage::Format_RGB32)));

    // Cut short after 30 rows and 3 bytes taken for the checksum: the rows that are
    // not there come out white.
    writeFile(QStringLiteral("court.89i"), readFile(QStringLiteral("image.89i")).left(92 + 13 * 30 + 3));
    EXPECT_EQ(run(words("exporter court.89i court.png")), 0) << r.err.toStdString();
    const QImage court = QImage(QStringLiteral("court.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(sameImage(expected.copy(0, 0, 100, 30), court.copy(0, 0, 100, 30)));
    EXPECT_TRUE(sameImage(blackAt(QSize(100, 30), {}), court.copy(0, 30, 100, 30)));

    writeFile(QStringLiteral("large.89i"), file89i(1, 4096, {})); // the widest exported
    EXPECT_EQ(run(words("exporter large.89i l.png")), 0) << r.err.toStdString();
    writeFile(QStringLiteral("grand.89i"), file89i(10, 5000, {})); // too big: refused, nothing written
    EXPECT_EQ(run(words("exporter grand.89i g.png")), CommandLine::FileFailure);
    EXPECT_TRUE(r.err.contains(QStringLiteral("5000 x 10")) && !QFileInfo::exists(QStringLiteral("g.png"))) << r.err.toStdString();
}
