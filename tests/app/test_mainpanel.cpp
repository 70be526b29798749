// The main window: start-up, commands by key, dropping, saving as, its look.
#include "mainpaneltest.h"

#include "app/aboutwindow.h"
#include "app/viewer.h"
#include "app/zoomwindow.h"
#include "dotmatrix/signwidget.h"
#include "picfile/picturewriter.h"

// A start-up text with a double quote anywhere loses its first and last characters.
TEST_F(MainPanelTest, StartsFromTheCommandLineOrTheClipboard)
{
    for (const char *name : {"fig0000.89i", "fig0001.89i", "abimee.jpg"})
        writeFile(folder.filePath(QString::fromLatin1(name)), "pas une image");
    const QString path = writePicture(halfBlack(320, 200), QStringLiteral("une image.png"));
    QGuiApplication::clipboard()->setImage(halfBlack(640, 400));
    const std::tuple<QStringList, bool, const char *> cases[] = { // arguments, black, message
        {{path}, true, nullptr}, // blanks and all, without quotes
        {{u'"' + path + u'"'}, true, nullptr},
        {{QStringLiteral("a\"b.png")}, false, "Le fichier \"b.pn est introuvable"},
        {{QStringLiteral("\"")}, true, nullptr}, // nothing left: the clipboard's
        {path.split(u' '), true, nullptr}, // a path in pieces opens whole
        {{QStringLiteral("absent.png"), path, QStringLiteral("b.png")}, true,
         "Une seule image s'ouvre à la fois ; ces fichiers n'ont pas été ouverts : absent.png, "},
        {{folder.filePath(QStringLiteral("abimee.jpg"))}, false, "Impossible de lire l'image "}, // a white source
        {{}, true, nullptr}, // no picture: the clipboard's
    };
    for (const auto &[arguments, black, message] : cases) {
        SCOPED_TRACE(arguments.join(u'|').toStdString());
        dialogs.messages.clear();
        open(arguments);
        const QImage expected = black ? screenPicture(true) : blackAt({160, 100}, {});
        EXPECT_TRUE(sameImage(expected, f->document.preview.image()) && sameImage(expected, f->document.work.image()));
        EXPECT_TRUE(message ? dialogs.messages.size() == 1u && dialogs.messages[0].text.startsWith(QString::fromUtf8(message))
                            : dialogs.messages.empty());
        EXPECT_EQ(f->variableNameBox->text(), QStringLiteral("fig0002"));
    }
    QGuiApplication::clipboard()->clear();
}

