#pragma once

#include "font5x7.h"
#include "int16.h"
#include "platform/surface.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <vector>

// What tells the scrolling sign and the LCD screen apart; everything else they share.
struct DotMatrixPolicy
{
    // Grid rows run 1 to rows.
    int rows;
    // Rows that clearmatrice and the column repaint cover (1 to textRows).
    int textRows;
    // The grid column whose dot starts at buffer pixel 0, and likewise for rows:
    // dot (y, x) covers pixel columns from (x - origin)·P and rows below (y - origin)·P.
    int origin;
    // Background pixels kept between neighbouring dots: with 1 the top pixel row
    // and the right pixel column of each P x P cell stay unlit.
    int gap;
    // Display pixel (both x and y) where actualisebmp puts the first copied pixel.
    int displayOffset;
    // Dot rows that actualisebmp copies (times P pixel rows).
    int copiedRows;
    // createinternalfonts loads the built-in 5 x 7 glyphs.
    bool builtInFont;
    // Created with 1001 columns showing the initial text; TexteInitial lays its text out.
    bool showsText;

    static const DotMatrixPolicy matrice;
    static const DotMatrixPolicy afflcd;
};

// A grid of on/off dots painted once into a large off-screen buffer and shown
// in a display surface rotated at a pointer, so that scrolling copies two
// rectangles and paints nothing. Plain state and drawing: a widget shows
// display() and forwards its events (DotMatrixWidget).
//
// Whole-number arguments follow the hosts' 16-bit rules: every member that
// computes a position or takes a 16-bit value throws NumberedError (Overflow,
// SubscriptOutOfRange, TypeMismatch, InvalidArgument, PropertyNotAtRuntime)
// as documented below; pixels painted before an error stay painted.
class DotMatrix
{
public:
    static constexpr int kBufferWidth = 8000;
    static constexpr int kBufferHeight = 333;
    // The display's designed size: 3000 x 465 twips.
    static constexpr QSize kDesignSize{200, 31};
    static constexpr Couleur kDesignBackColor = 0x800000;
    // The first 38 characters of the text a new sign shows.
    static const QString kCreditPrefix;
    // The whole text a new sign shows (135 characters).
    static const QString kInitialText;

    // Runs the creation sequence of the given kind of control.
    explicit DotMatrix(const DotMatrixPolicy &policy);

    DotMatrix(const DotMatrix &) = delete;
    DotMatrix &operator=(const DotMatrix &) = delete;

    const DotMatrixPolicy &policy() const { return m_policy; }

    // Sets the cells of columns deb to N, text rows only, to 0; cells outside the
    // grid are skipped. Neither image changes. Overflow when deb or N exceeds 16 bits.
    void clearmatrice(int deb);
    // Clears the display to the background colour.
    void cls();
    // Copies the buffer to the display rotated at the pointer, then refreshes it.
    void actualisebmp();

    Couleur backcolor() const { return m_buffer.backColor(); }
    // Clears both images to the colour, repaints columns 1 to N - 1 and shows them.
    void setBackcolor(Couleur colour);

    int PixelSize() const { return m_pixelSize; }
    // Stores P and clears the buffer; the grid and the display stay as they are.
    void setPixelSize(int size);
    // The same from a variant: TypeMismatch for a value that is not a number.
    void setPixelSize(const QVariant &size);

    // The text last stored, or an empty variant.
    QVariant TexteInitial() const { return m_texteInitial; }
    // Fails with error 31013 while the host runs in user mode; otherwise stores
    // the text and, on a sign, lays it out.
    void setTexteInitial(const QVariant &texte);

    void initpointeur() { m_pointeur = 1; }
    // Sets the pointer (no range check) and repaints the buffer; the display is
    // not updated.
    void setpointeur(int value);
    // One scroll step: the content moves one column right (gauche) or left (droite).
    // Ignored while another step runs, as from the EndScroll handler.
    void Scrollgauche();
    void Scrolldroite();

