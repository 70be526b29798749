#include "dotmatrix.h"

#include "platform/numberederror.h"

#include <algorithm>
#include <climits>

const DotMatrixPolicy DotMatrixPolicy::matrice{
    .rows = 8,
    .textRows = 7,
    .origin = 1,
    .gap = 1,
    .displayOffset = 1,
    .copiedRows = 8,
    .builtInFont = true,
    .showsText = true,
};

const DotMatrixPolicy DotMatrixPolicy::afflcd{
    .rows = 200,
    .textRows = 200,
    .origin = 0,
    .gap = 0,
    .displayOffset = 0,
    .copiedRows = 200,
    .builtInFont = false,
    .showsText = false,
};

const QString DotMatrix::kCreditPrefix = QStringLiteral("Enseigne à points lumineux - police : ");
const QString DotMatrix::kInitialText = DotMatrix::kCreditPrefix
    + QStringLiteral("0123456789./*-+*!§:\\;,?!=}{[]()°ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                     "abcdefghijklmnopqrstuvwxyz@àéè&*ù%$£²<>");

namespace {

// Beyond this the grid would only hold columns no 16-bit position can reach.
constexpr qint64 kMaxColumns = 65536;

// occupe is -1 while a step runs. It goes back to 0 even when the step fails,
// so that one error does not stop the sign for good.
class BusyFlag
{
public:
    explicit BusyFlag(int &flag)
        : m_flag(flag)
    {
        m_flag = -1;
    }
    ~BusyFlag() { m_flag = 0; }
    BusyFlag(const BusyFlag &) = delete;
    BusyFlag &operator=(const BusyFlag &) = delete;

private:
    int &m_flag;
};

} // namespace

DotMatrix::DotMatrix(const DotMatrixPolicy &policy)
    : m_policy(policy)
    , m_buffer(kBufferWidth, kBufferHeight, kDesignBackColor)
    , m_display(kDesignSize.width(), kDesignSize.height(), kDesignBackColor)
    , m_grid(size_t(policy.rows) * 9, 0)
{
    if (m_policy.showsText)
        SetMatriceSize(1001);
    initpointeur();
    clearmatrice(0);
    createinternalfonts();
    if (m_policy.showsText)
        maketext(kInitialText);
    m_pointeur = 1;
    m_uscrollsens = 0;
}

bool DotMatrix::inGrid(int r, int c) const
{
    return r >= 1 && r <= m_policy.rows && c >= 0 && c <= upperColumn();
}

int DotMatrix::cell(int r, int c) const
{
    if (!inGrid(r, c))
        throw NumberedError(NumberedError::SubscriptOutOfRange);
    return m_grid[size_t(c) * size_t(m_policy.rows) + size_t(r - 1)];
}

void DotMatrix::setCell(int r, int c, int value)
{
    if (!inGrid(r, c))
        throw NumberedError(NumberedError::SubscriptOutOfRange);
    at(r, c) = qint16(value);
}

void DotMatrix::clearmatrice(int deb)
{
    const int first = std::max(int16::checked(deb), 0);
    const int last = std::min(int16::checked(columnCount()), upperColumn());
    for (int c = first; c <= last; ++c) {
        for (int r = 1; r <= m_policy.textRows; ++r)
            at(r, c) = 0;
    }
}

void DotMatrix::cls()
{
    followControlSize();
    m_display.cls();
}

void DotMatrix::actualisebmp()
{
    followControlSize();
    const int p = m_pointeur;
    const int P = m_pixelSize;
    const int height = int16::checked(qint64(m_policy.copiedRows) * P);
    const int head = int16::checked(qint64(p) * P);
    // Not 16-bit: only the copies use it.
    const qint64 tail = (qint64(columnCount()) - p) * P;
    const int o = m_policy.displayOffset;
    // A pointer beyond N (after setpointeur or a smaller size) has no rotation
    // to show: the display keeps what it had until the next scroll step.
    if (tail >= 0) {
        // Past the buffer's width the copies are clipped anyway.
        const int width = int(std::min(tail, qint64(INT_MAX / 2)));
        bitBlt(m_display, o, o, width, height, m_buffer, head, 0);
        bitBlt(m_display, o + width, o, head, height, m_buffer, 0, 0);
    }
    m_display.refresh();
}

void DotMatrix::setBackcolor(Couleur colour)
{
    m_buffer.setBackColor(colour);
    m_buffer.cls();
    m_display.setBackColor(colour);
    cls();
    redessinetout();
}

void DotMatrix::setPixelSize(int size)
{
    m_pixelSize = int16::checked(size);
    m_buffer.cls();
}

void DotMatrix::setPixelSize(const QVariant &size)
{
    setPixelSize(int16::fromVariant(size));
}

void DotMatrix::setTexteInitial(const QVariant &texte)
{
    if (m_userMode)
        throw NumberedError(NumberedError::PropertyNotAtRuntime);
    m_texteInitial = texte;
    if (m_policy.showsText)
        maketext(texte.toString());
}

void DotMatrix::setpointeur(int value)
{
    int16::checked(value);
    BusyFlag busy(m_occupe);
    m_pointeur = value;
    m_buffer.cls();
    for (int c = 1; c <= columnCount() - 1; ++c)
        redessinecolonne(c);
}

void DotMatrix::Scrolldroite()
{
    if (m_occupe == -1)
        return;
    BusyFlag busy(m_occupe);
    if (m_pointeur < columnCount()) {
        m_pointeur = int16::checked(qint64(m_pointeur) + 1);
    } else {
        if (m_endScroll)
            m_endScroll();
        m_pointeur = 1;
    }
    actualisebmp();
}

void DotMatrix::Scrollgauche()
{
    if (m_occupe == -1)
        return;
    BusyFlag busy(m_occupe);
    if (m_pointeur < 2) {
        if (m_endScroll)
            m_endScroll();
        // N is read after the handler, which may have laid out another text.
        m_pointeur = int16::checked(columnCount());
    } else {
        m_pointeur -= 1;
    }
    actualisebmp();
}

void DotMatrix::SetMatriceSize(int newsize, bool keepmatrice)
{
    const qint64 needed = qint64(newsize) + 1;
    if (needed > kMaxColumns)
        throw NumberedError(NumberedError::Overflow);
    m_taille = newsize;
    if (needed > upperColumn())
        m_grid.resize(size_t(needed + 1) * size_t(m_policy.rows), 0);
    if (!keepmatrice)
        clearmatrice(1);
    actualisebmp();
}

void DotMatrix::maketext(const QString &texte)
{
    const std::vector<int> codes = font5x7::characterCodes(texte);
    const qint64 n = qint64(codes.size());
    SetMatriceSize(int(std::min(6 * n, qint64(INT_MAX))));
    for (qint64 i = 1; i <= n; ++i)
        drawGlyph(codes[size_t(i - 1)], int16::checked(6 * i - 4), 1);
    cls();
    actualisebmp();
}

void DotMatrix::drawtext(const QString &texte, int x1)
{
    int16::checked(x1);
    const std::vector<int> codes = font5x7::characterCodes(texte);
    for (qint64 i = 1; i <= qint64(codes.size()); ++i)
        drawGlyph(codes[size_t(i - 1)], int16::checked(x1 + 6 * i - 4), 1);
    actualisebmp();
}

void DotMatrix::drawchar(const QString &character, int x, int y)
{
    const int code = font5x7::characterCode(character);
    drawGlyph(code, int16::checked(x), int16::checked(y));
}

bool DotMatrix::glyphFits(int x, int y) const
{
    const qint64 P = m_pixelSize;
    const auto fits = [](qint64 v) { return v >= -32768 && v <= 32767; };
    return inGrid(y, x) && inGrid(y + 6, x + 5) && fits(qint64(x + 6 - m_policy.origin) * P)
        && fits(qint64(y + 7 - m_policy.origin) * P) && fits(qint64(x - m_policy.origin) * P)
        && fits(qint64(y - m_policy.origin) * P);
}

void DotMatrix::drawGlyph(int code, int x, int y)
{
    const font5x7::GlyphRows &rows = m_font.at(size_t(code));
    // When no dot can fail, the spacing dot of each row is cleared once: the
    // pixels come out the same, at 6 dots a row instead of 10.
    const bool fits = glyphFits(x, y);
    for (int r = 0; r < 7; ++r) {
        const int row = int16::checked(qint64(y) + r);
        for (int k = 0; k < 5; ++k) {
            paintDot(m_pixelSize, int16::checked(qint64(x) + k), row, rows[size_t(r)] & (0x10 >> k));
            // Otherwise the spacing dot is cleared after every cell, so that a
            // failure stops the glyph at the very dot where it happens.
            if (!fits || k == 4)
                paintDot(m_pixelSize, int16::checked(qint64(x) + 5), row, false);
        }
    }
}

void DotMatrix::addfont(const QStringList &fontparam)
{
    if (fontparam.isEmpty())
        throw NumberedError(NumberedError::SubscriptOutOfRange);
    font5x7::GlyphRows &glyph = m_font.at(size_t(font5x7::characterCode(fontparam.at(0))));
    // A missing row is an error on its cells, skipped: they keep their content.
    for (int r = 1; r <= 7 && r < fontparam.size(); ++r) {
        const QString &row = fontparam.at(r);
        quint8 bits = 0;
        for (int k = 0; k < 5; ++k) {
            if (k < row.size() && row.at(k) == u'1')
                bits |= quint8(0x10 >> k);
        }
        glyph[size_t(r - 1)] = bits;
    }
}

void DotMatrix::createinternalfonts()
{
    if (!m_policy.builtInFont)
        return;
    for (const font5x7::BuiltInGlyph &g : font5x7::builtInGlyphs())
        m_font[g.code] = g.rows;
}

void DotMatrix::drawpixel(int p, int x, int y)
{
    paintDot(p, x, y, true);
}

void DotMatrix::clearpixel(int p, int x, int y)
{
    paintDot(p, x, y, false);
}

void DotMatrix::paintDot(int p, int x, int y, bool lit)
{
    // Lit: (P - gap) rows of (P - gap) pixels. Cleared: the same rows, P pixels
    // wide, which takes the gap column along.
    const int column = int16::checked(qint64(x) - m_policy.origin);
    const int left = int16::checked(qint64(column) * p);
    const int top = int16::checked(qint64(int16::checked(qint64(y) - m_policy.origin)) * p);
    const int right = lit ? int16::checked(qint64(left) + p - m_policy.gap)
                          : int16::checked(qint64(int16::checked(qint64(column) + 1)) * p);
    const int lines = int16::checked(qint64(p) - m_policy.gap);
    for (int i = 1; i <= lines; ++i) {
        const int row = int16::checked(qint64(top) + i);
        m_buffer.line(QPointF(left, row), QPointF(right, row),
                      lit ? m_forecolor : m_buffer.backColor());
    }
    setCell(y, x, lit ? 1 : 0);
}

void DotMatrix::redessinecolonne(int c)
{
    if (c < 0 || c > upperColumn())
        return;
    for (int r = 1; r <= m_policy.textRows; ++r) {
        if (at(r, c) != 1)
            continue;
        try {
            drawpixel(m_pixelSize, c, r);
        } catch (const NumberedError &) {
            // A dot whose position overflows is simply not shown.
        }
    }
}

void DotMatrix::redessinetout()
{
    for (int c = columnCount() - 1; c >= 1; --c)
        redessinecolonne(c);
    actualisebmp();
}

void DotMatrix::followControlSize()
{
    if (m_controlSize)
        resizeDisplay(m_controlSize());
}

void DotMatrix::resizeDisplay(QSize size)
{
    if (size == m_display.size())
        return;
    const Surface old = m_display;
    m_display.resize(size.width(), size.height());
    bitBlt(m_display, 0, 0, old.width(), old.height(), old, 0, 0);
}
