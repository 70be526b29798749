// The command-line converter, run in this process.
#include "cli/batch.h"
#include "cli/commandrunner.h"
#include "fakecalculator.h"
#include "convert/document.h"
#include "picfile/picturewriter.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QDirIterator>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <numeric>
#include <stdexcept>

namespace {

QStringList words(const char *line) { return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts); }

QByteArray variable(const QString &path) { return readFile(path).mid(64, 8); }

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

// The real program: help and version on stdout; a usage error: status 2, a French
// message pointing to the help, nothing written; an unknown word is no picture to
// open; without any display the window is not tried: status 1 and a French message.
TEST_F(CommandLineTest, TheProgramsUsageErrorsAndExitCodes)
{
    const std::tuple<const char *, int, const char *> cases[] = {
        {"--help", 0, "brivane exporter [--taille N] FICHIER.89i IMAGE.png"},
        {"--version", 0, "Brivane 1.0.0\n"},
        {"convertir", 2, "Aucune image"},
        {"convertir --niveau AUTO a.png", 2, "de -50 à 50 ou auto, pas « AUTO »"},
        {"convertir --reduction max a.png", 2, "--reduction attend moyenne ou et, pas « max »"},
        {"convertir --help", 0, "bruit-bleu        points épars"},
        {"convertir --help", 0, "--tons G              rendu des tons"},
        {"convertir --tramage floyd a.png", 2,
         "--tramage attend floyd-steinberg, atkinson, bayer, jarvis, stucki, sierra, bruit-bleu ou optimal, pas « floyd »"},
        {"convertir --tons 2.3 a.png", 2, "--tons attend un nombre de 1 à 2,2 (1,3 ou 1.3 par exemple), pas « 2.3 »"},
        {"convertir --tons 1,2,3 a.png", 2, "pas « 1,2,3 »"},
        {"convertir --contraste fort a.png", 2, "--contraste attend auto, pas « fort »"},
        {"convertir --largeur 161 a.png", 2, "--largeur attend un nombre entier de 1 à 160, pas « 161 »"},
        {"convertir --help", 0, "--cadre X,Y,L,H       ne convertit que ce rectangle"},
        {"convertir --taille grand a.png", 2, "--taille attend ecran ou graphique, pas « grand »"},
        {"convertir --taille ecran --hauteur 50 a.png", 2, "--taille donne la largeur et la hauteur : elle ne va pas avec --largeur ni --hauteur."},
        {"convertir --rotation 360 a.png", 2, "--rotation attend 90, 180 ou 270, pas « 360 »"},
        {"convertir --miroir diagonal a.png", 2, "--miroir attend horizontal ou vertical, pas « diagonal »"},
        {"convertir -j 0 a.png", 2, "--taches attend un nombre entier de 1 à 256, pas « 0 »"},
        {"convertir --gris a.png", 2, "Option inconnue \"gris\".\nVoir « brivane convertir --help »."},
        {"convertir -x -y a.png", 2, "Options inconnues : x, y."},
        {"convertir a.png --largeur", 2, "Valeur manquante après \"--largeur\"."},
        {"convertir --simple=3 a.png", 2, "Valeur inattendue après \"--simple\"."},
        {"convertir -o absent/ a.png", 2, "Le dossier de sortie absent/ n'existe pas."},
        {"convertir -o seule.89i a.png photo.png", 2,
         "Plusieurs images demandent un dossier de sortie existant : seule.89i n'est pas un dossier."},
        {"convertir --dossier Zfig a.png", 2, "« Zfig » n'est pas un nom de la calculatrice"},
        {"convertir --variable abcdefghi a.png", 2, "« abcdefghi » n'est pas un nom"},
        {"exporter a.png", 2, "« exporter » attend un fichier .89i et une image PNG."},
        {"exporter -z a.89i a.png", 2, "Option inconnue \"z\".\nVoir « brivane exporter --help »."},
        {"exporter --taille 0 a.89i a.png", 2, "--taille attend un nombre entier de 1 à 4096, pas « 0 »"},
        {"exporter --taille 4097 a.89i a.png", 2, "pas « 4097 »"},
        {"envoyer", 2, "« envoyer » attend au moins un fichier .89i."},
        {"envoyer --cable gris a.89i", 2, "--cable attend auto, silverlink ou usb, pas « gris »"},
        {"envoyer --calculatrice ti83 a.89i", 2, "--calculatrice attend ti89, ti89t, ti92p ou v200, pas « ti83 »"},
        {"envoyer --help", 0, "--calculatrice M    ti89 (par défaut), ti89t, ti92p ou v200"},
        {"transformer", 2, "Commande inconnue : transformer."},
        {"--plein-ecran", 2, "Commande inconnue : --plein-ecran."},
    };
    for (const auto &[line, status, text] : cases) {
        SCOPED_TRACE(line);
        QProcess program;
        program.start(QStringLiteral(BRIVANE_EXECUTABLE), words(line));
        ASSERT_TRUE(program.waitForFinished(30000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput()), err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitCode(), status);
        EXPECT_TRUE((status == 0 ? out : err).contains(QString::fromUtf8(text))) << (status == 0 ? out : err).toStdString();
        EXPECT_TRUE(status == 0 ? err.isEmpty() : out.isEmpty() && err.contains(QStringLiteral("--help")));
        EXPECT_EQ(listing(dir.path()), (QStringList{QStringLiteral("a.png"), QStringLiteral("photo.png")}));
    }

    // Which first words the command line takes, rather than the window opening a picture.
    const std::pair<const char *, bool> firstWords[] = {
        {"convertir", true}, {"--version", true}, {"frobnicate", true}, {"-x", true}, {"a.png", false},
        {"absente.png", false}, {"dossier/image", false}, {"./image", false},
    };
    for (const auto &[word, handled] : firstWords)
        EXPECT_EQ(CommandLine::handles({QString::fromUtf8(word)}), handled) << word;

    QProcess window;
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    window.setProcessEnvironment(noDisplay);
    window.start(QStringLiteral(BRIVANE_EXECUTABLE), {QStringLiteral("a.png")});
    ASSERT_TRUE(window.waitForFinished(30000));
    EXPECT_TRUE(window.exitCode() == 1 && QString::fromUtf8(window.readAllStandardError()).startsWith(u"Aucun écran n'est disponible"));
}

