#include "dotmatrix.h"

#include "int16.h"
#include "numberederror.h"

#include <algorithm>
#include <climits>

const DotMatrixPolicy DotMatrixPolicy::sign{
    .rows = 8,
    .textRows = 7,
    .origin = 1,
    .gap = 1,
    .displayOffset = 1,
    .copiedRows = 8,
    .bufferSize = DotMatrix::kSignBufferSize,
    .showsText = true,
};

const DotMatrixPolicy DotMatrixPolicy::lcd{
    .rows = 200,
    .textRows = 200,
    .origin = 0,
    .gap = 0,
    .displayOffset = 0,
    .copiedRows = 200,
    .bufferSize = {},
    .showsText = false,
};

const QString DotMatrix::kInitialText
    = QStringLiteral("Enseigne à points lumineux - police : "
                     "0123456789./*-+*!§:\\;,?!=}{[]()°ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                     "abcdefghijklmnopqrstuvwxyz@àéè&*ù%$£²<>");

namespace {

// Beyond this the grid would only hold columns no 16-bit position can reach.
constexpr qint64 kMaxColumns = 65536;
// No 16-bit position reaches past this pixel.
constexpr qint64 kMaxBufferSide = 32768;

// Set while a step runs. It is cleared even when the step fails, so that one
// error does not stop the sign for good.
class BusyFlag
{
public:
    explicit BusyFlag(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~BusyFlag() { m_flag = false; }
    BusyFlag(const BusyFlag &) = delete;
    BusyFlag &operator=(const BusyFlag &) = delete;

private:
    bool &m_flag;
};

} // namespace

DotMatrix::DotMatrix(const DotMatrixPolicy &policy, QObject *parent)
    : QObject(parent)
    , m_policy(policy)
    , m_buffer(policy.bufferSize.width(), policy.bufferSize.height(), kDesignBackColor)
    , m_display(kDesignSize.width(), kDesignSize.height(), kDesignBackColor)
    , m_grid(size_t(policy.rows) * 9, 0)
{
    fitBuffer();
    if (m_policy.showsText) {
        setMatrixSize(1001); // the grid keeps these columns for good
        for (const font5x7::BuiltInGlyph &g : font5x7::builtInGlyphs())
            m_font[g.code] = g.rows;
        makeText(kInitialText);
    }
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

void DotMatrix::clearMatrix(int first)
{
    first = std::max(int16::checked(first), 0);
    const int last = std::min(int16::checked(columnCount()), upperColumn());
    for (int c = first; c <= last; ++c) {
        for (int r = 1; r <= m_policy.textRows; ++r)
            at(r, c) = 0;
    }
}

void DotMatrix::clearDisplay()
{
    followDisplaySize();
    m_display.cls();
}

void DotMatrix::present()
{
    followDisplaySize();
    present(m_display.rect());
}

void DotMatrix::present(const QRect &area)
{
    followDisplaySize();
    const int p = m_pointer;
    const int P = m_pixelSize;
    const int height = int16::checked(qint64(m_policy.copiedRows) * P);
    const int head = int16::checked(qint64(p) * P);
    // Not 16-bit: only the copies use it.
    const qint64 tail = (qint64(columnCount()) - p) * P;
    const int o = m_policy.displayOffset;
    // A pointer beyond N (after setPointer or a smaller size) has no rotation
    // to show: the display keeps what it had until the next scroll step.
    if (tail >= 0) {
        // Past the buffer's width the copies are clipped anyway.
        const int width = int(std::min(tail, qint64(INT_MAX / 2)));
        copyToDisplay(o, o, width, height, head, area);
        copyToDisplay(o + width, o, head, height, 0, area);
    }
    emit displayChanged(area & m_display.rect());
}

void DotMatrix::copyToDisplay(int x, int y, int w, int h, int sx, const QRect &area)
{
    if (w <= 0 || h <= 0)
        return;
    const QRect part = QRect(x, y, w, h) & area;
    if (!part.isEmpty())
        bitBlt(m_display.image(), part.x(), part.y(), part.width(), part.height(), m_buffer.image(),
               sx + part.x() - x, part.y() - y);
}

void DotMatrix::setBackColor(QRgb colour)
{
    m_buffer.setBackColor(colour);
    m_buffer.cls();
    m_display.setBackColor(colour);
    clearDisplay();
    redrawAll();
}

void DotMatrix::setPixelSize(int size)
{
    m_pixelSize = int16::checked(size);
    m_buffer.cls();
    fitBuffer();
}

void DotMatrix::fitBuffer()
{
    if (!m_policy.bufferSize.isEmpty())
        return;
    const auto side = [](qint64 v) { return int(std::clamp(v, qint64(0), kMaxBufferSide)); };
    const qint64 P = m_pixelSize;
    // The far corner of the last dot, gap included.
    const QSize size(side((qint64(upperColumn()) + 1 - m_policy.origin) * P),
                     side((qint64(m_policy.rows) + 1 - m_policy.origin) * P + 1));
    if (size == m_buffer.size())
        return;
    const QImage old = m_buffer.image();
    m_buffer.resize(size.width(), size.height());
    bitBlt(m_buffer.image(), 0, 0, old.width(), old.height(), old, 0, 0);
}

void DotMatrix::setPointer(int value)
{
    int16::checked(value);
    BusyFlag busy(m_busy);
    m_pointer = value;
    m_buffer.cls();
    for (int c = 1; c <= columnCount() - 1; ++c)
        redrawColumn(c);
}

void DotMatrix::scrollRight()
{
    if (m_busy)
        return;
    BusyFlag busy(m_busy);
    if (m_pointer < columnCount()) {
        m_pointer = int16::checked(qint64(m_pointer) + 1);
    } else {
        emit scrollEnded();
        m_pointer = 1;
    }
    present();
}

void DotMatrix::setMatrixSize(int columns, bool keepCells)
{
    const qint64 needed = qint64(columns) + 1;
    if (needed > kMaxColumns)
        throw NumberedError(NumberedError::Overflow);
    m_columnCount = columns;
    if (needed > upperColumn()) {
        m_grid.resize(size_t(needed + 1) * size_t(m_policy.rows), 0);
        fitBuffer();
    }
    if (!keepCells)
        clearMatrix(1);
    present();
}

void DotMatrix::makeText(const QString &text)
{
    const std::vector<int> codes = font5x7::characterCodes(text);
    const qint64 n = qint64(codes.size());
    setMatrixSize(int(std::min(6 * n, qint64(INT_MAX))));
    for (qint64 i = 1; i <= n; ++i)
        drawGlyph(codes[size_t(i - 1)], int16::checked(6 * i - 4), 1);
    clearDisplay();
    present();
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

void DotMatrix::drawDot(int p, int x, int y)
{
    paintDot(p, x, y, true);
}

void DotMatrix::clearDot(int p, int x, int y)
{
    paintDot(p, x, y, false);
}

QRect DotMatrix::dotRect(int x, int y) const
{
    const int P = m_pixelSize, side = P - m_policy.gap;
    return QRect((x - m_policy.origin) * P, (y - m_policy.origin) * P + 1, side, side);
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
                      lit ? m_foreColor : m_buffer.backColor());
    }
    setCell(y, x, lit ? 1 : 0);
}

void DotMatrix::redrawColumn(int c)
{
    if (c < 0 || c > upperColumn())
        return;
    for (int r = 1; r <= m_policy.textRows; ++r) {
        if (at(r, c) != 1)
            continue;
        try {
            drawDot(m_pixelSize, c, r);
        } catch (const NumberedError &) {
            // A dot whose position overflows is simply not shown.
        }
    }
}

void DotMatrix::redrawAll()
{
    for (int c = columnCount() - 1; c >= 1; --c)
        redrawColumn(c);
    present();
}

void DotMatrix::followDisplaySize()
{
    if (m_displaySize)
        resizeDisplay(m_displaySize());
}

void DotMatrix::resizeDisplay(QSize size)
{
    if (size == m_display.size())
        return;
    const QImage old = m_display.image();
    m_display.resize(size.width(), size.height());
    bitBlt(m_display.image(), 0, 0, old.width(), old.height(), old, 0, 0);
}
