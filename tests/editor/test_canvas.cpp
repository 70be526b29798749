#include "canvastest.h"

#include "editor/ellipsetool.h"
#include "editor/linetool.h"
#include "editor/texttool.h"

#include <QSignalSpy>

TEST_F(CanvasTest, PixelToolsPaintSquaresFromTheTruncatedPointerAlongTheWholeStroke)
{
    struct Row { const char *what; int tool, size; Qt::MouseButton button; QList<Path> strokes; QList<QRect> squares; };
    const Row rows[] = {
        {"two clicks, unjoined", 0, 1, Qt::LeftButton, {{{12.9, 34.7}}, {{14, 34}}}, {{12, 34, 1, 1}, {14, 34, 1, 1}}},
        {"clipped right and bottom", 0, 3, Qt::RightButton, {{{158.5, 98.2}}}, {{158, 98, 2, 2}}},
        {"wholly outside", 0, 3, Qt::LeftButton, {{{-40, 50}, {1e12, -1e12}, {-1e12, 1e12}}}, {}},
        {"continuous stroke", 0, 2, Qt::LeftButton, {{{10, 10}, {14.9, 10}, {14, 13.2}, {11, 10.5}}},
         {{10, 10, 6, 2}, {14, 10, 2, 5}, {13, 12, 2, 2}, {12, 11, 2, 2}, {11, 10, 2, 2}}},
        {"shallow and steep steps", 0, 1, Qt::LeftButton, {{{20, 60}, {25, 62}, {26, 64}}},
         {{20, 60, 2, 1}, {22, 61, 2, 1}, {24, 62, 2, 1}, {26, 63, 1, 2}}},
        {"pixel off on black", 1, 2, Qt::MiddleButton, {{{4, 4}}}, {{4, 4, 2, 2}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const bool off = row.tool == 1;
        picture.image().fill(off ? Qt::black : Qt::white);
        editor.selectTool(row.tool);
        sizes(row.size, 1);
        for (const Path &path : row.strokes)
            stroke(path, row.button);
        EXPECT_TRUE(sameImage(off ? with(row.squares, Qt::white, Qt::black) : with(row.squares), picture.image()));
    }
    send(QEvent::MouseMove, {-3.5, 10.9}, Qt::NoButton); // the readout truncates towards zero
    EXPECT_EQ(readout, "-3x10");
}

TEST_F(CanvasTest, LineIsRestartedByAPressNudgedByArrowsAndDrawnOnceByEnter)
{
    editor.selectTool(3);
    stroke({{70, 20}, {90, 90}});
    stroke({{10, 10}, {30, 10}});
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_TRUE(sameImage(with({{11, 11, 20, 1}}), picture.image())); // the end pixel is left out
    key(Qt::Key_Down);
    key(Qt::Key_Enter); // nothing left to draw
    EXPECT_TRUE(sameImage(with({{11, 11, 20, 1}}), picture.image()));

    picture.cls(); // at width 3, three rows thick
    sizes(1, 3);
    stroke({{10, 30}, {60, 30}});
    editor.tool<LineTool>()->validate();
    EXPECT_TRUE(sameImage(with({{12, 29, 47, 3}}).copy(12, 0, 47, 100), picture.image().copy(12, 0, 47, 100)));
}

TEST_F(CanvasTest, EllipseGrowsRightAndDownOnePixelWideAndOnlyItsButtonDrawsIt)
{
    QImage golden = with({});
    QPainter(&golden).drawImage(10, 10, imageFromAscii({
        "....############.....",
        "..##............##...",
        "##................##.",
        "#..................#.",
        "#..................#.",
        "#..................##",
        "#..................#.",
        "##................##.",
        "..##............##...",
        "....############.....",
    }));
    struct Row { const char *what; QList<Path> strokes; QImage expected; };
    const Row rows[] = {
        {"10,10 to 30,20: the bottom row is never reached", {{{10.6, 10.6}, {30, 20}}}, golden},
        {"dragged to the left: a column", {{{40, 30}, {25, 41}, {25, 38}}}, with({{40, 30, 1, 8}})},
        {"a second press cancels, a third starts anew", {{{10, 10}, {30, 20}}, {{50, 50}}, {{60, 40}}},
         with({{60, 40, 1, 1}})},
    };
    sizes(1, 3); // the line width does not apply
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        picture.cls();
        editor.selectTool(4);
        for (const Path &path : row.strokes)
            stroke(path);
        editor.selectTool(4); // the same tool keeps a pending ellipse
        key(Qt::Key_Return);
        EXPECT_TRUE(sameImage(with({}), picture.image()));
        editor.tool<EllipseTool>()->validate();
        EXPECT_TRUE(sameImage(row.expected, picture.image()));
    }
}

TEST_F(CanvasTest, RectangleOutlinesGrowInwardsAreClippedAndFilledWithShift)
{
    struct Row { int width; QPoint from, to; bool shift; QRect outer, hole; };
    const Row rows[] = {
        {1, {2, 3}, {7, 6}, false, {2, 3, 6, 4}, {3, 4, 4, 2}},
        {3, {-2, -1}, {9, 7}, false, {0, 0, 10, 8}, {1, 2, 6, 3}},
        {3, {150, 90}, {170, 120}, false, {150, 90, 10, 10}, {153, 93, 7, 7}},
        {3, {20, 20}, {25, 40}, false, {20, 20, 6, 21}, {}}, // too narrow for a hole
        {1, {150, 95}, {170, 110}, true, {150, 95, 10, 5}, {}}, // Shift held at the press
        {1, {5, 5}, {5, 5}, false, {5, 5, 1, 1}, {}},
    };
    editor.selectTool(5);
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << " " << row.from.x() << "," << row.from.y());
        picture.cls();
        sizes(1, row.width);
        stroke({row.from, row.to + QPointF(0.3, 0.9)}, Qt::LeftButton, row.shift ? Qt::ShiftModifier : Qt::NoModifier);
        key(Qt::Key_Return);
        EXPECT_TRUE(sameImage(with({row.outer}, Qt::black, Qt::white, {row.hole}), picture.image()));
    }
    stroke({{10, 10}, {20, 20}});
    stroke({{30, 30}}); // a second press cancels
    key(Qt::Key_Return);
    EXPECT_TRUE(sameImage(with({{5, 5, 1, 1}}), picture.image()));
}

