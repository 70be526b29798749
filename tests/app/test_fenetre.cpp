// The main window: start-up, commands by key, dropping.
#include "fenetre.h"

#include "app/fenetrezoom.h"
#include "app/fenetreapropos.h"
#include "picfile/picturewriter.h"

TEST_F(Fenetre, StartsFromTheCommandLineOrTheClipboard)
{
    writeFile(dossier.filePath(QStringLiteral("fig0000.89i")), "x");
    writeFile(dossier.filePath(QStringLiteral("fig0001.89i")), "x");
    writeFile(dossier.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    const QString chemin = ecrireImage(moitieNoire(320, 200), QStringLiteral("une image.png"));
    QGuiApplication::clipboard()->setImage(moitieNoire(640, 400));
    const std::tuple<QStringList, bool, bool, const char *> cas[] = { // arguments, as one line, black, message
        {{chemin}, true, true, nullptr}, // blanks and all, without quotes
        {chemin.split(u' '), false, true, nullptr}, // a path in pieces opens whole
        {{QStringLiteral("absent.png"), chemin, QStringLiteral("b.png")}, false, true,
         "Une seule image s'ouvre à la fois ; ces fichiers n'ont pas été ouverts : absent.png, "},
        {{dossier.filePath(QStringLiteral("abimee.jpg"))}, true, false, ""}, // a message, a white source
        {{}, true, true, nullptr}, // no picture: the clipboard's
    };
    for (const auto &[arguments, ligne, noire, message] : cas) {
        SCOPED_TRACE(arguments.join(u'|').toStdString());
        dialogs.messages.clear();
        ligne ? ouvrir(arguments.join(u' ')) : ouvrir(arguments);
        const QImage attendue = noire ? ecran(true) : blackAt({160, 100}, {});
        EXPECT_TRUE(sameImage(attendue, f->document.preview.image()) && sameImage(attendue, f->document.work.image()));
        EXPECT_EQ(dialogs.messages.size(), message ? 1u : 0u);
        EXPECT_TRUE(!message || dialogs.messages.at(0).text.startsWith(QString::fromUtf8(message)));
        EXPECT_EQ(f->boiteNomVariable->text(), QStringLiteral("fig0002"));
    }
    QGuiApplication::clipboard()->clear();
}

// The commands by their keys (the other tests click their buttons); quitting closes every window.
TEST_F(Fenetre, KeysRunTheCommands)
{
    ouvrirAvec(moitieNoire(320, 200));
    touche(Qt::Key_S);
    EXPECT_TRUE(QFileInfo::exists(QDir(f->document.automaticFolder().folder()).filePath(QStringLiteral("fig0000.89i"))));
    EXPECT_EQ(dialogs.messages.at(0).text, QStringLiteral("Fichier enregistré"));
    dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("copie")));
    touche(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("copie.89i"))));
    dialogs.answerNextFileDialog(ecrireImage(ecran(false), QStringLiteral("autre.png")));
    touche(Qt::Key_O); // the preview only
    EXPECT_TRUE(sameImage(ecran(false), f->document.preview.image()) && sameImage(ecran(true), f->document.work.image()));
    touche(Qt::Key_F1, {});
    QPointer<QWidget> apropos = f->fenetreAPropos();
    activer();
    touche(Qt::Key_F5, {}); // converting closes the about window
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sameImage(ecran(false), f->document.work.image()) && apropos.isNull());
    QGuiApplication::clipboard()->setImage(ecran(true));
    cliquer(f->boutons[FenetrePrincipale::BoutonImporter]);
    EXPECT_TRUE(sameImage(ecran(true), f->document.preview.image()));
    QGuiApplication::clipboard()->clear();
    cliquer(f->icones[FenetrePrincipale::Loupe]);
    touche(Qt::Key_F1, {});
    QPointer<QWidget> zoom = f->fenetreZoom();
    apropos = f->fenetreAPropos();
    ASSERT_TRUE(zoom && apropos && auDessus(apropos) && auDessus(zoom));
    activer();
    touche(Qt::Key_Q);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!cadre->isVisible() && zoom.isNull() && apropos.isNull());
}

