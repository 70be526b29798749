// The command buttons and the picture buttons: mouse, keyboard, wheel.
#include "mainpaneltest.h"

#include "app/buttonfaces.h"

#include <QSignalSpy>

namespace {

// The part of a face the button shows.
QImage shownFace(ButtonLook look, bool focusMark = false)
{
    return buttonfaces::face(look, focusMark).copy(QRect(-CommandButton::kFaceOrigin, CommandButton::kSize));
}

} // namespace

// m move, p/r left press/release over it, o left release outside, d the second
// press of a double click, P/R right press/release, 0 the container's reset.
TEST(CommandButton, MouseGivesTheLooksAndTheClicks)
{
    const std::tuple<const char *, ButtonLook, int> cases[] = { // events, look, clicks
        {"", ButtonLook::Normal, 0},     {"m", ButtonLook::Hover, 0},     {"mp", ButtonLook::Pressed, 0},
        {"mpr", ButtonLook::Hover, 1},   {"mpo", ButtonLook::Hover, 0},   {"mpmr", ButtonLook::Hover, 1},
        {"mpr0", ButtonLook::Normal, 1}, {"mprdr", ButtonLook::Hover, 1}, {"PR", ButtonLook::Hover, 1},
        {"mpr0mpr", ButtonLook::Hover, 2},
    };
    for (const auto &[events, look, clicks] : cases) {
        SCOPED_TRACE(events);
        QWidget background;
        background.resize(200, 60);
        auto *button = new CommandButton(&background);
        button->move(10, 10);
        background.show();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const QPoint inside(20, 12), outside(170, 12);
        for (const char e : std::string_view(events)) {
            switch (e) {
            case 'm': QTest::mouseMove(button, inside); break;
            case 'p': QTest::mousePress(button, Qt::LeftButton, {}, inside); break;
            case 'r': QTest::mouseRelease(button, Qt::LeftButton, {}, inside); break;
            case 'o': QTest::mouseRelease(button, Qt::LeftButton, {}, outside); break;
            case 'd': QTest::mouseDClick(button, Qt::LeftButton, {}, inside); break;
            case 'P': QTest::mousePress(button, Qt::RightButton, {}, inside); break;
            case 'R': QTest::mouseRelease(button, Qt::RightButton, {}, inside); break;
            case '0': button->resetLook(); break;
            }
        }
        EXPECT_EQ(button->look(), look);
        EXPECT_EQ(clicked.count(), clicks);
        button->setText({});
        EXPECT_TRUE(sameImage(shownFace(look, button->hasFocus()), button->grab().toImage()));
    }
}

// A button keeps its hover look once the pointer leaves it, even dragged away
// while held, until the pointer crosses the background of the window or frame.
TEST_F(MainPanelTest, ButtonsKeepTheirHoverLookUntilThePointerCrossesTheBackground)
{
    openWith(grey128());
    const std::tuple<CommandButton *, QWidget *, QPoint> cases[] = { // button, background, a bare point of it
        {f->commandButtons[MainPanel::ConvertCommand], f, {205, 95}},
        {f->commandButtons[MainPanel::ValidateLineCommand], f->toolsFrame, {10, 300}},
    };
    for (const auto &[button, background, bare] : cases) {
        SCOPED_TRACE(button->text().toStdString());
        ASSERT_EQ(background->childAt(bare), nullptr);
        const QPoint inside(20, 12), outside = button->mapFrom(background, bare);
        QTest::mouseMove(button, inside);
        QTest::mousePress(button, Qt::LeftButton, {}, inside);
        for (const QPoint &p : {outside, outside + QPoint(1, 1)})
            QTest::mouseMove(button, p); // held, the button keeps the pointer
        EXPECT_EQ(button->look(), ButtonLook::Hover);
        QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
        EXPECT_EQ(button->look(), ButtonLook::Hover);
        QTest::mouseMove(background, bare);
        EXPECT_EQ(button->look(), ButtonLook::Normal);
    }
}

// From the start-up focus, Tab goes round the window as a reader scans it (Qt
// decides where the option buttons stop); each command button shows the focus
// mark while it has the focus, and nothing else of it changes.
TEST_F(MainPanelTest, TabReachesTheCommandButtonsInReadingOrder)
{
    open(QStringList{writePicture(grey128())}, false);
    ASSERT_EQ(QApplication::focusWidget(), f->levelSlider);

    const QRect m = buttonfaces::kFocusMark.translated(CommandButton::kFaceOrigin);
    const QRegion outline = QRegion(m).subtracted(m.adjusted(1, 1, -1, -1)); // its outline
    std::vector<QWidget *> reached;
    for (int tab = 0; tab < 50; ++tab) {
        QWidget *w = QApplication::focusWidget();
        if (!qobject_cast<QRadioButton *>(w))
            reached.push_back(w);
        auto *button = qobject_cast<CommandButton *>(w);
        const QImage marked = button ? button->grab().toImage() : QImage();
        press(Qt::Key_Tab, {});
        if (button) {
            const QImage unmarked = button->grab().toImage();
            int changed = 0;
            for (int y = 0; y < unmarked.height(); ++y)
                for (int x = 0; x < unmarked.width(); ++x)
                    if (marked.pixel(x, y) != unmarked.pixel(x, y)) {
                        ++changed;
                        EXPECT_TRUE(outline.contains(QPoint(x, y))) << button->objectName().toStdString() << " " << x << "," << y;
                    }
            EXPECT_GT(changed, 100) << button->objectName().toStdString();
        }
        if (QApplication::focusWidget() == f->levelSlider)
            break;
    }
    EXPECT_EQ(QApplication::focusWidget(), f->levelSlider); // round the window
    using F = MainPanel;
    const std::vector<QWidget *> readingOrder = {
        f->levelSlider, f->keepProportionsBox, f->invertBox, f->ditheringBox,
        f->commandButtons[F::PasteCommand], f->commandButtons[F::OpenCommand], f->commandButtons[F::ConvertCommand], f->canvas,
        f->commandButtons[F::SaveAutomaticallyCommand], f->commandButtons[F::SaveAsCommand], f->commandButtons[F::ViewerCommand],
        f->advancedOptionsBox, f->variableNameBox, f->calculatorFolderBox,
        f->textBox, f->fontList, f->underlineBox, f->italicBox, f->boldBox, f->strikeOutBox,
        f->commandButtons[F::ValidateTextCommand], f->commandButtons[F::ValidateLineCommand], f->commandButtons[F::ValidateEllipseCommand],
    };
    EXPECT_EQ(reached, readingOrder);
}

