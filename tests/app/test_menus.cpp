#include "fenetremenus.h"

#include "app/form2.h"
#include "app/explo.h"
#include "convert/niveauauto.h"
#include "support/imagediff.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Article
{
    QAction *action;
    const char *texte;
    QList<QKeySequence> raccourcis;
};

QStringList titres(const QMenuBar *barre)
{
    QStringList t;
    for (const QAction *a : barre->actions())
        t << a->text();
    return t;
}

// Left half of one grey, right half of another.
QImage deuxGris(int gauche, int droite)
{
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(QColor(droite, droite, droite));
    QPainter(&image).fillRect(0, 0, 80, 100, QColor(gauche, gauche, gauche));
    return image;
}

int noirs(const Surface &picture)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += picture.point(x, y) == kNoir;
    return n;
}

} // namespace

TEST_F(FenetreMenus, MenuBarStandsAboveTheUnchangedWindow)
{
    ouvrirAvec(gris128());
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("Brivane pour TI-89/92+ "));
    EXPECT_EQ(cadre->minimumSize(), cadre->maximumSize());
    EXPECT_FALSE(cadre->windowFlags() & Qt::WindowMaximizeButtonHint);
    const int barre = cadre->menuBar()->height();
    EXPECT_GT(barre, 0);
    EXPECT_EQ(f->geometry(), QRect(0, barre, 581, 450));
    EXPECT_EQ(cadre->size(), QSize(581, 450 + barre));
    EXPECT_EQ(f->Picture2->geometry(), QRect(208, 160, 162, 102));
    EXPECT_EQ(f->Matrice1->geometry(), QRect(0, 432, 593, 25));

    EXPECT_EQ(titres(cadre->menuBar()), (QStringList{QStringLiteral("&Fichier"), QStringLiteral("&Édition"),
                                                      QStringLiteral("&Conversion"), QStringLiteral("&Outils"),
                                                      QStringLiteral("&Aide")}));
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    const Article articles[] = {
        {menus().ouvrir, "&Ouvrir...", {ctrl(Qt::Key_O)}},
        {menus().importer, "&Importer le presse-papier", {ctrl(Qt::Key_V)}},
        {menus().sauverSous, "Sauver so&us...", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {menus().sauverAuto, "&Sauver automatiquement", {ctrl(Qt::Key_S)}},
        {menus().visualisateur, "&Visualisateur d'images", {}},
        {menus().quitter, "&Quitter", {ctrl(Qt::Key_Q)}},
        {menus().annuler, "&Annuler", {ctrl(Qt::Key_Z)}},
        {menus().retablir, "&Rétablir", {ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {menus().convertir, "&Convertir", {QKeySequence(Qt::Key_F5)}},
        {menus().niveauAuto, "Niveau a&utomatique", {}},
        {menus().option1, "&Noir && Blanc simple", {}},
        {menus().option2, "&Via Grayscale 1", {}},
        {menus().reductionMoyenne, "Réduction : &moyenne (photos)", {}},
        {menus().reductionEt, "Réduction : &ET logique (dessins au trait)", {}},
        {menus().aPropos, "À &propos", {QKeySequence(Qt::Key_F1)}},
    };
    for (const Article &a : articles) {
        ASSERT_NE(a.action, nullptr) << a.texte;
        EXPECT_EQ(a.action->text(), QString::fromUtf8(a.texte));
        EXPECT_EQ(a.action->shortcuts(), a.raccourcis) << a.texte;
    }
    EXPECT_EQ(menus().ouvrir->parent(), menus().fichier);
    EXPECT_EQ(menus().annuler->parent(), menus().edition);
    EXPECT_EQ(menus().niveauAuto->parent(), menus().conversion);
    EXPECT_EQ(menus().aPropos->parent(), menus().aide);
}

TEST_F(FenetreMenus, TramageCheckBoxChoosesDithering)
{
    ouvrirAvec(gris128()); // flat grey: white at level 0 without dithering
    QCheckBox *tramage = f->Check8;
    ASSERT_NE(tramage, nullptr);
    EXPECT_EQ(tramage->geometry(), QRect(216, 32, 143, 15));
    EXPECT_EQ(tramage->text(), QStringLiteral("Tramage"));
    EXPECT_EQ(tramage->toolTip(), QStringLiteral("Diffuse l'erreur de seuil pour rendre les demi-teintes des photos"));
    EXPECT_EQ(tramage->palette().color(QPalette::Window), QColor(216, 228, 248));
    EXPECT_FALSE(tramage->isChecked());
    EXPECT_EQ(noirs(f->etat.picture2), 0);

    QTest::mouseClick(tramage, Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(f->etat.tramage, traitement::Tramage::FloydSteinberg);
    touche(Qt::Key_F5, Qt::NoModifier);
    // Half-tone grey: about every other pixel dark.
    EXPECT_NEAR(noirs(f->etat.picture2), 8000, 800);

    QTest::mouseClick(tramage, Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(f->etat.tramage, traitement::Tramage::Aucun);
    touche(Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(noirs(f->etat.picture2), 0);
}

TEST_F(FenetreMenus, ItemsAndKeysRunTheCommandsOfTheirButtons)
{
    ouvrirAvec(moitieNoire(320, 200));

    touche(Qt::Key_S); // automatic save
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("fig0000.89i"))));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Fichier enregistré"));
    EXPECT_EQ(f->fich->text(), QStringLiteral("fig0001"));

    dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("Copie")));
    touche(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // save as
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("copie.89i"))));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("Enregistrer une Image."));

    dialogs.answerNextFileDialog(ecrireImage(moitieNoire(160, 100).mirrored(true, false),
                                             QStringLiteral("autre.png")));
    touche(Qt::Key_O); // open: the preview only
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].title, QStringLiteral("Ouvrir une Image."));
    EXPECT_TRUE(sameImage(moitiesEcran(false), f->etat.picture3.image()));
    EXPECT_TRUE(sameImage(moitiesEcran(true), f->etat.picture2.image()));

    touche(Qt::Key_F5, Qt::NoModifier); // convert
    EXPECT_TRUE(sameImage(moitiesEcran(false), f->etat.picture2.image()));

    QSignalSpy fermee(f, &Form1::fermee);
    touche(Qt::Key_Q);
    EXPECT_EQ(fermee.count(), 1);
    EXPECT_FALSE(cadre->isVisible());
}

