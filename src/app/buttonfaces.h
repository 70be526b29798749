#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// The three looks of the program's command button.
enum class ButtonLook { Normal, Hover, Pressed };

// The pictures behind the command button's looks, drawn by code: a rounded
// rectangle with a dark blue border on a pale blue background, filled with a
// light vertical gradient (normal), the same with a warm ring inside the border
// (hover), or a flat darker fill (pressed).
namespace buttonfaces {

inline constexpr QSize kSize{148, 28};
// The border's outer rectangle, inclusive.
inline constexpr int kLeft = 3;
inline constexpr int kTop = 4;
inline constexpr int kRight = 145;
inline constexpr int kBottom = 27;
// The keyboard focus mark: a dotted rectangle with one pixel between it and
// the hover look's warm ring, clear of the caption's ink above and below.
inline constexpr QRect kFocusMark{kLeft + 4, kTop + 4, kRight - kLeft - 7, kBottom - kTop - 7};

// A 148 x 28 picture, 24 bits per pixel, with the focus mark when asked.
QImage face(ButtonLook look, bool focusMark = false);

} // namespace buttonfaces