// The same bytes as "Sauver sous" under the same settings.
TEST_F(CommandLineTest, SameBytesAsSaveAs)
{
    using monochrome::Dithering;
    constexpr int kAutomatic = 1000;
    const std::tuple<const char *, int, int, bool, Settings> cases[] = {
        {"", 160, 100, false, {}},
        {"--largeur 96 --hauteur=60 --proportions --niveau -12 --inverser", 96, 60, true, {.level = -12, .invertColours = true}},
        {"--simple --largeur 1 --hauteur 7 --tramage bayer", 1, 7, false, {.simpleMethod = true}}, // simple: not dithered
        {"--reduction=et --proportions", 160, 100, true, {.reduction = Reduction::And}},
        {"--tramage floyd-steinberg --niveau=7", 160, 100, false, {.level = 7, .dithering = Dithering::FloydSteinberg}},
        {"--niveau auto --proportions", 160, 100, true, {.level = kAutomatic}},
        {"--tramage sierra --tons 1,6 --contraste auto", 160, 100, false,
         {.dithering = Dithering::Sierra, .toneCurve = 1.6, .autoContrast = true}},
        {"--tramage optimal --niveau 12 --proportions", 160, 100, true, {.level = 12, .dithering = Dithering::Optimal}},
        {"--tramage bruit-bleu --tons 1", 160, 100, false, {.dithering = Dithering::BlueNoise, .toneCurve = 1}},
        {"--taille graphique", 159, 77, false, {}},
        {"--taille écran --proportions", 160, 100, true, {}},
    };
    for (const auto &[options, width, height, keepProportions, settings] : cases) {
        SCOPED_TRACE(options);
        ASSERT_EQ(run(words("convertir photo.png -o cli --dossier dos --variable var") + words(options)), 0);
        Document state(dir.path());
        state.settings = settings;
        ASSERT_TRUE(state.open(dir.filePath(QStringLiteral("photo.png"))));
        state.outputWidth = width, state.outputHeight = height, state.keepProportions = keepProportions;
        if (settings.level == kAutomatic) { // "Niveau automatique" on the picture as fitted
            state.fitSource();
            state.settings.level = state.automaticLevel();
            EXPECT_EQ(state.settings.level, -2);
        }
        state.convert();
        ASSERT_TRUE(state.writeFittedPicture(dir.filePath(QStringLiteral("fenetre.89i")), QStringLiteral("dos"), QStringLiteral("var")));
        EXPECT_TRUE(readFile(QStringLiteral("cli.89i")) == readFile(QStringLiteral("fenetre.89i")) && readFile("cli.89i").size() > 95);
        EXPECT_TRUE(keepProportions || readFile("cli.89i").mid(88, 4) == file89i(height, width, {}).mid(88, 4)); // the stated size
    }
}

