// The conversion settings of the main window, and undoing them.
#include "mainpaneltest.h"

#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"

// The arrows stop at the spinners' ends; a notch of the wheel over a spinner's box
// is a click of its arrow, and parts of a notch add up.
TEST_F(MainPanelTest, SpinnersStopAtTheirEnds)
{
    openWith(halfBlack(320, 200));
    using P = MainPanel;
    const auto arrow = [this](P::Arrow a, int clicks) { return [=, this] { click(f->arrows[a], clicks); }; };
    const auto wheel = [](QLineEdit *box, std::vector<int> deltas) {
        return [=] {
            for (int delta : deltas) {
                QWheelEvent event(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(box, &event);
            }
        };
    };
    const std::tuple<std::function<void()>, QLineEdit *, int> cases[] = { // action, box, value
        {arrow(P::WidthUp, 1), f->widthBox, 160},          {arrow(P::WidthDown, 10), f->widthBox, 16},
        {arrow(P::HeightDown, 50), f->heightBox, 2},       {arrow(P::HeightUp, 49), f->heightBox, 100},
        {arrow(P::PixelSizeDown, 1), f->pixelSizeBox, 1},  {arrow(P::PixelSizeUp, 3), f->pixelSizeBox, 4},
        {arrow(P::LineWidthDown, 1), f->lineWidthBox, 1},  {arrow(P::LineWidthUp, 1), f->lineWidthBox, 2},
        {arrow(P::FontSizeDown, 6), f->fontSizeBox, 1},    {arrow(P::FontSizeUp, 1), f->fontSizeBox, 2},
        {arrow(P::WidthUp, 8), f->widthBox, 144},          {wheel(f->heightBox, {-120}), f->heightBox, 98},
        {wheel(f->heightBox, {-240, 120}), f->heightBox, 96}, {wheel(f->lineWidthBox, {60}), f->lineWidthBox, 2},
        {wheel(f->lineWidthBox, {60}), f->lineWidthBox, 3}, {wheel(f->lineWidthBox, {-120}), f->lineWidthBox, 2},
    };
    for (const auto &[action, box, expected] : cases) {
        action();
        EXPECT_EQ(box->text(), QString::number(expected)) << box->objectName().toStdString();
    }
    EXPECT_EQ(f->document.work.drawWidth(), 2);
    EXPECT_TRUE(sameImage(screenPicture(true), f->document.work.image())); // no refit before the conversion
}

// Each change converts as one step (the slider's notches as one); undo brings back the
// picture, its fit, the area the automatic save writes and the controls with the menus'
// checks, keeping the sources; redo the change.
TEST_F(MainPanelTest, UndoAndRedoBringBackPicturesFitAndSettings)
{
    QImage twoGreys = filled(320, 175, qRgb(200, 200, 200)), checkerboard(320, 175, QImage::Format_RGB32);
    QPainter(&twoGreys).fillRect(0, 0, 160, 175, QColor(140, 140, 140)); // Otsu: level 17
    for (int y = 0; y < 175; ++y)
        for (int x = 0; x < 320; ++x) // its mean is light, its AND dark
            checkerboard.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(100, 100, 100));
    openWith(twoGreys);
    f->levelSlider->setValue(1), f->levelSlider->setValue(0); // the label shows the level from its first change on
    writeFile(folder.filePath(QStringLiteral("d.89i")), picfile::encode(diagonal(64, 30), QSize(64, 30), "zfig", "d"));
    const auto savedSize = [&] {
        const QSize s = picfile::statedSize(readFile(dialogs.messages.back().detail));
        return QString::number(s.width()) + u'x' + QString::number(s.height());
    };
    const auto state = [&] { // the sizes "Sauver sous" and the automatic save write, then the controls
        dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("s")));
        f->saveAs();
        QStringList words{savedSize()};
        f->saveAutomatically();
        emit menus().conversionMenu->aboutToShow();
        words << savedSize() << (f->invertBox->isChecked() ? "inverted" : "-") << f->levelPercent->text()
              << (menus().reductionAnd->isChecked() ? "and" : "mean") << (menus().simpleMethod->isChecked() ? "simple" : "grey")
              << (f->levelSlider->isEnabled() ? "-" : "slider-off") << (f->ditheringBox->isChecked() ? "dithered" : "-");
        return words.join(u' ');
    };
    using F = MainPanel;
    const std::pair<std::function<void()>, const char *> rows[] = { // change, state after it
        {[&] { // dragged, the thumb shows its level only; its release converts
             const QImage shown = f->document.work.image().copy();
             const QPoint thumb = f->levelSlider->rect().center(), end(f->levelSlider->width() - 1, thumb.y());
             QTest::mousePress(f->levelSlider, Qt::LeftButton, {}, thumb);
             QTest::mouseMove(f->levelSlider, end);
             EXPECT_TRUE(f->levelPercent->text() == "100 %" && sameImage(shown, f->document.work.image()));
             QTest::mouseRelease(f->levelSlider, Qt::LeftButton, {}, end);
         }, "160x100 160x100 - 100 % mean grey - -"},
        {[&] { menus().automaticLevel->trigger(); }, "160x100 160x100 - 67 % mean grey - -"},
        {[&] { // at the level it finds: the slider stays, yet it converts
             f->keepProportionsBox->setChecked(true);
             f->invertBox->setChecked(true);
             menus().automaticLevel->trigger();
         }, "160x87 160x100 inverted 67 % mean grey - -"},
        {[&] { dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("d.89i"))), click(f->commandButtons[F::OpenCommand]); },
         "64x30 64x30 inverted 67 % mean grey - -"},
        {[&] { f->importPicture(checkerboard), menus().reductionAnd->trigger(); }, "160x87 160x100 inverted 67 % and grey - -"},
        {[&] { f->importPicture(twoGreys), menus().simpleMethod->trigger(), click(f->commandButtons[F::ConvertCommand]); },
         "160x87 160x100 inverted 67 % and simple slider-off -"},
        {[&] { menus().greyMethod->trigger(), f->ditheringBox->click(), click(f->commandButtons[F::ConvertCommand]); },
         "160x87 160x100 inverted 67 % and grey - dithered"},
        {[&] {
             f->levelSlider->setFocus();
             for (int notch = 0; notch < 3; ++notch)
                 press(Qt::Key_Right, {});
         }, "160x87 160x100 inverted 70 % and grey - dithered"},
        {[&] { // the automatic save writes what was fitted, not what the spinner shows since
             click(f->arrows[F::WidthDown], 5), click(f->commandButtons[F::ConvertCommand]), click(f->arrows[F::WidthUp], 5);
         }, "80x43 80x100 inverted 70 % and grey - dithered"},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto &[change, after] = rows[i];
        SCOPED_TRACE(after);
        const QString before = state();
        const QImage old = f->document.work.image().copy();
        change();
        const QImage changed = f->document.work.image().copy(), source = f->document.source.image().copy();
        EXPECT_TRUE(state() == QString::fromUtf8(after) && !sameImage(old, changed)) << state().toStdString();
        press(Qt::Key_Z);
        EXPECT_TRUE(state() == before && sameImage(old, f->document.work.image()) && sameImage(source, f->document.source.image()))
            << state().toStdString();
        i % 2 ? press(Qt::Key_Y) : press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(state() == QString::fromUtf8(after) && sameImage(changed, f->document.work.image())) << state().toStdString();
    }
    // "Annuler" and "Rétablir" are offered in the menu while there is a step for them.
    const auto offered = [&] {
        emit menus().editMenu->aboutToShow();
        const std::pair<bool, bool> offers{menus().undo->isEnabled(), menus().redo->isEnabled()};
        emit menus().editMenu->aboutToHide();
        return offers;
    };
    EXPECT_EQ(offered(), std::pair(true, false));
    press(Qt::Key_Z);
    EXPECT_EQ(offered(), std::pair(true, true));
}

