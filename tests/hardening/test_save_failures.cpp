// Saves that fail, from the window's commands and from the command line: reported
// in French, naming the file, and nothing that was on disk is lost.
#include "convert/conversionstate.h"
#include "picfile/lib89i.h"
#include "support/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

const QString kConfirmation = QStringLiteral("Fichier enregistré");
const QString kWarning = QStringLiteral("Vous avez choisi d'utiliser des options complémentaires");

// What makes writing in a folder fail while the returned guard lives.
struct Failure
{
    const char *name;
    QString reason;
    std::function<std::shared_ptr<void>(const QString &folder)> make;
};

std::shared_ptr<void> readOnly(const QString &folder)
{
    auto guard = std::make_shared<ReadOnlyFolder>(folder);
    EXPECT_TRUE(guard->applies());
    return guard;
}

std::shared_ptr<void> fullDisk(const QString &)
{
    auto guard = std::make_shared<FileSizeLimit>(50);
    EXPECT_TRUE(guard->active());
    return guard;
}

// Folders under the names the saves are given, each holding a file.
std::shared_ptr<void> foldersInTheWay(const QString &folder)
{
    for (const char *name : {"fig0000.89i", "dossier.89i", "dossier.png"}) {
        QDir(folder).mkdir(QString::fromLatin1(name));
        writeFile(folder + u'/' + QString::fromLatin1(name) + QStringLiteral("/garde"), "garde");
    }
    return nullptr;
}

const Failure kFailures[] = {
    {"ReadOnlyFolder", QStringLiteral("accès refusé"), readOnly},
    {"FullDisk", QStringLiteral("le fichier dépasse la taille permise"), fullDisk},
    {"TargetIsAFolder", QStringLiteral("un dossier porte ce nom"), foldersInTheWay},
};

std::string failureName(const ::testing::TestParamInfo<Failure> &info)
{
    return info.param.name;
}

// A message of failure: French, naming the file, with the reason expected.
::testing::AssertionResult failureMessage(const QString &text, const QString &file, const QString &reason)
{
    if (!text.startsWith(QStringLiteral("Impossible d'enregistrer le fichier")) || !text.contains(file)
        || !text.contains(reason))
        return ::testing::AssertionFailure() << text.toStdString();
    for (const char *english : {"denied", "No such", "space", "too large", "Is a directory"})
        if (text.contains(QString::fromLatin1(english)))
            return ::testing::AssertionFailure() << "English shows through: " << text.toStdString();
    return ::testing::AssertionSuccess();
}

class SaveFailure : public ::testing::TestWithParam<Failure>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath(QStringLiteral("programme"));
        ASSERT_TRUE(QDir().mkpath(folder));
        state.setCheminAppli(folder);
        state.importerImage(diagonal(160, 100));
        state.convertir();
        state.nomSuivant = state.nomVariable = QStringLiteral("fig0000");
        writeFile(file(QStringLiteral("photo.89i")), old); // no failure may touch it
        writeFile(file(QStringLiteral("dessin.89i")),
                  lib89i::encode89i(state.travail, 100, 160, QStringLiteral("zfig"), QStringLiteral("dessin")));
        ASSERT_TRUE(diagonal(300, 200).save(file(QStringLiteral("photo.png"))));
    }

    QString file(const QString &name) const { return folder + u'/' + name; }

    const QByteArray old = QByteArray(5000, 'z');
    QTemporaryDir dir;
    QString folder;
    RecordingDialogs dialogs;
    ConversionState state;
};

} // namespace

TEST_P(SaveFailure, WindowCommandsLoseNothing)
{
    const bool folders = QByteArray(GetParam().name) == "TargetIsAFolder";
    const QString saveAs = folders ? QStringLiteral("dossier.89i") : QStringLiteral("photo.89i");
    QStringList before;
    {
        const auto guard = GetParam().make(folder);
        before = listing(folder);
        state.sauverAutomatiquement();
        dialogs.answerNextFileDialog(file(saveAs.chopped(4)));
        state.sauverSous();
        state.optionsAvancees = true; // with the advanced options, after the warning
        state.sauverAutomatiquement();
        state.optionsAvancees = false;
    }
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_TRUE(failureMessage(dialogs.messages[0].text, QStringLiteral("fig0000.89i"), GetParam().reason));
    EXPECT_TRUE(failureMessage(dialogs.messages[1].text, saveAs, GetParam().reason));
    EXPECT_EQ(dialogs.messages[2].text, kWarning);
    EXPECT_TRUE(failureMessage(dialogs.messages[3].text, QStringLiteral("fig0000.89i"), GetParam().reason));
    EXPECT_EQ(dialogs.messages[3].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(listing(folder), before);
    EXPECT_EQ(readFile(file(QStringLiteral("photo.89i"))), old);
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0000"));
    EXPECT_EQ(state.nomVariable, QStringLiteral("fig0000"));
    if (folders) {
        EXPECT_EQ(readFile(file(QStringLiteral("fig0000.89i/garde"))), "garde");
        QDir(file(QStringLiteral("fig0000.89i"))).removeRecursively();
    }
    // The program goes on: both saves work again.
    dialogs.messages.clear();
    state.sauverAutomatiquement();
    dialogs.answerNextFileDialog(file(QStringLiteral("photo")));
    state.sauverSous();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, kConfirmation);
    EXPECT_EQ(dialogs.messages[1].text, kConfirmation);
    EXPECT_EQ(readFile(file(QStringLiteral("fig0000.89i"))),
              lib89i::encode89i(state.travail, 100, 160, QStringLiteral("zfig"), QStringLiteral("fig0000")));
    EXPECT_EQ(readFile(file(QStringLiteral("photo.89i"))).size(), 2095);
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0001"));
}

