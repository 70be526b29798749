#include "fenetremenus.h"

#include "convert/conversionfixture.h"
#include "picfile/lib89i.h"
#include "support/imagediff.h"

#include <QTest>

namespace {

void cliquer(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// On the round indicator: the wide option buttons' middle is past their caption.
void choisir(QRadioButton *outil)
{
    QTest::mouseClick(outil, Qt::LeftButton, {}, QPoint(6, outil->height() / 2));
}

// A canvas pixel's place in the canvas widget (inside its one-pixel border).
QPoint ecran(int x, int y)
{
    return {x + 1, y + 1};
}

} // namespace

TEST_F(FenetreMenus, ConversionsAndOpenedFilesAreUndoneAndRedone)
{
    ouvrirAvec(gris128()); // white at level 0, black from level 1 on
    const QImage depart = f->etat.picture2.image().copy();
    EXPECT_FALSE(f->historique.peutAnnuler()); // start-up is no step
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(depart, f->etat.picture2.image()));

    f->slider1->setValue(10); // its Change converts
    const QImage noire = f->etat.picture2.image().copy();
    ASSERT_FALSE(sameImage(depart, noire));

    // A calculator picture opened through the dialog.
    Surface fichier(160, 100);
    fichier.line(QPointF(0, 0), QPointF(159, 99), kNoir);
    const QString chemin = dossier.filePath(QStringLiteral("diagonale.89i"));
    ASSERT_TRUE(lib89i::Ecrire89i(chemin, fichier, 100, 160, QStringLiteral("zfig"),
                                  QStringLiteral("diag"), false));
    dialogs.answerNextFileDialog(chemin);
    cliquer(f->btnXP[6]);
    ASSERT_TRUE(sameImage(fichier.image(), f->etat.picture2.image()));
    const QImage cadreSource = f->etat.picture1.image().copy();
    const QImage apercu = f->etat.picture3.image().copy();

    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(noire, f->etat.picture2.image()));
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(depart, f->etat.picture2.image()));
    // The settings go back with the pixels; the sources stay.
    EXPECT_EQ(f->slider1->value(), 0);
    EXPECT_EQ(f->etat.slider1, 0);
    EXPECT_TRUE(sameImage(cadreSource, f->etat.picture1.image()));
    EXPECT_TRUE(sameImage(apercu, f->etat.picture3.image()));

    touche(Qt::Key_Y);
    EXPECT_TRUE(sameImage(noire, f->etat.picture2.image()));
    touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sameImage(fichier.image(), f->etat.picture2.image()));
    EXPECT_FALSE(f->historique.peutRetablir());
}

// Undo and redo bring back the fit and the settings with the pixels: "Sauver sous"
// writes the picture shown, the controls show its settings, and consecutive
// notches of the slider are one step.
TEST_F(FenetreMenus, UndoBringsBackTheFitAndTheSettings)
{
    ouvrirAvec(moitieNoire(320, 175));
    const auto tailleSauvee = [&](const char *nom) {
        dialogs.answerNextFileDialog(dossier.filePath(QString::fromLatin1(nom)));
        cliquer(f->btnXP[8]);
        return lib89i::taille89i(readBytes(dossier.filePath(QString::fromLatin1(nom))));
    };
    cliquer(f->btnXP[1]);
    const QImage entiere = f->etat.picture2.image().copy();
    f->Check2->setChecked(true);
    f->Check3->setChecked(true);
    cliquer(f->btnXP[1]); // 160 x 87 from row 6, inverted
    ASSERT_EQ(QRect(f->etat.x0, f->etat.y0, f->etat.largeur, f->etat.hauteur), QRect(0, 6, 160, 87));

    activer();
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(entiere, f->etat.picture2.image()));
    EXPECT_FALSE(f->Check3->isChecked());
    EXPECT_EQ(tailleSauvee("annule.89i"), QSize(160, 100));
    touche(Qt::Key_Y);
    EXPECT_TRUE(f->Check3->isChecked());
    EXPECT_EQ(tailleSauvee("retabli.89i"), QSize(160, 87));

    // Three notches, one step; undoing it moves the slider back.
    const QImage avantCurseur = f->etat.picture2.image().copy();
    f->slider1->setFocus();
    for (int i = 0; i < 3; ++i)
        touche(Qt::Key_Right, Qt::NoModifier);
    ASSERT_EQ(f->etat.slider1, 3);
    touche(Qt::Key_Z);
    EXPECT_EQ(f->slider1->value(), 0);
    EXPECT_EQ(f->lbl->text(), QStringLiteral("50 %"));
    EXPECT_TRUE(sameImage(avantCurseur, f->etat.picture2.image()));

    // An opened calculator picture, undone: its size goes with it.
    Surface petite(64, 30);
    const QString chemin = dossier.filePath(QStringLiteral("petite.89i"));
    ASSERT_TRUE(lib89i::Ecrire89i(chemin, petite, 30, 64, QStringLiteral("zfig"), QStringLiteral("p"), false));
    dialogs.answerNextFileDialog(chemin);
    cliquer(f->btnXP[6]);
    activer();
    touche(Qt::Key_Z);
    EXPECT_EQ(tailleSauvee("apres89i.89i"), QSize(160, 87));
}

