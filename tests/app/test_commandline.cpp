#include "test_commandline.h"

#include "convert/conversionstate.h"
#include "picfile/lib89i.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <QFileInfo>
#include <QProcess>

namespace {

QImage blackAndWhite(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, (out.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFF : 0xFF000000);
    return out;
}

} // namespace

TEST(CommandLineText, DispatchJoinAndQuotes)
{
    EXPECT_TRUE(CommandLine::handles({QStringLiteral("convertir")}));
    EXPECT_TRUE(CommandLine::handles({QStringLiteral("exporter"), QStringLiteral("a")}));
    EXPECT_TRUE(CommandLine::handles({QStringLiteral("--help")}));
    EXPECT_TRUE(CommandLine::handles({QStringLiteral("-h")}));
    EXPECT_TRUE(CommandLine::handles({QStringLiteral("--version")}));
    EXPECT_FALSE(CommandLine::handles({}));
    EXPECT_FALSE(CommandLine::handles({QStringLiteral("photo.jpg"), QStringLiteral("convertir")}));

    EXPECT_EQ(CommandLine::joinArguments({QStringLiteral("Mes"), QStringLiteral("Images/a.jpg")}),
              QStringLiteral("Mes Images/a.jpg"));
    // A double quote anywhere: the first and the last character go.
    EXPECT_EQ(CommandLine::sourcePath(QStringLiteral("\"C:\\Mes Images\\a.jpg\"")),
              QStringLiteral("C:\\Mes Images\\a.jpg"));
    EXPECT_EQ(CommandLine::sourcePath(QStringLiteral("C:\\Mes Images\\a.jpg")),
              QStringLiteral("C:\\Mes Images\\a.jpg"));
    EXPECT_EQ(CommandLine::sourcePath(QStringLiteral("ab\"cd")), QStringLiteral("b\"c"));
    EXPECT_EQ(CommandLine::sourcePath(QStringLiteral("\"")), QString());
    EXPECT_EQ(CommandLine::sourcePath(QString()), QString());
}

TEST_F(CommandLineTest, HelpAndVersion)
{
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("brivane convertir [options] SOURCE...")));
    EXPECT_TRUE(out.contains(QStringLiteral("brivane exporter FICHIER.89i IMAGE.png")));
    EXPECT_EQ(run({QStringLiteral("-h")}), 0);
    EXPECT_EQ(run({QStringLiteral("--version")}), 0);
    EXPECT_EQ(out, QStringLiteral("Brivane 1.0.0\n"));
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--help")}), 0);
    for (const char *option : {"-o, --sortie CHEMIN", "--largeur N", "--hauteur N", "--proportions",
                               "--reduction MODE", "--simple", "--niveau N", "--inverser", "--dossier NOM", "--variable NOM"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(option))) << option;
    EXPECT_EQ(run({QStringLiteral("exporter"), QStringLiteral("-h")}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("4096")));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Every usage error: status 2, a French message, nothing written.
