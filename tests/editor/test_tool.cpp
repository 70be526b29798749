// What a new tool gets from the tool base and the editor: the pointer and keys
// routed to it, its rubber band painted on every canvas, one undo step per validation.
#include "canvastest.h"

#include "editor/history.h"

#include <QSet>

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
        note("press", at, int(button) | (modifiers.testFlag(Qt::ShiftModifier) ? 0x100 : 0));
        setPending(true);
        drag(at, {}, {});
    }
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers) override
    {
        if (buttons.toInt())
            note("drag", at, buttons.toInt());
        m_at = truncate(at);
        overlayChanged();
    }
    void release(const QPointF &at, Qt::MouseButton button) override { note("release", at, int(button)); }
    void endStroke() override { log << QStringLiteral("end"); }
    void nudge(QPoint by) override { drag(m_at + by, {}, {}); }

    QStringList log;

protected:
    void draw(Surface &picture) override { picture.setPixel(m_at.x(), m_at.y(), kBlack); }
    void paintPending(QPainter &painter) const override { painter.fillRect(QRect(m_at, QSize(1, 1)), overlayColour()); }

private:
    void note(const char *what, QPointF at, int buttons) { log << QStringLiteral("%1 %2,%3 %4").arg(what).arg(at.x()).arg(at.y()).arg(buttons); }

    QPoint m_at;
};

// The canvas as the zoom screen uses it: each picture pixel a factor x factor square.
struct ScaledCanvas : Canvas
{
    using Canvas::Canvas, Canvas::setScale;
};

class ToolBase : public CanvasTest
{
protected:
    ToolBase()
    {
        QObject::connect(&editor, &Editor::stepFinished, [this] { steps += history.record(); });
        editor.selectTool(kProbe);
    }

    static constexpr int kProbe = 8; // after the registered tools
    ProbeTool &probe = editor.addTool<ProbeTool>(QStringLiteral("Sonde"), Qt::Key_Z);
    History history{picture};
    int steps = 0;
};

} // namespace

TEST_F(ToolBase, ThePointerAndKeysReachTheToolAndOnlyAValidationDrawsAndMakesAStep)
{
    struct Row { const char *what; std::function<void()> act; QStringList log; QList<QPoint> black; int steps; bool pending; };
    const QStringList click = {"end", "press 3,4 1", "release 3,4 1", "end"};
    const Row rows[] = {
        {"a drag in canvas pixels, the stroke ended before and after",
         [this] { stroke({{10.5, 20.25}, {30, 12}}, Qt::RightButton, Qt::ShiftModifier); },
         {"end", "press 10.5,20.25 258", "drag 30,12 2", "release 30,12 2", "end"}, {}, 0, true},
        {"another button only ends the stroke", [this] { stroke({{5, 5}, {6, 6}}, Qt::BackButton); }, {"end", "end", "end"}, {}, 0, false},
        {"Enter draws once, one step", [this] { stroke({{3, 4}}); key(Qt::Key_Return); key(Qt::Key_Enter); }, click, {{3, 4}}, 1, false},
        {"the arrows move the pending shape",
         [this] { stroke({{3, 4}}); key(Qt::Key_Right); key(Qt::Key_Down); key(Qt::Key_Down); probe.validate(); }, click, {{4, 6}}, 1, false},
        {"another tool drops it undrawn", [this] { stroke({{3, 4}}); editor.selectTool(3); editor.selectTool(kProbe); key(Qt::Key_Return); },
         click + QStringList{"end", "end"}, {}, 0, false},
        {"nothing pending, nothing drawn", [this] { probe.validate(); key(Qt::Key_Return); }, {}, {}, 0, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        editor.selectTool(-1); // drops what the previous row left pending
        editor.selectTool(kProbe);
        picture.cls(), history.reset(), probe.log.clear(), steps = 0;
        row.act();
        EXPECT_EQ(probe.log, row.log);
        EXPECT_TRUE(sameImage(blackAt({160, 100}, row.black), picture.image()) && steps == row.steps && probe.pending() == row.pending)
            << steps; // (undoing a validation's step: the zoom window's test)
    }
}

TEST_F(ToolBase, TheRubberBandIsPaintedOverThePictureWhilePendingAndScaledWithIt)
{
    const QImage plain = shown();
    send(QEvent::MouseButtonPress, {7.5, 9.5}, Qt::LeftButton);
    EXPECT_EQ(rubberBand(), QList<QPoint>{QPoint(7, 9)});
    send(QEvent::MouseMove, {-1, 9}, Qt::LeftButton); // off the picture: clipped, the border stays
    EXPECT_EQ(shown(), plain);

    ScaledCanvas scaled(editor, nullptr, false);
    scaled.resize(400, 250);
    scaled.setScale({10, 5}, 2);
    scaled.setScale({7, 4}, 2); // a new origin alone applies too
    scaled.show();
    const QRgb red = Tool::overlayColour().rgb();
    send(QEvent::MouseMove, {5, 7}, Qt::LeftButton);
    const QImage square = scaled.grab().toImage();
    for (QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1), QPoint(2, 0)})
        EXPECT_EQ(square.pixel(QPoint(17, 18) + at) == red, at.x() < 2) << at.x() << "," << at.y();
    editor.selectTool(0);
    EXPECT_EQ(shown(), plain);

    editor.selectTool(3); // a line's rubber band of width 1 stays one screen pixel wide
    stroke({{10, 10}, {20, 10}});
    QSet<int> rows;
    const QImage line = scaled.grab().toImage();
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x)
            if (line.pixel(x, y) == red)
                rows << y;
    EXPECT_EQ(rows.size(), 1);
}
