#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

// Dithering for the grey-level method: photographs keep their half-tones instead
// of turning into blotches.
//
// Every method but the threshold works on light: each pixel's luminance in linear
// light (the sRGB channels decoded, weighted 0.2126, 0.7152, 0.0722; lightplane.h),
// so that a yellow flower on green leaves keeps its contrast and a flat area gets
// the share of white dots its light asks for. The tone curve light^(1 / G), G from
// 1 ("Lumière exacte": sRGB grey 128, 21.6 % of white's light, gets about 21.6 %
// white dots) to 2.2 ("Ombres détaillées": code values, the shadows opened up), is
// applied first; then the slider's level: its threshold t = (level + 50) / 100 moves
// to the middle, [0, t] spread onto [0, 1/2] and [t, 1] onto [1/2, 1]. At level 0 the
// curved light is dithered as it is; raising the level darkens every light, so the
// slider stays a brightness control; black and white stay black and white.
//
// - Error diffusion, one row of a kernel table each (errordiffusion.cpp): rows from
//   the area's top, each left to right (serpentine order measured worse). A pixel
//   is white when its light plus the error it received is over 1/2; its error goes
//   to the pixels ahead by the kernel's weights, in floating point.
//   Floyd-Steinberg (7, 3 5 1 / 16): sharp, the all-round choice for photographs.
//   Atkinson (1/8 to six neighbours): the quarter it drops gives clean, contrasted
//   flat areas; its light is first mapped to 0.11 + 0.78 light so that a flat area
//   still gets the share of white its light asks for. Jarvis-Judice-Ninke (/48),
//   Stucki (/42) and the full three-row Sierra (/32) spread the error over two rows
//   below: smoother gradients, softer detail.
// - Bayer: the standard 8 x 8 ordered matrix M (ranks 0..63), indexed from the
//   area's top-left corner: white when light >= (M + 1/2) / 64. A regular pattern.
// - Blue noise: the same rule on a 64 x 64 void-and-cluster matrix (bluenoise.h),
//   each rank once: evenly spread dots without a visible pattern.
// - Optimal (optimal.h): for a few tone curves of its own (it ignores the one given),
//   Floyd-Steinberg refined by a direct binary search that toggles and swaps dots
//   while the error between the eye-blurred result and the eye-blurred light falls
//   (directbinarysearch.h, eyemodel.h); kept is the curve whose result looks most
//   like the light (structuremeasure.h). The closest to the picture, and the
//   slowest (about 40 ms for 160 x 100).
//
// The threshold method (None) keeps its own rule: the plain grey (r + g + b + 1) div 3,
// black up to 255 * (level + 50) / 100 (monochrome.h), and ignores the tone curve.
// Errors never leave the area; outside it, the plain grey-level rule applies. The
// inversion swaps black and white at the end, after every decision.
namespace monochrome {

enum class Dithering { None, FloydSteinberg, Atkinson, Bayer, JarvisJudiceNinke, Stucki, Sierra, BlueNoise, Optimal };

// Every method but None, in the order menus and the gallery show them.
inline constexpr Dithering kDitheringMethods[] = {
    Dithering::FloydSteinberg, Dithering::Atkinson,  Dithering::Bayer,   Dithering::JarvisJudiceNinke,
    Dithering::Stucki,         Dithering::Sierra,    Dithering::BlueNoise, Dithering::Optimal};

// The tone curve applied to light before dithering: light^(1 / curve), from 1 (exact
// light) to 2.2 (code values, the shadows detailed).
inline constexpr double kExactLight = 1.0;
inline constexpr double kDetailedShadows = 2.2;
// The curve the window and the command line start with: the quality benchmark
// (benchmarks/quality) found the error diffusions beat every peer on both
// measures most often there.
inline constexpr double kDefaultToneCurve = 1.4;

// Command-line names: "floyd-steinberg", "atkinson", "bayer", "jarvis", "stucki",
// "sierra", "bruit-bleu", "optimal"; None has none.
QString ditheringName(Dithering method);
std::optional<Dithering> ditheringFromName(const QString &name);

// The grey-level method with dithering over area (clipped to the picture), an RGB32
// picture: level -50..50 (clamped for the tones). With None it is threshold().
// toneCurve: see kExactLight; the threshold method (None) and Optimal ignore it.
void dither(QImage &image, const QRect &area, int level, bool invert, Dithering method,
            double toneCurve = kDefaultToneCurve);

// "Contraste automatique": stretches the tones of the area so that its darkest 0.5 %
// of pixels become black and its lightest 0.5 % white. The tones are the pixels'
// luma (code values weighted 0.2126, 0.7152, 0.0722); one linear map of the code
// values, the same for the three channels, keeps the colours' balance. A single
// tone is left alone.
void stretchContrast(QImage &image, const QRect &area);

} // namespace monochrome
