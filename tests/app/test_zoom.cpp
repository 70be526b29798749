#include "fenetre.h"

#include "app/fenetrezoom.h"
#include "app/menus.h"
#include "editor/ecranzoom.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {

FenetreZoom *ouvrirZoom(FenetrePrincipale &form)
{
    QTest::mouseClick(form.icones[FenetrePrincipale::Loupe], Qt::LeftButton);
    FenetreZoom *zoom = form.fenetreZoom();
    if (zoom) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(zoom));
    }
    return zoom;
}

// The screen point inside the dot of picture pixel (x, y), dx, dy from its corner.
QPoint point(const EcranZoom *ecran, int x, int y, int dx = 0, int dy = 0)
{
    return ecran->origine() + QPoint(x * ecran->facteur() + dx, y * ecran->facteur() + dy);
}

void glisser(QWidget *w, QPoint de, QPoint a)
{
    QTest::mousePress(w, Qt::LeftButton, {}, de);
    QTest::mouseMove(w, a);
    QTest::mouseRelease(w, Qt::LeftButton, {}, a);
}

int noirs(const Surface &s)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.point(x, y) != kBlanc;
    return n;
}

} // namespace

TEST_F(Fenetre, AClickOnADotSetsThatPixelAtEveryFactor)
{
    ouvrirAvec(gris128()); // all white
    FenetreZoom *zoom = ouvrirZoom(*f);
    ASSERT_NE(zoom, nullptr);
    EcranZoom *ecran = zoom->ecran;
    QTest::keyClick(ecran, Qt::Key_P);
    EXPECT_TRUE(f->outils[0]->isChecked());
    for (int facteur : {3, 5}) {
        SCOPED_TRACE(facteur);
        zoom->resize(QSize(160, 100) * facteur + QSize(20, 20 + zoom->barreOutils->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ecran->facteur() == facteur; }));
        for (QPoint coin : {QPoint(0, 0), QPoint(facteur - 1, facteur - 1)}) {
            f->etat.travail.cls();
            QTest::mouseClick(ecran, Qt::LeftButton, {}, point(ecran, 10, 20, coin.x(), coin.y()));
            EXPECT_EQ(f->etat.travail.point(10, 20), kNoir);
            EXPECT_EQ(noirs(f->etat.travail), 1);
            // The same dot is lit on the screen.
            EXPECT_EQ(ecran->grab().toImage().pixel(point(ecran, 10, 20, coin.x(), coin.y())), qRgb(0, 0, 0));
        }
    }
    // Any size between: the largest whole factor that fits, never below 2 or above 8.
    zoom->resize(2000, 1300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ecran->facteur() == 8; }));
}

TEST_F(Fenetre, ALineDrawnInTheZoomWindowIsTheLineDrawnOnThePicture)
{
    ouvrirAvec(gris128());
    FenetreZoom *zoom = ouvrirZoom(*f);
    ASSERT_NE(zoom, nullptr);
    f->icones[FenetrePrincipale::FlecheEpaisseurPlus]->Click(); // line width 2
    QTest::keyClick(zoom->ecran, Qt::Key_L);
    EXPECT_EQ(f->editeur.outil(), Outil::Ligne);
    EXPECT_TRUE(f->outils[3]->isChecked());
    glisser(zoom->ecran, point(zoom->ecran, 10, 20, 1, 2), point(zoom->ecran, 70, 45, 2, 0));
    EXPECT_TRUE(f->editeur.traitLigne().visible);
    EXPECT_EQ(noirs(f->etat.travail), 0);
    QTest::keyClick(zoom->ecran, Qt::Key_Right); // the arrow keys shift it here too
    QTest::keyClick(zoom->ecran, Qt::Key_Return);
    const QImage dansLeZoom = f->etat.travail.image().copy();
    EXPECT_GT(noirs(f->etat.travail), 60);

    f->etat.travail.cls();
    glisser(f->vueTravail, QPoint(11, 21), QPoint(71, 46));
    QTest::keyClick(f->vueTravail, Qt::Key_Right);
    QTest::keyClick(f->vueTravail, Qt::Key_Return);
    EXPECT_EQ(f->etat.travail.image(), dansLeZoom);
}