TEST_P(SaveFailure, CommandLineLosesNothing)
{
    const bool folders = QByteArray(GetParam().name) == "TargetIsAFolder";
    const QString png = file(folders ? QStringLiteral("dossier.png") : QStringLiteral("photo-ancienne.png"));
    const QString calc = file(folders ? QStringLiteral("dossier.89i") : QStringLiteral("photo.89i"));
    writeFile(file(QStringLiteral("photo-ancienne.png")), "ancien png");
    const QStringList runs[] = {
        {QStringLiteral("exporter"), file(QStringLiteral("dessin.89i")), png},
        {QStringLiteral("convertir"), QStringLiteral("-o"), calc, file(QStringLiteral("photo.png"))},
        {QStringLiteral("convertir"), QStringLiteral("-o"), calc, file(QStringLiteral("dessin.89i"))},
    };
    {
        const auto guard = GetParam().make(folder);
        const QStringList before = listing(folder);
        for (const QStringList &arguments : runs) {
            if (folders && arguments[0] != "exporter")
                continue; // "-o" naming a folder writes into it
            SCOPED_TRACE(arguments.join(u' ').toStdString());
            const CommandRun run = runCommandLine(arguments);
            EXPECT_EQ(run.status, CommandLine::FileFailure);
            EXPECT_TRUE(failureMessage(run.err, arguments[2], GetParam().reason)); // the target
            EXPECT_TRUE(run.out.isEmpty());
        }
        EXPECT_EQ(listing(folder), before);
    }
    EXPECT_EQ(readFile(file(QStringLiteral("photo-ancienne.png"))), "ancien png");
    EXPECT_EQ(readFile(file(QStringLiteral("photo.89i"))), old);
    // The next runs write as usual.
    for (const QStringList &arguments : runs) {
        QStringList again = arguments;
        again[2] = file(arguments[0] == "exporter" ? QStringLiteral("nouveau.png") : QStringLiteral("nouveau.89i"));
        EXPECT_EQ(runCommandLine(again).status, CommandLine::Success) << again.join(u' ').toStdString();
    }
    EXPECT_EQ(QImage(file(QStringLiteral("nouveau.png"))).size(), QSize(160, 100));
    EXPECT_EQ(readFile(file(QStringLiteral("nouveau.89i"))).size(), 2095);
}

INSTANTIATE_TEST_SUITE_P(, SaveFailure, ::testing::ValuesIn(kFailures), failureName);

namespace {

// Deletes the folder when the advanced-options warning shows: after the name was
// chosen, before the write.
class VanishingDialogs : public RecordingDialogs
{
public:
    explicit VanishingDialogs(QString folder)
        : m_folder(std::move(folder))
    {
    }
    void message(const QString &text, Icon icon) override
    {
        RecordingDialogs::message(text, icon);
        if (text == kWarning)
            QDir(m_folder).removeRecursively();
    }

private:
    QString m_folder;
};

} // namespace

TEST(SaveFailures, FolderVanishesBeforeTheWrite)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("programme"));
    ASSERT_TRUE(QDir().mkpath(folder));
    VanishingDialogs vanishing(folder);
    ConversionState state;
    state.setCheminAppli(folder);
    state.importerImage(diagonal(160, 100));
    state.convertir();
    state.optionsAvancees = true;
    state.nomVariable = QStringLiteral("velo");
    state.sauverAutomatiquement();
    ASSERT_TRUE(QDir().mkpath(folder));
    vanishing.answerNextFileDialog(folder + QStringLiteral("/photo"));
    state.sauverSous();
    ASSERT_EQ(vanishing.messages.size(), 4u);
    EXPECT_TRUE(failureMessage(vanishing.messages[1].text, QStringLiteral("fig0000.89i"), QStringLiteral("n'existe pas")));
    EXPECT_TRUE(failureMessage(vanishing.messages[3].text, QStringLiteral("photo.89i"), QStringLiteral("n'existe pas")));
    EXPECT_EQ(state.nomSuivant, QStringLiteral("fig0000"));
    EXPECT_EQ(state.nomVariable, QStringLiteral("velo"));
}

// The program itself under ulimit -f, SIGXFSZ left as the system sets it: the
// write is reported like a full disk and the old file stays.
TEST(SaveFailures, ProgramUnderAFileSizeLimit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ancien.89i"));
    writeFile(target, "ancien 89i");
    const QString source = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(diagonal(300, 200).save(source));
    QProcess program;
    program.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start(QStringLiteral(BRIVANE_EXECUTABLE), {QStringLiteral("convertir"), QStringLiteral("-o"), target, source});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), CommandLine::FileFailure);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(QStringLiteral("le fichier dépasse la taille permise")));
    EXPECT_EQ(readFile(target), "ancien 89i");
}
