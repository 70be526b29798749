// Saves that fail, from the window's commands and from the command line: reported
// in French, naming the file, and nothing that was on disk is lost.
#include "app/mainpanel.h"
#include "picfile/picturewriter.h"
#include "cli/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kWarning = "Vous avez choisi d'utiliser des options complémentaires";

// What makes writing in a folder fail while the returned guard lives (a guard that
// does not bind lets the saves succeed, which the tests catch).
struct Failure { const char *name, *reason; std::function<std::shared_ptr<void>(const QString &folder)> make; };

const Failure kFailures[] = {
    {"ReadOnlyFolder", "accès refusé",
     [](const QString &folder) -> std::shared_ptr<void> { return std::make_shared<ReadOnlyFolder>(folder); }},
    {"FullDisk", "le fichier dépasse la taille permise",
     [](const QString &) -> std::shared_ptr<void> { return std::make_shared<FileSizeLimit>(50); }},
    // Folders, each holding a file, under the names the saves are given.
    {"TargetIsAFolder", "un dossier porte ce nom", [](const QString &folder) {
         for (const QString name : {"fig0000.89i", "dossier.89i", "dossier.png"}) {
             QDir(folder).mkdir(name);
             writeFile(folder + u'/' + name + "/garde", "garde");
         }
         return std::shared_ptr<void>();
     }},
};

// A message of failure: French, naming the file, with the reason expected.
::testing::AssertionResult failureMessage(const QString &text, const QString &file, const QString &reason)
{
    return ::testing::AssertionResult(text.startsWith("Impossible d'enregistrer le fichier") && text.contains(file)
                                      && text.contains(reason)
                                      && !text.contains(QRegularExpression("denied|No such|space|too large|Is a directory")))
           << text.toStdString();
}

class Save : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        state.automaticFolder().setProgramFolder(folder);
        state.importPicture(diagonal(160, 100));
        state.convert();
        state.nextName = state.variableName = "fig0000";
        writeFile(file("photo.89i"), old); // no failure may touch it
        writeFile(file("dessin.89i"), picfile::encode(state.work.image(), QSize(160, 100), "zfig", "dessin"));
        ASSERT_TRUE(diagonal(300, 200).save(file("photo.png")));
    }
    QString file(const QString &name) const { return folder + u'/' + name; }

    const QByteArray old = QByteArray(5000, 'z');
    QTemporaryDir dir;
    QString folder = dir.filePath("programme");
    RecordingDialogs dialogs;
    MainPanel window;
    Document &state = window.document;
};

struct SaveFailure : Save, ::testing::WithParamInterface<Failure>
{
    bool folders() const { return GetParam().name == std::string("TargetIsAFolder"); }
};

} // namespace

TEST_P(SaveFailure, WindowCommandsLoseNothing)
{
    const QString saveAs = folders() ? "dossier.89i" : "photo.89i";
    {
        const auto guard = GetParam().make(folder);
        const QStringList before = listing(folder);
        window.saveAutomatically();
        dialogs.answerNextFileDialog(file(saveAs.chopped(4)));
        window.saveAs();
        state.advancedOptions = true; // with the advanced options, after the warning
        window.saveAutomatically();
        state.advancedOptions = false;
        EXPECT_EQ(listing(folder), before);
    }
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const int i : {0, 1, 3})
        EXPECT_TRUE(failureMessage(dialogs.messages[i].text, i == 1 ? saveAs : "fig0000.89i", GetParam().reason));
    EXPECT_EQ(dialogs.messages[2].text, kWarning);
    EXPECT_EQ(dialogs.messages[3].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(readFile(file("photo.89i")), old);
    EXPECT_EQ(state.nextName + ' ' + state.variableName, "fig0000 fig0000");
    if (folders()) {
        EXPECT_EQ(readFile(file("fig0000.89i/garde")), "garde");
        QDir(file("fig0000.89i")).removeRecursively();
    }
    // The program goes on: both saves work again.
    dialogs.messages.clear();
    window.saveAutomatically();
    dialogs.answerNextFileDialog(file("photo"));
    window.saveAs();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text + dialogs.messages[1].text, "Fichier enregistréFichier enregistré");
    EXPECT_EQ(readFile(file("fig0000.89i")), picfile::encode(state.work.image(), QSize(160, 100), "zfig", "fig0000"));
    EXPECT_EQ(readFile(file("photo.89i")).size(), 2095);
    EXPECT_EQ(state.nextName, "fig0001");
}

