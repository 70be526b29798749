// What a new tool gets from the tool base and the editor: the pointer and keys
// routed to it, its rubber band painted on the canvas, one undo step per validation.
#include "editor/canvas.h"
#include "editor/editor.h"
#include "editor/historique.h"
#include "support/imagediff.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// A tool written as a new one would be: it lays out one pixel where the pointer
// is, draws it black, and logs what reaches it.
class ProbeTool : public Tool
{
public:
    using Tool::Tool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override
    {
        log << QStringLiteral("press %1,%2 %3%4").arg(at.x()).arg(at.y()).arg(int(button))
                   .arg(modifiers.testFlag(Qt::ShiftModifier) ? " shift" : "");
        setPending(true);
        m_at = truncate(at);
        overlayChanged();
    }
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers) override
    {
        log << QStringLiteral("drag %1,%2 %3").arg(at.x()).arg(at.y()).arg(buttons.toInt());
        m_at = truncate(at);
        overlayChanged();
    }
    void release(const QPointF &at, Qt::MouseButton button) override
    {
        log << QStringLiteral("release %1,%2 %3").arg(at.x()).arg(at.y()).arg(int(button));
    }
    void endStroke() override { log << QStringLiteral("end"); }
    void nudge(QPoint by) override
    {
        m_at += by;
        overlayChanged();
    }

    QStringList log;

protected:
    void draw(Surface &picture) override { picture.setPixel(m_at.x(), m_at.y(), kNoir); }
    void paintPending(QPainter &painter) const override { painter.fillRect(QRect(m_at, QSize(1, 1)), overlayColour()); }

private:
    QPoint m_at;
};

class ToolBase : public ::testing::Test
{
protected:
    ToolBase()
    {
        QObject::connect(&editor, &Editor::stepFinished, [this] { steps += history.enregistrer(); });
        editor.selectTool(int(editor.tools().size()) - 1);
        canvas.show();
    }
    void send(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::KeyboardModifiers mods = {})
    {
        const QPointF at = QPointF(canvas.pictureOrigin()) + p;
        QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, mods);
        QCoreApplication::sendEvent(&canvas, &event);
    }
    void click(QPointF p) { stroke(p, p); }
    void stroke(QPointF from, QPointF to, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        send(QEvent::MouseButtonPress, from, button, mods);
        send(QEvent::MouseMove, to, button);
        send(QEvent::MouseButtonRelease, to, button);
    }
    void key(Qt::Key k) { QTest::keyClick(&canvas, k); }

    Surface picture{40, 30};
    Historique history{picture};
    Editor editor{picture};
    ProbeTool &probe = editor.addTool<ProbeTool>(QStringLiteral("Sonde"), Qt::Key_S);
    Canvas canvas{editor};
    int steps = 0;
};

} // namespace