TEST_F(CanvasTest, FillCoversTheFourConnectedAreaOfTheClickedColour)
{
    const QImage mainWindow = with({{10, 10, 11, 11}}, Qt::black, Qt::white, {{11, 11, 9, 9}});
    struct Row { const char *what; QImage before; Qt::MouseButton button; QPointF at; QImage after; };
    const Row rows[] = {
        {"enclosed", mainWindow, Qt::LeftButton, {15.5, 15.5}, with({{10, 10, 11, 11}})},
        {"open", with({{10, 10, 11, 11}}, Qt::black, Qt::white, {{11, 11, 9, 9}, {20, 15, 1, 1}}), Qt::LeftButton,
         {15, 15}, with({}, Qt::black, Qt::black)},
        {"right button, 4-connected: a diagonal wall shuts the corner", with({{1, 0, 1, 1}, {0, 1, 1, 1}}, Qt::white,
         Qt::black), Qt::RightButton, {5, 5}, with({{0, 0, 1, 1}})},
        {"same colour", mainWindow, Qt::RightButton, {15, 15}, mainWindow},
    };
    editor.selectTool(6);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QPainter(&picture.image()).drawImage(0, 0, row.before);
        stroke({row.at}, row.button);
        EXPECT_TRUE(sameImage(row.after, picture.image()));
    }
}

