#include "convert/autolevel.h"
#include "convert/bluenoise.h"
#include "convert/directbinarysearch.h"
#include "convert/dithering.h"
#include "convert/errordiffusion.h"
#include "convert/eyemodel.h"
#include "convert/monochrome.h"
#include "convert/structuremeasure.h"
#include "platform/colour.h"
#include "support/imagediff.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

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

QImage dithered(QImage image, Dithering method, double curve)
{
    dither(image, image.rect(), 0, false, method, curve);
    return image;
}

// The share of white pixels.
double whiteShare(const QImage &image)
{
    const auto pixels = std::span(reinterpret_cast<const QRgb *>(image.constBits()), image.width() * image.height()); // RGB32: no padding
    return double(std::count(pixels.begin(), pixels.end(), kWhite)) / pixels.size();
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
    expected.setPixel(160, 50, 0xFFFEFEFE), expected.setPixel(50, 100, 0xFFFEFEFE);
    EXPECT_TRUE(sameImage(expected, s));
}

// A flat grey gets the white share its curved light asks for at level 0, with every
// method: sRGB 128 is 21.6 % of white's light, so "Lumière exacte" gives it 20-23 %
// white dots, 2.2 the code value's 50 %. Raising the level darkens it step by step.
// The optimal method picks its own curve, between 1.2 and 1.5.
TEST(Dithering, FlatGreysGetTheirLightsShareAndTheLevelDarkens)
{
    const double light = linearLight(128);
    for (const Dithering method : kDitheringMethods)
        for (const double curve : {kExactLight, 1.6, kDetailedShadows}) {
            SCOPED_TRACE(ditheringName(method).toStdString() + " " + std::to_string(curve));
            const bool own = method == Dithering::Optimal;
            const double low = std::pow(light, 1 / (own ? 1.2 : curve)) - 0.015;
            const double high = std::pow(light, 1 / (own ? 1.5 : curve)) + 0.015;
            double share = 2;
            for (const int level : {0, 10, 25, 40}) {
                QImage image = filled(160, 100, qRgb(128, 128, 128));
                dither(image, image.rect(), level, false, method, curve);
                const double darker = whiteShare(image);
                EXPECT_TRUE(level > 0 || (darker >= low && darker <= high)) << darker;
                EXPECT_LT(darker, share) << level;
                share = darker;
            }
            if (own)
                break;
        }
    EXPECT_NEAR(light, 0.2158, 1e-4);
}

// Hand-worked Floyd-Steinberg on a flat light of 1/4, rows left to right: the first
// row stays black as its error grows (0.36, 0.41, 0.43), the second gets
// 0.40, 0.63 (white), 0.32, 0.55 (white). Bayer on ramps: white when
// light >= (M + 1/2) / 64, matrix rows 0 32 8 40 2 34 10 42, 48 16 56 24 50 18 58 26.
TEST(Dithering, HandWorkedGoldens)
{
    const LightPlane quarter(4, 2, 0.25f);
    Dots expected{0, 0, 0, 0, 0, 1, 0, 1};
    EXPECT_EQ(diffuseError(quarter, Dithering::FloydSteinberg), expected);
    const std::tuple<Dithering, QImage, QStringList> goldens[] = {
        {Dithering::Bayer, ramp(16), {"####.###.#.#....", "#########.#.#.#."}},
    };
    for (const auto &[method, source, rows] : goldens)
        EXPECT_TRUE(sameImage(imageFromAscii(rows), dithered(source, method, kExactLight))) << ditheringName(method).toStdString();
}

// The edges of the light model: exactly half light is black; the level's ends map
// the light linearly (level 50: half of it; -50: black stays black) and levels beyond
// them count as the ends; the eye's blur reaches 5 pixels and no further; the structure
// measure sees a change in any pixel, the first included.
TEST(Dithering, EdgesOfTheLightModel)
{
    EXPECT_EQ(diffuseError(LightPlane(1, 1, 0.5f), Dithering::FloydSteinberg), Dots{0});
    const std::tuple<double, int, double> levels[] = {{0.8, 50, 0.4}, {0, -50, 0}, {0.6, 60, 0.3}, {0.3, -60, 0.65}, {0.25, 0, 0.25}};
    for (const auto &[light, level, expected] : levels)
        EXPECT_DOUBLE_EQ(levelled(light, level), expected) << light << " " << level;
    LightPlane dot(21, 21, 0.0f);
    dot[10 * 21 + 10] = 1.0f;
    const LightPlane blurred = eyeBlur(dot);
    EXPECT_TRUE(blurred[10 * 21 + 15] > 0.0f && blurred[10 * 21 + 16] == 0.0f);
    LightPlane other = blurred;
    other[0] = 0.5f;
    const StructureMeasure measure(blurred);
    EXPECT_TRUE(std::abs(measure.of(blurred) - 1.0) < 1e-12 && measure.of(other) < 0.999) << measure.of(blurred) << " " << measure.of(other);
}