// Sent as the platform sends them: enter, then drop; the command runs once the drop is over.
TEST_F(Fenetre, DropsOpenPicturesAndRefuseTheRest)
{
    ouvrirAvec(gris128());
    Surface ligne(160, 100);
    ligne.line(QPointF(0, 50), QPointF(160, 50), kBlack);
    writeFile(dossier.filePath(QStringLiteral("ligne.89I")), picfile::encode(ligne.image(), QSize(160, 100), QStringLiteral("zfig"), QStringLiteral("l")));
    writeFile(dossier.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    writeFile(dossier.filePath(QStringLiteral("notes.txt")), "quelques mots");
    ecrireImage(moitieNoire(320, 200), QStringLiteral("photo.png"));
    ecrireImage(gris128(), QStringLiteral("autre.png"));
    const auto mime = [&](QStringList urls, const QImage &image = {}) {
        auto *m = new QMimeData;
        QList<QUrl> liste;
        for (const QString &u : urls)
            liste << (u.startsWith(u'h') ? QUrl(u) : QUrl::fromLocalFile(dossier.filePath(u)));
        if (!liste.isEmpty())
            m->setUrls(liste);
        if (!image.isNull())
            m->setImageData(image);
        return m;
    };
    enum Effet { Refus, Source, Travail, Message };
    const std::tuple<const char *, QMimeData *, Effet> cas[] = {
        {"photo file", mime({QStringLiteral("photo.png")}), Source},
        {"calculator picture", mime({QStringLiteral("ligne.89I")}), Travail},
        {"web image", mime({QStringLiteral("https://exemple.fr/i.png")}, ecran(false)), Source},
        {"unreadable picture", mime({QStringLiteral("abimee.jpg")}), Message},
        {"text file", mime({QStringLiteral("notes.txt")}), Refus},
        {"two files", mime({QStringLiteral("photo.png"), QStringLiteral("autre.png")}), Refus},
        {"nothing", mime({}), Refus},
    };
    for (const auto &[quoi, donnees, effet] : cas) {
        SCOPED_TRACE(quoi);
        std::unique_ptr<QMimeData> detruire(donnees);
        dialogs.messages.clear();
        const QImage travail = f->document.work.image().copy(), apercu = f->document.preview.image().copy();
        QDragEnterEvent entree(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, donnees, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &entree);
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, donnees, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &depot);
        QCoreApplication::processEvents();
        EXPECT_EQ(depot.isAccepted() + entree.isAccepted(), effet == Refus ? 0 : 2);
        EXPECT_EQ(dialogs.messages.size(), effet == Message ? 1u : 0u);
        if (effet == Travail) {
            EXPECT_EQ(noirs(), 160);
            EXPECT_TRUE(f->historique.annuler()); // and can be undone
        } else { // a picture goes to the preview only, as after the dialog
            EXPECT_TRUE(sameImage(effet == Source ? ecran(quoi[0] == 'p') : apercu, f->document.preview.image()));
        }
        EXPECT_TRUE(sameImage(travail, f->document.work.image()));
    }
}

// The file commands' dialogs and messages: a cancelled dialog changes nothing, both
// dialogs start in the folder last chosen in either, the advanced names are warned
// about before the save, an empty clipboard is said.
TEST_F(Fenetre, FileCommandsAskAndTell)
{
    ouvrirAvec(moitieNoire(320, 200));
    const QImage travail = f->document.work.image().copy(), apercu = f->document.preview.image().copy();
    dialogs.cancelNextFileDialog();
    f->openWithDialog();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(QDir::homePath()));
    QTemporaryDir ailleurs;
    dialogs.answerNextFileDialog(u' ' + ailleurs.filePath(QStringLiteral("Copie")) + u' ');
    f->saveAs();
    EXPECT_TRUE(QFileInfo::exists(ailleurs.filePath(QStringLiteral("copie.89i"))));
    dialogs.cancelNextFileDialog();
    f->openWithDialog();
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, QDir::toNativeSeparators(ailleurs.path()));
    EXPECT_TRUE(sameImage(travail, f->document.work.image()) && sameImage(apercu, f->document.preview.image()));
    f->document.advancedOptions = true;
    f->saveAutomatically();
    QGuiApplication::clipboard()->clear();
    f->pasteClipboard();
    QStringList textes;
    for (const auto &m : dialogs.messages)
        textes << m.text;
    EXPECT_EQ(textes, (QStringList{"Fichier enregistré", "Vous avez choisi d'utiliser des options complémentaires",
                                   "Fichier enregistré", "Le presse-papier ne contient aucune image."}));
    EXPECT_TRUE(sameImage(apercu, f->document.preview.image()));
}
