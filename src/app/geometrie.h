#pragma once

#include "platform/colour.h"

#include <QLine>
#include <QRect>
#include <QString>

#include <span>
#include <string_view>

// Where every control of the program's windows stands, with its caption and
// tooltip: the one table the windows read when they build themselves.
// Positions and sizes are in twips (15 twips = 1 pixel), relative to the container.
namespace geometrie {

struct Controle
{
    std::string_view nom;        // "boiteLargeur", "enteteNiveaux", "FenetrePrincipale"
    std::string_view conteneur;  // "FenetrePrincipale", "groupeOutils", "vueTravail", "Visualisateur", "FenetreAPropos", "FenetreZoom"; "" for a window
    int l = 0, t = 0, w = 0, h = 0; // for a line: x1, y1, x2, y2
    const char *texte = nullptr;    // caption or initial text, UTF-8
    const char *infobulle = nullptr;
};

// The entry of that name; a name missing from the table is a programming error.
const Controle &controle(std::string_view nom);

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}
// Position and size in pixels; for a window, its client size at (0, 0).
QRect rect(std::string_view nom);
// A line control's two ends in pixels.
QLine ligne(std::string_view nom);
QString texte(std::string_view nom);
QString infobulle(std::string_view nom);

} // namespace geometrie

// The colours the windows use. They were chosen as the classic 0x00BBGGRR
// values written below, blue in the high byte.
namespace couleurs {
constexpr QRgb fromBgr(unsigned bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
inline constexpr QRgb fond = fromBgr(0xF8E4D8);        // window background
inline constexpr QRgb entete = fromBgr(0xDF967A);      // section header labels
inline constexpr QRgb texteNormal = kWhite;            // text boxes
inline constexpr QRgb texteSurvol = fromBgr(0x00FFFF); // text box under the pointer (yellow)
inline constexpr QRgb banniere = fromBgr(0xFF0000);    // banner dots (blue)
} // namespace couleurs
