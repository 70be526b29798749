#include "dotmatrix/dotmatrix.h"
#include "dotmatrix/signwidget.h"

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
        sign.setBackColor(qRgb(0xD8, 0xE4, 0xF8));
        sign.setForeColor(qRgb(0, 0, 0xFF));
        sign.setPixelSize(2);
        sign.makeText(kWelcome);
        banner.show();
        QApplication::processEvents();
    }
    SignWidget banner;
    DotMatrix &sign = banner.matrix();
};

// One timer tick: the two copies and the repaint request (the paint itself
// comes later, once per tick, from the event loop).
void BM_ScrollStep(benchmark::State &state)
{
    Banner b;
    for (auto _ : state)
        b.sign.scrollRight();
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

// The same tick with the paint that follows it.
void BM_ScrollStepAndPaint(benchmark::State &state)
{
    Banner b;
    for (auto _ : state) {
        b.sign.scrollRight();
        b.banner.repaint();
    }
}
BENCHMARK(BM_ScrollStepAndPaint)->Unit(benchmark::kMicrosecond);

// The longest text the buffer shows at 2 pixels a dot.
void BM_Maketext666(benchmark::State &state)
{
    DotMatrix sign(DotMatrixPolicy::sign);
    QString text;
    while (text.size() < 666)
        text += kWelcome;
    text.truncate(666);
    for (auto _ : state)
        sign.makeText(text);
}
BENCHMARK(BM_Maketext666)->Unit(benchmark::kMillisecond);

// The zoom window's screen: a full 160 x 100 picture laid out on the LCD at 3 pixels a dot.
void BM_LcdPicture(benchmark::State &state)
{
    DotMatrix lcd(DotMatrixPolicy::lcd);
    lcd.setBackColor(kWhite);
    lcd.setForeColor(kBlack);
    lcd.setPointer(0);
    for (auto _ : state) {
        lcd.setPixelSize(3);
        lcd.setMatrixSize(160);
        for (int x = 0; x < 160; ++x) {
            for (int y = 0; y < 100; ++y)
                lcd.drawDot(3, x, y + 1);
        }
        lcd.present();
    }
}
BENCHMARK(BM_LcdPicture)->Unit(benchmark::kMillisecond);

} // namespace