TEST_F(Fenetre, ZoomWindowFollowsConversionsAndUndoWithoutANewMagnifierClick)
{
    ouvrirAvec(ecran(true));
    FenetreZoom *zoom = ouvrirZoom(*f);
    ASSERT_NE(zoom, nullptr);
    auto pixelAEcran = [&](int x, int y) { return zoom->ecran->grab().toImage().pixel(point(zoom->ecran, x, y, 1, 1)); };
    EXPECT_EQ(pixelAEcran(159, 50), qRgb(255, 255, 255));

    dialogs.answerNextFileDialog(ecrireImage(ecran(false), QStringLiteral("droite.png")));
    QTest::mouseClick(f->boutons[FenetrePrincipale::BoutonOuvrir], Qt::LeftButton, {}, QPoint(70, 12));
    QTest::mouseClick(f->boutons[FenetrePrincipale::BoutonConvertir], Qt::LeftButton, {}, QPoint(70, 12));
    EXPECT_EQ(pixelAEcran(159, 50), qRgb(0, 0, 0)); // the last column shows
    EXPECT_EQ(pixelAEcran(0, 50), qRgb(255, 255, 255));

    // A fill in the zoom window, then its undo from the main window's history.
    QTest::keyClick(zoom->ecran, Qt::Key_F);
    QTest::mouseClick(zoom->ecran, Qt::LeftButton, {}, point(zoom->ecran, 0, 0));
    EXPECT_EQ(pixelAEcran(0, 50), qRgb(0, 0, 0));
    f->historique.annuler();
    EXPECT_EQ(pixelAEcran(0, 50), qRgb(255, 255, 255));
}

TEST_F(Fenetre, ToolsAreChosenFromTheMenuTheToolBarOrTheirKeys)
{
    ouvrirAvec(gris128());
    FenetreZoom *zoom = ouvrirZoom(*f);
    ASSERT_NE(zoom, nullptr);
    const QList<QAction *> actions = menus().outils->actions();
    struct Cas
    {
        const char *texte;
        Qt::Key touche;
        Outil outil;
    };
    const Cas cas[] = {
        {"Pixel On", Qt::Key_P, Outil::PixelOn}, {"Pixel off", Qt::Key_O, Outil::PixelOff},
        {"Texte", Qt::Key_T, Outil::Texte},      {"Ligne", Qt::Key_L, Outil::Ligne},
        {"Ellipse", Qt::Key_E, Outil::Ellipse},  {"Rectangle", Qt::Key_R, Outil::Rectangle},
        {"Remplissage", Qt::Key_F, Outil::Remplissage},
    };
    for (int i = 0; i < 7; ++i) {
        const Cas &c = cas[i];
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(actions[i]->text(), QString::fromUtf8(c.texte));
        EXPECT_EQ(actions[i]->shortcut(), QKeySequence(c.touche));
        EXPECT_TRUE(zoom->barreOutils->actions().contains(actions[i]));
        f->editeur.choisirOutil(-1);
        QTest::keyClick(i % 2 ? static_cast<QWidget *>(f->vueTravail) : zoom->ecran, c.touche);
        EXPECT_EQ(f->editeur.outil(), c.outil);
        EXPECT_TRUE(actions[i]->isChecked());
        for (int o = 0; o < 5; ++o)
            EXPECT_EQ(f->outils[size_t(o)]->isChecked(), o == i);
    }
    // A tool of the main window's panel checks the menu's item.
    f->outils[1]->click();
    EXPECT_TRUE(actions[1]->isChecked());
    EXPECT_FALSE(actions[6]->isChecked());
}
