// Pictures made to hurt a decoder (tests/data/hostile) are refused in French or opened in
// part, at a bounded cost; failing saves are reported in French naming the file, from the
// window and from the command line. Nothing already open or on disk is lost.
#include "app/mainpanel.h"
#include "cli/commandrunner.h"
#include "picfile/picturewriter.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const QString kData = BRIVANE_TEST_DATA "/hostile/";
// Refused, with the size a header declares when that alone refuses the picture (beyond
// 100 megapixels; at the bound the header passes and the data are missing), else unread.
const std::pair<QString, const char *> kRefused[] = {
    {"bomb.png", "50000 x 50000"}, {"bomb.gif", "50000 x 50000"}, {"huge-screen.gif", "65535 x 65535"},
    {"png-10001x10000.png", "10001 x 10000"}, {"png-10000x10000.png", nullptr}, {"grey-8000.png", nullptr},
    {"mono-60000.bmp", nullptr}, {"mono-10000.bmp", nullptr}, {"icon-huge-bitmap.ico", nullptr},
    {"icon-wrong-offset.ico", nullptr}, {"icon-negative-width.ico", nullptr}, {"jpeg-header-only.jpg", nullptr}};
const QString kWarning = "Vous avez choisi d'utiliser des options complémentaires";

// A message of failure: French, naming the file, with the reason expected.
::testing::AssertionResult failureMessage(const QString &text, const QString &file, const QString &reason)
{
    return ::testing::AssertionResult(text.startsWith("Impossible d'enregistrer le fichier") && text.contains(file)
                                      && text.contains(reason)
                                      && !text.contains(QRegularExpression("denied|No such|space|too large|Is a directory")))
           << text.toStdString();
}

// The program converting a file in a process of its own, given far more than the 2 s a
// picture may take: its exit code (-1 when it crashed) and its errors.
std::pair<int, QString> convertAlone(const QString &file, const QString &target, const std::function<void()> &child = {})
{
    QProcess program;
    if (child)
        program.setChildProcessModifier(child);
    program.start(BRIVANE_EXECUTABLE, {"convertir", "--proportions", "-o", target, file});
    EXPECT_TRUE(program.waitForFinished(30000)) << file.toStdString();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, QString::fromUtf8(program.readAllStandardError())};
}

// The window on a converted picture, its automatic files' folder holding files that no
// failure may touch, the dialogs recorded.
class Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        state.automaticFolder().setProgramFolder(folder);
        state.importPicture(diagonal(160, 100));
        state.convert();
        state.nextName = state.variableName = "fig0000";
        writeFile(file("photo.89i"), old);
        writeFile(file("dessin.89i"), picfile::encode(state.work.image(), QSize(160, 100), "zfig", "dessin"));
        ASSERT_TRUE(diagonal(300, 200).save(file("photo.png")));
    }
    QString file(const QString &name) const { return folder + u'/' + name; }
    // What a refusal must leave: the source, the work picture, the preview and the fit.
    auto kept() const { return std::tuple(state.source.image().copy(), state.work.image().copy(), state.preview.image().copy(), state.fit()); }

    const QByteArray old = QByteArray(5000, 'z');
    QTemporaryDir dir;
    QString folder = dir.filePath("programme");
    RecordingDialogs dialogs;
    MainPanel window;
    Document &state = window.document;
};

} // namespace

// What the window refuses it says in French, keeping the pictures and fit, converting again
// included (each hostile picture: the next test); beyond the limit a pasted or dropped picture
// is refused before its RGB32 copy, at it one comes in; a cut JPEG opens in part, said so.
TEST_F(Window, RefusedPicturesChangeNothingDamagedOnesAreSaid)
{
    state.importPicture(diagonal(200, 120));
    state.keepProportions = true; // a fit of its own
    state.convert();
    const auto before = kept();
    QImage huge(10001, 10000, QImage::Format_Mono); // 12.5 MB here, 400 MB in RGB32
    huge.fill(0);
    const std::pair<std::function<void()>, QString> cases[] = { // a paste imports as a drop does
        {[&] { window.openFile(kData + "icon-wrong-offset.ico"); }, "Impossible de lire l'image " + kData + "icon-wrong-offset.ico"},
        {[&] { QGuiApplication::clipboard()->setImage(huge), window.pasteClipboard(); }, "L'image importée est trop grande (10001 x 10000"},
        {[&] { QGuiApplication::clipboard()->clear(), window.pasteClipboard(); }, "Le presse-papier ne contient aucune image."},
    };
    for (const auto &[action, message] : cases) {
        dialogs.messages.clear();
        action();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(message) && dialogs.messages[0].icon == Dialogs::Icon::Exclamation && kept() == before)
            << dialogs.messages[0].text.toStdString();
        state.convert(); // converting again starts from the same source
        EXPECT_TRUE(kept() == before);
    }
    window.importPicture(QImage(5000, 5000, QImage::Format_Mono));
    EXPECT_TRUE(dialogs.messages.size() == 1u && state.source.size() == QSize(5000, 5000));
    window.openFile(kData + "truncated.jpg");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("truncated.jpg") && dialogs.messages[1].text.contains("abîmée ou incomplète")
                && state.source.size() == QSize(400, 300));
}

