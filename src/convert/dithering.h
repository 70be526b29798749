#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

// Dithering for the grey-level method: photographs keep their half-tones instead
// of turning into blotches.
//
// Every pixel of the output area is rendered from its tone, a whole number 0..255
// that the slider's threshold shapes (tone()): the plain grey (r + g + b + 1) div 3
// stretched so that the threshold t = 255 * (level + 50) / 100 falls exactly
// between 127 and 128. A tone of 127 or less renders black, 128 or more white, so a
// pixel that receives no error comes out exactly as the plain grey-level method
// makes it; and as the level rises, every grey gets a darker tone, so the slider
// keeps working as a brightness control (error diffusion alone would give the same
// average darkness whatever the threshold).
//
// - Floyd-Steinberg: serpentine scan, rows of the area from its top, even rows
//   left to right, odd rows right to left. The value of a pixel is its tone plus
//   the error it received; black when that value <= 127. The error (value - 0 or
//   value - 255) goes 7/16 to the next pixel of the row, 3/16 below behind, 5/16
//   below, and the rest (about 1/16) below ahead, "ahead" following the scan; each
//   share but the last is rounded down (towards minus infinity), and the last one
//   takes what is left, so the whole error travels.
// - Atkinson: the same serpentine scan and rule; one eighth of the error, rounded
//   towards zero, goes to each of the two next pixels of the row, the three pixels
//   below (behind, under, ahead) and the pixel two rows under. The other quarter is
//   dropped on purpose: it keeps highlights and shadows clean.
// - Bayer: the standard 8 x 8 ordered matrix M (values 0..63), indexed from the
//   area's top-left corner; a pixel is black when 128 * tone < 255 * (2 * M + 1),
//   that is, when its tone lies below (M + 1/2) * 255 / 64: the 64 cells spread the
//   cut evenly across the tones around the middle one.
//
// Errors never leave the area. Outside it, the plain grey-level rule applies. The
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

// Command-line names: "floyd-steinberg", "atkinson", "bayer", "jarvis", "stucki",
// "sierra", "bruit-bleu", "optimal"; None has none.
QString ditheringName(Dithering method);
std::optional<Dithering> ditheringFromName(const QString &name);

// The tone of a grey (0..255) at a level (-50..50): 127 or less exactly when
// 100 * grey <= 255 * (level + 50). The identity at level 0.
int tone(int grey, int level);

// The grey-level method with dithering over area (clipped to the picture), an RGB32
// picture: level -50..50 (clamped for the tones). With None it is threshold().
// toneCurve: see kExactLight; the threshold method (None) ignores it.
void dither(QImage &image, const QRect &area, int level, bool invert, Dithering method,
            double toneCurve = kDetailedShadows);

// "Contraste automatique": stretches the tones of the area so that its darkest 0.5 %
// of pixels become black and its lightest 0.5 % white.
void stretchContrast(QImage &image, const QRect &area);

} // namespace monochrome