// The commands by their keys, with their dialogs and messages. "Sauver sous" names the
// variable after the file (fig0000 when nothing is left) unless "Options avancées" gives
// names (with a warning), which the boxes keep to calculator names; a file that exists
// keeps its name; the message gives the whole path. A cancelled dialog changes nothing,
// each dialog starts in the folder last chosen in it; quitting closes every window.
TEST_F(MainPanelTest, KeysRunTheCommandsThatAskAndTell)
{
    openWith(halfBlack(320, 200));
    QStringList items; // the "Outils" menu: the tools with their keys, then the validation
    for (const QAction *action : menus().toolsMenu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text() + u' ' + action->shortcut().toString());
    EXPECT_EQ(items, QStringList({"Pixel On P", "Pixel off O", "Texte T", "Ligne L", "Ellipse E", "Rectangle R",
                                  "Remplissage F", "Sélection S", "-", "Valider la forme "}));
    const QImage work = f->document.work.image().copy(), preview = f->document.preview.image().copy();
    press(Qt::Key_O); // cancelled
    EXPECT_EQ(dialogs.initialFolders.back(), QDir::toNativeSeparators(QDir::homePath()));
    press(Qt::Key_S); // the automatic save (its folders: tests/convert)
    EXPECT_EQ(dialogs.messages.back().detail, QDir::toNativeSeparators(folder.filePath(QStringLiteral("fig0000.89i"))));

    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath(QStringLiteral("Photo.89i")), "ancienne");
    EXPECT_EQ(f->findChild<QLabel *>(QStringLiteral("variableNameHeader"))->text(), QStringLiteral(" Nom de variable"));
    const std::tuple<const char *, bool, const char *, const char *, const char *, const char *, const char *> cases[] = {
        // chosen, advanced, typed into the name and the folder boxes, file written, its folder and variable
        {"Chat Noir", false, "velo", "sport", "chat noir.89i", "zfig", "chatnoir"},
        {"Photo", false, "", "", "Photo.89i", "zfig", "photo"},
        {"2004", false, "", "", "2004.89i", "zfig", "fig0000"},
        {"chien", true, "Ma Photo", "2Sport_1", "chien.89i", "sport_1", "maphoto"},
        {"Chat", true, "", "", "chat.89i", "zfig", "chat"},
    };
    for (const auto &[chosen, advanced, name, calculatorFolder, file, writtenFolder, variable] : cases) {
        SCOPED_TRACE(chosen);
        f->advancedOptionsBox->setChecked(advanced);
        for (const auto &[box, typed] : {std::pair(f->variableNameBox, name), std::pair(f->calculatorFolderBox, calculatorFolder)})
            box->clear(), QTest::keyClicks(box, QString::fromUtf8(typed));
        dialogs.answerNextFileDialog(u' ' + elsewhere.filePath(QString::fromUtf8(chosen)) + u' ');
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        const QString path = elsewhere.filePath(QString::fromUtf8(file));
        EXPECT_TRUE(dialogs.messages.back().detail == QDir::toNativeSeparators(path)
                    && (dialogs.messages.rbegin()[1].text == "Vous avez choisi d'utiliser des options complémentaires") == advanced);
        EXPECT_EQ(readFile(path), picfile::encode(f->document.fittedPicture(), {160, 100}, writtenFolder, variable));
    }
    EXPECT_FALSE(QFileInfo::exists(elsewhere.filePath(QStringLiteral("photo.89i"))));
    f->advancedOptionsBox->setChecked(false);
    EXPECT_EQ(dialogs.initialFolders.back(), QDir::toNativeSeparators(elsewhere.filePath("source.89i"))); // the last save's, the source's name
    press(Qt::Key_O); // cancelled
    EXPECT_TRUE(dialogs.initialFolders.back() == QDir::toNativeSeparators(QDir::homePath()) && sameImage(work, f->document.work.image())
                && sameImage(preview, f->document.preview.image()));

    dialogs.answerNextFileDialog(writePicture(screenPicture(false), QStringLiteral("autre.png")));
    press(Qt::Key_O); // the preview only
    EXPECT_TRUE(sameImage(screenPicture(false), f->document.preview.image()) && sameImage(screenPicture(true), f->document.work.image()));
    press(Qt::Key_F1, {});
    QPointer<QWidget> about = f->aboutWindow();
    activate();
    press(Qt::Key_F5, {}); // converting closes the about window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sameImage(screenPicture(false), f->document.work.image()) && about.isNull());
    QGuiApplication::clipboard()->setImage(screenPicture(true));
    click(f->commandButtons[MainPanel::PasteCommand]);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.preview.image()));
    QGuiApplication::clipboard()->clear();
    click(f->arrows[MainPanel::Magnifier]);
    press(Qt::Key_F1, {});
    QPointer<QWidget> zoom = f->zoomWindow();
    about = f->aboutWindow();
    ASSERT_TRUE(zoom && about && makeTopmost(about) && makeTopmost(zoom));
    activate();
    press(Qt::Key_Q);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!mainWindow->isVisible() && zoom.isNull() && about.isNull());
}

