// The zoom window: the work picture in dots, edited live with the main window's tools.
#include "fenetre.h"

#include "app/fenetrezoom.h"
#include "editor/zoomscreen.h"

namespace {

void glisser(QWidget *w, QPoint de, QPoint a)
{
    QTest::mousePress(w, Qt::LeftButton, {}, de);
    QTest::mouseMove(w, a);
    QTest::mouseRelease(w, Qt::LeftButton, {}, a);
}

// The region of the paint events a widget receives.
struct Peint : QObject
{
    explicit Peint(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion region;
};

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
    // The screen point in the dot of picture pixel (x, y), dx, dy from its corner.
    QPoint point(int x, int y, int dx = 0, int dy = 0) const { return ez->pictureOrigin() + QPoint(x, y) * ez->factor() + QPoint(dx, dy); }
    // The screen shows the picture (black and white) and nothing else: each pixel a
    // factor x factor square, white around.
    ::testing::AssertionResult montre(const QImage &image) const
    {
        QImage attendu(ez->size(), QImage::Format_RGB32);
        attendu.fill(Qt::white);
        QPainter(&attendu).drawImage(QRect(ez->pictureOrigin(), image.size() * ez->factor()), image);
        return sameImage(attendu, ez->grab().toImage());
    }

    FenetreZoom *zoom = nullptr;
    ZoomScreen *ez = nullptr;
};

} // namespace

TEST_F(Zoom, EveryPixelButWhiteIsADotAndAClickOnADotSetsItsPixel)
{
    ouvrirAvec(gris128()); // all white
    f->document.work.setPixel(0, 0, kBlack);
    f->document.work.setPixel(159, 99, 0x123456);
    zoomer();
    ASSERT_EQ(ez->factor(), 3);
    EXPECT_EQ(ez->pictureOrigin(), QPoint(3, 2));
    EXPECT_TRUE(montre(blackAt({160, 100}, {{0, 0}, {159, 99}})));
    QTest::keyClick(ez, Qt::Key_P);
    EXPECT_TRUE(f->outils[0]->isChecked());
    for (int facteur : {3, 5}) {
        zoom->resize(QSize(160, 100) * facteur + QSize(20, 20 + zoom->barreOutils->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ez->factor() == facteur; }));
        for (int coin : {0, facteur - 1}) {
            f->document.work.cls();
            QTest::mouseClick(ez, Qt::LeftButton, {}, point(10, 20, coin, coin));
            EXPECT_TRUE(sameImage(blackAt({160, 100}, {{10, 20}}), f->document.work.image())) << facteur << coin;
            EXPECT_TRUE(montre(blackAt({160, 100}, {{10, 20}}))) << facteur << coin;
        }
    }
    // A click repaints its dot and nothing else.
    ez->setFocus();
    QApplication::processEvents();
    Peint peint(ez);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(30, 40, 2, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !peint.region.isEmpty(); }));
    EXPECT_EQ(peint.region, QRegion(QRect(point(30, 40), QSize(5, 5))));
    zoom->resize(2000, 1300); // the largest whole factor that fits, 8 at most
    EXPECT_TRUE(QTest::qWaitFor([&] { return ez->factor() == 8; }));
    EXPECT_TRUE(montre(blackAt({160, 100}, {{10, 20}, {30, 40}})));
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
    const QImage dansLeZoom = f->document.work.image().copy();
    EXPECT_GT(noirs(), 60);
    f->document.work.cls();
    glisser(f->vueTravail, QPoint(11, 21), QPoint(71, 46));
    QTest::keyClick(f->vueTravail, Qt::Key_Right);
    QTest::keyClick(f->vueTravail, Qt::Key_Return);
    EXPECT_TRUE(sameImage(dansLeZoom, f->document.work.image()));
}

TEST_F(Zoom, ItFollowsConversionsFillsAndUndo)
{
    ouvrirAvec(ecran(true));
    zoomer();
    EXPECT_TRUE(montre(ecran(true)));
    dialogs.answerNextFileDialog(ecrireImage(ecran(false), QStringLiteral("droite.png")));
    cliquer(f->boutons[FenetrePrincipale::BoutonOuvrir]);
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]);
    EXPECT_TRUE(montre(ecran(false)));
    QTest::keyClick(ez, Qt::Key_F);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(0, 0));
    EXPECT_EQ(noirs(), 16000);
    EXPECT_TRUE(montre(uni(160, 100, Qt::black)));
    f->historique.annuler();
    EXPECT_TRUE(montre(ecran(false)));
}