// Every method on a photograph at three tone curves and two levels, pinned by the
// checksum of its dots: a changed kernel weight, matrix cell, curve or search shows.
TEST(Dithering, PhotographGoldens)
{
    QStringList sums;
    for (const Dithering method : kDitheringMethods)
        for (const auto &[curve, level] : {std::pair{1.0, 0}, {1.4, 0}, {2.2, 15}}) {
            QImage image = photo(160, 100);
            dither(image, image.rect(), level, false, method, curve);
            QByteArray dots;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    dots += char(qGray(image.pixel(x, y)) < 128);
            sums << QString::number(qChecksum(dots), 16);
        }
    EXPECT_EQ(sums.join(u' ').toStdString(), "4be2 7b0 4c7a 89f7 6ba6 65ec 332a 9426 3f3f 3a4f fe3 c457 5418 40b7 cc3b "
                                                "963b 7bd1 6941 f8fd d854 ed37 adc0 adc0 d885");
}

// The blue-noise matrix holds each rank once; the same from the same seed, and
// spread: no two of its first tenth of ranks touch.
TEST(Dithering, BlueNoiseMatrix)
{
    std::vector<int> ranks = blueNoiseMatrix();
    ASSERT_EQ(ranks.size(), std::size_t(kBlueNoiseSize * kBlueNoiseSize));
    EXPECT_EQ(ranks, voidAndCluster(kBlueNoiseSize));
    const int n = kBlueNoiseSize;
    for (int i = 0; i < n * n; ++i)
        for (const auto &[dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
            const int j = (i / n + dy + n) % n * n + (i % n + dx) % n;
            ASSERT_FALSE(ranks[i] < n * n / 10 && ranks[j] < n * n / 10) << i << " " << j;
        }
    // (clang 14 cannot take libstdc++ 12's views: no iota_view here)
    std::vector<int> eachOnce(ranks.size());
    std::iota(eachOnce.begin(), eachOnce.end(), 0);
    std::sort(ranks.begin(), ranks.end());
    EXPECT_EQ(ranks, eachOnce);
}

// The direct binary search lowers the blurred error of any start (a diffusion, a
// flat plane, a random one, its own result), never raises it; tiny planes included.
TEST(Dithering, BinarySearchNeverRaisesTheBlurredErrorOfItsStart)
{
    const LightPlane photograph = luminance(photo(160, 100), QRect(0, 0, 160, 100));
    LightPlane gradient(37, 23);
    for (std::size_t i = 0; i < gradient.size(); ++i)
        gradient[i] = float(i % 37) / 36;
    Dots random(gradient.size());
    for (std::size_t i = 0; i < random.size(); ++i)
        random[i] = (i * 7919) % 5 < 2;
    const std::tuple<const char *, LightPlane, Dots> cases[] = {
        {"photo", toned(photograph, 1.3, 0), diffuseError(toned(photograph, 1.3, 0), Dithering::FloydSteinberg)},
        {"photo, level 20", toned(photograph, 1, 20), diffuseError(toned(photograph, 1, 20), Dithering::Atkinson)},
        {"gradient, random", gradient, random},
        {"gradient, black", gradient, Dots(gradient.size(), 0)},
        {"grey", LightPlane(3, 2, 0.3f), Dots(6, 1)},
        {"one pixel", LightPlane(1, 1, 0.7f), Dots(1, 0)},
    };
    for (const auto &[name, target, start] : cases) {
        const Dots searched = directBinarySearch(target, start);
        const double before = blurredError(target, start), after = blurredError(target, searched);
        EXPECT_LT(after, before * 0.95) << name;
        EXPECT_LE(blurredError(target, directBinarySearch(target, searched)), after) << name;
    }
}

// "Contraste automatique": within the area, the darkest 0.5 % black, the lightest
// 0.5 % white and one linear map of the code values between; one tone stays.
TEST(Dithering, StretchContrast)
{
    QImage image(200, 10, QImage::Format_RGB32);
    for (int i = 0; i < 2000; ++i) // lumas 60..159, ten pixels each, a colour among them
        image.setPixel(i % 200, i / 200, i == 1000 ? qRgb(120, 100, 90) : 0x010101u * (60 + i % 200 / 2));
    QImage stretched = image;
    stretchContrast(stretched, QRect(0, 0, 200, 9));
    const std::pair<QPoint, QRgb> pixels[] = {
        {{0, 0}, kBlack}, {{1, 0}, kBlack}, {{2, 0}, qRgb(3, 3, 3)}, {{199, 0}, kWhite}, {{197, 0}, qRgb(252, 252, 252)},
        {{100, 0}, qRgb(129, 129, 129)}, {{0, 5}, qRgb(155, 103, 77)}, {{5, 9}, image.pixel(5, 9)},
    };
    for (const auto &[p, colour] : pixels)
        EXPECT_EQ(QColor(stretched.pixel(p)), QColor(colour)) << p.x() << " " << p.y();
    QImage flat = filled(20, 20, qRgb(90, 90, 90));
    stretchContrast(flat, flat.rect());
    EXPECT_TRUE(sameImage(filled(20, 20, qRgb(90, 90, 90)), flat));
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
    for (const Dithering method : kDitheringMethods) {
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
        {counts({{0, 3}, {200, 1}}), 99.5}, {counts({}), std::nullopt}, {counts({{77, 1000}}), std::nullopt},
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