// Fichier > Ouvrir un fichier récent: what the command line, the dialog and the saves
// opened or wrote, newest first with its number, key and path; a file gone since is
// refused with a message and leaves the list, which "Effacer la liste" empties. A save
// that fails leaves the save dialog where the last good one went.
TEST_F(MainPanelTest, RecentFilesReopenWhatWasOpenedOrSaved)
{
    const QString first = writePicture(screenPicture(true), QStringLiteral("un.png"));
    open({first});
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("images/pris.89i"))); // a folder by the saved name
    const QString second = writePicture(screenPicture(false), QStringLiteral("images/deux & trois.png"));
    for (const QString &answer : {second, folder.filePath(QStringLiteral("trois")), folder.filePath(QStringLiteral("images/pris"))})
        dialogs.answerNextFileDialog(answer);
    for (QAction *command : {menus().open, menus().saveAs, menus().saveAs, menus().saveAs, menus().open})
        command->trigger(); // the last two cancelled
    EXPECT_EQ(QStringList(dialogs.initialFolders.end() - 2, dialogs.initialFolders.end()),
              QStringList({QDir::toNativeSeparators(folder.filePath("deux & trois.89i")), QDir::toNativeSeparators(folder.filePath("images"))}));
    const auto items = [&] {
        menus().recentMenu->popup(QPoint()); // its aboutToShow
        QStringList list;
        for (const QAction *a : menus().recentMenu->actions())
            if (a->isVisible())
                list << (a->isSeparator() ? QStringLiteral("-") : a->text() + u' ' + a->shortcut().toString() + (a->isEnabled() ? "" : " grisé"));
        menus().recentMenu->hide();
        activate();
        return list;
    };
    EXPECT_EQ(items(), QStringList({"&1 trois.89i Ctrl+1", "&2 deux && trois.png Ctrl+2", "&3 un.png Ctrl+3", "-", "&Effacer la liste "}));
    EXPECT_EQ(menus().recentItems[1]->toolTip(), QDir::toNativeSeparators(second));
    press(Qt::Key_3);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.preview.image()));
    ASSERT_TRUE(QFile::remove(second));
    press(Qt::Key_3);
    EXPECT_EQ(dialogs.messages.back().text, "Le fichier " + QDir::toNativeSeparators(second) + " est introuvable : il est retiré de la liste.");
    EXPECT_EQ(items(), QStringList({"&1 un.png Ctrl+1", "&2 trois.89i Ctrl+2", "-", "&Effacer la liste "}));
    EXPECT_EQ(RecentFiles().paths(), QStringList({first, folder.filePath(QStringLiteral("trois.89i"))}));
    menus().clearRecentFiles->trigger();
    EXPECT_EQ(items(), QStringList({"(aucun)  grisé", "-", "&Effacer la liste  grisé"}));
}

// Sent as the platform sends them: enter, then drop; the command runs once the drop is
// over. Pasted, a file opens as dropped.
TEST_F(MainPanelTest, DropsOpenPicturesAndRefuseTheRest)
{
    openWith(grey128());
    writeFile(folder.filePath(QStringLiteral("point.89I")), picfile::encode(blackAt({160, 100}, {{5, 5}}), QSize(160, 100), "zfig", "p"));
    writeFile(folder.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    writeFile(folder.filePath(QStringLiteral("notes.txt")), "quelques mots");
    writePicture(halfBlack(320, 200), QStringLiteral("photo.png"));
    const auto mime = [&](const char *names, const QImage &image = {}) {
        auto *m = new QMimeData;
        QList<QUrl> urls;
        for (const QString &u : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts))
            urls << (u.startsWith(u'h') ? QUrl(u) : QUrl::fromLocalFile(folder.filePath(u)));
        if (!urls.isEmpty())
            m->setUrls(urls);
        if (!image.isNull())
            m->setImageData(image);
        return m;
    };
    enum Effect { Refused, Source, WorkPicture, Message };
    const std::tuple<const char *, QMimeData *, Effect> cases[] = {
        {"photo file", mime("photo.png"), Source},
        {"calculator picture", mime("point.89I"), WorkPicture},
        {"web image", mime("https://exemple.fr/i.png", screenPicture(false)), Source},
        {"unreadable picture", mime("abimee.jpg"), Message},
        {"text file", mime("notes.txt"), Refused},
        {"two files", mime("photo.png point.89I"), Refused},
        {"nothing", mime(""), Refused},
    };
    for (const auto &[what, data, effect] : cases) {
        SCOPED_TRACE(what);
        std::unique_ptr<QMimeData> owner(data);
        dialogs.messages.clear();
        const QImage work = f->document.work.image().copy(), preview = f->document.preview.image().copy();
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &enter), QCoreApplication::sendEvent(f, &drop);
        QCoreApplication::processEvents();
        EXPECT_TRUE(drop.isAccepted() + enter.isAccepted() == (effect == Refused ? 0 : 2) && dialogs.messages.empty() == (effect != Message));
        if (effect == WorkPicture)
            EXPECT_TRUE(blackCount() == 1 && f->history.undo()); // and can be undone
        else // a picture goes to the preview only, as after the dialog
            EXPECT_TRUE(sameImage(effect == Source ? screenPicture(what[0] == 'p') : preview, f->document.preview.image()));
        EXPECT_TRUE(sameImage(work, f->document.work.image()));
    }
    // A picture file copied in a file manager is pasted as it is dropped.
    QGuiApplication::clipboard()->setMimeData(mime("photo.png"));
    click(f->commandButtons[MainPanel::PasteCommand]);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.preview.image()) && f->suggestedFileName() == "photo.89i");
    QGuiApplication::clipboard()->clear();
}

