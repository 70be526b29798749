#pragma once

#include <QRgb>
#include <cstdint>

// Colours travel through the program as 24-bit values laid out 0x00BBGGRR, red in
// the low byte: the layout of the calculator tools' historical platform, which the
// conversion and the dot-matrix code compute with. Images store QRgb (0xAARRGGBB);
// these two functions are the only place where one becomes the other.
using Couleur = std::uint32_t;

inline constexpr Couleur kNoir = 0x000000;
inline constexpr Couleur kBlanc = 0xFFFFFF;
inline constexpr Couleur kBleu = 0xFF0000;
inline constexpr Couleur kRouge = 0x0000FF;
// What reading a pixel outside a surface gives: never a colour of the picture,
// and in particular never exactly white.
inline constexpr Couleur kCouleurInvalide = 0xFFFFFFFF;

constexpr QRgb toQRgb(Couleur c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr Couleur fromQRgb(QRgb q)
{
    return ((q >> 16) & 0xFFu) | (q & 0xFF00u) | ((q & 0xFFu) << 16);
}

constexpr Couleur rgb(int r, int g, int b)
{
    return Couleur(r & 0xFF) | (Couleur(g & 0xFF) << 8) | (Couleur(b & 0xFF) << 16);
}
