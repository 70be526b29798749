#include "convert/autolevel.h"
#include "convert/dithering.h"
#include "convert/monochrome.h"
#include "platform/colour.h"
#include "support/imagediff.h"

#include <QPainter>

using namespace monochrome;

namespace {

// Two rows of greys 255 * x div (width - 1).
QImage ramp(int width)
{
    QImage image(width, 2, QImage::Format_RGB32);
    for (int i = 0; i < 2 * width; ++i) {
        const int grey = 255 * (i % width) / (width - 1);
        image.setPixel(i % width, i / width, qRgb(grey, grey, grey));
    }
    return image;
}

QImage dithered(QImage image, Dithering method)
{
    dither(image, image.rect(), 0, false, method);
    return image;
}

} // namespace

// Black exactly when the rounded average grey is at most 255 * (level + 50) div 100,
// over the whole picture; invert swaps the colours.
TEST(Monochrome, GreyLevelTableAndSimpleMethod)
{
    std::vector<std::tuple<QRgb, int, bool>> rows = {
        {qRgb(127, 127, 128), 0, true}, {qRgb(128, 128, 127), 0, false}, // sums 382 and 383
        {qRgb(1, 0, 0), -50, true},     {qRgb(1, 1, 0), -50, false},     {kWhite, 60, true}, {kBlack, -60, false}};
    const int thresholds[] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int i = 0; i < 11; ++i) {
        rows.emplace_back(0x010101u * thresholds[i], 10 * i - 50, true);
        rows.emplace_back(0x010101u * std::min(thresholds[i] + 1, 255), 10 * i - 50, i == 10);
    }
    for (const auto &[colour, level, black] : rows)
        for (const bool invert : {false, true}) {
            QImage s = filled(170, 110, colour);
            threshold(s, level, invert);
            EXPECT_TRUE(sameImage(filled(170, 110, black != invert ? kBlack : kWhite), s))
                << std::hex << colour << std::dec << " " << level << " " << invert;
        }

    // The simple method: all but exact white turns black, inside the 160 x 100 area only.
    QImage s = filled(200, 120, kWhite);
    for (const QPoint p : {QPoint(0, 0), QPoint(159, 99), QPoint(20, 30), QPoint(160, 50), QPoint(50, 100)})
        s.setPixel(p.x(), p.y(), p.x() == 20 ? qRgb(200, 10, 10) : 0xFEFEFE);
    everyNonWhiteBlack(s);
    QImage expected = blackAt(QSize(200, 120), {{0, 0}, {159, 99}, {20, 30}});
    expected.setPixel(160, 50, 0xFFFEFEFE);
    expected.setPixel(50, 100, 0xFFFEFEFE);
    EXPECT_TRUE(sameImage(expected, s));
}

// The tone moves the threshold of the level to the middle: dark exactly where the plain
// method makes black, within 0..255, never lighter as the level rises.
TEST(Dithering, ToneAndHandWorkedGoldens)
{
    EXPECT_TRUE(tone(36, 20) == 25 && tone(182, 20) == 134 && tone(218, 20) == 194); // 36 * 50 / 70 = 25.7
    for (int level = -50; level <= 50; ++level)
        for (int g = 0; g <= 255; ++g) {
            const int t = tone(g, level);
            ASSERT_TRUE((t <= 127) == (100 * g <= 255 * (level + 50)) && t >= 0 && t <= 255
                        && (level == -50 || t <= tone(g, level - 1))) << level << " " << g;
        }

    // Floyd-Steinberg on grey 96, shares rounded down: (0,0) black, +42 right, +30 below,
    // +6 below right; (1,0) 138 white; row 1 (8, -23, 7) runs right to left. Bayer: black
    // when 128 * grey < 255 * (2M + 1), matrix rows 0 32 8 40 2 34 10 42, 48 16 56 24 50 18 58 26.
    const std::tuple<Dithering, QImage, QStringList> goldens[] = {
        {Dithering::FloydSteinberg, filled(3, 2, qRgb(96, 96, 96)), {"#.#", ".##"}},
        {Dithering::FloydSteinberg, ramp(16), {"######.#.#......", "#####.#.#.#.#..."}},
        {Dithering::Atkinson, ramp(8), {"####....", "##.##..."}},
        {Dithering::Bayer, ramp(16), {"##.#.#.#........", "#####.#.#.#....."}},
    };
    for (const auto &[method, source, expected] : goldens)
        EXPECT_TRUE(sameImage(imageFromAscii(expected), dithered(source, method))) << ditheringName(method).toStdString();
    // The ordered matrix holds each of 0..63 once: a flat grey blackens the cells passing the rule.
    for (int g = 0; g <= 255; ++g) {
        const QImage image = dithered(filled(8, 8, qRgb(g, g, g)), Dithering::Bayer);
        int balance = 0;
        for (int i = 0; i < 64; ++i)
            balance += (128 * g < 255 * (2 * i + 1)) - ((image.pixel(i % 8, i / 8) & 0xFFFFFF) == 0);
        ASSERT_EQ(balance, 0) << g;
    }
}

