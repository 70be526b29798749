// The zoom window: the work picture in dots, edited live with the main window's tools.
#include "mainpaneltest.h"

#include "app/zoomwindow.h"
#include "editor/zoomscreen.h"

namespace {

void drag(QWidget *w, QPoint from, QPoint a)
{
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, a);
    QTest::mouseRelease(w, Qt::LeftButton, {}, a);
}

// The region of the paint events a widget receives.
struct Painted : QObject
{
    explicit Painted(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion region;
};

class Zoom : public MainPanelTest
{
protected:
    void openZoom()
    {
        click(f->arrows[MainPanel::Magnifier]);
        ASSERT_TRUE(zoom = f->zoomWindow());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(zoom));
        ez = zoom->zoomScreen;
    }
    // The screen point in the dot of picture pixel (x, y), dx, dy from its corner.
    QPoint point(int x, int y, int dx = 0, int dy = 0) const { return ez->pictureOrigin() + QPoint(x, y) * ez->factor() + QPoint(dx, dy); }
    // The screen shows the picture (black and white) and nothing else: each pixel a
    // factor x factor square, white around.
    ::testing::AssertionResult shows(const QImage &image) const
    {
        QImage expected(ez->size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(QRect(ez->pictureOrigin(), image.size() * ez->factor()), image);
        return sameImage(expected, ez->grab().toImage());
    }

    ZoomWindow *zoom = nullptr;
    ZoomScreen *ez = nullptr;
};

} // namespace

TEST_F(Zoom, EveryPixelButWhiteIsADotAndAClickOnADotSetsItsPixel)
{
    openWith(grey128()); // all white
    f->document.work.setPixel(0, 0, kBlack);
    f->document.work.setPixel(159, 99, 0x123456);
    openZoom();
    ASSERT_EQ(ez->factor(), 3);
    EXPECT_EQ(ez->pictureOrigin(), QPoint(3, 2));
    EXPECT_TRUE(shows(blackAt({160, 100}, {{0, 0}, {159, 99}})));
    QTest::keyClick(ez, Qt::Key_P);
    EXPECT_TRUE(f->toolButtons[0]->isChecked());
    for (int factor : {3, 5}) {
        zoom->resize(QSize(160, 100) * factor + QSize(20, 20 + zoom->toolBar->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ez->factor() == factor; }));
        for (int corner : {0, factor - 1}) {
            f->document.work.cls();
            QTest::mouseClick(ez, Qt::LeftButton, {}, point(10, 20, corner, corner));
            EXPECT_TRUE(sameImage(blackAt({160, 100}, {{10, 20}}), f->document.work.image())) << factor << corner;
            EXPECT_TRUE(shows(blackAt({160, 100}, {{10, 20}}))) << factor << corner;
        }
    }
    // A click repaints its dot and nothing else.
    ez->setFocus();
    QApplication::processEvents();
    Painted painted(ez);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(30, 40, 2, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !painted.region.isEmpty(); }));
    EXPECT_EQ(painted.region, QRegion(QRect(point(30, 40), QSize(5, 5))));
    zoom->resize(2000, 1300); // the largest whole factor that fits, 8 at most
    EXPECT_TRUE(QTest::qWaitFor([&] { return ez->factor() == 8; }));
    EXPECT_TRUE(shows(blackAt({160, 100}, {{10, 20}, {30, 40}})));
}

TEST_F(Zoom, ALineDrawnThereIsTheLineDrawnOnThePicture)
{
    openWith(grey128());
    openZoom();
    click(f->arrows[MainPanel::LineWidthUp]); // line width 2
    QTest::keyClick(ez, Qt::Key_L);
    EXPECT_TRUE(f->toolButtons[3]->isChecked());
    drag(ez, point(10, 20, 1, 2), point(70, 45, 2, 0));
    EXPECT_EQ(blackCount(), 0);
    QTest::keyClick(ez, Qt::Key_Right); // the arrow keys shift it here too
    QTest::keyClick(ez, Qt::Key_Return);
    const QImage inZoom = f->document.work.image().copy();
    EXPECT_GT(blackCount(), 60);
    f->document.work.cls();
    drag(f->canvas, QPoint(11, 21), QPoint(71, 46));
    QTest::keyClick(f->canvas, Qt::Key_Right);
    QTest::keyClick(f->canvas, Qt::Key_Return);
    EXPECT_TRUE(sameImage(inZoom, f->document.work.image()));
}

TEST_F(Zoom, ItFollowsConversionsFillsAndUndo)
{
    openWith(screenPicture(true));
    openZoom();
    EXPECT_TRUE(shows(screenPicture(true)));
    dialogs.answerNextFileDialog(writePicture(screenPicture(false), QStringLiteral("droite.png")));
    click(f->commandButtons[MainPanel::OpenCommand]);
    click(f->commandButtons[MainPanel::ConvertCommand]);
    EXPECT_TRUE(shows(screenPicture(false)));
    QTest::keyClick(ez, Qt::Key_F);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(0, 0));
    EXPECT_EQ(blackCount(), 16000);
    EXPECT_TRUE(shows(filled(160, 100, kBlack)));
    f->history.undo();
    EXPECT_TRUE(shows(screenPicture(false)));
}
