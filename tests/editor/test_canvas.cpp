#include "canvastest.h"

#include "editor/texttool.h"

#include <QSignalSpy>

// Every tool by real events, validated as the user would (Enter), against its golden
// picture. Pixel tools paint squares from the truncated pointer along the whole stroke;
// a line leaves its end pixel out, restarts at a press and moves by the arrows; an
// ellipse fills its box from the truncated corners, one pixel wide at any line width;
// a rectangle's outline grows inwards, is clipped and filled with Shift held at the
// press; a second press cancels an ellipse or a rectangle; the fill covers the
// 4-connected area of the clicked colour.
TEST_F(CanvasTest, EveryToolDrawsItsGolden)
{
    QImage ellipse = with({});
    QPainter(&ellipse).drawImage(10, 10, imageFromAscii({
        "......#########......",
        "...####.......####...",
        ".###.............###.",
        "##.................##",
        "#...................#",
        "#...................#",
        "#...................#",
        "##.................##",
        ".###.............###.",
        "...####.......####...",
        "......#########......",
    }));

    const auto outline = [](QRect outer, QRect hole) { return with({outer}, Qt::black, Qt::white, {hole}); };
    const QImage black = with({}, Qt::black, Qt::black), square = outline({10, 10, 11, 11}, {11, 11, 9, 9});
    struct Row
    {
        const char *what;
        int tool, size; // the pixel size for the pixel tools, else the line width
        QList<Path> strokes;
        QImage expected;
        Qt::MouseButton button = Qt::LeftButton;
        QImage before = with({});
        Qt::KeyboardModifiers modifiers = {};
        QList<Qt::Key> keys = {};
        QRect compared = {0, 0, 160, 100};
    };
    const Row rows[] = {
        {"pixel on: two clicks, unjoined", 0, 1, {{{12.9, 34.7}}, {{14, 34}}}, with({{12, 34, 1, 1}, {14, 34, 1, 1}})},
        {"pixel on clipped right and bottom", 0, 3, {{{158.5, 98.2}}}, with({{158, 98, 2, 2}}), Qt::RightButton},
        {"pixel on wholly outside", 0, 3, {{{-40, 50}, {1e12, -1e12}, {-1e12, 1e12}}}, with({})},
        {"pixel on, continuous stroke", 0, 2, {{{10, 10}, {14.9, 10}, {14, 13.2}, {11, 10.5}}},
         with({{10, 10, 6, 2}, {14, 10, 2, 5}, {13, 12, 2, 2}, {12, 11, 2, 2}, {11, 10, 2, 2}})},
        {"pixel on, shallow and steep steps", 0, 1, {{{20, 60}, {25, 62}, {26, 64}}},
         with({{20, 60, 2, 1}, {22, 61, 2, 1}, {24, 62, 2, 1}, {26, 63, 1, 2}})},
        {"pixel off on black", 1, 2, {{{4, 4}}}, with({{4, 4, 2, 2}}, Qt::white, Qt::black), Qt::MiddleButton, black},
        {"line restarted by a press, moved down and right", 3, 1, {{{70, 20}, {90, 90}}, {{10, 10}, {30, 10}}},
         with({{11, 11, 20, 1}}), Qt::LeftButton, with({}), {}, {Qt::Key_Down, Qt::Key_Right}},
        {"line at width 3: three rows thick", 3, 3, {{{10, 30}, {60, 30}}}, with({{12, 29, 47, 3}}), Qt::LeftButton,
         with({}), {}, {}, {12, 0, 47, 100}},
        {"ellipse 10,10 to 30,20: its box filled, flat at the top and bottom", 4, 3, {{{10.6, 10.6}, {30, 20}}}, ellipse},
        {"ellipse dragged to the left: a column", 4, 3, {{{40, 30}, {25, 41}, {25, 38}}}, with({{40, 30, 1, 9}})},
        {"ellipse: a second press cancels, a third starts anew", 4, 3, {{{10, 10}, {30, 20}}, {{50, 50}}, {{60, 40}}},
         with({{60, 40, 1, 1}})},
        {"rectangle", 5, 1, {{{2, 3}, {7.3, 6.9}}}, outline({2, 3, 6, 4}, {3, 4, 4, 2})},
        {"rectangle at width 3 clipped left and top", 5, 3, {{{-2, -1}, {9.3, 7.9}}}, outline({0, 0, 10, 8}, {1, 2, 6, 3})},
        {"rectangle clipped right and bottom", 5, 3, {{{150, 90}, {170, 120}}}, outline({150, 90, 10, 10}, {153, 93, 7, 7})},
        {"rectangle too narrow for a hole", 5, 3, {{{20, 20}, {25.3, 40.9}}}, with({{20, 20, 6, 21}})},
        {"rectangle filled, Shift held at the press", 5, 1, {{{150, 95}, {170, 110}}}, with({{150, 95, 10, 5}}),
         Qt::LeftButton, with({}), Qt::ShiftModifier},
        {"rectangle of one pixel", 5, 1, {{{5, 5}, {5.3, 5.9}}}, with({{5, 5, 1, 1}})},
        {"rectangle: a second press cancels", 5, 1, {{{10, 10}, {20, 20}}, {{30, 30}}}, with({})},
        {"fill of an enclosed area", 6, 1, {{{15.5, 15.5}}}, with({{10, 10, 11, 11}}), Qt::LeftButton, square},
        {"fill of an open area", 6, 1, {{{15, 15}}}, black, Qt::LeftButton,
         with({{10, 10, 11, 11}}, Qt::black, Qt::white, {{11, 11, 9, 9}, {20, 15, 1, 1}})},
        {"fill, right button, 4-connected: a diagonal wall shuts the corner", 6, 1, {{{5, 5}}}, with({{0, 0, 1, 1}}),
         Qt::RightButton, with({{1, 0, 1, 1}, {0, 1, 1, 1}}, Qt::white, Qt::black)},
        {"fill of the same colour", 6, 1, {{{15, 15}}}, square, Qt::RightButton, square},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QPainter(&picture.image()).drawImage(0, 0, row.before);
        editor.selectTool(row.tool);
        sizes(row.tool < 2 ? row.size : 1, row.tool < 2 ? 1 : row.size);
        for (const Path &path : row.strokes)
            stroke(path, row.button, row.modifiers);
        for (const Qt::Key k : row.keys)
            key(k);
        editor.selectTool(row.tool); // the same tool keeps a pending shape
        key(Qt::Key_Return);
        EXPECT_TRUE(sameImage(row.expected.copy(row.compared), picture.image().copy(row.compared)));
    }
    send(QEvent::MouseMove, {-3.5, 10.9}, Qt::NoButton); // the readout truncates towards zero
    EXPECT_EQ(readout, "-3x10");
}

