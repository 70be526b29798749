#pragma once

#include <QImage>
#include <QSize>

// The three looks of the program's push button.
enum class AspectBouton { Normal, Hover, Pressed };

// The pictures behind the push button's looks, drawn by code: a rounded
// rectangle with a dark blue border on a pale blue background, filled with a
// light vertical gradient (normal), the same with a warm ring inside the border
// (hover), or a flat darker fill (pressed).
namespace facesbouton {

inline constexpr QSize kSize{148, 28};
// The border's outer rectangle, inclusive.
inline constexpr int kLeft = 3;
inline constexpr int kTop = 4;
inline constexpr int kRight = 145;
inline constexpr int kBottom = 27;

// A 148 x 28 picture, 24 bits per pixel.
QImage face(AspectBouton look);

} // namespace facesbouton