// In a process of its own each picture ends in time at less than 300 MB, opened or
// refused in French naming it; a pipe under a picture's name is refused without blocking.
TEST(HostilePictures, RefusedInFrenchAtABoundedCost)
{
    QTemporaryDir dir;
    QStringList opens = {kData + "truncated.jpg", kData + "largest-allowed.png"};
    for (const QString packed : {"longest-row.bmp", "widest-column.bmp"}) {
        writeFile(dir.filePath(packed), qUncompress(readFile(kData + packed + ".qz")));
        opens << dir.filePath(packed);
    }
    for (const QString &file : opens)
        EXPECT_EQ(convertAlone(file, dir.filePath("sortie.89i")).first, 0) << file.toStdString();
    for (const auto &[name, size] : kRefused) {
        const auto [status, errors] = convertAlone(kData + name, dir.filePath("sortie.89i"));
        const QString said = size ? QStringLiteral("L'image %1 est trop grande (%2").arg(kData + name, size)
                                  : "Impossible de lire l'image " + kData + name;
        EXPECT_TRUE(status == CommandLine::FileFailure && errors.contains(said) && !errors.contains(QRegularExpression("Unable|Unsupported")))
            << name.toStdString() << ": " << errors.toStdString();
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children); // the largest child so far
    EXPECT_LT(children.ru_maxrss / 1024, 300);
    for (const QString name : {"tube.89i", "tube.png"}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        EXPECT_TRUE(convertAlone(dir.filePath(name), dir.filePath("sortie.89i")).second.contains("n'est pas un fichier ordinaire"));
    }
}

// Each window command that saves says its failure in French naming the file, the names
// kept (each reason, the files kept: the next test), here with the folder deleted once the
// name is chosen, when the advanced-options warning shows; then both saves work again.
TEST_F(Window, FailingSavesAreSaidAndTheProgramGoesOn)
{
    struct : RecordingDialogs
    {
        QString folder; // deleted by the warning
        void message(const QString &text, Icon icon, const QString &detail) override
        {
            RecordingDialogs::message(text, icon, detail);
            if (text == kWarning && !folder.isEmpty())
                QDir(folder).removeRecursively();
        }
    } vanishing;
    vanishing.folder = folder;
    state.advancedOptions = true, state.variableName = "velo";
    window.saveAutomatically();
    ASSERT_TRUE(QDir().mkpath(folder));
    vanishing.answerNextFileDialog(file("photo"));
    window.saveAs();
    ASSERT_EQ(vanishing.messages.size(), 4u);
    EXPECT_TRUE(failureMessage(vanishing.messages[1].text, "fig0000.89i", "n'existe pas")
                && failureMessage(vanishing.messages[3].text, "photo.89i", "n'existe pas"));
    EXPECT_EQ(state.nextName + ' ' + state.variableName, "fig0000 velo");
    state.advancedOptions = false; // no warning: the folder stays
    ASSERT_TRUE(QDir().mkpath(folder));
    window.saveAutomatically();
    vanishing.answerNextFileDialog(file("photo"));
    window.saveAs();
    EXPECT_TRUE(readFile(file("fig0000.89i")) == picfile::encode(state.work.image(), QSize(160, 100), "zfig", "fig0000")
                && readFile(file("photo.89i")).size() == 2095);
}

// Each failure's reason, each command once, nothing written, no file touched; and the
// program itself under ulimit -f, SIGXFSZ left as the system sets it.
TEST_F(Window, FailingCommandLineSavesLoseNothing)
{
    writeFile(file("photo-ancienne.png"), "ancien png");
    ASSERT_TRUE(QDir(folder).mkdir("dossier.png"));
    // What makes the save fail while it lives (one that does not bind lets it succeed,
    // which the test catches).
    using Guard = std::function<std::shared_ptr<void>()>;
    const std::tuple<const char *, Guard, QStringList> cases[] = { // reason, guard, command
        {"accès refusé", [&] { return std::make_shared<ReadOnlyFolder>(folder); },
         {"convertir", "-o", file("photo.89i"), file("photo.png")}},
        {"le fichier dépasse la taille permise", [] { return std::make_shared<FileSizeLimit>(50); },
         {"exporter", file("dessin.89i"), file("photo-ancienne.png")}},
        {"un dossier porte ce nom", [] { return std::shared_ptr<void>(); }, {"exporter", file("dessin.89i"), file("dossier.png")}},
    };
    for (const auto &[reason, guard, arguments] : cases) {
        SCOPED_TRACE(reason);
        const auto failing = guard();
        const QStringList before = listing(folder);
        const CommandRun run = runCommandLine(arguments);
        EXPECT_TRUE(run.status == CommandLine::FileFailure && run.out.isEmpty()) << run.status;
        EXPECT_TRUE(failureMessage(run.err, arguments[2], reason)); // the target
        EXPECT_EQ(listing(folder), before);
    }
    const rlimit limit{1000, 1000};
    const auto [status, errors] = convertAlone(file("photo.png"), file("photo.89i"),
                                               [&] { std::signal(SIGXFSZ, SIG_DFL), setrlimit(RLIMIT_FSIZE, &limit); });
    EXPECT_TRUE(status == CommandLine::FileFailure && failureMessage(errors, "photo.89i", "le fichier dépasse la taille permise"));
    EXPECT_TRUE(readFile(file("photo-ancienne.png")) == "ancien png" && readFile(file("photo.89i")) == old);
}
