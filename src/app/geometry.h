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
namespace geometry {

struct Control
{
    std::string_view name;        // "widthBox", "enteteNiveaux", "MainPanel"
    std::string_view container;  // "MainPanel", "toolsFrame", "canvas", "Viewer", "AboutWindow", "ZoomWindow"; "" for a window
    int l = 0, t = 0, w = 0, h = 0; // for a line: x1, y1, x2, y2
    const char *text = nullptr;    // caption or initial text, UTF-8
    const char *toolTip = nullptr;
};

// The entry of that name; a name missing from the table is a programming error.
const Control &control(std::string_view name);

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}
// Position and size in pixels; for a window, its client size at (0, 0).
QRect rect(std::string_view name);
// A line control's two ends in pixels.
QLine line(std::string_view name);
QString text(std::string_view name);
QString toolTip(std::string_view name);

} // namespace geometry

// The colours the windows use. They were chosen as the classic 0x00BBGGRR
// values written below, blue in the high byte.
namespace colours {
constexpr QRgb fromBgr(unsigned bgr)
{
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
inline constexpr QRgb window = fromBgr(0xF8E4D8);        // window background
inline constexpr QRgb header = fromBgr(0xDF967A);      // section header labels
inline constexpr QRgb entry = kWhite;                  // text boxes
inline constexpr QRgb entryHover = fromBgr(0x00FFFF);  // text box under the pointer (yellow)
inline constexpr QRgb bannerDots = fromBgr(0xFF0000);  // banner dots (blue)
} // namespace colours
