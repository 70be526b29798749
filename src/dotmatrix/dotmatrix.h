#pragma once

#include "font5x7.h"
#include "platform/surface.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// What tells the scrolling sign and the LCD screen apart; everything else they share.
struct DotMatrixPolicy
{
    // Grid rows run 1 to rows.
    int rows;
    // Rows that clearMatrix and the column repaint cover (1 to textRows).
    int textRows;
    // The grid column whose dot starts at buffer pixel 0, and likewise for rows:
    // dot (y, x) covers pixel columns from (x - origin)·P and rows below (y - origin)·P.
    int origin;
    // Background pixels kept between neighbouring dots: with 1 the top pixel row
    // and the right pixel column of each P x P cell stay unlit.
    int gap;
    // Display pixel (both x and y) where present() puts the first copied pixel.
    int displayOffset;
    // Dot rows that present() copies (times P pixel rows).
    int copiedRows;
    // The buffer's fixed size; an empty size makes the buffer follow the grid and
    // the dot size, just large enough for every dot.
    QSize bufferSize;
    // Loads the built-in 5 x 7 glyphs and starts with 1001 columns showing kInitialText.
    bool showsText;

    // The scrolling banner: 7 text rows of dots with gaps, the built-in font.
    static const DotMatrixPolicy sign;
    // The calculator screen: 200 rows of touching dots, counted from 0 on the pixel side.
    static const DotMatrixPolicy lcd;
};

// A grid of on/off dots painted once into a large off-screen buffer and shown
// in a display surface rotated at a pointer, so that scrolling copies two
// rectangles and paints nothing. Plain state and drawing: a widget shows display().
//
// Whole-number arguments follow the hosts' 16-bit rules: every member that
// computes a position throws NumberedError (Overflow, SubscriptOutOfRange,
// InvalidArgument) as documented below; pixels painted before an error stay painted.
class DotMatrix : public QObject
{
    Q_OBJECT

public:
    // The sign's buffer.
    static constexpr QSize kSignBufferSize{8000, 333};
    // The display's designed size: 3000 x 465 twips.
    static constexpr QSize kDesignSize{200, 31};
    static constexpr QRgb kDesignBackColor = 0xFF000080; // dark blue
    // The text a new sign shows (135 characters).
    static const QString kInitialText;

    // Runs the creation sequence of the given kind of control.
    explicit DotMatrix(const DotMatrixPolicy &policy, QObject *parent = nullptr);

    // Sets the cells of columns first to N, text rows only, to 0; cells outside the
    // grid are skipped. Neither image changes. Overflow when first or N exceeds 16 bits.
    void clearMatrix(int first);
    // Copies the buffer to the display rotated at the pointer; emits displayChanged.
    void present();
    // The same, limited to the part of the display inside area.
    void present(const QRect &area);

    QRgb backColor() const { return m_buffer.backColor(); }
    // Clears both images to the colour, repaints columns 1 to N - 1 and shows them.
    void setBackColor(QRgb colour);
    QRgb foreColor() const { return m_foreColor; }
    void setForeColor(QRgb colour) { m_foreColor = colour; }

    // P, the dot size in pixels.
    int pixelSize() const { return m_pixelSize; }
    // Stores P and clears the buffer; the grid and the display stay as they are.
    void setPixelSize(int size);

    // The display's first column shows the buffer's dot column number pointer,
    // counted from 0 at its left edge (grid column pointer + origin).
    int pointer() const { return m_pointer; }
    // Sets the pointer (no range check) and repaints columns 1 to N - 1 of the
    // buffer; the display is not updated.
    void setPointer(int value);
    // One scroll step: the pointer moves forward (right) and the display follows;
    // past the end it wraps round and scrollEnded is emitted, before the display
    // changes. A step asked for while one runs is ignored.
    void scrollRight();

    // Sets N; grows the grid so that column N + 1 exists (it never shrinks);
    // clears columns 1 to N unless keepCells; shows the result.
    void setMatrixSize(int columns, bool keepCells = false);

    // Lays the text out over a grid of 6 columns per character and shows it.
    void makeText(const QString &text);

    // Paints or clears the dot at column x, row y at size p and sets its cell; the
    // display is not updated. A cell outside the grid fails with SubscriptOutOfRange
    // after the pixels are painted.
    void drawDot(int p, int x, int y);
    void clearDot(int p, int x, int y);
    // The buffer pixels the dot at column x, row y lights at the current size.
    QRect dotRect(int x, int y) const;

    // The display takes the new size; what it showed stays where it overlaps.
    void resizeDisplay(QSize size);
    // Where the display learns the control's size: it takes that size whenever
    // it is about to change, so a control sized while hidden shows all of itself.
    void setDisplaySizeSource(std::function<QSize()> source) { m_displaySize = std::move(source); }

    // N, the columns laid out (0 until a size is set).
    int columnCount() const { return m_columnCount; }
    // U, the upper column bound of the grid.
    int upperColumn() const { return int(m_grid.size()) / m_policy.rows - 1; }
    // The cell at row r, column c; SubscriptOutOfRange outside the grid.
    int cell(int r, int c) const;
    font5x7::GlyphRows glyph(int code) const { return m_font.at(size_t(code & 0xFF)); }

    const Surface &buffer() const { return m_buffer; }
    const Surface &display() const { return m_display; }

signals:
    // A scroll step wrapped round; the handler runs inside the step.
    void scrollEnded();
    // present() copied this part of the display.
    void displayChanged(const QRect &area);

private:
    bool inGrid(int r, int c) const;
    qint16 &at(int r, int c) { return m_grid[size_t(c) * size_t(m_policy.rows) + size_t(r - 1)]; }
    void setCell(int r, int c, int value);
    void paintDot(int p, int x, int y, bool lit);
    bool glyphFits(int x, int y) const;
    void drawGlyph(int code, int x, int y);
    void redrawColumn(int c);
    void redrawAll();
    void clearDisplay();
    void fitBuffer();
    void copyToDisplay(int x, int y, int w, int h, int sx, const QRect &area);
    void followDisplaySize();

    const DotMatrixPolicy &m_policy;
    Surface m_buffer;
    Surface m_display;
    // Column-major so that growing keeps every cell in place.
    std::vector<qint16> m_grid;
    int m_columnCount = 0;
    int m_pointer = 1;
    int m_pixelSize = 2;
    QRgb m_foreColor = 0xFFFF0000; // red
    // A scroll step is running.
    bool m_busy = false;
    std::array<font5x7::GlyphRows, 256> m_font{};
    std::function<QSize()> m_displaySize;
};
