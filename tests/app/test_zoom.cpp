// The zoom window: the work picture in dots, edited live with the main window's tools.
#include "fenetre.h"

#include "app/fenetrezoom.h"
#include "editor/ecranzoom.h"

namespace {

void glisser(QWidget *w, QPoint de, QPoint a)
{
    QTest::mousePress(w, Qt::LeftButton, {}, de);
    QTest::mouseMove(w, a);
    QTest::mouseRelease(w, Qt::LeftButton, {}, a);
}

class Zoom : public Fenetre
{
protected:
    void zoomer()
    {
        cliquer(f->icones[FenetrePrincipale::Loupe]);
        ASSERT_TRUE(zoom = f->fenetreZoom());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(zoom));
        ez = zoom->ecran;
    }
    // The screen point in the dot of picture pixel (x, y), dx, dy from its corner, and its colour.
    QPoint point(int x, int y, int dx = 0, int dy = 0) const { return ez->pictureOrigin() + QPoint(x, y) * ez->factor() + QPoint(dx, dy); }
    QRgb vu(int x, int y, int dx = 1, int dy = 1) const { return ez->grab().toImage().pixel(point(x, y, dx, dy)); }

    FenetreZoom *zoom = nullptr;
    EcranZoom *ez = nullptr;
};

} // namespace

TEST_F(Zoom, EveryPixelButWhiteIsADotAndAClickOnADotSetsItsPixel)
{
    ouvrirAvec(gris128()); // all white
    f->etat.travail.setPixel(0, 0, kNoir);
    f->etat.travail.setPixel(159, 99, 0x123456);
    zoomer();
    ASSERT_EQ(ez->factor(), 3);
    EXPECT_EQ(vu(0, 0, 2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(vu(159, 99, 0, 0), qRgb(0, 0, 0)); // the last column too
    EXPECT_EQ(vu(159, 99, 3, 0), qRgb(255, 255, 255));
    QTest::keyClick(ez, Qt::Key_P);
    EXPECT_TRUE(f->outils[0]->isChecked());
    for (int facteur : {3, 5}) {
        zoom->resize(QSize(160, 100) * facteur + QSize(20, 20 + zoom->barreOutils->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ez->factor() == facteur; }));
        for (int coin : {0, facteur - 1}) {
            f->etat.travail.cls();
            QTest::mouseClick(ez, Qt::LeftButton, {}, point(10, 20, coin, coin));
            EXPECT_TRUE(sameImage(blackAt({160, 100}, {{10, 20}}), f->etat.travail.image())) << facteur << coin;
            EXPECT_EQ(vu(10, 20, coin, coin), qRgb(0, 0, 0));
        }
    }
    zoom->resize(2000, 1300); // the largest whole factor that fits, 8 at most
    EXPECT_TRUE(QTest::qWaitFor([&] { return ez->factor() == 8; }));
}

TEST_F(Zoom, ALineDrawnThereIsTheLineDrawnOnThePicture)
{
    ouvrirAvec(gris128());
    zoomer();
    cliquer(f->icones[FenetrePrincipale::FlecheEpaisseurPlus]); // line width 2
    QTest::keyClick(ez, Qt::Key_L);
    EXPECT_TRUE(f->outils[3]->isChecked());
    EXPECT_TRUE(zoom->barreOutils->actions().contains(menus().outils->actions().at(3)));
    glisser(ez, point(10, 20, 1, 2), point(70, 45, 2, 0));
    EXPECT_EQ(noirs(), 0);
    QTest::keyClick(ez, Qt::Key_Right); // the arrow keys shift it here too
    QTest::keyClick(ez, Qt::Key_Return);
    const QImage dansLeZoom = f->etat.travail.image().copy();
    EXPECT_GT(noirs(), 60);
    f->etat.travail.cls();
    glisser(f->vueTravail, QPoint(11, 21), QPoint(71, 46));
    QTest::keyClick(f->vueTravail, Qt::Key_Right);
    QTest::keyClick(f->vueTravail, Qt::Key_Return);
    EXPECT_TRUE(sameImage(dansLeZoom, f->etat.travail.image()));
}

TEST_F(Zoom, ItFollowsConversionsFillsAndUndo)
{
    ouvrirAvec(ecran(true));
    zoomer();
    EXPECT_EQ(vu(159, 50), qRgb(255, 255, 255));
    dialogs.answerNextFileDialog(ecrireImage(ecran(false), QStringLiteral("droite.png")));
    cliquer(f->boutons[FenetrePrincipale::BoutonOuvrir]);
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]);
    EXPECT_EQ(vu(159, 50), qRgb(0, 0, 0));
    EXPECT_EQ(vu(0, 50), qRgb(255, 255, 255));
    QTest::keyClick(ez, Qt::Key_F);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(0, 0));
    EXPECT_EQ(noirs(), 16000);
    EXPECT_EQ(vu(0, 50), qRgb(0, 0, 0));
    f->historique.annuler();
    EXPECT_EQ(vu(0, 50), qRgb(255, 255, 255));
}
