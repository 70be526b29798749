// Unsaved work: the question on closing, the title's star, the name "Sauver sous" suggests.
#include "mainpaneltest.h"

#include "picfile/picturewriter.h"

#include <functional>

namespace {

using Answer = Dialogs::Answer;

class UnsavedTest : public MainPanelTest
{
protected:
    // A pixel of the white half turned black with Pixel On, another each time.
    void retouch()
    {
        press(Qt::Key_P, {});
        QTest::mouseClick(f->canvas, Qt::LeftButton, {}, f->canvas->pictureOrigin() + QPoint(150 - retouches++, 90));
    }
    int retouches = 0;
    bool starred() const { return mainWindow->windowHandle()->title().endsWith(u'*') && mainWindow->isWindowModified(); }
};

} // namespace

// Untouched, the window closes at once. Retouched, it asks: Annuler keeps it and saves
// nothing, Ne pas enregistrer closes, Enregistrer saves (to the .89i the picture came
// from, else through "Sauver sous") and closes only once the file is written.
TEST_F(UnsavedTest, ClosingAsksToSaveRetouches)
{
    const QString photo = writePicture(halfBlack(320, 200), QStringLiteral("Chat.JPG"));
    const QString point = folder.filePath(QStringLiteral("Point.89i"));
    QTemporaryDir elsewhere;
    const std::tuple<const char *, bool, std::optional<Answer>, std::optional<QString>, bool, const char *> cases[] = {
        // what, from the .89i, answer (none: untouched), chosen in "Sauver sous", closes, file written
        {"untouched", false, {}, {}, true, nullptr},
        {"cancelled", false, Answer::Cancel, {}, false, nullptr},
        {"discarded", false, Answer::Discard, {}, true, nullptr},
        {"saved as", false, Answer::Save, elsewhere.filePath(QStringLiteral("Mon Chat")), true, "mon chat.89i"},
        {"save dialog cancelled", false, Answer::Save, {}, false, nullptr},
        {"save failed", false, Answer::Save, elsewhere.filePath(QStringLiteral("absent/chat")), false, nullptr},
        {"back to its file", true, Answer::Save, {}, true, "Point.89i"},
    };
    for (const auto &[what, fromFile, answer, chosen, closes, written] : cases) {
        SCOPED_TRACE(what);
        const bool retouched = answer.has_value();
        writeFile(point, picfile::encode(blackAt({160, 100}, {{5, 5}}), QSize(160, 100), "zfig", "point"));
        const QByteArray before = readFile(point);
        open({fromFile ? point : photo});
        dialogs.questions.clear(), dialogs.initialFolders.clear(), dialogs.messages.clear(), dialogs.answers.clear();
        if (retouched)
            retouch(), dialogs.questionAnswers.push_back(*answer);
        dialogs.answers.push_back(chosen);
        EXPECT_TRUE(mainWindow->close() == closes && mainWindow->isVisible() == !closes);
        EXPECT_EQ(dialogs.questions, retouched ? QStringList(fromFile ? "Enregistrer les modifications de « Point.89i » ?"
                                                                      : "Enregistrer les modifications de « chat.89i » ?")
                                               : QStringList());
        // The save dialog opens on the suggested name; the picture's own file needs none.
        EXPECT_TRUE(dialogs.initialFolders.size() == size_t(answer == Answer::Save && !fromFile)
                    && (dialogs.initialFolders.empty() || dialogs.initialFolders.back().endsWith(QStringLiteral("chat.89i"))));
        EXPECT_EQ(dialogs.messages.size(), size_t(written || QString(what) == "save failed"));
        const QString path = (fromFile ? folder : elsewhere).filePath(QString::fromUtf8(written ? written : ""));
        EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files) == (written && !fromFile ? QStringList(written) : QStringList())
                    && (readFile(point) == before) == !(written && fromFile));
        EXPECT_TRUE(!written || readFile(path) == picfile::encode(f->document.fittedPicture(), {160, 100}, "zfig", fromFile ? "point" : "monchat"));
        QFile::remove(elsewhere.filePath(QStringLiteral("mon chat.89i")));
    }
}

// The star comes with a retouch and goes with a save (either), a conversion, or an undo
// back to such a state; a new source keeps it and asks nothing.
TEST_F(UnsavedTest, TheTitleStarFollowsRetouchesSavesAndConversions)
{
    open({writePicture(halfBlack(320, 200), QStringLiteral("Chat.JPG"))});
    QTemporaryDir elsewhere;
    const std::pair<const char *, std::function<void()>> steps[] = {
        {"", [] {}},
        {"*retouch", [&] { retouch(); }},
        {"undo", [] { press(Qt::Key_Z); }},
        {"*redo", [] { press(Qt::Key_Y); }},
        {"convert", [] { press(Qt::Key_F5, {}); }},
        {"*retouch again", [&] { retouch(); }},
        {"automatic save", [] { press(Qt::Key_S); }},
        {"undo to the conversion", [] { press(Qt::Key_Z); }},
        {"redo to the save", [] { press(Qt::Key_Y); }},
        {"*retouch after the save", [&] { retouch(); }},
        {"*open a picture", [&] { dialogs.answerNextFileDialog(writePicture(screenPicture(false), "autre.png")), press(Qt::Key_O); }},
        {"*paste", [] { QGuiApplication::clipboard()->setImage(screenPicture(true)), press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"save as", [&] { dialogs.answerNextFileDialog(elsewhere.filePath("velo")), press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); }},
    };
    for (const auto &[what, step] : steps) {
        SCOPED_TRACE(what);
        step();
        EXPECT_EQ(starred(), what[0] == '*');
    }
    EXPECT_TRUE(dialogs.questions.empty());
    // A pasted picture suggests no name: the dialog opens on the folder alone.
    EXPECT_FALSE(dialogs.initialFolders.back().endsWith(QStringLiteral(".89i")));
    QGuiApplication::clipboard()->clear();
    retouch();
    EXPECT_FALSE(mainWindow->close()); // the empty queue answers Annuler
    // Converted again, the picture is no longer that file's; a pasted source gives it no name.
    press(Qt::Key_F5, {});
    retouch();
    EXPECT_FALSE(mainWindow->close());
    EXPECT_EQ(dialogs.questions, QStringList({"Enregistrer les modifications de « velo.89i » ?",
                                              "Enregistrer les modifications de « Sans titre » ?"}));
}
