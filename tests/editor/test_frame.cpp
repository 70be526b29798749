#include "editor/framedpreview.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

// The frame by gestures and keys, in source pixels: edges follow the nearest grid line,
// the frame stays inside the picture, a handle's edge moves by the pointer's travel,
// the aspect is kept while drawing and resizing, and a gesture's result says whether
// the frame changed (for keys: the last key's).
TEST(FrameEditor, GesturesAndKeys)
{
    const QRect frame(10, 20, 40, 40), wide(10, 20, 40, 20);
    struct Row
    {
        const char *what;
        QRect before;
        QList<QPointF> path; // press, drags, release
        QList<QKeyCombination> keys;
        QRect expected;
        bool changed;
        double aspect = 0;
        QSize picture = {160, 100};
        QSizeF scale = {1, 1};
    };
    const QSize photo(4000, 3000), small(40, 25);
    const QSizeF photoScale(0.04, 1 / 30.0), smallScale(4, 4);
    const Row rows[] = {
        {"draw", {}, {{10, 20}, {30, 30}, {50, 60}}, {}, frame, true},
        {"draw backwards, to the nearest grid lines", {}, {{50, 60}, {10.4, 19.6}}, {}, frame, true},
        {"draw out of the picture: clipped", {}, {{150, 90}, {200, -50}}, {}, {150, 0, 10, 90}, true},
        {"a drawing under one pixel wide keeps the frame", frame, {{100, 80}, {100.3, 85}}, {}, frame, false},
        {"a click inside without a move", frame, {{30, 40}}, {}, frame, false},
        {"move, stopped at the edges at its size", frame, {{30, 40}, {-100, 200}}, {}, {0, 60, 40, 40}, true},
        {"resize by the bottom-right corner, pressed near it", frame, {{51, 61}, {71, 41}}, {}, {10, 20, 60, 20}, true},
        {"resize by the left edge over the right one", frame, {{10, 40}, {70, 10}}, {}, {50, 20, 20, 40}, true},
        {"aspect 2: the drawing reaches the pointer", {}, {{10, 10}, {30, 50}}, {}, {10, 10, 80, 40}, true, 2},
        {"aspect 2: shrunk at the picture's edge", {}, {{100, 80}, {150, 95}}, {}, {100, 80, 40, 20}, true, 2},
        {"aspect 2: an edge drives the other side", wide, {{50, 30}, {70, 30}}, {}, {10, 20, 60, 30}, true, 2},
        {"aspect 1.6: a corner, rounded", {0, 0, 80, 50}, {{80, 50}, {91, 50}}, {}, {0, 0, 91, 57}, true, 1.6},
        {"aspect 2: Shift+Down drives the width", wide, {}, {Qt::SHIFT | Qt::Key_Down}, {10, 20, 42, 21}, true, 2},
        {"arrows move by a pixel", frame, {}, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up}, {8, 19, 40, 40}, true},
        {"Shift+arrows move the right and bottom edges", frame, {}, {Qt::SHIFT | Qt::Key_Right, Qt::SHIFT | Qt::Key_Right,
         Qt::SHIFT | Qt::Key_Up}, {10, 20, 42, 39}, true},
        {"Shift+Left stops at one pixel", {250, 300, 30, 900}, {}, {Qt::SHIFT | Qt::Key_Left, Qt::SHIFT | Qt::Key_Left,
         Qt::SHIFT | Qt::Key_Left}, {250, 300, 1, 900}, false, 0, photo, photoScale},
        {"a photo: a view pixel is many source pixels", {}, {{10, 10}, {50, 40}}, {Qt::Key_Right},
         {275, 300, 1000, 900}, true, 0, photo, photoScale},
        {"a small picture: a source pixel is four view pixels", {}, {{10, 10}, {30.5, 21}}, {Qt::Key_Right},
         {4, 3, 5, 2}, true, 0, small, smallScale},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        FrameEditor editor;
        editor.setPicture(row.picture, row.scale);
        editor.setAspect(row.aspect);
        editor.setFrame(row.before);
        bool changed = false;
        if (!row.path.isEmpty()) {
            editor.press(row.path.first());
            for (const QPointF &at : row.path.sliced(1))
                editor.drag(at);
            changed = editor.release(row.path.last());
            EXPECT_FALSE(editor.dragging());
        }
        for (const QKeyCombination k : row.keys)
            changed = editor.key(k.key(), k.keyboardModifiers());
        EXPECT_EQ(editor.frame(), row.expected);
        EXPECT_EQ(changed, row.changed);
    }
}

// Real events on the preview of a 4000 x 3000 photo: what is chosen, and what shows.
TEST(FramedPreview, DrawsMovesClearsAndShowsTheFrame)
{
    Surface surface(160, 100);
    FramedPreview preview(&surface);
    preview.setPicture({4000, 3000}, {0.04, 1 / 30.0});
    preview.show();
    QSignalSpy chosen(&preview, &FramedPreview::frameChosen);
    const auto at = [&](int x, int y) { return preview.origin() + QPoint(x, y); };
    const auto last = [&] { return chosen.isEmpty() ? QRect(1, 1, -1, -1) : chosen.last().first().toRect(); };

    QTest::mousePress(&preview, Qt::LeftButton, {}, at(40, 30));
    QTest::mouseMove(&preview, at(80, 55));
    QTest::mouseMove(&preview, at(120, 80));
    EXPECT_EQ(preview.shownFrame(), QRect(40, 30, 80, 50)); // shown while dragging
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, at(120, 80));
    EXPECT_EQ(last(), QRect(1000, 900, 2000, 1500));

    // Outside the frame dimmed (white under it: 127), inside untouched, the edge dashed black and white.
    const QImage shown = preview.grab().toImage();
    QSet<QRgb> top;
    for (int x = 40; x < 120; ++x)
        top << shown.pixel(at(x, 30));
    EXPECT_EQ(top, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    for (const auto &[x, y, grey] : {std::tuple{39, 50, 127}, {120, 50, 127}, {80, 29, 127}, {80, 80, 127}, {41, 31, 255}, {118, 78, 255}})
        EXPECT_EQ(shown.pixel(at(x, y)), qRgb(grey, grey, grey)) << x << "," << y;

    QTest::mouseClick(&preview, Qt::LeftButton, {}, at(80, 55)); // no move: nothing chosen
    EXPECT_EQ(chosen.count(), 1);
    QTest::keyClick(&preview, Qt::Key_Right);
    EXPECT_EQ(last(), QRect(1025, 900, 2000, 1500));

    QTest::mouseClick(&preview, Qt::LeftButton, {}, at(80, 55)); // as a real double-click comes:
    QTest::mouseDClick(&preview, Qt::LeftButton, {}, at(80, 55)); // press, release, double-click, release
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, at(80, 55));
    EXPECT_TRUE(chosen.count() == 3 && last().isNull());
    for (const int x : {0, 10}) { // a new picture 40 wide keeps a frame only where it still fits
        preview.setPicture({4000, 3000}, {0.04, 1 / 30.0}), preview.setFrame({x, 10, 40, 20}), preview.setPicture({40, 100}, {4, 1});
        EXPECT_EQ(preview.frameEditor().frame().isNull(), x == 10);
    }
}
