#include "canvastest.h"

#include "editor/history.h"
#include "editor/selectiontool.h"

#include <functional>

namespace {

class SelectionTest : public CanvasTest
{
protected:
    SelectionTest() { QObject::connect(&editor, &Editor::stepFinished, [this] { steps += history.record(); }); }
    SelectionTool &selection = editor.selection();
    History history{picture};
    int steps = 0;
};

} // namespace

// By real events from a picture with a 4 x 3 black block at (10, 10) and a pixel at
// (0, 0): what the picture holds once the selection is laid down, and how many undo
// steps that took. A move leaves white behind; a selection is clipped to the picture;
// with nothing selected, flips and inversion take the whole picture.
TEST_F(SelectionTest, MovesClearsFlipsAndInvertsAgainstGoldens)
{
    const QImage start = with({{10, 10, 4, 3}, {0, 0, 1, 1}});
    const auto select = [this](QPointF from, QPointF to) { stroke({from, to}); };
    struct Row { const char *what; std::function<void()> act; QImage expected; int steps; };
    const Row rows[] = {
        {"dragged inside: moved, laid down by Enter", [&] { select({8, 8}, {15, 14}), stroke({{11, 11}, {31, 21}}), key(Qt::Key_Return); },
         with({{30, 20, 4, 3}, {0, 0, 1, 1}}), 1},
        {"the arrows lift and move it, Échap lays it down",
         [&] { select({10, 10}, {13, 12}), key(Qt::Key_Right), key(Qt::Key_Right), key(Qt::Key_Down), key(Qt::Key_Escape); },
         with({{12, 11, 4, 3}, {0, 0, 1, 1}}), 1},
        {"moved far off: one pixel stays on the picture", [&] { select({10, 10}, {13, 12}), stroke({{10, 10}, {-500, 900}}), key(Qt::Key_Return); },
         with({{0, 99, 1, 1}, {0, 0, 1, 1}}), 1},
        {"a press outside lays it down and starts anew", [&] { select({10, 10}, {13, 12}), stroke({{10, 10}, {50, 50}}), select({100, 5}, {100, 5}); },
         with({{50, 50, 4, 3}, {0, 0, 1, 1}}), 1},
        {"dragged past the picture, clipped, then Suppr", [&] { select({-20, -20}, {11.9, 11.9}), key(Qt::Key_Delete); },
         with({{10, 10, 4, 3}}, Qt::black, Qt::white, {{10, 10, 2, 2}}), 1},
        {"Suppr on moved pixels drops them, the ground stays white", [&] { select({9, 9}, {14, 13}), key(Qt::Key_Left), key(Qt::Key_Delete), key(Qt::Key_Return); },
         with({{0, 0, 1, 1}}), 1},
        {"flipped left to right in the selection", [&] { select({0, 0}, {13, 12}), selection.flip(Qt::Horizontal); },
         with({{0, 10, 4, 3}, {13, 0, 1, 1}}), 1},
        {"the whole picture flipped top to bottom", [&] { selection.flip(Qt::Vertical); }, with({{10, 87, 4, 3}, {0, 99, 1, 1}}), 1},
        {"the whole picture inverted", [&] { selection.invert(); }, with({{10, 10, 4, 3}, {0, 0, 1, 1}}, Qt::white, Qt::black), 1},
        {"a move, then an inversion: two steps", [&] { select({10, 10}, {13, 12}), key(Qt::Key_Up), selection.invert(); },
         with({{0, 0, 1, 1}}), 2},
        {"a pasted picture floats at the top-left until laid down, cut to the picture",
         [&] { editor.paste(with({{0, 0, 2, 2}}).scaled(320, 200)), key(Qt::Key_Right), editor.selectTool(0); },
         with({{0, 0, 1, 1}, {1, 0, 4, 4}}), 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        editor.selectTool(7);
        picture.image() = start.copy();
        history.reset(), steps = 0;
        row.act();
        selection.cancel();
        EXPECT_TRUE(sameImage(row.expected, picture.image()) && steps == row.steps) << steps;
        EXPECT_TRUE(history.undo() || row.steps == 0);
        EXPECT_TRUE(sameImage(start, picture.image()) || row.steps > 1) << "undone";
    }
}

// A picture from elsewhere becomes black and white: transparent parts white, dark
// greys black; a huge one is cut to the work picture before anything is copied.
TEST_F(SelectionTest, PastedPicturesAreCutAndMadeBlackAndWhite)
{
    QImage huge(4000, 3000, QImage::Format_ARGB32);
    huge.fill(Qt::transparent);
    for (const auto &[at, colour] : {std::pair{QPoint(1, 1), qRgb(127, 127, 127)}, {QPoint(2, 1), qRgb(128, 128, 128)}, {QPoint(3, 1), qRgba(0, 0, 0, 255)}})
        huge.setPixel(at, colour);
    const QImage pasted = SelectionTool::pixelsToPaste(huge, {160, 100});
    EXPECT_TRUE(sameImage(pasted, with({{1, 1, 1, 1}, {3, 1, 1, 1}})) && SelectionTool::pixelsToPaste(QImage(), {160, 100}).isNull());
}

// [ and ] make the current tool's stroke thinner or thicker, each its own size.
TEST_F(SelectionTest, BracketsResizeTheCurrentToolsStroke)
{
    const std::tuple<int, Qt::Key, int, int> rows[] = { // tool, key, pixel size, line width then
        {0, Qt::Key_BracketRight, 2, 1}, {0, Qt::Key_BracketLeft, 1, 1}, {3, Qt::Key_BracketRight, 1, 2},
        {5, Qt::Key_BracketRight, 1, 3}, {6, Qt::Key_BracketRight, 1, 3}, {7, Qt::Key_BracketLeft, 1, 3},
    };
    for (const auto &[tool, k, pixel, width] : rows) {
        editor.selectTool(tool), key(k);
        EXPECT_TRUE(editor.pixelSize().value() == pixel && editor.lineWidth().value() == width) << tool;
    }
}