// A malformed frame, or one with --rogner, is a usage error: nothing converted. A
// frame that leaves the picture (once turned) fails that picture alone, as an
// unreadable one does: the others are written.
TEST_F(CommandLineTest, BadFrames)
{
    const auto malformed = [](const char *value) {
        return QStringLiteral("--cadre attend X,Y,L,H : quatre nombres entiers, X et Y de 0 ou plus, L et H de 1 ou "
                              "plus, pas « %1 ».").arg(QString::fromUtf8(value));
    };
    const auto outside = [](const char *frame, const char *picture) {
        return QStringLiteral("Le cadre %1 dépasse de l'image %2.").arg(QString::fromUtf8(frame), QString::fromUtf8(picture));
    };
    const std::tuple<const char *, int, QString, const char *> cases[] = {
        {"photo.png --cadre 1,2,3", 2, malformed("1,2,3"), ""},
        {"photo.png --cadre 0,0,0,10", 2, malformed("0,0,0,10"), ""},
        {"photo.png --cadre 1.5,0,10,10", 2, malformed("1.5,0,10,10"), ""},
        {"photo.png --cadre 3000000000,0,1,1", 2, malformed("3000000000,0,1,1"), ""},
        {"photo.png --cadre 0,0,10,10 --rogner", 2,
         QStringLiteral("--cadre et --rogner ne vont pas ensemble : choisissez l'un ou l'autre."), ""},
        {"photo.png --cadre 299,169,2,1", 1, outside("299,169,2,1", "photo.png (300 x 170 pixels)"), ""},
        {"photo.png --cadre 299,169,1,1", 0, QString(), "photo.89i"},
        {"photo.png --rogner --rotation 90", 0, QString(), "photo.89i"},
        {"photo.png --cadre 0,0,300,170 --rotation 270", 1,
         outside("0,0,300,170", "photo.png (170 x 300 pixels une fois tournée)"), ""},
        {"a.png photo.png --cadre 0,0,300,170", 1, outside("0,0,300,170", "a.png (64 x 48 pixels)"), "photo.89i"},
        {"%1%2.png --cadre 0,0,65,1", 1, outside("0,0,65,1", "%1%2.png (64 x 48 pixels)"), ""},
    };
    ASSERT_TRUE(QFile::copy(QStringLiteral("a.png"), QStringLiteral("%1%2.png")));
    for (const auto &[line, status, message, written] : cases) {
        SCOPED_TRACE(line);
        QDir(QStringLiteral("sortie")).removeRecursively();
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
        EXPECT_TRUE(run(words("convertir -o sortie") + words(line)) == status && r.err.contains(message)) << r.err.toStdString();
        EXPECT_EQ(listing(QStringLiteral("sortie")), words(written));
    }
}