// Inside the area, the area dithered as a picture of its own (errors never leave it,
// the matrix counts from its corner); outside, the plain grey-level rule. Inversion
// swaps every decision; an area past the edges is cut to the picture.
TEST(Dithering, AreaInversionAndClipping)
{
    const QImage source = photo(160, 100);
    const QRect zone(13, 7, 50, 41);
    QImage plain = source;
    threshold(plain, 10, true);
    for (const Dithering method : {Dithering::FloydSteinberg, Dithering::Atkinson, Dithering::Bayer}) {
        SCOPED_TRACE(ditheringName(method).toStdString());
        QImage picture = source, alone = source.copy(zone);
        dither(picture, zone, 10, true, method);
        dither(alone, alone.rect(), 10, false, method);
        QImage expected = plain;
        alone.invertPixels();
        QPainter(&expected).drawImage(zone.topLeft(), alone);
        EXPECT_TRUE(sameImage(expected, picture));
        QImage past = source, clipped = source;
        dither(past, QRect(140, 90, 100, 100), 10, true, method);
        dither(clipped, QRect(140, 90, 20, 10), 10, true, method);
        EXPECT_TRUE(sameImage(clipped, past));
    }
}

TEST(AutomaticLevel, OtsuWorkedOut)
{
    const auto counts = [](std::initializer_list<std::pair<int, qint64>> bins) {
        GreyHistogram h{};
        for (const auto &[g, n] : bins)
            h[g] = n;
        return h;
    };
    // Greys 0, 100, 255, 255: {0, 100} and {255} are best for every k from 100 to 254, the
    // middle is 177. Two tones: the middle of the empty run between them.
    const std::pair<GreyHistogram, std::optional<double>> cases[] = {
        {counts({{0, 1}, {100, 1}, {255, 2}}), 177.0}, {counts({{60, 5}, {200, 5}}), 129.5},
        {counts({{10, 100}, {11, 100}, {240, 100}, {241, 100}}), 125.0},
        {counts({}), std::nullopt}, {counts({{77, 1000}}), std::nullopt},
    };
    for (const auto &[histogram, threshold] : cases)
        EXPECT_EQ(otsuThreshold(histogram), threshold);
    // The level whose inclusive threshold 255 * (level + 50) div 100 is nearest;
    // 54.5 lies 1.5 from 53 (level -29) and 56 (-28): the lower level.
    const std::pair<double, int> levels[] = {{-20, -50}, {127, 0}, {129.5, 1}, {177, 20}, {400, 50}, {54.5, -29}};
    for (const auto &[grey, level] : levels)
        EXPECT_EQ(levelForThreshold(grey), level) << grey;
    QImage image(2, 1, QImage::Format_RGB888); // the plain rounded grey, any format
    image.setPixel(0, 0, qRgb(127, 127, 128)), image.setPixel(1, 0, qRgb(128, 128, 127));
    EXPECT_TRUE(greyHistogram(image)[127] == 1 && greyHistogram(image)[128] == 1);
}