// Space presses the focused button (pressed look while held) and its release runs
// the command; Enter does not, as for Qt's buttons outside dialogs.
TEST_F(MainPanelTest, SpaceOnAFocusedButtonRunsItsCommand)
{
    openWith(halfBlack(320, 200));
    click(f->commandButtons[MainPanel::ConvertCommand]); // the mouse leaves the focus where it is
    ASSERT_EQ(QApplication::focusWidget(), f->canvas);
    const auto exists = [](const QString &folder, const char *name) {
        return QFileInfo::exists(QDir(folder).filePath(QString::fromUtf8(name)));
    };
    const std::tuple<MainPanel::Command, std::function<void()>, std::function<bool()>> cases[] = {
        {MainPanel::ConvertCommand, [&] { f->invertBox->setChecked(true); },
         [&] { return bool(sameImage(screenPicture(false), f->document.work.image())); }},
        {MainPanel::SaveAsCommand, [&] { dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("espace"))); },
         [&] { return exists(folder.path(), "espace.89i"); }},
        {MainPanel::SaveAutomaticallyCommand, [] {}, [&] { return exists(f->document.automaticFolder().folder(), "fig0000.89i"); }},
    };
    for (const auto &[index, prepare, done] : cases) {
        CommandButton *button = f->commandButtons[index];
        SCOPED_TRACE(button->text().toStdString());
        prepare();
        button->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), button);
        press(Qt::Key_Return, {});
        press(Qt::Key_Enter, Qt::KeypadModifier);
        const ButtonLook before = button->look();
        QTest::keyPress(button, Qt::Key_Space);
        EXPECT_EQ(button->look(), ButtonLook::Pressed);
        EXPECT_FALSE(done());
        QTest::keyRelease(button, Qt::Key_Space);
        EXPECT_TRUE(done());
        EXPECT_EQ(button->look(), before);
    }
}

// Held, an arrow clicks after the delay and then at each interval; the release
// after those clicks adds none. The magnifier clicks once, on the release.
TEST(PictureButton, ClicksOnReleaseOrRepeatsWhileHeld)
{
    enum Wait { NoWait, Repeats, Delay };
    const std::tuple<const char *, bool, Qt::MouseButton, Wait, bool, int> cases[] = {
        // repeating, button, wait, release over it, clicks at the release
        {"arrow clicked", true, Qt::LeftButton, NoWait, true, 1},
        {"arrow held", true, Qt::LeftButton, Repeats, true, 0},
        {"arrow held, released outside", true, Qt::LeftButton, Repeats, false, 0},
        {"arrow released outside", true, Qt::LeftButton, NoWait, false, 0},
        {"right button", true, Qt::RightButton, Delay, true, 0},
        {"magnifier held", false, Qt::LeftButton, Delay, true, 1},
    };
    for (const auto &[what, repeating, button, wait, inside, atRelease] : cases) {
        SCOPED_TRACE(what);
        QWidget background;
        background.resize(100, 60);
        auto *picture = new PictureButton(QImage(20, 19, QImage::Format_RGB32), &background);
        picture->setAutoRepeat(repeating);
        background.show();
        QSignalSpy clicked(picture, &QAbstractButton::clicked);
        QTest::mousePress(picture, button, {}, QPoint(5, 5));
        EXPECT_EQ(clicked.count(), 0);
        if (wait == Repeats)
            QTRY_VERIFY_WITH_TIMEOUT(clicked.count() >= 2, 10000);
        else if (wait == Delay)
            QTest::qWait(PictureButton::kRepeatDelay + 2 * PictureButton::kRepeatInterval);
        const int before = clicked.count();
        EXPECT_EQ(before > 0, wait == Repeats);
        QTest::mouseRelease(picture, button, {}, inside ? QPoint(5, 5) : QPoint(60, 5));
        QTest::qWait(2 * PictureButton::kRepeatInterval);
        EXPECT_EQ(clicked.count(), before + atRelease);
    }
}

// A notch of the wheel over a spinner's box is a click of its arrow; parts of
// a notch add up.
TEST_F(MainPanelTest, WheelOverASpinnerBoxClicksItsArrows)
{
    openWith(grey128());
    const std::tuple<QLineEdit *, std::vector<int>, const char *> cases[] = { // box, deltas, value
        {f->heightBox, {-120}, "98"}, {f->heightBox, {-240, 120}, "96"}, {f->lineWidthBox, {60}, "1"},
        {f->lineWidthBox, {60}, "2"},  {f->lineWidthBox, {-120}, "1"},
    };
    for (const auto &[box, deltas, expected] : cases) {
        for (int delta : deltas) {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(box, &wheel);
        }
        EXPECT_EQ(box->text(), QString::fromUtf8(expected)) << box->objectName().toStdString();
    }
}
