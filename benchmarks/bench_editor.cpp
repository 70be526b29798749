#include "editor/canevas.h"
#include "editor/editeur.h"

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
    Editeur editeur{picture};
    Canevas canvas{editeur};
};

// One drag event of a pixel tool through the canvas widget, then the repaint it asks for.
void BM_PixelToolMoveEvent(benchmark::State &state)
{
    ShownCanvas shown;
    shown.editeur.choisirOutil(0);
    while (shown.editeur.text6().value() < state.range(0))
        shown.editeur.pixelPlus();
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
    shown.editeur.choisirOutil(4);
    for (auto _ : state) {
        shown.editeur.mouseDown(1, 10, 10);
        shown.editeur.mouseMove(1, 30, 20);
        shown.editeur.validerEllipse();
        shown.canvas.repaint();
    }
}
BENCHMARK(BM_EllipseValidation)->Unit(benchmark::kMicrosecond);

} // namespace