    // Sets N; grows the grid so that column N + 1 exists (it never shrinks);
    // clears columns 1 to N unless keepmatrice; shows the result. The LCD's
    // third parameter has no effect.
    void SetMatriceSize(int newsize, bool keepmatrice = false);

    // Lays the text out over a grid of 6 columns per character and shows it.
    void maketext(const QString &texte);
    // Draws the text from column x1 + 2 into the existing grid and shows it.
    void drawtext(const QString &texte, int x1);
    // Paints one glyph and its spacing column at column x, row y; the display is
    // not updated. InvalidArgument for an empty text.
    void drawchar(const QString &character, int x, int y);
    // Defines the glyph named by the first character of element 0 from the rows
    // in elements 1 to 7 ("1" lights a dot). Missing elements leave their rows as
    // they were; an empty list or element 0 fails before any cell changes.
    void addfont(const QStringList &fontparam);
    void createinternalfonts();

    // Paints or clears one dot at size p and sets its cell; a cell outside the
    // grid fails with SubscriptOutOfRange after the pixels are painted. Public on
    // the LCD only; the sign's widget keeps them to itself.
    void drawpixel(int p, int x, int y);
    void clearpixel(int p, int x, int y);

    Couleur forecolor() const { return m_forecolor; }
    void setForecolor(Couleur colour) { m_forecolor = colour; }
    int Uscrollsens() const { return m_uscrollsens; }
    void setUscrollsens(int value) { m_uscrollsens = int16::checked(value); }

    // The host's user-mode flag: true in the program, false at design time.
    bool userMode() const { return m_userMode; }
    void setUserMode(bool userMode) { m_userMode = userMode; }

    // Called from inside a scroll step when it wraps around.
    void setEndScrollHandler(std::function<void()> handler) { m_endScroll = std::move(handler); }

    // The display takes the new size; what it showed stays where it overlaps.
    void resizeDisplay(QSize size);
    // Where the display learns the control's size: it takes that size whenever
    // it is about to change, so a control sized while hidden shows all of itself.
    void setControlSizeSource(std::function<QSize()> source) { m_controlSize = std::move(source); }

    // State, for the host and for tests.
    QVariant taille() const { return m_taille; }
    // N: taille as a whole number, 0 while it is empty.
    int columnCount() const { return m_taille.isValid() ? m_taille.toInt() : 0; }
    int pointeur() const { return m_pointeur; }
    int occupe() const { return m_occupe; }
    // U, the upper column bound of the grid.
    int upperColumn() const { return int(m_grid.size()) / m_policy.rows - 1; }
    // The cell at row r, column c; SubscriptOutOfRange outside the grid.
    int cell(int r, int c) const;
    font5x7::GlyphRows glyph(int code) const { return m_font.at(size_t(code & 0xFF)); }

    const Surface &buffer() const { return m_buffer; }
    const Surface &display() const { return m_display; }
    Surface &display() { return m_display; }

private:
    bool inGrid(int r, int c) const;
    qint16 &at(int r, int c) { return m_grid[size_t(c) * size_t(m_policy.rows) + size_t(r - 1)]; }
    void setCell(int r, int c, int value);
    void paintDot(int p, int x, int y, bool lit);
    bool glyphFits(int x, int y) const;
    void drawGlyph(int code, int x, int y);
    void redessinecolonne(int c);
    void redessinetout();
    void followControlSize();

    const DotMatrixPolicy &m_policy;
    Surface m_buffer;
    Surface m_display;
    // Column-major so that growing keeps every cell in place.
    std::vector<qint16> m_grid;
    QVariant m_taille;
    int m_pointeur = 1;
    int m_pixelSize = 2;
    Couleur m_forecolor = 255;
    int m_occupe = 0;
    int m_uscrollsens = 0;
    QVariant m_texteInitial;
    bool m_userMode = true;
    std::array<font5x7::GlyphRows, 256> m_font{};
    std::function<void()> m_endScroll;
    std::function<QSize()> m_controlSize;
};
