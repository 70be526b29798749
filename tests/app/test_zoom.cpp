// The zoom window: the work picture in dots, edited live with the main window's tools.
#include "mainpaneltest.h"

#include "app/windowsetup.h"
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
        // No room beside the main window on the 800 x 800 screen: over its right part.
        EXPECT_EQ(zoom->frameGeometry().topRight(), QPoint(799, mainWindow->frameGeometry().top()));
    }
    // The screen point in the dot of picture pixel (x, y), dx, dy from its corner.
    QPoint point(int x, int y, int dx = 0, int dy = 0) const { return ez->pictureOrigin() + QPoint(x, y) * ez->factor() + QPoint(dx, dy); }
    // The screen shows the picture and nothing else: each pixel a factor x factor square.
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
    ASSERT_TRUE(ez->factor() == 3 && ez->pictureOrigin() == QPoint(3, 2) && shows(blackAt({160, 100}, {{0, 0}, {159, 99}})));
    QTest::keyClick(ez, Qt::Key_P);
    EXPECT_TRUE(f->toolButtons[0]->isChecked());
    for (int factor : {3, 5}) {
        zoom->resize(QSize(160, 100) * factor + QSize(20, 20 + zoom->toolBar->height()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ez->factor() == factor; }));
        for (int corner : {0, factor - 1}) {
            f->document.work.cls();
            QTest::mouseClick(ez, Qt::LeftButton, {}, point(10, 20, corner, corner));
            EXPECT_TRUE(sameImage(blackAt({160, 100}, {{10, 20}}), f->document.work.image()) && shows(blackAt({160, 100}, {{10, 20}})))
                << factor << corner;
        }
    }
    // A click repaints its dot and nothing else.
    ez->setFocus();
    QApplication::processEvents();
    Painted painted(ez);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(30, 40, 2, 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !painted.region.isEmpty(); }) && painted.region == QRegion(QRect(point(30, 40), QSize(5, 5))));
    zoom->resize(2000, 1300); // the largest whole factor that fits, 8 at most
    EXPECT_TRUE(QTest::qWaitFor([&] { return ez->factor() == 8; }) && shows(blackAt({160, 100}, {{10, 20}, {30, 40}})));
}

// A shape laid out there is the one laid out on the main window, validated there by Enter
// or the tool bar's "Valider la forme" as one undo step.
TEST_F(Zoom, ShapesLaidOutThereAreTheShapesLaidOutOnThePicture)
{
    openWith(grey128());
    openZoom();
    click(f->arrows[MainPanel::LineWidthUp]); // line width 2
    f->textBox->setPlainText(QStringLiteral("Brivane"));
    const auto toolBar = [&] { QTest::mouseClick(zoom->toolBar->widgetForAction(f->toolActions.last()), Qt::LeftButton); };
    const auto enter = [](QWidget *w) { return [w] { QTest::keyClick(w, Qt::Key_Return); }; };
    const auto button = [&](MainPanel::Command c) { return [this, c] { click(f->commandButtons[c]); }; };
    const std::tuple<Qt::Key, std::function<void()>, std::function<void()>> cases[] = { // tool, validated here, there
        {Qt::Key_T, toolBar, button(MainPanel::ValidateTextCommand)},
        {Qt::Key_L, enter(ez), button(MainPanel::ValidateLineCommand)},
        {Qt::Key_E, enter(ez), button(MainPanel::ValidateEllipseCommand)},
        {Qt::Key_E, toolBar, enter(f->canvas)},
        {Qt::Key_R, toolBar, enter(f->canvas)},
    };
    for (const auto &[tool, validateHere, validateThere] : cases) {
        SCOPED_TRACE(tool);
        QTest::keyClick(ez, tool);
        drag(ez, point(10, 20, 1, 2), point(70, 45, 2, 0));
        QTest::keyClick(ez, Qt::Key_Right); // the arrow keys shift it here too
        EXPECT_EQ(blackCount(), 0);
        validateHere();
        const QImage drawn = f->document.work.image().copy();
        EXPECT_GT(blackCount(), 5);
        ASSERT_TRUE(f->history.undo()); // one step
        EXPECT_EQ(blackCount(), 0);
        drag(f->canvas, QPoint(11, 21), QPoint(71, 46));
        QTest::keyClick(f->canvas, Qt::Key_Right);
        validateThere();
        EXPECT_TRUE(sameImage(drawn, f->document.work.image()));
        ASSERT_TRUE(f->history.undo());
    }
}

// It follows conversions and fills; the undo keys work there and in the text box,
// which keeps them for its own text while it has some to undo.
TEST_F(Zoom, ItFollowsConversionsFillsAndUndo)
{
    openWith(screenPicture(true));
    openZoom();
    EXPECT_TRUE(shows(screenPicture(true)));
    f->importPicture(screenPicture(false));
    click(f->commandButtons[MainPanel::ConvertCommand]);
    EXPECT_TRUE(shows(screenPicture(false)));
    QTest::keyClick(ez, Qt::Key_F);
    QTest::mouseClick(ez, Qt::LeftButton, {}, point(0, 0));
    EXPECT_TRUE(shows(filled(160, 100, kBlack)));
    zoom->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(zoom));
    const std::tuple<QWidget *, Qt::Key, const char *, QImage> steps[] = { // where, key, text box, picture
        {ez, Qt::Key_Z, "", screenPicture(false)}, {ez, Qt::Key_Y, "", filled(160, 100, kBlack)},
        {f->textBox, Qt::Key_Z, "", screenPicture(false)}, {f->textBox, Qt::Key_A, "a", screenPicture(false)},
        {f->textBox, Qt::Key_Z, "", screenPicture(false)}, {f->textBox, Qt::Key_Y, "a", screenPicture(false)},
        {f->textBox, Qt::Key_Z, "", screenPicture(false)}, {f->textBox, Qt::Key_Z, "", screenPicture(true)},
    };
    for (const auto &[where, key, text, picture] : steps) {
        if (where == f->textBox && !f->textBox->hasFocus())
            activate(false), f->textBox->setFocus();
        QTest::keyClick(where, key, key == Qt::Key_A ? Qt::NoModifier : Qt::ControlModifier);
        EXPECT_EQ(f->textBox->toPlainText(), QString::fromUtf8(text));
        EXPECT_TRUE(shows(picture)) << key;
    }
}

// Right of the other window, else left of it, else over its right part; always inside the
// screen's available area (offscreen: 800 x 800).
TEST(WindowSetup, PlaceBesideStaysBesideAndOnTheScreen)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    const std::tuple<QRect, QSize, QPoint> cases[] = { // the other window, the window's size, its place
        {{10, 20, 300, 200}, {400, 300}, {310, 20}},  {{450, 50, 300, 200}, {400, 300}, {50, 50}},
        {{200, 0, 500, 200}, {400, 300}, {400, 0}},   {{0, 700, 100, 100}, {400, 300}, {100, 500}},
        {{0, -50, 100, 100}, {300, 900}, {100, 0}},   {{0, 0, 100, 100}, {900, 100}, {0, 0}},
    };
    for (const auto &[other, size, place] : cases) {
        QWidget beside, window;
        beside.setGeometry(other);
        window.resize(size);
        windowsetup::placeBeside(&window, &beside);
        EXPECT_EQ(window.pos(), place) << other.x() << "," << other.y() << " " << size.width() << "x" << size.height();
    }
}
