// The conversion settings of the main window, and undoing them.
#include "mainpaneltest.h"

#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"

TEST_F(MainPanelTest, SliderDragShowsTheLevelAndReleaseConverts)
{
    openWith(grey128());
    QScrollBar *bar = f->levelSlider;
    const QPoint thumb = bar->rect().center(), far = thumb + QPoint(bar->width() / 5, 0); // level 0 in the middle
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, far);
    ASSERT_GT(bar->value(), 0);
    EXPECT_EQ(f->levelPercent->text(), QString::number(bar->value() + 50) + QStringLiteral(" %"));
    EXPECT_EQ(blackCount(), 0); // while dragging only the label follows
    QTest::mouseRelease(bar, Qt::LeftButton, {}, far);
    EXPECT_EQ(blackCount(), 16000);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Home); // a key commits at once
    EXPECT_EQ(f->levelPercent->text(), QStringLiteral("0 %"));
    EXPECT_EQ(f->document.settings.level, -50);
}

TEST_F(MainPanelTest, SpinnersStopAtTheirEndsAndRepeatWhileHeld)
{
    openWith(halfBlack(320, 200));
    using P = MainPanel;
    const std::tuple<P::Arrow, int, QLineEdit *, int> cases[] = { // arrow, clicks, box, value
        {P::WidthUp, 1, f->widthBox, 160},          {P::WidthDown, 10, f->widthBox, 16},
        {P::HeightDown, 50, f->heightBox, 2},       {P::HeightUp, 49, f->heightBox, 100},
        {P::PixelSizeDown, 1, f->pixelSizeBox, 1},  {P::PixelSizeUp, 3, f->pixelSizeBox, 4},
        {P::LineWidthDown, 1, f->lineWidthBox, 1},  {P::LineWidthUp, 1, f->lineWidthBox, 2},
        {P::FontSizeDown, 6, f->fontSizeBox, 1},    {P::FontSizeUp, 1, f->fontSizeBox, 2},
        {P::WidthUp, 8, f->widthBox, 144},
    };
    for (const auto &[arrow, clicks, box, expected] : cases) {
        click(f->arrows[arrow], clicks);
        EXPECT_EQ(box->text(), QString::number(expected)) << arrow;
    }
    EXPECT_EQ(f->document.work.drawWidth(), 2);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.work.image())); // no refit before the conversion

    PictureButton *bottom = f->arrows[MainPanel::HeightDown];
    QTest::mousePress(bottom, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f->heightBox->text(), QStringLiteral("100")); // nothing until the delay
    QTRY_VERIFY_WITH_TIMEOUT(f->heightBox->text().toInt() <= 94, 10000);
    const QString released = f->heightBox->text();
    QTest::mouseRelease(bottom, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(3 * PictureButton::kRepeatInterval);
    EXPECT_EQ(f->heightBox->text(), released); // the release stops it, with no extra step
}

TEST_F(MainPanelTest, UndoKeysBringBackPicturesFitAndSettings)
{
    openWith(halfBlack(320, 175));
    const auto savedSize = [&] {
        dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("s")));
        click(f->commandButtons[MainPanel::SaveAsCommand]);
        activate();
        return picfile::statedSize(readFile(folder.filePath(QStringLiteral("s.89i"))));
    };
    const QImage whole = f->document.work.image().copy();
    f->keepProportionsBox->setChecked(true);
    f->invertBox->setChecked(true);
    click(f->commandButtons[MainPanel::ConvertCommand]); // 160 x 87, inverted
    const QImage fitted = f->document.work.image().copy();
    Surface s(64, 30);
    s.setPicture(diagonal(64, 30));
    writeFile(folder.filePath(QStringLiteral("d.89i")), picfile::encode(s.image(), QSize(64, 30), QStringLiteral("zfig"), QStringLiteral("d")));
    dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("d.89i")));
    click(f->commandButtons[MainPanel::OpenCommand]); // its size goes with it
    const QImage opened = f->document.work.image().copy(), preview = f->document.preview.image().copy();
    activate();
    press(Qt::Key_Z);
    EXPECT_TRUE(sameImage(fitted, f->document.work.image()));
    EXPECT_EQ(savedSize(), QSize(160, 87));
    press(Qt::Key_Z);
    EXPECT_TRUE(sameImage(whole, f->document.work.image()));
    EXPECT_FALSE(f->invertBox->isChecked());
    EXPECT_TRUE(sameImage(preview, f->document.preview.image())); // the sources stay
    EXPECT_EQ(savedSize(), QSize(160, 100));
    // "Annuler" and "Rétablir" are offered in the menu while there is a step for them.
    const auto offered = [&] {
        emit menus().editMenu->aboutToShow();
        const std::pair<bool, bool> state{menus().undo->isEnabled(), menus().redo->isEnabled()};
        emit menus().editMenu->aboutToHide();
        return state;
    };
    press(Qt::Key_Y);
    EXPECT_TRUE(f->invertBox->isChecked());
    EXPECT_EQ(offered(), std::pair(true, true));
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sameImage(opened, f->document.work.image()));
    EXPECT_EQ(offered(), std::pair(true, false));
    f->levelSlider->setFocus(); // a notch of the slider, undone, moves it back
    press(Qt::Key_Right, {});
    press(Qt::Key_Z);
    EXPECT_EQ(f->levelPercent->text(), QStringLiteral("50 %"));
}