// Where each rubber band shows, in picture pixels: its bounding box, and whether
// it covers any pixel of the middle of the shape (a filled rectangle's dots).
TEST_F(CanvasTest, RubberBandsCoverTheirShapesPixelsAndNoMore)
{
    struct Row { const char *what; int tool, width; Path path; bool shift; QRect box, middle; bool inMiddle; };
    const Row rows[] = {
        {"line, its start as it came, not truncated", 3, 1, {{10.2, 10.7}, {30, 10}}, false, {10, 10, 21, 2}, {}, false},
        {"line at width 3", 3, 3, {{10, 10}, {30, 10}}, false, {9, 9, 23, 3}, {}, false},
        {"a line's single point, shown down and right", 3, 1, {{5, 5}}, false, {6, 6, 1, 1}, {}, false},
        {"ellipse", 4, 3, {{10, 10}, {30, 20}}, false, {10, 10, 21, 11}, {15, 13, 11, 5}, false},
        {"rectangle, corners in any order", 5, 3, {{50, 35}, {40.7, 30.2}}, false, {40, 30, 11, 6}, {42, 32, 7, 2}, false},
        {"rectangle on the picture's first row and column", 5, 1, {{5, 3}, {0, 0}}, false, {0, 0, 6, 4}, {}, false},
        {"filled rectangle", 5, 1, {{40, 30}, {50, 35}}, true, {40, 30, 11, 6}, {42, 32, 7, 2}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        editor.selectTool(row.tool);
        sizes(1, row.width);
        stroke(row.path, Qt::LeftButton, row.shift ? Qt::ShiftModifier : Qt::NoModifier);
        QRect box;
        int inMiddle = 0;
        for (QPoint p : rubberBand()) {
            box |= QRect(p, QSize(1, 1));
            inMiddle += row.middle.contains(p);
        }
        EXPECT_EQ(box, row.box) << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
        EXPECT_EQ(inMiddle > 0, row.inMiddle) << inMiddle;
        editor.selectTool(-1);
    }
}

TEST_F(CanvasTest, TheLabelIsPlacedAndDroppedByClicksAndValidationPrintsOnlyItsGlyphs)
{
    for (int x = 0; x < 160; x += 3) // every third column black
        QPainter(&picture.image()).fillRect(x, 0, 1, 100, Qt::black);
    const QImage before = picture.image().copy();
    editor.selectTool(2);
    editor.setText(QStringLiteral("Brivane\r\nTI-89"));
    stroke({{80, 60}});
    stroke({editor.tool<TextTool>()->labelRect().center()}); // a click on the label drops it
    stroke({{20.4, 30.6}});
    editor.setFontFamily(QStringLiteral("DejaVu Serif")); // applies to the placed label at once
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    const QRectF box = editor.tool<TextTool>()->labelRect();
    EXPECT_EQ(box.topLeft(), QPointF(19, 30));
    const QList<QPoint> label = rubberBand(); // the label shows where validation prints it
    EXPECT_GT(label.size(), 20);
    for (QPoint p : label)
        EXPECT_TRUE(box.contains(QPointF(p) + QPointF(0.5, 0.5))) << p.x() << ", " << p.y();
    key(Qt::Key_Return);
    EXPECT_FALSE(editor.tool<TextTool>()->pending());
    EXPECT_EQ(picture.font().family(), "DejaVu Serif");
    int onSecondLine = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if (const QRgb now = picture.image().pixel(x, y) & 0xFFFFFF; now != (before.pixel(x, y) & 0xFFFFFF)) {
                ASSERT_TRUE(box.contains(QPointF(x + 0.5, y + 0.5)) && now == 0) << x << ", " << y;
                onSecondLine += y >= box.center().y();
            }
    EXPECT_GT(onSecondLine, 5);
}

TEST(EditorFont, StylesReachAllThreeFontsAndASizeBeyondTheLimitIsRefused)
{
    Surface picture(160, 100);
    Editor editor(picture);
    QSignalSpy banner(&editor, &Editor::bannerMessage);
    editor.setBold(true); // also keeps the large previews quick to draw
    editor.setUnderline(true);
    while (editor.fontSize().value() < Editor::kMaxFontSize)
        editor.increaseFontSize();
    const QImage preview = editor.fontPreview().image();
    editor.increaseFontSize();
    EXPECT_EQ(banner.count() == 1 ? banner.at(0).at(0).toString() : QString(), QStringLiteral("Erreur à la selection de la taille de la police..."));
    EXPECT_TRUE(sameImage(preview, editor.fontPreview().image()));
    for (const QFont &font : {picture.font(), editor.fontPreview().font(), editor.font()}) {
        EXPECT_EQ(font.pointSize(), Editor::kMaxFontSize);
        EXPECT_TRUE(font.bold() && font.underline() && !font.italic() && !font.strikeOut());
    }
}
