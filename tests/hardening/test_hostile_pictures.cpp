// Pictures made to hurt a decoder (huge declared sizes in tiny files, cut-short
// data, lying headers), kept in tests/data/hostile: refused in French or opened in
// part, at a bounded cost, and nothing already open is lost.
#include "app/mainpanel.h"
#include "platform/pictureloader.h"
#include "cli/commandrunner.h"
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
const QStringList kRefused = {"bomb.png", "bomb.gif", "huge-screen.gif", "grey-8000.png", "mono-60000.bmp", "mono-10000.bmp",
    "icon-huge-bitmap.ico", "icon-wrong-offset.ico", "icon-negative-width.ico", "jpeg-header-only.jpg"};

class HostilePictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.automaticFolder().setProgramFolder(dir.path());
        state.importPicture(diagonal(200, 120));
        state.keepProportions = true;
        state.convert();
    }
    // What a refusal must leave: the source, the work picture, the preview and the fit.
    auto kept() const
    {
        return std::tuple(state.source.image().copy(), state.work.image().copy(),
                          state.preview.image().copy(), state.fit());
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    MainPanel window;
    Document &state = window.document;
};

// The program converting the file in a process of its own, in far more than the 2 s a
// picture may take (a runaway decoder fails, a slow machine not): status, errors.
std::pair<int, QString> convertAlone(const QString &file, const QString &target)
{
    QProcess program;
    program.start(BRIVANE_EXECUTABLE, {"convertir", "--proportions", "-o", target, file});
    EXPECT_TRUE(program.waitForFinished(30000)) << file.toStdString();
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

TEST_F(HostilePictures, RefusedInFrenchAndEverythingStays)
{
    const auto before = kept();
    for (const QString &name : kRefused) {
        SCOPED_TRACE(name.toStdString());
        dialogs.messages.clear();
        window.openFile(kData + name);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const QString text = dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(text.contains(name) && text.contains(QRegularExpression("^(Impossible de lire l'image|L'image)"))
                    && !text.contains(QRegularExpression("Unable|Unsupported"))) << text.toStdString();
        EXPECT_TRUE(kept() == before);
        state.convert(); // converting again starts from the same source
        EXPECT_TRUE(kept() == before);
    }
    // Declared sizes beyond 100 megapixels are refused by their header, saying how large.
    for (const auto &[name, size] : std::initializer_list<std::pair<QString, QString>>{
             {"bomb.png", "50000 x 50000"}, {"huge-screen.gif", "65535 x 65535"}, {"png-10001x10000.png", "10001 x 10000"}}) {
        const LoadedPicture loaded = loadPicture(kData + name);
        EXPECT_TRUE(loaded.image.isNull() && loaded.error.contains("trop grande (" + size)) << loaded.error.toStdString();
    }
    // At the bound the header passes; this one then fails for want of pixel data.
    const LoadedPicture atBound = loadPicture(kData + "png-10000x10000.png");
    EXPECT_TRUE(atBound.image.isNull() && !atBound.error.contains("10000 x 10000")) << atBound.error.toStdString();
}

// A pasted or dropped picture beyond the limit is refused in French before its
// RGB32 copy is made; at the limit it comes in.
TEST_F(HostilePictures, PasteLimit)
{
    const auto before = kept();
    QImage huge(10001, 10000, QImage::Format_Mono); // 12.5 MB here, 400 MB in RGB32
    huge.fill(0);
    window.importPicture(huge);
    QGuiApplication::clipboard()->setImage(huge);
    window.pasteClipboard();
    QGuiApplication::clipboard()->clear();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto &m : dialogs.messages)
        EXPECT_TRUE(m.text.contains("10001 x 10000") && m.text.contains("trop grande")) << m.text.toStdString();
    EXPECT_TRUE(kept() == before);
    state.importPicture(QImage(5000, 5000, QImage::Format_Mono));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(state.source.size(), QSize(5000, 5000));
}

// A JPEG cut short opens with what could be decoded, and the person is told so;
// the command line converts it with the remark and a success status.
TEST_F(HostilePictures, TruncatedJpeg)
{
    window.openFile(kData + "whole.jpg");
    const QImage whole = state.source.image().copy(0, 0, 400, 40);
    window.openFile(kData + "truncated.jpg");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("truncated.jpg") && dialogs.messages[0].text.contains("abîmée ou incomplète"));
    ASSERT_EQ(state.source.size(), QSize(400, 300));
    EXPECT_TRUE(sameImage(whole, state.source.image().copy(0, 0, 400, 40)));
    const CommandRun run = runCommandLine({"convertir", "-o", dir.filePath("coupee.89i"), kData + "truncated.jpg"});
    EXPECT_TRUE(run.status == CommandLine::Success && run.err.contains("abîmée ou incomplète")) << run.err.toStdString();
    EXPECT_EQ(readFile(dir.filePath("coupee.89i")).size(), 2095);
}

// In a process of its own each picture costs less than 300 MB and ends in time;
// a pipe under a picture's name is refused without blocking, as a folder is.
TEST(HostilePictureCost, BoundedMemoryTimeAndNoBlocking)
{
    QTemporaryDir dir;
    QStringList opens = {kData + "truncated.jpg", kData + "largest-allowed.png"};
    for (const QString packed : {"longest-row.bmp", "widest-column.bmp"}) {
        writeFile(dir.filePath(packed), qUncompress(readFile(kData + packed + ".qz")));
        opens << dir.filePath(packed);
    }
    for (const QString &file : opens + QStringList(kRefused).replaceInStrings(QRegularExpression("^"), kData))
        EXPECT_EQ(convertAlone(file, dir.filePath("sortie.89i")).first == 0, opens.contains(file)) << file.toStdString();
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children); // the largest child so far
    EXPECT_LT(children.ru_maxrss / 1024, 300);
    for (const QString name : {"tube.89i", "tube.png"}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        EXPECT_TRUE(convertAlone(dir.filePath(name), dir.filePath("sortie.89i")).second.contains("n'est pas un fichier ordinaire"));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("dossier.89i"));
    EXPECT_TRUE(convertAlone(dir.filePath("dossier.89i"), dir.filePath("sortie.89i")).second.contains("c'est un dossier"));
}