// Every caption's ink lies whole inside its control, in every window.
TEST_F(MainPanelTest, NoCaptionIsCut)
{
    openWith(grey128());
    f->coordinatesLabel->setText(QStringLiteral("159x99")); // the widest readout
    f->commandButtons[MainPanel::SaveAutomaticallyCommand]->setText(QStringLiteral("Sauver le fichier automatiquement ici")); // shrinks
    AboutWindow about;
    Viewer viewer({});
    for (QWidget *panel : std::initializer_list<QWidget *>{f, &about, &viewer})
        for (QWidget *w : panel->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<const QLabel *>(w);
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            const auto *frame = qobject_cast<const QGroupBox *>(w);
            const auto *commandButton = qobject_cast<const CommandButton *>(w); // its caption centred above the face
            const QString text = label ? label->text()
                                 : button ? QString(button->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))
                                 : frame ? frame->title() : QString();
            if (text.trimmed().isEmpty() || !w->isVisibleTo(panel))
                continue;
            SCOPED_TRACE(w->objectName().toStdString() + ": " + text.toStdString());
            const QFontMetrics fm(commandButton ? commandButton->captionFont() : w->font());
            const int margin = label ? label->margin() : 0;
            QRect zone = commandButton ? CommandButton::kCaptionRect : w->contentsRect().adjusted(margin, margin, -margin, -margin);
            if (button && !commandButton)
                zone.setLeft(zone.left() + w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                             + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w));
            const int alignment = label ? int(label->alignment()) : commandButton ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter;
            const QRect line = w->style()->itemTextRect(fm, zone, alignment, true, text);
            const QRect place = fm.tightBoundingRect(text).translated(frame ? QPoint(8, fm.ascent()) : line.topLeft() + QPoint(0, fm.ascent()));
            EXPECT_TRUE(w->rect().contains(place)) << w->width() << "x" << w->height() << " for " << place.width() << "x" << place.height();
        }
    // The option boxes take the bare window's background; the banner shows its whole display.
    const QImage window = f->grab().toImage();
    for (QWidget *w : std::initializer_list<QWidget *>{f->advancedOptionsBox, f->keepProportionsBox, f->invertBox, f->ditheringBox,
                                                       f->simpleMethodButton, f->greyMethodButton})
        EXPECT_EQ(window.pixel(w->geometry().topRight()), window.pixel(2, 420)) << w->objectName().toStdString();
    EXPECT_EQ(f->banner->grab().toImage().convertToFormat(QImage::Format_RGB32), f->banner->matrix().display().image());
}