TEST_F(CommandLineTest, UsageErrors)
{
    ASSERT_TRUE(photo(64, 48).save(path(QStringLiteral("a.png"))));
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("convertir")}, "Aucune image"},
        {{QStringLiteral("convertir"), QStringLiteral("--largeur"), QStringLiteral("0"), QStringLiteral("a.png")}, "--largeur"},
        {{QStringLiteral("convertir"), QStringLiteral("--largeur"), QStringLiteral("161"), QStringLiteral("a.png")}, "de 1 à 160"},
        {{QStringLiteral("convertir"), QStringLiteral("--largeur=huit"), QStringLiteral("a.png")}, "« huit »"},
        {{QStringLiteral("convertir"), QStringLiteral("--hauteur"), QStringLiteral("101"), QStringLiteral("a.png")}, "de 1 à 100"},
        {{QStringLiteral("convertir"), QStringLiteral("--niveau"), QStringLiteral("51"), QStringLiteral("a.png")}, "de -50 à 50"},
        {{QStringLiteral("convertir"), QStringLiteral("--niveau=-51"), QStringLiteral("a.png")}, "--niveau"},
        {{QStringLiteral("convertir"), QStringLiteral("--reduction"), QStringLiteral("ET"), QStringLiteral("a.png")}, "--reduction attend moyenne ou et, pas « ET »."},
        {{QStringLiteral("convertir"), QStringLiteral("--gris"), QStringLiteral("a.png")}, "Option inconnue : --gris"},
        {{QStringLiteral("convertir"), QStringLiteral("a.png"), QStringLiteral("-o")}, "Valeur manquante après -o"},
        {{QStringLiteral("convertir"), QStringLiteral("--simple=oui"), QStringLiteral("a.png")}, "ne prend pas de valeur"},
        {{QStringLiteral("convertir"), QStringLiteral("--dossier"), QStringLiteral("neufcarac"), QStringLiteral("a.png")}, "1 à 8 caractères"},
        {{QStringLiteral("convertir"), QStringLiteral("--variable"), QStringLiteral("neufcarac"), QStringLiteral("a.png")}, "1 à 8 caractères"},
        {{QStringLiteral("convertir"), QStringLiteral("--dossier="), QStringLiteral("a.png")}, "nom de la calculatrice"},
        {{QStringLiteral("convertir"), QStringLiteral("--variable"), QStringLiteral("Var"), QStringLiteral("a.png")}, "« Var »"},
        {{QStringLiteral("convertir"), QStringLiteral("--variable"), QStringLiteral("1a"), QStringLiteral("a.png")}, "une lettre minuscule d'abord"},
        {{QStringLiteral("convertir"), QStringLiteral("--dossier"), QStringLiteral("été"), QStringLiteral("a.png")}, "« été »"},
        {{QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("absent"), QStringLiteral("a.png"), QStringLiteral("a.png")}, "n'existe pas"},
        {{QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("absent/"), QStringLiteral("a.png")}, "n'existe pas"},
        {{QStringLiteral("exporter"), QStringLiteral("a.89i")}, "attend un fichier .89i et une image PNG"},
        {{QStringLiteral("exporter"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, "attend"},
        {{QStringLiteral("transformer")}, "Commande inconnue : transformer"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_EQ(run(c.arguments), CommandLine::UsageError);
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("--help")));
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    }
}

// The command line writes exactly what "Sauver sous" writes under the same settings.
TEST_F(CommandLineTest, SameBytesAsSaveAs)
{
    ASSERT_TRUE(photo(300, 170).save(path(QStringLiteral("photo.png"))));
    const struct
    {
        QStringList options;
        int largeur, hauteur, niveau;
        bool proportions, simple, inverser;
        Reduction reduction = Reduction::Moyenne;
    } cases[] = {
        {{}, 160, 100, 0, false, false, false},
        {{QStringLiteral("--proportions")}, 160, 100, 0, true, false, false},
        {{QStringLiteral("--largeur"), QStringLiteral("96"), QStringLiteral("--hauteur=60"),
          QStringLiteral("--proportions"), QStringLiteral("--niveau"), QStringLiteral("-12"),
          QStringLiteral("--inverser")},
         96, 60, -12, true, false, true},
        {{QStringLiteral("--simple"), QStringLiteral("--largeur"), QStringLiteral("33"),
          QStringLiteral("--hauteur"), QStringLiteral("7")},
         33, 7, 0, false, true, false},
        {{QStringLiteral("--reduction"), QStringLiteral("et")}, 160, 100, 0, false, false, false, Reduction::Et},
        {{QStringLiteral("--reduction=et"), QStringLiteral("--proportions")}, 160, 100, 0, true, false, false,
         Reduction::Et},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options.join(u' ').toStdString());
        const QString cli = QStringLiteral("cli%1.89i").arg(n);
        const QString window = QStringLiteral("fenetre%1.89i").arg(n++);
        ASSERT_EQ(run(QStringList{QStringLiteral("convertir"), QStringLiteral("photo.png"), QStringLiteral("-o"),
                                  cli, QStringLiteral("--dossier"), QStringLiteral("dos"),
                                  QStringLiteral("--variable"), QStringLiteral("var")}
                      + c.options),
                  0)
            << err.toStdString();

        RecordingDialogs dialogs;
        ConversionState state;
        state.reduction = c.reduction;
        state.ouvrirFichier(path(QStringLiteral("photo.png")));
        state.text7 = c.largeur;
        state.text8 = c.hauteur;
        state.slider1 = c.niveau;
        state.check2 = c.proportions;
        state.option1 = c.simple;
        state.check3 = c.inverser;
        state.convertir();
        state.check1 = true;
        state.text2 = QStringLiteral("dos");
        state.text1 = QStringLiteral("var");
        dialogs.answerNextFileDialog(path(window));
        state.sauverSous();
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(bytes(cli), bytes(window));
        EXPECT_GT(bytes(cli).size(), 95);
    }
}

