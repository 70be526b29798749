// The main window: start-up, commands by key, menu and button, secondary windows,
// pasting and dropping.
#include "fenetre.h"

#include "app/visualisateur.h"
#include "app/fenetreapropos.h"
#include "app/fenetrezoom.h"
#include "editor/ecranzoom.h"
#include "dotmatrix/matricewidget.h"
#include "picfile/lib89i.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

#include <functional>

TEST_F(Fenetre, StartsFromTheCommandLineOrTheClipboard)
{
    writeFile(dossier.filePath(QStringLiteral("fig0000.89i")), "x");
    writeFile(dossier.filePath(QStringLiteral("fig0001.89i")), "x");
    writeFile(dossier.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    const QString chemin = ecrireImage(moitieNoire(320, 200), QStringLiteral("une image.png"));
    const QString autre = ecrireImage(moitieNoire(16, 16), QStringLiteral("autre.png"));
    QGuiApplication::clipboard()->setImage(moitieNoire(640, 400));
    const struct
    {
        QStringList arguments;
        bool ligne, noire;
        const char *message;
    } cas[] = {
        {{chemin}, true, true, nullptr}, // blanks and all, without quotes
        {{u'"' + chemin + u'"'}, true, true, nullptr},
        {chemin.split(u' '), false, true, nullptr}, // a path with blanks in pieces opens whole
        // Of several pictures (a file manager's way) the first opens, a remark names the others.
        {{QStringLiteral("absent.png"), chemin, autre}, false, true,
         "Une seule image s'ouvre à la fois ; ces fichiers n'ont pas été ouverts : absent.png, "},
        {{dossier.filePath(QStringLiteral("abimee.jpg"))}, true, false, ""}, // a message, a white source
        {{}, true, true, nullptr}, // no picture: the clipboard's
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.arguments.join(u'|').toStdString());
        dialogs.messages.clear();
        c.ligne ? ouvrirLigne(c.arguments.join(u' ')) : ouvrir(c.arguments);
        const QImage attendue = c.noire ? ecran(true) : blackAt({160, 100}, {});
        EXPECT_TRUE(sameImage(attendue, f->etat.apercuSource.image()));
        EXPECT_TRUE(sameImage(attendue, f->etat.travail.image()));
        ASSERT_EQ(dialogs.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(QString::fromUtf8(c.message)));
        }
        EXPECT_EQ(f->nomSuivant->text(), QStringLiteral("fig0002"));
        EXPECT_EQ(f->boiteNomVariable->text(), QStringLiteral("fig0002"));
    }
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(f->choixMethodeGris->isChecked());
    EXPECT_TRUE(f->niveauGris->isEnabled());
    for (QWidget *w : QApplication::topLevelWidgets()) // the splash is gone
        EXPECT_FALSE(w->objectName() == QStringLiteral("FenetreDemarrage") && w->isVisible());
    // The font list shows the face the text tool really uses.
    EXPECT_EQ(f->listePolices->currentText(), QFontInfo(f->editeur.etiquetteTexte().font).family());
    const int pointeur = f->Matrice1->matrix().pointeur();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Matrice1->matrix().pointeur() != pointeur; }));
}