// Turning, mirroring and framing give the bytes of converting the picture turned or
// cropped beforehand, with either fit and either reduction.
TEST_F(CommandLineTest, FramingEqualsAPictureFramedBeforehand)
{
    const QImage original = photo(300, 170);
    const auto turned = [&](int degrees) { return original.transformed(QTransform().rotate(degrees)); };
    const std::tuple<const char *, const char *, QImage> cases[] = {
        {"--rotation 90", "", turned(90)},
        {"--rotation 270", "--proportions --reduction et", turned(270)},
        {"--miroir horizontal", "", original.mirrored(true, false)},
        {"--rotation 90 --miroir vertical", "--proportions", turned(90).mirrored(false, true)},
        {"--cadre 37,21,150,90", "", original.copy(37, 21, 150, 90)},
        {"--cadre 0,3,299,9", "--proportions --reduction et --niveau auto", original.copy(0, 3, 299, 9)},
        {"--cadre 5,200,9,64 --rotation 90", "--tramage floyd-steinberg", turned(90).copy(5, 200, 9, 64)},
    };
    for (const auto &[framing, options, before] : cases) {
        SCOPED_TRACE(framing + std::string(" ") + options);
        ASSERT_TRUE(before.save(QStringLiteral("avant.png")));
        ASSERT_EQ(run(words("convertir photo.png -o cli --variable v") + words(framing) + words(options)), 0) << r.err.toStdString();
        ASSERT_EQ(run(words("convertir avant.png -o avant --variable v") + words(options)), 0);
        EXPECT_EQ(readFile(QStringLiteral("cli.89i")), readFile(QStringLiteral("avant.89i")));
    }
}

// The automatic name, an output file (".89i" added) or folder; the variable is the
// calculator name made from the output name; a calculator picture is copied as stored.
TEST_F(CommandLineTest, OutputNames)
{
    writeFile(QStringLiteral("fig0000.89i"), "x");
    EXPECT_TRUE(run(words("convertir a.png")) == 0 && readFile(QStringLiteral("fig0001.89i")).mid(10, 8) == QByteArray("zfig\0\0\0\0", 8));
    EXPECT_EQ(r.out, QStringLiteral("a.png -> %1\n").arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("fig0001.89i")))));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("sortie")));
    const std::tuple<const char *, const char *, QByteArray> names[] = {
        {"MonChatTigre", "MonChatTigre.89i", "monchatt"},
        {"Été-2.Noël", "Été-2.Noël.89i", "ete2noel"},
        {"Ça va", "Ça va.89i", QByteArray("cava\0\0\0\0", 8)},
        {"Zèbre_9", "Zèbre_9.89i", QByteArray("zebre_9\0", 8)}, // z, _ and digits kept
        {"2024 été", "2024 été.89i", QByteArray("fig0002\0", 8)}, // a digit first: the automatic name
        {"sortie/", "sortie/a.89i", QByteArray("a\0\0\0\0\0\0\0", 8)},
    };
    for (const auto &[output, file, name] : names) {
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--sortie"), QString::fromUtf8(output), QStringLiteral("a.png")}), 0);
        EXPECT_EQ(variable(QString::fromUtf8(file)), name) << output;
    }

    // Within one run into a folder, no two files hold the same variable: a later clash
    // takes a numbered name within 8 characters, and a name without a usable letter
    // takes the next automatic one; stderr says both.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("lot")));
    const QStringList batch = words("vacances_2023_1.jpg vacances_2023_2.jpg Vacances-2023.png 2004default.jpg 2005.jpg");
    for (const QString &name : batch)
        ASSERT_TRUE(photo(40, 30).save(name));
    EXPECT_EQ(run(QStringList{QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("lot")} + batch), 0);
    QList<QByteArray> variables;
    for (const QString &name : batch)
        variables << variable(QStringLiteral("lot/") + QFileInfo(name).completeBaseName() + QStringLiteral(".89i"));
    EXPECT_EQ(variables, (QList<QByteArray>{"vacances", "vacanc_2", "vacanc_3", QByteArray("fig0002\0", 8), QByteArray("fig0003\0", 8)}));
    EXPECT_TRUE(r.err.contains(QStringLiteral("La variable vacances est déjà celle d'un autre fichier de cette commande : "
                                              "lot/vacances_2023_2.89i contient la variable vacanc_2."))
                && r.err.contains(QStringLiteral("Aucun nom de variable ne peut être tiré de « 2004default.89i » : "
                                                 "la variable s'appelle fig0002.")))
        << r.err.toStdString();

    const QByteArray original = picfile::encode(photo(100, 60), QSize(100, 60), QStringLiteral("zfig"), QStringLiteral("copie"));
    writeFile(QStringLiteral("original.89i"), original);
    EXPECT_TRUE(run(words("convertir --proportions -o copie original.89i")) == 0 && readFile(QStringLiteral("copie.89i")) == original);
}