TEST_F(FenetreMenus, ItemsOpenTheAboutWindowAndTheViewer)
{
    ouvrirAvec(gris128());
    touche(Qt::Key_F1, Qt::NoModifier);
    ASSERT_NE(f->form2(), nullptr);
    EXPECT_TRUE(f->form2()->isVisible());
    f->form2()->close();

    bool vu = false;
    QTimer::singleShot(0, [&] {
        vu = f->visualisateur() && f->visualisateur()->isVisible();
        if (f->visualisateur())
            f->visualisateur()->hide();
    });
    // Last: once hidden, the modal viewer stays the active window here.
    menus().visualisateur->trigger();
    EXPECT_TRUE(vu);
}

TEST_F(FenetreMenus, CtrlVImportsTheClipboardUnlessATextBoxHasTheFocus)
{
    ouvrirAvec(gris128());
    const QImage blanc = f->etat.picture3.image();
    auto *donnees = new QMimeData;
    donnees->setText(QStringLiteral("abc"));
    donnees->setImageData(moitieNoire(160, 100));
    QGuiApplication::clipboard()->setMimeData(donnees);

    f->Text1->setFocus();
    f->Text1->clear();
    touche(Qt::Key_V);
    EXPECT_EQ(f->Text1->text(), QStringLiteral("abc"));
    EXPECT_TRUE(sameImage(blanc, f->etat.picture3.image()));

    f->Text3->setFocus();
    touche(Qt::Key_V);
    EXPECT_EQ(f->Text3->toPlainText(), QStringLiteral("abc"));
    EXPECT_TRUE(sameImage(blanc, f->etat.picture3.image()));

    f->Picture2->setFocus();
    touche(Qt::Key_V);
    EXPECT_TRUE(sameImage(moitiesEcran(true), f->etat.picture3.image()));

    // A read-only counter takes no text: the picture comes in.
    f->etat.picture3.cls();
    f->Text7->setFocus();
    touche(Qt::Key_V);
    EXPECT_TRUE(sameImage(moitiesEcran(true), f->etat.picture3.image()));
    EXPECT_EQ(f->Text7->text(), QStringLiteral("160"));
    QGuiApplication::clipboard()->clear();
}