TEST_P(SaveFailure, CommandLineLosesNothing)
{
    writeFile(file("photo-ancienne.png"), "ancien png");
    const QString png = file(folders() ? "dossier.png" : "photo-ancienne.png");
    QList<QStringList> runs = {{"exporter", file("dessin.89i"), png}};
    if (!folders()) // "-o" naming a folder writes into it
        runs += {{"convertir", "-o", file("photo.89i"), file("photo.png")},
                 {"convertir", "-o", file("photo.89i"), file("dessin.89i")}};
    {
        const auto guard = GetParam().make(folder);
        const QStringList before = listing(folder);
        for (const QStringList &arguments : runs) {
            SCOPED_TRACE(arguments.join(u' ').toStdString());
            const CommandRun run = runCommandLine(arguments);
            EXPECT_TRUE(run.status == CommandLine::FileFailure && run.out.isEmpty()) << run.status;
            EXPECT_TRUE(failureMessage(run.err, arguments[2], GetParam().reason)); // the target
        }
        EXPECT_EQ(listing(folder), before);
    }
    EXPECT_EQ(readFile(file("photo-ancienne.png")), "ancien png");
    EXPECT_EQ(readFile(file("photo.89i")), old);
    for (QStringList arguments : runs) { // the next runs write as usual
        arguments[2] = file(arguments[0] == "exporter" ? "nouveau.png" : "nouveau.89i");
        EXPECT_EQ(runCommandLine(arguments).status, CommandLine::Success) << arguments.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(, SaveFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Save, FolderVanishesBeforeTheWrite)
{
    // Deletes the folder when the advanced-options warning shows: after the name was chosen, before the write.
    struct : RecordingDialogs
    {
        QString folder;
        void message(const QString &text, Icon icon, const QString &detail) override
        {
            RecordingDialogs::message(text, icon, detail);
            if (text == kWarning)
                QDir(folder).removeRecursively();
        }
    } vanishing;
    vanishing.folder = folder;
    state.advancedOptions = true;
    state.variableName = "velo";
    window.saveAutomatically();
    ASSERT_TRUE(QDir().mkpath(folder));
    vanishing.answerNextFileDialog(file("photo"));
    window.saveAs();
    ASSERT_EQ(vanishing.messages.size(), 4u);
    EXPECT_TRUE(failureMessage(vanishing.messages[1].text, "fig0000.89i", "n'existe pas"));
    EXPECT_TRUE(failureMessage(vanishing.messages[3].text, "photo.89i", "n'existe pas"));
    EXPECT_EQ(state.nextName + ' ' + state.variableName, "fig0000 velo");
}

// The program itself under ulimit -f, SIGXFSZ left as the system sets it: the
// write is reported like a full disk and the old file stays.
TEST(SaveFailures, ProgramUnderAFileSizeLimit)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("ancien.89i"), "ancien 89i");
    ASSERT_TRUE(diagonal(300, 200).save(dir.filePath("photo.png")));
    QProcess program;
    const rlimit limit{1000, 1000};
    program.setChildProcessModifier([&] { std::signal(SIGXFSZ, SIG_DFL), setrlimit(RLIMIT_FSIZE, &limit); });
    program.start(BRIVANE_EXECUTABLE, {"convertir", "-o", dir.filePath("ancien.89i"), dir.filePath("photo.png")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_TRUE(program.exitStatus() == QProcess::NormalExit && program.exitCode() == CommandLine::FileFailure);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains("le fichier dépasse la taille permise"));
    EXPECT_EQ(readFile(dir.filePath("ancien.89i")), "ancien 89i");
}