// Results come in the order of the items, each once; no item starts 2 x workers
// or more ahead of the one taken, however slow take() is; at most the workers
// (and the waiting thread, which may run an item no worker has started) run at once.
TEST(Batch, InOrderWithinABoundedWindow)
{
    for (const int workers : {1, 2, 3, 8}) {
        SCOPED_TRACE(workers);
        QMutex mutex;
        qsizetype taken = 0, furthest = 0; // furthest: the most an item started ahead of take()
        int running = 0, mostRunning = 0;
        QList<qsizetype> order, expected(40);
        std::iota(expected.begin(), expected.end(), 0);
        runInOrder(expected.size(), workers, [&](qsizetype i) {
            {
                const QMutexLocker lock(&mutex);
                furthest = std::max(furthest, i - taken);
                mostRunning = std::max(mostRunning, ++running);
            }
            QThread::usleep((i * 7919) % 3000); // finishing out of order
            const QMutexLocker lock(&mutex);
            --running;
            return i * i;
        }, [&](qsizetype i, qsizetype result) {
            EXPECT_EQ(result, i * i);
            order << i;
            if (i % 10 == 0)
                QThread::msleep(20); // the workers catch up and wait
            const QMutexLocker lock(&mutex);
            taken = i + 1;
        });
        EXPECT_EQ(order, expected);
        EXPECT_TRUE(furthest < 2 * workers && mostRunning <= (workers == 1 ? 1 : workers + 1)) << furthest << " " << mostRunning;
    }
}

// One worker: a work item that throws ends the run once the results before it are
// taken; a take() that throws stops the worker, which starts nothing more.
TEST(Batch, OneWorkerHandsOnFailures)
{
    QList<qsizetype> taken;
    const auto failAt4 = [](qsizetype i) {
        if (i == 4)
            throw std::runtime_error("work");
        return i;
    };
    EXPECT_THROW(runInOrder(10, 1, failAt4, [&](qsizetype i, qsizetype) { taken << i; }), std::runtime_error);
    EXPECT_EQ(taken, (QList<qsizetype>{0, 1, 2, 3}));
    std::atomic<int> worked = 0;
    const auto countWork = [&](qsizetype i) { return ++worked, i; };
    EXPECT_THROW(runInOrder(100, 1, countWork, [](qsizetype i, qsizetype) {
        if (i == 2)
            throw std::runtime_error("take");
    }), std::runtime_error);
    EXPECT_LE(worked, 4);
}