TEST_F(FenetreMenus, MethodItemsMirrorTheOptionButtons)
{
    ouvrirAvec(gris128());
    EXPECT_TRUE(menus().option2->isChecked());
    EXPECT_FALSE(menus().option1->isChecked());
    EXPECT_TRUE(menus().niveauAuto->isEnabled());

    menus().option1->trigger();
    EXPECT_TRUE(f->Option1->isChecked());
    EXPECT_FALSE(f->slider1->isEnabled());
    EXPECT_TRUE(f->etat.option1);
    EXPECT_FALSE(menus().option2->isChecked());
    EXPECT_FALSE(menus().niveauAuto->isEnabled());

    QTest::mouseClick(f->Option2, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(menus().option2->isChecked());
    EXPECT_FALSE(menus().option1->isChecked());
    EXPECT_TRUE(f->slider1->isEnabled());
    EXPECT_TRUE(menus().niveauAuto->isEnabled());
}

// White and grey 100 in a fine checkerboard: their mean is light, their AND dark.
TEST_F(FenetreMenus, ReductionItemsConvertAgainAsOneUndoStep)
{
    QImage damier(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            damier.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(100, 100, 100));
    ouvrirAvec(damier);
    EXPECT_TRUE(menus().reductionMoyenne->isChecked());
    EXPECT_EQ(noirs(f->etat.picture2), 0);
    const int etapes = f->historique.etapesAAnnuler();

    menus().reductionEt->trigger();
    EXPECT_TRUE(menus().reductionEt->isChecked());
    EXPECT_FALSE(menus().reductionMoyenne->isChecked());
    EXPECT_EQ(f->etat.picture3.point(7, 7), rgb(100, 100, 100));
    EXPECT_EQ(noirs(f->etat.picture2), 160 * 100);
    EXPECT_EQ(f->historique.etapesAAnnuler(), etapes + 1);

    // Undo brings back the picture, the reduction and the preview made with it.
    touche(Qt::Key_Z);
    EXPECT_EQ(noirs(f->etat.picture2), 0);
    EXPECT_EQ(f->etat.reduction, Reduction::Moyenne);
    EXPECT_EQ(f->etat.picture3.point(7, 7), rgb(178, 178, 178));
    emit menus().conversion->aboutToShow();
    EXPECT_TRUE(menus().reductionMoyenne->isChecked());
}

TEST_F(FenetreMenus, AutomaticLevelMovesTheSliderWhoseChangeConverts)
{
    // Two light greys: both white at level 0; the best threshold lies between them.
    ouvrirAvec(deuxGris(150, 230));
    EXPECT_EQ(noirs(f->etat.picture2), 0);
    const std::optional<int> attendu = traitement::niveauAutomatique(f->etat.picture3.image());
    ASSERT_TRUE(attendu);

    menus().niveauAuto->trigger();
    EXPECT_EQ(f->slider1->value(), *attendu);
    EXPECT_EQ(f->etat.slider1, *attendu);
    EXPECT_EQ(f->lbl->text(), QString::number(*attendu + 50) + QStringLiteral(" %"));
    EXPECT_TRUE(sameImage(moitiesEcran(true), f->etat.picture2.image()));

    // Already at that level the slider does not move, yet the picture is converted.
    QTest::mouseClick(f->Check3, Qt::LeftButton, {}, QPoint(6, 8));
    menus().niveauAuto->trigger();
    EXPECT_EQ(f->slider1->value(), *attendu);
    EXPECT_TRUE(sameImage(moitiesEcran(false), f->etat.picture2.image()));
}
