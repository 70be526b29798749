// The main window: start-up, commands by key, dropping.
#include "mainpaneltest.h"

#include "app/zoomwindow.h"
#include "app/aboutwindow.h"
#include "picfile/picturewriter.h"

TEST_F(MainPanelTest, StartsFromTheCommandLineOrTheClipboard)
{
    writeFile(folder.filePath(QStringLiteral("fig0000.89i")), "x");
    writeFile(folder.filePath(QStringLiteral("fig0001.89i")), "x");
    writeFile(folder.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    const QString path = writePicture(halfBlack(320, 200), QStringLiteral("une image.png"));
    QGuiApplication::clipboard()->setImage(halfBlack(640, 400));
    const std::tuple<QStringList, bool, bool, const char *> cases[] = { // arguments, as one line, black, message
        {{path}, true, true, nullptr}, // blanks and all, without quotes
        {path.split(u' '), false, true, nullptr}, // a path in pieces opens whole
        {{QStringLiteral("absent.png"), path, QStringLiteral("b.png")}, false, true,
         "Une seule image s'ouvre à la fois ; ces fichiers n'ont pas été ouverts : absent.png, "},
        {{folder.filePath(QStringLiteral("abimee.jpg"))}, true, false, ""}, // a message, a white source
        {{}, true, true, nullptr}, // no picture: the clipboard's
    };
    for (const auto &[arguments, line, black, message] : cases) {
        SCOPED_TRACE(arguments.join(u'|').toStdString());
        dialogs.messages.clear();
        line ? open(arguments.join(u' ')) : open(arguments);
        const QImage expected = black ? screenPicture(true) : blackAt({160, 100}, {});
        EXPECT_TRUE(sameImage(expected, f->document.preview.image()) && sameImage(expected, f->document.work.image()));
        EXPECT_EQ(dialogs.messages.size(), message ? 1u : 0u);
        EXPECT_TRUE(!message || dialogs.messages.at(0).text.startsWith(QString::fromUtf8(message)));
        EXPECT_EQ(f->variableNameBox->text(), QStringLiteral("fig0002"));
    }
    QGuiApplication::clipboard()->clear();
}

// The commands by their keys (the other tests click their buttons); quitting closes every window.
TEST_F(MainPanelTest, KeysRunTheCommands)
{
    openWith(halfBlack(320, 200));
    press(Qt::Key_S);
    EXPECT_TRUE(QFileInfo::exists(QDir(f->document.automaticFolder().folder()).filePath(QStringLiteral("fig0000.89i"))));
    EXPECT_EQ(dialogs.messages.at(0).text, QStringLiteral("Fichier enregistré"));
    dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("copie")));
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("copie.89i"))));
    dialogs.answerNextFileDialog(writePicture(screenPicture(false), QStringLiteral("autre.png")));
    press(Qt::Key_O); // the preview only
    EXPECT_TRUE(sameImage(screenPicture(false), f->document.preview.image()) && sameImage(screenPicture(true), f->document.work.image()));
    press(Qt::Key_F1, {});
    QPointer<QWidget> apropos = f->aboutWindow();
    activate();
    press(Qt::Key_F5, {}); // converting closes the about window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sameImage(screenPicture(false), f->document.work.image()) && apropos.isNull());
    QGuiApplication::clipboard()->setImage(screenPicture(true));
    click(f->commandButtons[MainPanel::PasteCommand]);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.preview.image()));
    QGuiApplication::clipboard()->clear();
    click(f->arrows[MainPanel::Magnifier]);
    press(Qt::Key_F1, {});
    QPointer<QWidget> zoom = f->zoomWindow();
    apropos = f->aboutWindow();
    ASSERT_TRUE(zoom && apropos && makeTopmost(apropos) && makeTopmost(zoom));
    activate();
    press(Qt::Key_Q);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!mainWindow->isVisible() && zoom.isNull() && apropos.isNull());
}