// One bad picture does not stop the others: the status and stderr tell which failed,
// the automatic names skip nothing, the same name twice in an output folder takes a
// free name and says so, an older output is replaced. Workers finish out of order
// (a large photo first, small pictures after it), yet four at a time give the same
// files, bytes, messages and status as one at a time, a source written earlier by
// the same run included.
TEST_F(CommandLineTest, BatchesGiveTheSameOutcomeOneOrFourAtATime)
{
    const QStringList sources = words("grande.jpg a.png fig0001.89i abimee.jpg sub/a.jpg texte.jpg b.bmp absente.png "
                                      "c.jpg vide.89i ./a.png d.png e.jpg");
    struct { int status = -1; QString out, err; QMap<QString, QByteArray> files; } outcomes[2];
    const char *tasks[2] = {"1", "4"};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(tasks[k]);
        const QDir d(dir.filePath(QString::fromLatin1(tasks[k])));
        ASSERT_TRUE(d.mkpath(QStringLiteral("sub")) && d.mkpath(QStringLiteral("sortie")));
        for (const auto &[name, w, h] : {std::tuple{"grande.jpg", 1600, 1200}, {"a.png", 300, 200}, {"sub/a.jpg", 200, 300},
                                         {"b.bmp", 90, 60}, {"c.jpg", 2000, 90}, {"d.png", 1, 1}, {"e.jpg", 800, 600}})
            ASSERT_TRUE(photo(w, h).save(d.filePath(QString::fromLatin1(name))));
        const QByteArray jpeg = readFile(d.filePath(QStringLiteral("grande.jpg")));
        writeFile(d.filePath(QStringLiteral("abimee.jpg")), jpeg.left(jpeg.size() / 3));
        writeFile(d.filePath(QStringLiteral("texte.jpg")), "pas une image");
        writeFile(d.filePath(QStringLiteral("vide.89i")), QByteArray(91, '\0'));
        writeFile(d.filePath(QStringLiteral("sortie/a.89i")), "ancien");
        ASSERT_TRUE(QDir::setCurrent(d.path()));

        auto &o = outcomes[k];
        const QStringList j{QStringLiteral("convertir"), QStringLiteral("-j"), QString::fromLatin1(tasks[k])};
        const CommandRun automatic = runCommandLine(j + sources);
        const CommandRun folder = runCommandLine(j + QStringList{QStringLiteral("-o"), QStringLiteral("sortie")} + sources);
        o.status = automatic.status * 10 + folder.status;
        o.out = QString(automatic.out + folder.out).replace(d.path(), QStringLiteral("D"));
        o.err = QString(automatic.err + folder.err).replace(d.path(), QStringLiteral("D"));
        for (QDirIterator it(d.path(), {QStringLiteral("*.89i")}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = it.next();
            o.files[d.relativeFilePath(file)] = readFile(file);
        }
    }
    const auto &one = outcomes[0];
    EXPECT_EQ(one.status, 11);
    const QStringList done = words("grande.jpg a.png fig0001.89i abimee.jpg sub/a.jpg b.bmp c.jpg ./a.png d.png e.jpg");
    const QStringList named = words("grande a fig0001 abimee a-2 b c a-3 d e");
    QString automatic, folder;
    for (int i = 0; i < done.size(); ++i) {
        automatic += QStringLiteral("%1 -> D/fig%2.89i\n").arg(done[i]).arg(i, 4, 10, QChar(u'0'));
        folder += QStringLiteral("%1 -> sortie/%2.89i\n").arg(done[i], named[i]);
    }
    EXPECT_EQ(one.out, automatic + folder);
    for (const char *failure : {"texte.jpg", "absente.png", "vide.89i n'est pas une image de calculatrice", "abîmée", "a déjà été écrit"})
        EXPECT_TRUE(one.err.contains(QString::fromUtf8(failure))) << failure;
    EXPECT_EQ(variable(dir.filePath(QStringLiteral("1/fig0005.89i"))), QByteArray("fig0005\0", 8)); // names move on
    EXPECT_NE(one.files.value(QStringLiteral("sortie/a.89i")), one.files.value(QStringLiteral("sortie/a-2.89i")));
    EXPECT_EQ(one.files.value(QStringLiteral("sortie/a.89i")),
              QByteArray(one.files.value(QStringLiteral("sortie/a-3.89i"))).replace(64, 8, QByteArray("a\0\0\0\0\0\0\0", 8)));
    EXPECT_EQ(outcomes[1].out, one.out);
    EXPECT_EQ(outcomes[1].err, one.err);
    EXPECT_TRUE(outcomes[1].status == one.status && outcomes[1].files == one.files) << outcomes[1].files.keys().join(u' ').toStdString();
}