// A frame drawn on the preview, "Rogner les marges", a turn and a screen size each
// convert once, as one undo step that brings the frame, the turned source and the
// picture back; the sizes' spinners stop at their ends from a screen's size.
TEST_F(MainPanelTest, FramingTheSourceIsOneUndoStepEach)
{
    QImage drawing = filled(400, 250, kWhite);
    QPainter(&drawing).fillRect(100, 50, 120, 60, Qt::black);
    openWith(drawing);
    FramedPreview *preview = f->previewView;
    const auto drag = [&] {
        QTest::mousePress(preview, Qt::LeftButton, {}, preview->origin() + QPoint(20, 10));
        QTest::mouseMove(preview, preview->origin() + QPoint(100, 70));
        QTest::mouseRelease(preview, Qt::LeftButton, {}, preview->origin() + QPoint(100, 70));
    };
    using Row = std::tuple<const char *, std::function<void()>, QRect, QSize>; // frame and source after
    const Row rows[] = {
        {"drawn", drag, {50, 25, 200, 150}, {400, 250}},
        {"margins", [&] { menus().trimMargins->trigger(); }, {100, 50, 120, 60}, {400, 250}},
        {"turned", [&] { menus().rotateRight->trigger(); }, {140, 100, 60, 120}, {250, 400}},
        {"whole", [&] { menus().wholePicture->trigger(); }, {}, {250, 400}},
    };
    for (const auto &[what, change, frame, size] : rows) {
        SCOPED_TRACE(what);
        const QRect frameBefore = f->document.frame();
        const QImage before = f->document.work.image().copy(), sourceBefore = f->document.source.image().copy();
        const int steps = f->history.undoCount();
        change();
        EXPECT_TRUE(f->document.frame() == frame && preview->shownFrame().isEmpty() == frame.isEmpty() && f->document.source.size() == size
                    && f->history.undoCount() == steps + 1);
        const QImage after = f->document.work.image().copy();
        press(Qt::Key_Z);
        EXPECT_TRUE(f->document.frame() == frameBefore && sameImage(before, f->document.work.image())
                    && sameImage(sourceBefore, f->document.source.image()));
        press(Qt::Key_Y);
        EXPECT_TRUE(f->document.frame() == frame && sameImage(after, f->document.work.image()));
    }
    const auto shownSize = [&] { // the spinners and the size the menu checks
        emit menus().sizeMenu->aboutToShow();
        return f->widthBox->text() + u'x' + f->heightBox->text() + (menus().graphScreen->isChecked() ? " graphique" : menus().freeSize->isChecked() ? " libre" : "");
    };
    menus().graphScreen->trigger();
    EXPECT_EQ(shownSize(), QStringLiteral("159x77 graphique"));
    f->saveAutomatically();
    EXPECT_EQ(picfile::statedSize(readFile(folder.filePath("fig0000.89i"))), QSize(159, 77));
    click(f->arrows[MainPanel::WidthUp], 2), click(f->arrows[MainPanel::HeightDown]);
    EXPECT_EQ(shownSize(), QStringLiteral("160x75 libre"));
}
