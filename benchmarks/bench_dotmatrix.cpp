#include "dotmatrix/dotmatrix.h"
#include "dotmatrix/matricewidget.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QString kWelcome
    = QStringLiteral("Bienvenue sur Brivane programmé par Ostrelin Vardeck...") + QString(31, u' ');

// The main window's banner: 593 x 25 pixels, its colours, dots of 2 pixels, the welcome text.
struct Banner
{
    Banner()
    {
        banner.resize(593, 25);
        banner.setBackcolor(0xF8E4D8);
        banner.setForecolor(0xFF0000);
        banner.setPixelSize(2);
        banner.maketext(kWelcome);
        banner.show();
        QApplication::processEvents();
    }
    MatriceWidget banner;
};

// One timer tick: the two copies and the repaint request (the paint itself
// comes later, once per tick, from the event loop).
void BM_ScrollStep(benchmark::State &state)
{
    Banner b;
    for (auto _ : state)
        b.banner.Scrolldroite();
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

// The same tick with the paint that follows it.
void BM_ScrollStepAndPaint(benchmark::State &state)
{
    Banner b;
    for (auto _ : state) {
        b.banner.Scrolldroite();
        b.banner.repaint();
    }
}
BENCHMARK(BM_ScrollStepAndPaint)->Unit(benchmark::kMicrosecond);

// The longest text the buffer shows at 2 pixels a dot.
void BM_Maketext666(benchmark::State &state)
{
    DotMatrix sign(DotMatrixPolicy::matrice);
    QString text;
    while (text.size() < 666)
        text += kWelcome;
    text.truncate(666);
    for (auto _ : state)
        sign.maketext(text);
}
BENCHMARK(BM_Maketext666)->Unit(benchmark::kMillisecond);

// The zoomed preview: a full 160 x 100 picture onto the LCD screen at 3 pixels a dot.
void BM_LcdPicture(benchmark::State &state)
{
    DotMatrix lcd(DotMatrixPolicy::afflcd);
    for (auto _ : state) {
        lcd.setBackcolor(kBlanc);
        lcd.setForecolor(kNoir);
        lcd.setPixelSize(3);
        lcd.SetMatriceSize(160, false);
        lcd.setBackcolor(kBlanc);
        for (int x = 0; x < 160; ++x) {
            for (int y = 0; y < 100; ++y)
                lcd.drawpixel(3, x + 1, y + 1);
        }
        lcd.actualisebmp();
    }
}
BENCHMARK(BM_LcdPicture)->Unit(benchmark::kMillisecond);

} // namespace