// Each command by its key (or menu item) and again by its button, from a fresh window.
TEST_F(Fenetre, KeysMenusAndButtonsRunTheCommands)
{
    const QString autre = ecrireImage(ecran(false), QStringLiteral("autre.png"));
    QPointer<QWidget> zoom, apropos;
    const QString copie = dossier.filePath(QStringLiteral("copie.89i"));
    const struct
    {
        const char *nom;
        std::function<void()> clavier;
        int bouton;
        std::function<void()> avant, verifier;
    } commandes[] = {
        {"sauver automatiquement", [&] { touche(Qt::Key_S); }, 3,
         [&] { QFile::remove(QDir(f->etat.dossierAutomatique()).filePath(QStringLiteral("fig0000.89i"))); },
         [&] {
             EXPECT_TRUE(QFileInfo::exists(QDir(f->etat.dossierAutomatique()).filePath(QStringLiteral("fig0000.89i"))));
             ASSERT_EQ(dialogs.messages.size(), 1u);
             EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Fichier enregistré"));
             EXPECT_EQ(f->nomSuivant->text(), QStringLiteral("fig0001"));
         }},
        {"sauver sous", [&] { touche(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); }, 8,
         [&] { QFile::remove(copie); dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("Copie"))); },
         [&] {
             EXPECT_TRUE(QFileInfo::exists(copie));
             EXPECT_EQ(dialogs.fileRequests.at(0).title, QStringLiteral("Enregistrer une Image."));
         }},
        {"ouvrir: the preview only", [&] { touche(Qt::Key_O); }, 6, [&] { dialogs.answerNextFileDialog(autre); },
         [&] {
             EXPECT_EQ(dialogs.fileRequests.at(0).title, QStringLiteral("Ouvrir une Image."));
             EXPECT_TRUE(sameImage(ecran(false), f->etat.apercuSource.image()));
             EXPECT_TRUE(sameImage(ecran(true), f->etat.travail.image()));
         }},
        {"convertir, inverted", [&] { touche(Qt::Key_F5, {}); }, 1, [&] { cliquer(f->caseInverser); },
         [&] { EXPECT_TRUE(sameImage(ecran(false), f->etat.travail.image())); }},
        {"importer", [&] { touche(Qt::Key_V); }, 2, [&] { QGuiApplication::clipboard()->setImage(ecran(false)); },
         [&] { EXPECT_TRUE(sameImage(ecran(false), f->etat.apercuSource.image())); }},
        {"quitter closes every window", [&] { touche(Qt::Key_Q); }, 0,
         [&] {
             cliquer(f->icones[FenetrePrincipale::Loupe]); // the magnifier
             touche(Qt::Key_F1, {});
             zoom = f->fenetreZoom();
             apropos = f->fenetreAPropos();
             ASSERT_TRUE(zoom && apropos && apropos->isVisible() && auDessus(apropos) && auDessus(zoom));
             activer();
         },
         [&] {
             QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
             EXPECT_FALSE(cadre->isVisible());
             EXPECT_TRUE(zoom.isNull() && apropos.isNull());
             EXPECT_FALSE(f->minuterieBanniere->isActive());
         }},
        {"visualisateur", [&] { menus().visualisateur->trigger(); }, 9,
         [&] {
             QTimer::singleShot(0, [&] {
                 zoom = f->visualisateur(); // modal: looked at while it shows
                 if (zoom && zoom->isVisible())
                     zoom->hide();
                 else
                     zoom = nullptr;
             });
         },
         [&] { EXPECT_FALSE(zoom.isNull()); }},
    };
    for (const auto &c : commandes) {
        for (const bool parBouton : {false, true}) {
            if (parBouton && c.bouton == 0)
                continue;
            SCOPED_TRACE(std::string(c.nom) + (parBouton ? " (button)" : " (key)"));
            ouvrirAvec(moitieNoire(320, 200));
            dialogs.messages.clear();
            dialogs.fileRequests.clear();
            c.avant();
            parBouton ? cliquer(f->boutons[size_t(c.bouton)]) : c.clavier();
            c.verifier();
        }
    }
    QGuiApplication::clipboard()->clear();
}

TEST_F(Fenetre, MagnifierShowsTheWorkPictureOnTheCalculatorScreen)
{
    ouvrirAvec(gris128()); // all white at level 0
    f->etat.travail.setPixel(0, 0, kNoir);
    f->etat.travail.setPixel(159, 99, 0x123456); // any colour but white is a dot
    cliquer(f->icones[FenetrePrincipale::Loupe]);
    FenetreZoom *zoom = f->fenetreZoom();
    ASSERT_NE(zoom, nullptr);
    EXPECT_TRUE(zoom->isVisible());
    // Every pixel but white is a 3 x 3 black dot, the last column included.
    ASSERT_EQ(zoom->ecran->facteur(), 3);
    const QImage ecran = zoom->ecran->grab().toImage();
    const QPoint o = zoom->ecran->origine();
    int noirs = 0;
    for (int y = 0; y < ecran.height(); ++y)
        for (int x = 0; x < ecran.width(); ++x)
            noirs += ecran.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_EQ(noirs, 18);
    EXPECT_EQ(ecran.pixel(o + QPoint(2, 2)), qRgb(0, 0, 0));
    EXPECT_EQ(ecran.pixel(o + QPoint(3 * 159, 3 * 99)), qRgb(0, 0, 0));

    // Closed, it is destroyed; the magnifier makes a new one from the current picture.
    QPointer<FenetreZoom> ancien = zoom;
    zoom->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ancien.isNull());
    f->etat.travail.cls();
    cliquer(f->icones[FenetrePrincipale::Loupe]);
    ASSERT_NE(f->fenetreZoom(), nullptr);
    EXPECT_EQ(f->fenetreZoom()->ecran->grab().toImage().pixel(f->fenetreZoom()->ecran->origine()), qRgb(255, 255, 255));
}

TEST_F(Fenetre, AConversionClosesTheAboutWindow)
{
    ouvrirAvec(gris128());
    for (const bool simple : {false, true}) {
        touche(Qt::Key_F1, {});
        QPointer<FenetreAPropos> apropos = f->fenetreAPropos();
        ASSERT_FALSE(apropos.isNull());
        if (simple)
            f->choixMethodeSimple->click();
        cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(apropos.isNull());
    }
}