// Sent as the platform sends them: enter, then drop; the command runs once the drop is over.
TEST_F(MainPanelTest, DropsOpenPicturesAndRefuseTheRest)
{
    openWith(grey128());
    Surface line(160, 100);
    line.line(QPointF(0, 50), QPointF(160, 50), kBlack);
    writeFile(folder.filePath(QStringLiteral("ligne.89I")), picfile::encode(line.image(), QSize(160, 100), QStringLiteral("zfig"), QStringLiteral("l")));
    writeFile(folder.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    writeFile(folder.filePath(QStringLiteral("notes.txt")), "quelques mots");
    writePicture(halfBlack(320, 200), QStringLiteral("photo.png"));
    writePicture(grey128(), QStringLiteral("autre.png"));
    const auto mime = [&](QStringList urls, const QImage &image = {}) {
        auto *m = new QMimeData;
        QList<QUrl> list;
        for (const QString &u : urls)
            list << (u.startsWith(u'h') ? QUrl(u) : QUrl::fromLocalFile(folder.filePath(u)));
        if (!list.isEmpty())
            m->setUrls(list);
        if (!image.isNull())
            m->setImageData(image);
        return m;
    };
    enum Effect { Refused, Source, WorkPicture, Message };
    const std::tuple<const char *, QMimeData *, Effect> cases[] = {
        {"photo file", mime({QStringLiteral("photo.png")}), Source},
        {"calculator picture", mime({QStringLiteral("ligne.89I")}), WorkPicture},
        {"web image", mime({QStringLiteral("https://exemple.fr/i.png")}, screenPicture(false)), Source},
        {"unreadable picture", mime({QStringLiteral("abimee.jpg")}), Message},
        {"text file", mime({QStringLiteral("notes.txt")}), Refused},
        {"two files", mime({QStringLiteral("photo.png"), QStringLiteral("autre.png")}), Refused},
        {"nothing", mime({}), Refused},
    };
    for (const auto &[what, data, effect] : cases) {
        SCOPED_TRACE(what);
        std::unique_ptr<QMimeData> detruire(data);
        dialogs.messages.clear();
        const QImage work = f->document.work.image().copy(), preview = f->document.preview.image().copy();
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &enter);
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &depot);
        QCoreApplication::processEvents();
        EXPECT_EQ(depot.isAccepted() + enter.isAccepted(), effect == Refused ? 0 : 2);
        EXPECT_EQ(dialogs.messages.size(), effect == Message ? 1u : 0u);
        if (effect == WorkPicture) {
            EXPECT_EQ(blackCount(), 160);
            EXPECT_TRUE(f->history.undo()); // and can be undone
        } else { // a picture goes to the preview only, as after the dialog
            EXPECT_TRUE(sameImage(effect == Source ? screenPicture(what[0] == 'p') : preview, f->document.preview.image()));
        }
        EXPECT_TRUE(sameImage(work, f->document.work.image()));
    }
}

// The file commands' dialogs and messages: a cancelled dialog changes nothing, both
// dialogs start in the folder last chosen in either, the advanced names are warned
// about before the save, an empty clipboard is said.
TEST_F(MainPanelTest, FileCommandsAskAndTell)
{
    openWith(halfBlack(320, 200));
    const QImage work = f->document.work.image().copy(), preview = f->document.preview.image().copy();
    dialogs.cancelNextFileDialog();
    f->openWithDialog();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(QDir::homePath()));
    QTemporaryDir elsewhere;
    dialogs.answerNextFileDialog(u' ' + elsewhere.filePath(QStringLiteral("Copie")) + u' ');
    f->saveAs();
    EXPECT_TRUE(QFileInfo::exists(elsewhere.filePath(QStringLiteral("copie.89i"))));
    dialogs.cancelNextFileDialog();
    f->openWithDialog();
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(elsewhere.path()));
    EXPECT_TRUE(sameImage(work, f->document.work.image()) && sameImage(preview, f->document.preview.image()));
    f->document.advancedOptions = true;
    f->saveAutomatically();
    QGuiApplication::clipboard()->clear();
    f->pasteClipboard();
    QStringList texts;
    for (const auto &m : dialogs.messages)
        texts << m.text;
    EXPECT_EQ(texts, (QStringList{"Fichier enregistré", "Vous avez choisi d'utiliser des options complémentaires",
                                   "Fichier enregistré", "Le presse-papier ne contient aucune image."}));
    EXPECT_TRUE(sameImage(preview, f->document.preview.image()));
}