TEST_F(ToolBase, ThePointerAndKeysReachTheToolAndOnlyAValidationDrawsAndMakesAStep)
{
    struct Row
    {
        const char *what;
        std::function<void()> act;
        QStringList log;
        QList<QPoint> black;
        int steps;
        bool pending = false;
    };
    const Row rows[] = {
        {"a drag in canvas pixels, the stroke ended before and after",
         [this] { stroke({10.5, 20.25}, {30, 12}, Qt::RightButton, Qt::ShiftModifier); },
         {"end", "press 10.5,20.25 2 shift", "drag 30,12 2", "release 30,12 2", "end"}, {}, 0, true},
        {"another button only ends the stroke", [this] { stroke({5, 5}, {6, 6}, Qt::BackButton); },
         {"end", "end", "end"}, {}, 0},
        {"Enter draws once, one step", [this] { click({3, 4}); key(Qt::Key_Return); key(Qt::Key_Enter); },
         {"end", "press 3,4 1", "drag 3,4 1", "release 3,4 1", "end"}, {{3, 4}}, 1},
        {"the arrows move the pending shape",
         [this] { click({3, 4}); key(Qt::Key_Right); key(Qt::Key_Down); key(Qt::Key_Down); probe.validate(); },
         {"end", "press 3,4 1", "drag 3,4 1", "release 3,4 1", "end"}, {{4, 6}}, 1},
        {"another tool drops it undrawn",
         [this] { click({3, 4}); editor.selectTool(3); editor.selectTool(7); key(Qt::Key_Return); },
         {"end", "press 3,4 1", "drag 3,4 1", "release 3,4 1", "end", "end", "end"}, {}, 0},
        {"nothing pending, nothing drawn", [this] { probe.validate(); key(Qt::Key_Return); }, {}, {}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        editor.selectTool(-1); // drops what the previous row left pending
        editor.selectTool(7);
        picture.cls();
        history.reinitialiser();
        probe.log.clear();
        steps = 0;
        row.act();
        EXPECT_EQ(probe.log, row.log);
        EXPECT_TRUE(sameImage(blackAt({40, 30}, row.black), picture.image()));
        EXPECT_EQ(steps, row.steps);
        EXPECT_EQ(probe.pending(), row.pending);
        if (row.steps == 1) { // the step is the validation: undo takes the shape away
            EXPECT_TRUE(history.annuler());
            EXPECT_TRUE(sameImage(blackAt({40, 30}, {}), picture.image()));
        }
    }
}

TEST_F(ToolBase, TheRubberBandIsPaintedOverThePictureOnlyWhilePending)
{
    const QImage plain = canvas.grab().toImage();
    const auto shownAt = [this](QPoint p) { return canvas.grab().toImage().pixel(canvas.pictureOrigin() + p); };
    send(QEvent::MouseButtonPress, {7.5, 9.5}, Qt::LeftButton);
    EXPECT_EQ(shownAt({7, 9}), Tool::overlayColour().rgb());
    EXPECT_EQ(shownAt({8, 9}), plain.pixel(canvas.pictureOrigin() + QPoint(8, 9)));
    send(QEvent::MouseMove, {-1, 9}, Qt::LeftButton); // off the picture: clipped, the border stays
    EXPECT_EQ(canvas.grab().toImage(), plain);
    send(QEvent::MouseMove, {39, 29}, Qt::LeftButton);
    EXPECT_EQ(shownAt({39, 29}), Tool::overlayColour().rgb());
    editor.selectTool(0);
    EXPECT_EQ(canvas.grab().toImage(), plain);
    EXPECT_TRUE(sameImage(blackAt({40, 30}, {}), picture.image())); // the rubber band never touched the picture
}

TEST_F(ToolBase, F1AsksForTheAboutWindowWhateverTheTool)
{
    QSignalSpy about(&editor, &Editor::aboutRequested);
    for (int index : {7, 0, -1})
        editor.selectTool(index), key(Qt::Key_F1);
    EXPECT_EQ(about.count(), 3);
}

namespace {

// The canvas as the zoom screen uses it: each picture pixel a factor x factor square.
class ScaledCanvas : public Canvas
{
public:
    using Canvas::Canvas;
    using Canvas::setScale;
};

} // namespace

TEST_F(ToolBase, AScaledCanvasTakesAnyPointOfAPixelsSquareAndShowsTheRubberBandOverIt)
{
    ScaledCanvas scaled(editor, nullptr, false);
    scaled.resize(100, 80);
    scaled.setScale({10, 5}, 2);
    scaled.setScale({7, 4}, 2); // a new origin alone applies too
    scaled.show();
    const QRgb red = Tool::overlayColour().rgb();
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 1)}) {
        probe.log.clear();
        QTest::mouseClick(&scaled, Qt::LeftButton, {}, QPoint(7, 4) + QPoint(5, 7) * 2 + corner);
        EXPECT_EQ(probe.log.value(1), QStringLiteral("press 5,7 1"));
    }
    const QImage shown = scaled.grab().toImage();
    for (QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        EXPECT_EQ(shown.pixel(QPoint(17, 18) + at), red);
    EXPECT_NE(shown.pixel(QPoint(19, 18)), red);

    editor.selectTool(3); // a rubber band of width 1 stays one screen pixel wide
    QTest::mousePress(&scaled, Qt::LeftButton, {}, QPoint(28, 25));
    QTest::mouseMove(&scaled, QPoint(48, 25));
    QSet<int> rows;
    const QImage line = scaled.grab().toImage();
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x)
            if (line.pixel(x, y) == red)
                rows << y;
    EXPECT_EQ(rows.size(), 1);
    QTest::mouseRelease(&scaled, Qt::LeftButton, {}, QPoint(48, 25));
}
