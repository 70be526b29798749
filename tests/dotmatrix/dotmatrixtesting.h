#pragma once

#include "dotmatrix/dotmatrix.h"
#include "platform/numberederror.h"

#include <gtest/gtest.h>

#include <QRect>

// Runs the statement and checks that it throws NumberedError with that number.
#define EXPECT_NUMBERED_ERROR(statement, expectedNumber)                                 \
    do {                                                                                 \
        int thrown_ = 0;                                                                 \
        try {                                                                            \
            statement;                                                                   \
        } catch (const NumberedError &error_) {                                          \
            thrown_ = error_.number();                                                   \
        }                                                                                \
        EXPECT_EQ(thrown_, expectedNumber) << "from: " #statement;                       \
    } while (false)

// A sign or screen with the colours of the tests: white background, black dots.
inline void useBlackOnWhite(DotMatrix &m)
{
    m.setForecolor(kNoir);
    m.setBackcolor(kBlanc);
}

// Every pixel of the rectangle (clipped to the surface) has the colour.
inline ::testing::AssertionResult allPixels(const Surface &s, const QRect &r, Couleur colour)
{
    const QRect clipped = r.intersected(s.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (s.point(x, y) != colour) {
                return ::testing::AssertionFailure()
                    << "pixel (" << x << ", " << y << ") is " << std::hex << s.point(x, y)
                    << ", not " << colour;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The cells of rows 1 to 7 of a grid column, row 1 in bit 0.
inline int gridColumn(const DotMatrix &m, int c)
{
    int bits = 0;
    for (int r = 1; r <= 7; ++r)
        bits |= m.cell(r, c) << (r - 1);
    return bits;
}

// The glyph rows (0x10 = left column) read back from the grid at column x, row y.
inline font5x7::GlyphRows glyphInGrid(const DotMatrix &m, int x, int y)
{
    font5x7::GlyphRows rows{};
    for (int r = 0; r < 7; ++r) {
        for (int k = 0; k < 5; ++k) {
            if (m.cell(y + r, x + k) == 1)
                rows[size_t(r)] |= quint8(0x10 >> k);
        }
    }
    return rows;
}