// Names: the automatic ones, an output file (".89i" added), an output folder; the
// variable name is the calculator name made from the output name.
TEST_F(CommandLineTest, OutputNames)
{
    ASSERT_TRUE(photo(64, 48).save(path(QStringLiteral("chat.png"))));
    write(QStringLiteral("fig0000.89i"), "x");
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("chat.png")}), 0);
    QByteArray file = bytes(QStringLiteral("fig0001.89i"));
    EXPECT_EQ(file.mid(10, 8), QByteArray("zfig\0\0\0\0", 8));
    EXPECT_EQ(file.mid(64, 8), QByteArray("fig0001\0", 8));
    EXPECT_EQ(out, QStringLiteral("chat.png -> %1\n")
                       .arg(QDir::toNativeSeparators(path(QStringLiteral("fig0001.89i")))));

    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--sortie"), QStringLiteral("MonChatTigre"),
                   QStringLiteral("chat.png")}),
              0);
    EXPECT_EQ(bytes(QStringLiteral("MonChatTigre.89i")).mid(64, 8), QByteArray("monchatt"));
    const struct
    {
        const char *sortie;
        QByteArray variable;
    } noms[] = {
        {"Vacances été 2024", "vacances"},
        {"Été-2.Noël", "ete2noel"},
        {"2024 été", QByteArray("fig0002\0", 8)}, // a digit first: the automatic name
        {"___", QByteArray("fig0002\0", 8)},
    };
    for (const auto &n : noms) {
        SCOPED_TRACE(n.sortie);
        const QString sortie = QString::fromUtf8(n.sortie);
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), sortie, QStringLiteral("chat.png")}), 0);
        EXPECT_EQ(bytes(sortie + QStringLiteral(".89i")).mid(64, 8), n.variable);
    }
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("x.89I"),
                   QStringLiteral("chat.png")}),
              0);
    EXPECT_EQ(bytes(QStringLiteral("x.89I")).mid(64, 8), QByteArray("x\0\0\0\0\0\0\0", 8));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sortie")));
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("sortie/"),
                   QStringLiteral("chat.png")}),
              0);
    EXPECT_EQ(bytes(QStringLiteral("sortie/chat.89i")).mid(64, 8), QByteArray("chat\0\0\0\0", 8));
}

// A calculator picture is taken as it is stored, at its own size.
TEST_F(CommandLineTest, CalculatorPictureSource)
{
    Surface picture(100, 60);
    picture.setPicture(photo(100, 60));
    const QByteArray original = lib89i::encode89i(picture, 60, 100, QStringLiteral("zfig"),
                                                  QStringLiteral("copie"));
    write(QStringLiteral("original.89i"), original);
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--proportions"), QStringLiteral("-o"),
                   QStringLiteral("copie"), QStringLiteral("original.89i")}),
              0);
    EXPECT_EQ(bytes(QStringLiteral("copie.89i")), original);
}

// One bad picture does not stop the others; the status and stderr tell which failed.
TEST_F(CommandLineTest, BatchWithOneBadFile)
{
    ASSERT_TRUE(photo(64, 48).save(path(QStringLiteral("a.png"))));
    ASSERT_TRUE(photo(80, 60).save(path(QStringLiteral("c.jpg"))));
    write(QStringLiteral("b.png"), "pas une image");
    write(QStringLiteral("vide.89i"), QByteArray(91, '\0'));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sortie")));
    const QStringList sources{QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("absent.gif"),
                              QStringLiteral("vide.89i"), QStringLiteral("c.jpg")};

    EXPECT_EQ(run(QStringList{QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("sortie")} + sources),
              CommandLine::FileFailure);
    EXPECT_EQ(QDir(path(QStringLiteral("sortie"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("a.89i"), QStringLiteral("c.89i")}));
    EXPECT_TRUE(err.contains(QStringLiteral("b.png")));
    EXPECT_TRUE(err.contains(QStringLiteral("absent.gif")));
    EXPECT_TRUE(err.contains(QStringLiteral("vide.89i ne contient aucune image")));
    EXPECT_FALSE(err.contains(QStringLiteral("a.png")));
    EXPECT_EQ(out.count(u'\n'), 2);

    // Automatic names move on from one picture to the next.
    EXPECT_EQ(run(QStringList{QStringLiteral("convertir")} + sources), CommandLine::FileFailure);
    EXPECT_EQ(bytes(QStringLiteral("fig0000.89i")).mid(64, 8), QByteArray("fig0000\0", 8));
    EXPECT_EQ(bytes(QStringLiteral("fig0001.89i")).mid(64, 8), QByteArray("fig0001\0", 8));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("fig0002.89i"))));

    // Two sources of the same name into one folder: the later one takes a free
    // name and says so; an output that was there before is replaced.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("b")));
    ASSERT_TRUE(QFile::copy(path(QStringLiteral("c.jpg")), path(QStringLiteral("b/a.png"))));
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("sortie"), QStringLiteral("a.png"),
                   QStringLiteral("b/a.png"), QStringLiteral("./a.png")}),
              0);
    EXPECT_EQ(QDir(path(QStringLiteral("sortie"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("a-2.89i"), QStringLiteral("a-3.89i"), QStringLiteral("a.89i"),
                           QStringLiteral("c.89i")}));
    EXPECT_NE(bytes(QStringLiteral("sortie/a.89i")), bytes(QStringLiteral("sortie/a-2.89i")));
    EXPECT_EQ(bytes(QStringLiteral("sortie/a.89i")), bytes(QStringLiteral("sortie/a-3.89i")).replace(64, 8, QByteArray("a\0\0\0\0\0\0\0", 8)));
    EXPECT_TRUE(err.contains(QStringLiteral("a-2.89i"))) << err.toStdString();

    // A file that cannot be written.
    write(QStringLiteral("fichier"), "x");
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("fichier/sortie.89i"),
                   QStringLiteral("a.png")}),
              CommandLine::FileFailure);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Impossible d'enregistrer"))) << err.toStdString();
}