// An ellipse is its own mirror image about its box's centre lines, for boxes of odd and
// even sizes, and touches each side of its box.
TEST_F(CanvasTest, EllipsesAreSymmetricAndTouchTheirBox)
{
    const QRect boxes[] = {{80, 10, 41, 31}, {5, 5, 40, 30}, {5, 5, 41, 30}, {5, 5, 40, 31},
                           {0, 0, 160, 100}, {30, 30, 2, 2}, {30, 30, 3, 8}, {50, 20, 100, 7}};
    for (const QRect &box : boxes) {
        SCOPED_TRACE(testing::PrintToString(std::tuple(box.x(), box.y(), box.width(), box.height())));
        picture.cls(), editor.selectTool(4);
        stroke({QPointF(box.topLeft()), QPointF(box.bottomRight()) + QPointF(0.7, 0.7)});
        key(Qt::Key_Return);
        const QImage drawn = picture.image().copy(box);
        EXPECT_TRUE(sameImage(drawn, drawn.mirrored(true, false)) && sameImage(drawn, drawn.mirrored(false, true)));
        QRect lit;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 160; ++x)
                if (qGray(picture.image().pixel(x, y)) < 128)
                    lit |= QRect(x, y, 1, 1);
        EXPECT_EQ(lit, box);
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
        editor.selectTool(row.tool), sizes(1, row.width);
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
    key(Qt::Key_Left), key(Qt::Key_Up);
    const QRectF box = editor.tool<TextTool>()->labelRect();
    EXPECT_EQ(box.topLeft(), QPointF(19, 30));
    const QList<QPoint> label = rubberBand(); // the label shows where validation prints it
    EXPECT_GT(label.size(), 20);
    for (QPoint p : label)
        EXPECT_TRUE(box.contains(QPointF(p) + QPointF(0.5, 0.5))) << p.x() << ", " << p.y();
    key(Qt::Key_Return);
    EXPECT_TRUE(!editor.tool<TextTool>()->pending() && picture.font().family() == "DejaVu Serif");
    int onSecondLine = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if (const QRgb now = picture.image().pixel(x, y) & 0xFFFFFF; now != (before.pixel(x, y) & 0xFFFFFF)) {
                ASSERT_TRUE(box.contains(QPointF(x + 0.5, y + 0.5)) && now == 0) << x << ", " << y;
                onSecondLine += y >= box.center().y();
            }
    EXPECT_GT(onSecondLine, 5);
}

TEST_F(CanvasTest, FontStylesReachAllThreeFontsAndASizeBeyondTheLimitIsRefused)
{
    QSignalSpy banner(&editor, &Editor::bannerMessage);
    editor.setBold(true), editor.setUnderline(true); // bold also keeps the large previews quick to draw
    while (editor.fontSize().value() < Editor::kMaxFontSize)
        editor.increaseFontSize();
    const QImage preview = editor.fontPreview().image();
    editor.increaseFontSize();
    EXPECT_TRUE(banner.count() == 1 && banner.at(0).at(0).toString() == QStringLiteral("Erreur à la selection de la taille de la police...")
                && sameImage(preview, editor.fontPreview().image()));
    for (const QFont &font : {picture.font(), editor.fontPreview().font(), editor.font()})
        EXPECT_TRUE(font.pointSize() == Editor::kMaxFontSize && font.bold() && font.underline() && !font.italic() && !font.strikeOut());
}
