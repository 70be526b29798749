#include "editor/canvas.h"
#include "editor/editor.h"
#include "editor/ellipsetool.h"
#include "editor/zoomscreen.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

struct ShownCanvas
{
    ShownCanvas()
    {
        canvas.resize(162, 102);
        canvas.show();
        QApplication::processEvents();
    }
    Surface picture{160, 100};
    Editor editor{picture};
    Canvas canvas{editor};
};

// One drag event of a pixel tool through the canvas widget, then the repaint it asks for.
void BM_PixelToolMoveEvent(benchmark::State &state)
{
    ShownCanvas shown;
    shown.editor.selectTool(0);
    while (shown.editor.pixelSize().value() < state.range(0))
        shown.editor.increasePixelSize();
    int i = 0;
    for (auto _ : state) {
        const QPointF p(1 + i % 160, 1 + (i / 160) % 100);
        ++i;
        QMouseEvent move(QEvent::MouseMove, p, shown.canvas.mapToGlobal(p), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&shown.canvas, &move);
        shown.canvas.repaint();
    }
}
BENCHMARK(BM_PixelToolMoveEvent)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// Laying out a 20 x 10 ellipse and validating it, repaint included.
void BM_EllipseValidation(benchmark::State &state)
{
    ShownCanvas shown;
    shown.editor.selectTool(4);
    auto *ellipse = shown.editor.tool<EllipseTool>();
    for (auto _ : state) {
        shown.editor.press(QPointF(10, 10), Qt::LeftButton);
        shown.editor.move(QPointF(30, 20), Qt::LeftButton);
        ellipse->validate();
        shown.canvas.repaint();
    }
}
BENCHMARK(BM_EllipseValidation)->Unit(benchmark::kMicrosecond);

// One click of the pixel tool on the zoom screen at dots of the given size.
void zoomClick(ZoomScreen &zoom, int i)
{
    const int P = zoom.factor();
    const QPointF p = QPointF(zoom.pictureOrigin()) + QPointF(P * (i % 160) + 1, P * ((i / 160) % 100) + 1);
    QMouseEvent press(QEvent::MouseButtonPress, p, zoom.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&zoom, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, zoom.mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&zoom, &release);
}

// A one-pixel stroke in the zoom window at its opening size (dots of 3), then
// the repaint of the whole zoom screen and of the work picture.
void BM_ZoomStrokeRepaint(benchmark::State &state)
{
    ShownCanvas shown;
    ZoomScreen zoom(shown.editor);
    zoom.resize(zoom.sizeHint());
    zoom.show();
    QApplication::processEvents();
    shown.editor.selectTool(0);
    int i = 0;
    for (auto _ : state) {
        zoomClick(zoom, i++);
        zoom.repaint();
        shown.canvas.repaint();
    }
}
BENCHMARK(BM_ZoomStrokeRepaint)->Unit(benchmark::kMicrosecond);

// The same stroke with the paints the event loop then makes, of what changed
// only; the zoom window at dots of 3 (its opening size) and of 8.
void BM_ZoomStrokeUpdate(benchmark::State &state)
{
    ShownCanvas shown;
    ZoomScreen zoom(shown.editor);
    zoom.resize(QSize(160, 100) * int(state.range(0)) + QSize(6, 4));
    zoom.show();
    QApplication::processEvents();
    shown.editor.selectTool(0);
    int i = 0;
    for (auto _ : state) {
        zoomClick(zoom, i++);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ZoomStrokeUpdate)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

// Filling the whole white 160 x 100 picture, and clearing it back.
void BM_FillWholePicture(benchmark::State &state)
{
    Surface picture(160, 100);
    Editor editor(picture);
    editor.selectTool(6);
    bool black = true;
    for (auto _ : state) {
        editor.press(QPointF(80, 50), black ? Qt::LeftButton : Qt::RightButton);
        black = !black;
    }
}
BENCHMARK(BM_FillWholePicture)->Unit(benchmark::kMicrosecond);

} // namespace