TEST_F(CommandLineTest, Export)
{
    // 100 x 60: rows of 13 bytes, the bits beyond the width left out of the PNG.
    Surface picture(104, 60);
    picture.setPicture(photo(104, 60));
    write(QStringLiteral("image.89i"),
          lib89i::encode89i(picture, 60, 100, QStringLiteral("zfig"), QStringLiteral("image")));
    EXPECT_EQ(run({QStringLiteral("exporter"), QStringLiteral("image.89i"), QStringLiteral("image.png")}), 0)
        << err.toStdString();
    const QImage png(path(QStringLiteral("image.png")));
    ASSERT_EQ(png.size(), QSize(100, 60));
    EXPECT_TRUE(png.allGray());
    EXPECT_TRUE(sameImage(blackAndWhite(photo(104, 60)).copy(0, 0, 100, 60),
                          png.convertToFormat(QImage::Format_RGB32)));

    // Refused: too big, no picture, unreadable, unwritable.
    QByteArray big(92, '\0');
    big[88] = char(0x00); big[89] = char(0x0A); // 10 rows
    big[90] = char(0x13); big[91] = char(0x88); // 5000 columns
    write(QStringLiteral("grand.89i"), big + QByteArray(3, '\0'));
    write(QStringLiteral("court.89i"), QByteArray(50, '\x01'));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.png")));
    const struct
    {
        QStringList arguments;
        const char *message;
    } failures[] = {
        {{QStringLiteral("grand.89i"), QStringLiteral("g.png")}, "5000 x 10"},
        {{QStringLiteral("court.89i"), QStringLiteral("c.png")}, "aucune image"},
        {{QStringLiteral("absent.89i"), QStringLiteral("a.png")}, "absent.89i"},
        {{QStringLiteral("image.89i"), QStringLiteral("dossier.png")}, "dossier.png"},
    };
    for (const auto &f : failures) {
        SCOPED_TRACE(f.message);
        EXPECT_EQ(run(QStringList{QStringLiteral("exporter")} + f.arguments), CommandLine::FileFailure);
        EXPECT_TRUE(err.contains(QString::fromUtf8(f.message))) << err.toStdString();
        EXPECT_FALSE(QFileInfo(path(f.arguments.at(1))).isFile());
    }
}

// The program itself: exit status and streams.
TEST_F(CommandLineTest, RunningTheProgram)
{
    ASSERT_TRUE(photo(64, 48).save(path(QStringLiteral("a.png"))));
    const auto brivane = [&](const QStringList &arguments) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(BRIVANE_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        err = QString::fromUtf8(process.readAllStandardError());
        out = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitCode();
    };
    EXPECT_EQ(brivane({QStringLiteral("convertir"), QStringLiteral("a.png"), QStringLiteral("-o"),
                       QStringLiteral("a")}),
              0);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_EQ(bytes(QStringLiteral("a.89i")).size(), 2095);
    EXPECT_EQ(brivane({QStringLiteral("convertir"), QStringLiteral("absent.png")}), 1);
    EXPECT_EQ(err, QStringLiteral("Le fichier absent.png est introuvable.\n"));
    EXPECT_EQ(brivane({QStringLiteral("convertir"), QStringLiteral("--largeur"), QStringLiteral("0"),
                       QStringLiteral("a.png")}),
              2);
    EXPECT_EQ(brivane({QStringLiteral("--version")}), 0);
    EXPECT_EQ(out, QStringLiteral("Brivane 1.0.0\n"));
}
