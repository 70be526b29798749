// The command buttons and the picture buttons: mouse and keyboard.
#include "mainpaneltest.h"

#include "app/buttonfaces.h"

#include <QSignalSpy>

// m/M move over it/outside, p/r left press/release over it, o left release outside, d the
// second press of a double click, P/R right press/release, 0 the container's reset; f the
// focus, k/K Space press/release. The face shows the look and focus.
TEST(CommandButton, MouseAndKeysGiveTheLooksAndTheClicks)
{
    const std::tuple<const char *, ButtonLook, int> cases[] = { // events, look, clicks
        {"", ButtonLook::Normal, 0},     {"m", ButtonLook::Hover, 0},     {"mp", ButtonLook::Pressed, 0},
        {"mpr", ButtonLook::Hover, 1},   {"mpo", ButtonLook::Hover, 0},   {"mpmr", ButtonLook::Hover, 1},
        {"mpM", ButtonLook::Hover, 0},   {"mpr0", ButtonLook::Normal, 1}, {"mprdr", ButtonLook::Hover, 1},
        {"PR", ButtonLook::Hover, 1},    {"mpr0mpr", ButtonLook::Hover, 2}, {"f", ButtonLook::Normal, 0},
        {"fk", ButtonLook::Pressed, 0},  {"fkK", ButtonLook::Normal, 1},
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
            case 'M': QTest::mouseMove(button, outside); break;
            case 'p': QTest::mousePress(button, Qt::LeftButton, {}, inside); break;
            case 'r': QTest::mouseRelease(button, Qt::LeftButton, {}, inside); break;
            case 'o': QTest::mouseRelease(button, Qt::LeftButton, {}, outside); break;
            case 'd': QTest::mouseDClick(button, Qt::LeftButton, {}, inside); break;
            case 'P': QTest::mousePress(button, Qt::RightButton, {}, inside); break;
            case 'R': QTest::mouseRelease(button, Qt::RightButton, {}, inside); break;
            case '0': button->resetLook(); break;
            case 'f':
                background.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&background));
                button->setFocus(Qt::TabFocusReason);
                ASSERT_TRUE(button->hasFocus());
                break;
            case 'k': QTest::keyPress(button, Qt::Key_Space); break;
            case 'K': QTest::keyRelease(button, Qt::Key_Space); break;
            }
        }
        EXPECT_TRUE(button->look() == look && clicked.count() == clicks) << int(button->look()) << " " << clicked.count();
        button->setText({});
        const QImage face = buttonfaces::face(look, button->hasFocus()).copy(QRect(-CommandButton::kFaceOrigin, CommandButton::kSize));
        EXPECT_TRUE(sameImage(face, button->grab().toImage()));
    }
}

// From the start-up focus, Tab goes round the window as a reader scans it, the
// command buttons included (Qt decides where the option buttons stop).
TEST_F(MainPanelTest, TabGoesRoundTheWindowInReadingOrderAndTheBackgroundResetsTheButtons)
{
    open(QStringList{writePicture(grey128())}, false);
    ASSERT_EQ(QApplication::focusWidget(), f->levelSlider);
    std::vector<QWidget *> reached;
    do {
        if (!qobject_cast<QRadioButton *>(QApplication::focusWidget()))
            reached.push_back(QApplication::focusWidget());
        press(Qt::Key_Tab, {});
    } while (QApplication::focusWidget() != f->levelSlider && reached.size() < 50);
    using F = MainPanel;
    const std::vector<QWidget *> readingOrder = { // down each column
        f->levelSlider, f->keepProportionsBox, f->invertBox, f->widthBox, f->heightBox, f->previewView,
        f->commandButtons[F::SaveAutomaticallyCommand], f->commandButtons[F::SaveAsCommand], f->advancedOptionsBox, f->variableNameBox,
        f->ditheringBox, f->commandButtons[F::PasteCommand], f->commandButtons[F::OpenCommand], f->commandButtons[F::ConvertCommand],
        f->arrows[F::Magnifier], f->canvas, f->commandButtons[F::ViewerCommand], f->calculatorFolderBox,
        f->pixelSizeBox, f->textBox, f->fontSizeBox, f->fontList, f->underlineBox, f->italicBox, f->boldBox, f->strikeOutBox,
        f->commandButtons[F::ValidateTextCommand], f->lineWidthBox, f->commandButtons[F::ValidateLineCommand], f->commandButtons[F::ValidateEllipseCommand],
    };
    EXPECT_EQ(reached, readingOrder);
    // A spinner's box steps by the up and down keys, as its arrows do.
    f->widthBox->setFocus();
    for (const auto &[key, width] : {std::pair{Qt::Key_Down, "144"}, {Qt::Key_Up, "160"}, {Qt::Key_Plus, "160"}}) {
        press(key, {});
        EXPECT_EQ(f->widthBox->text(), width);
    }
    // A button keeps its hover look until the pointer crosses the window's or the frame's background.
    const std::tuple<CommandButton *, QWidget *, QPoint> cases[] = { // button, background, a bare point of it
        {f->commandButtons[F::ConvertCommand], f, {205, 95}}, {f->commandButtons[F::ValidateLineCommand], f->toolsFrame, {10, 300}},
    };
    for (const auto &[button, background, bare] : cases) {
        ASSERT_EQ(background->childAt(bare), nullptr);
        QTest::mouseMove(button, QPoint(20, 12));
        EXPECT_EQ(button->look(), ButtonLook::Hover);
        QTest::mouseMove(background, bare);
        EXPECT_EQ(button->look(), ButtonLook::Normal) << button->objectName().toStdString();
    }
}

// Held, an arrow clicks after the delay and then at each interval, and its release adds
// none; the magnifier clicks once, on the release. (A plain click: the spinners' test.)
TEST_F(MainPanelTest, PictureButtonsClickOnReleaseOrRepeatWhileHeld)
{
    openWith(grey128());
    const std::tuple<const char *, MainPanel::Arrow, bool, int> cases[] = { // button, released over it, clicks then
        {"arrow held", MainPanel::HeightDown, true, 0},
        {"arrow held, released outside", MainPanel::HeightDown, false, 0},
        {"magnifier held", MainPanel::Magnifier, true, 1},
    };
    for (const auto &[what, arrow, inside, atRelease] : cases) {
        SCOPED_TRACE(what);
        PictureButton *picture = f->arrows[arrow];
        const bool repeats = arrow != MainPanel::Magnifier;
        QSignalSpy clicked(picture, &QAbstractButton::clicked);
        QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(5, 5));
        if (repeats)
            ASSERT_TRUE(QTest::qWaitFor([&] { return clicked.count() >= 2; }, 10000)); // QTRY_ would not fail the test
        else
            QTest::qWait(PictureButton::kRepeatDelay + 2 * PictureButton::kRepeatInterval);
        const int before = clicked.count();
        EXPECT_EQ(before > 0, repeats);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, inside ? QPoint(5, 5) : QPoint(60, 5));
        QTest::qWait(2 * PictureButton::kRepeatInterval);
        EXPECT_EQ(clicked.count(), before + atRelease);
    }
}