TEST_F(FenetreMenus, StrokesAndValidatedShapesAreStepsOfTheirOwn)
{
    ouvrirAvec(gris128()); // all white
    const QImage blanche = f->etat.picture2.image().copy();

    // A Pixel On stroke: press, two moves, release.
    choisir(f->Optio[0]);
    QTest::mousePress(f->Picture2, Qt::LeftButton, {}, ecran(10, 10));
    QTest::mouseMove(f->Picture2, ecran(11, 10));
    QTest::mouseMove(f->Picture2, ecran(12, 11));
    QTest::mouseRelease(f->Picture2, Qt::LeftButton, {}, ecran(12, 11));
    EXPECT_EQ(f->etat.picture2.point(10, 10), kNoir);
    EXPECT_EQ(f->etat.picture2.point(12, 11), kNoir);
    const QImage trait = f->etat.picture2.image().copy();

    // A line, validated by its button.
    choisir(f->Optio[3]);
    QTest::mousePress(f->Picture2, Qt::LeftButton, {}, ecran(20, 50));
    QTest::mouseMove(f->Picture2, ecran(90, 60));
    QTest::mouseRelease(f->Picture2, Qt::LeftButton, {}, ecran(90, 60));
    EXPECT_TRUE(sameImage(trait, f->etat.picture2.image())); // not drawn before validation
    cliquer(f->btnXP[4]);
    const QImage ligne = f->etat.picture2.image().copy();
    ASSERT_FALSE(sameImage(trait, ligne));

    // An ellipse, validated by its button.
    choisir(f->Optio[4]);
    QTest::mousePress(f->Picture2, Qt::LeftButton, {}, ecran(100, 10));
    QTest::mouseMove(f->Picture2, ecran(140, 40));
    QTest::mouseRelease(f->Picture2, Qt::LeftButton, {}, ecran(140, 40));
    cliquer(f->btnXP[7]);
    const QImage ellipse = f->etat.picture2.image().copy();
    ASSERT_FALSE(sameImage(ligne, ellipse));

    // A text, validated by Enter on the canvas.
    choisir(f->Optio[2]);
    f->Text3->setPlainText(QStringLiteral("Oui"));
    QTest::mouseClick(f->Picture2, Qt::LeftButton, {}, ecran(30, 75));
    f->Picture2->setFocus();
    touche(Qt::Key_Return, Qt::NoModifier);
    ASSERT_FALSE(sameImage(ellipse, f->etat.picture2.image()));
    EXPECT_EQ(f->historique.etapesAAnnuler(), 4);

    for (const QImage &avant : {ellipse, ligne, trait, blanche}) {
        touche(Qt::Key_Z);
        EXPECT_TRUE(sameImage(avant, f->etat.picture2.image()));
    }
    EXPECT_FALSE(f->historique.peutAnnuler());
    for (const QImage &apres : {trait, ligne, ellipse}) {
        touche(Qt::Key_Y);
        EXPECT_TRUE(sameImage(apres, f->etat.picture2.image()));
    }
}

TEST_F(FenetreMenus, EditMenuGreysWhatCannotBeDone)
{
    ouvrirAvec(gris128());
    emit menus().edition->aboutToShow();
    EXPECT_FALSE(menus().annuler->isEnabled());
    EXPECT_FALSE(menus().retablir->isEnabled());
    emit menus().edition->aboutToHide();

    f->slider1->setValue(10);
    emit menus().edition->aboutToShow();
    EXPECT_TRUE(menus().annuler->isEnabled());
    EXPECT_FALSE(menus().retablir->isEnabled());
    menus().annuler->trigger();
    emit menus().edition->aboutToShow();
    EXPECT_FALSE(menus().annuler->isEnabled());
    EXPECT_TRUE(menus().retablir->isEnabled());
    emit menus().edition->aboutToHide();
    // Closed, the menu leaves the keys working.
    EXPECT_TRUE(menus().annuler->isEnabled());
    touche(Qt::Key_Y);
    EXPECT_TRUE(f->historique.peutAnnuler());
}