TEST_F(Fenetre, CtrlVImportsTheClipboardUnlessATextBoxHasTheFocus)
{
    ouvrirAvec(gris128());
    const QImage blanche = blackAt({160, 100}, {});
    auto *donnees = new QMimeData;
    donnees->setText(QStringLiteral("abc"));
    donnees->setImageData(moitieNoire(160, 100));
    QGuiApplication::clipboard()->setMimeData(donnees);
    const struct
    {
        QWidget *focus;
        bool image;
    } cas[] = {{f->boiteNomVariable, false}, {f->boiteTexte, false}, {f->vueTravail, true}, {f->boiteLargeur, true}};
    f->boiteNomVariable->clear();
    for (const auto &c : cas) {
        SCOPED_TRACE(c.focus->objectName().toStdString());
        f->etat.apercuSource.cls();
        c.focus->setFocus();
        touche(Qt::Key_V);
        EXPECT_TRUE(sameImage(c.image ? ecran(true) : blanche, f->etat.apercuSource.image()));
    }
    EXPECT_EQ(f->boiteNomVariable->text(), QStringLiteral("abc"));
    EXPECT_EQ(f->boiteTexte->toPlainText(), QStringLiteral("abc"));
    EXPECT_EQ(f->boiteLargeur->text(), QStringLiteral("160")); // read-only: no text
    QGuiApplication::clipboard()->clear();
}

// Drops sent as the platform sends them: enter, then drop; its command runs once
// the drop is over.
TEST_F(Fenetre, DropsOpenPicturesAndRefuseTheRest)
{
    ouvrirAvec(gris128());
    const QString ligne = dossier.filePath(QStringLiteral("ligne.89I"));
    writeFile(ligne, lib89i::encode89i([] { Surface s(160, 100); s.line(QPointF(0, 50), QPointF(160, 50), kNoir); return s; }(),
                                       100, 160, QStringLiteral("zfig"), QStringLiteral("ligne")));
    writeFile(dossier.filePath(QStringLiteral("abimee.jpg")), "pas une image");
    ecrireImage(moitieNoire(320, 200), QStringLiteral("photo.png"));
    writeFile(dossier.filePath(QStringLiteral("notes.txt")), "quelques mots");
    const auto fichiers = [&](const QStringList &noms) {
        auto *mime = new QMimeData;
        QList<QUrl> urls;
        for (const QString &n : noms)
            urls << QUrl::fromLocalFile(dossier.filePath(n));
        mime->setUrls(urls);
        return mime;
    };
    const auto image = [](const QImage &i, const char *url = nullptr) {
        auto *mime = new QMimeData;
        mime->setImageData(i);
        if (url) // a web page's picture: its address is no local file, its image comes in
            mime->setUrls({QUrl(QString::fromLatin1(url))});
        return mime;
    };
    enum Effet { Refus, Source, Travail, Message };
    const struct
    {
        const char *quoi;
        QMimeData *mime;
        Effet effet;
        QImage attendue = {};
    } cas[] = {
        {"picture file", fichiers({QStringLiteral("photo.png")}), Source, ecran(true)},
        {"calculator picture", fichiers({QStringLiteral("ligne.89I")}), Travail},
        {"image", image(ecran(false)), Source, ecran(false)},
        {"web image", image(ecran(true), "https://exemple.fr/image.png"), Source, ecran(true)},
        {"unreadable picture", fichiers({QStringLiteral("abimee.jpg")}), Message},
        {"text", [] { auto *m = new QMimeData; m->setText(QStringLiteral("du texte")); return m; }(), Refus},
        {"text file", fichiers({QStringLiteral("notes.txt")}), Refus},
        {"folder", fichiers({QString()}), Refus},
        {"missing file", fichiers({QStringLiteral("absente.png")}), Refus},
        {"two files", fichiers({QStringLiteral("photo.png"), QStringLiteral("autre.png")}), Refus},
        {"remote file", [] { auto *m = new QMimeData; m->setUrls({QUrl(QStringLiteral("https://exemple.fr/a.png"))}); return m; }(), Refus},
        {"nothing", new QMimeData, Refus},
    };
    ecrireImage(gris128(), QStringLiteral("autre.png"));
    for (const auto &c : cas) {
        SCOPED_TRACE(c.quoi);
        std::unique_ptr<QMimeData> mime(c.mime);
        dialogs.messages.clear();
        const QImage p2 = f->etat.travail.image().copy(), p3 = f->etat.apercuSource.image().copy();
        QDragEnterEvent entree(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &entree);
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(f, &depot);
        QCoreApplication::processEvents();
        EXPECT_EQ(entree.isAccepted(), c.effet != Refus);
        EXPECT_EQ(depot.isAccepted(), c.effet != Refus);
        EXPECT_EQ(dialogs.messages.size(), c.effet == Message ? 1u : 0u);
        EXPECT_TRUE(dialogs.fileRequests.empty());
        // A picture file goes to the preview only, as after the dialog.
        if (c.effet != Travail) {
            EXPECT_TRUE(sameImage(c.effet == Source ? c.attendue : p3, f->etat.apercuSource.image()));
        } else {
            EXPECT_TRUE(sameImage(blackAt({160, 100}, {}), p2));
            EXPECT_EQ(noirs(), 160);
            EXPECT_TRUE(f->historique.annuler()); // and can be undone
        }
        EXPECT_TRUE(sameImage(p2, f->etat.travail.image()));
    }
}