TEST_F(CommandLineTest, Export)
{
    // 100 x 60: rows of 13 bytes, the bits beyond the width left out of the PNG.
    QImage drawn = diagonal(104, 60);
    drawn.setPixel(102, 3, kBlack);
    writeFile(QStringLiteral("image.89i"), picfile::encode(drawn, QSize(100, 60), QStringLiteral("zfig"), QStringLiteral("image")));
    EXPECT_EQ(run(words("exporter image.89i image.png")), 0) << r.err.toStdString();
    const QImage expected = diagonal(100, 60);
    EXPECT_TRUE(sameImage(expected, QImage(QStringLiteral("image.png")).convertToFormat(QImage::Format_RGB32)));

    // A file short of its rows, or a photo, is no calculator picture: refused, nothing written.
    writeFile(QStringLiteral("court.89i"), readFile(QStringLiteral("image.89i")).left(92 + 13 * 30 + 3));
    ASSERT_TRUE(photo(40, 30).save(QStringLiteral("photo.jpg")));
    for (const char *bad : {"court.89i", "photo.jpg"}) {
        EXPECT_TRUE(run({QStringLiteral("exporter"), QString::fromLatin1(bad), QStringLiteral("refus.png")}) == CommandLine::FileFailure
                    && r.err.contains(QStringLiteral("n'est pas une image de calculatrice")) && !QFileInfo::exists(QStringLiteral("refus.png")))
            << r.err.toStdString();
    }

    // --taille: the largest whole factor within N x N, every dot a crisp square; at
    // least 1, so a picture larger than N keeps its size. Options go before or after.
    const std::tuple<const char *, int> thumbnails[] = {
        {"exporter --taille 128 image.89i t.png", 1}, {"exporter image.89i t.png --taille 200", 2},
        {"exporter --taille 256 image.89i t.png", 2}, {"exporter --taille 300 image.89i t.png", 3}};
    for (const auto &[line, factor] : thumbnails) {
        SCOPED_TRACE(line);
        EXPECT_EQ(run(words(line)), 0) << r.err.toStdString();
        const QImage thumbnail = QImage(QStringLiteral("t.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(thumbnail.size(), QSize(100, 60) * factor);
        EXPECT_TRUE(sameImage(expected.scaled(thumbnail.size()), thumbnail)); // nearest pixel: each a factor x factor square
    }

    writeFile(QStringLiteral("large.89i"), file89i(1, 4096, QByteArray(512, '\0'))); // the widest exported
    EXPECT_EQ(run(words("exporter large.89i l.png")), 0) << r.err.toStdString();
    writeFile(QStringLiteral("haute.89i"), file89i(4096, 8, QByteArray(4096, '\0'))); // the tallest exported
    EXPECT_EQ(run(words("exporter haute.89i h.png")), 0) << r.err.toStdString();
    writeFile(QStringLiteral("grand.89i"), file89i(10, 5000, QByteArray(6250, '\0'))); // too big: refused, nothing written
    EXPECT_TRUE(run(words("exporter grand.89i g.png")) == CommandLine::FileFailure && r.err.contains(QStringLiteral("5000 x 10"))
                && !QFileInfo::exists(QStringLiteral("g.png"))) << r.err.toStdString();
}

// envoyer: each file's variable to the calculator in turn; a file that is no picture
// is said and skipped (status 1); a refusal, or no cable, stops there (status 1).
TEST_F(CommandLineTest, Send)
{
    for (const char *name : {"un", "deux"})
        writeFile(QString::fromLatin1(name) + ".89i", picfile::encode(photo(16, 4), QSize(16, 4), QStringLiteral("zfig"), QString::fromLatin1(name)));
    FakeCalculator calculator;
    tilink::CableProvider::install(&calculator);
    EXPECT_TRUE(run(words("envoyer un.89i a.png deux.89i --calculatrice ti92p")) == CommandLine::FileFailure
                && r.out == QStringLiteral("un.89i -> zfig\\un\ndeux.89i -> zfig\\deux\n")) << r.out.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Le fichier a.png n'est pas une image de calculatrice.")) && calculator.packets().size() == 10)
        << r.err.toStdString();

    FakeCalculator refusing(FakeCalculator::Behaviour::RefuseArchived);
    tilink::CableProvider::install(&refusing);
    EXPECT_TRUE(run(words("envoyer un.89i deux.89i")) == CommandLine::FileFailure && r.out.isEmpty()
                && r.err.contains(QStringLiteral("zfig\\un archivée ou verrouillée")));
    EXPECT_EQ(refusing.packets().size(), 2); // ready?, then the first file's header: no second file

    tilink::CableProvider::install(nullptr); // the real cables: none in a test machine
    EXPECT_TRUE(run(words("envoyer un.89i")) == CommandLine::FileFailure
                && r.err.startsWith(QStringLiteral("Aucun câble n'a été trouvé. Branchez le câble SilverLink"))) << r.err.toStdString();
}
