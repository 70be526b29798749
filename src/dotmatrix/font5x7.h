#pragma once

#include <QString>

#include <array>
#include <span>
#include <vector>

// The dot-matrix controls' font: one 5 x 7 glyph per single-byte character code.
namespace font5x7 {

// Seven rows from the top, each holding five bits: 0x10 is the left column,
// 0x01 the right one; a set bit is a lit dot.
using GlyphRows = std::array<quint8, 7>;

struct BuiltInGlyph
{
    quint8 code;
    GlyphRows rows;
};

// The 103 glyphs of the built-in set, by code.
std::span<const BuiltInGlyph> builtInGlyphs();

// Character codes are Windows-1252 bytes; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of
// the same number, as on Windows.
//
// The character code of each character of text, in order (a pair of surrogates
// is one character). A character that the code page cannot represent takes the
// code of "?" (63), the byte Windows substitutes.
std::vector<int> characterCodes(const QString &text);

} // namespace font5x7
