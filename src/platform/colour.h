#pragma once

#include <QRgb>

// Colours are QRgb (0xAARRGGBB). The program's pictures are opaque RGB32, so every
// colour read from them has an alpha of 0xFF.
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kWhite = 0xFFFFFFFF;
// What reading a pixel outside a surface gives: never a colour of a picture (it is
// transparent), and in particular never white.
inline constexpr QRgb kNoColour = 0x00000000;
