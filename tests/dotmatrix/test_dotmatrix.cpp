#include "dotmatrix/numberederror.h"
#include "dotmatrix/dotmatrix.h"
#include "support/imagediff.h"

#include <QSignalSpy>
#include <QStringDecoder>

namespace {

// The cells of rows 1 to 7 of grid column c, row 1 in bit 0; with shown, those the
// display lights in its c-th dot column (P = 2, one lit pixel per dot).
int gridColumn(const DotMatrix &m, int c, bool shown = false)
{
    int bits = 0;
    for (int r = 1; r <= 7; ++r)
        bits |= (shown ? m.display().point(1 + 2 * c, 2 * r) == m.foreColor() : m.cell(r, c)) << (r - 1);
    return bits;
}

// FNV-1a over the grid columns first to last: a golden of a whole layout.
quint32 columnsHash(const DotMatrix &m, int first, int last)
{
    quint32 h = 0x811C9DC5u;
    for (int c = first; c <= last; ++c)
        h = (h ^ quint32(gridColumn(m, c))) * 0x01000193u;
    return h;
}

int errorOf(const std::function<void()> &f)
{
    try { f(); } catch (const NumberedError &e) { return e.number(); }
    return 0;
}

} // namespace

TEST(Sign, WelcomeTextLayoutGlyphsAndCodePage)
{
    DotMatrix m(DotMatrixPolicy::sign);
    EXPECT_EQ(m.columnCount(), 810);
    // The 97 characters after the credit cover the font: their columns, worked out
    // from the glyph table, from character 39 (column 230) to the spacing column N + 1.
    EXPECT_TRUE(columnsHash(m, 230, 811) == 0xF6A1A9E0u && gridColumn(m, 1) == 0) << std::hex << columnsHash(m, 230, 811);
    for (int j = 0; j < 99; ++j) // the display's 100 dot columns show columns 2 to 100
        ASSERT_EQ(gridColumn(m, j, true), gridColumn(m, j + 2)) << j;
    // The glyphs no welcome character uses, and one that stands for no code.
    m.makeText(QStringLiteral(" _#'\"~¤|€"));
    EXPECT_EQ(columnsHash(m, 2, 55), 0x03F016EFu);
    m.makeText(QStringLiteral("^ĀA")); // "^" has no glyph: blank; "?" stands for a character without a code
    EXPECT_TRUE(columnsHash(m, 2, 19) == 0x09B602A1u && m.glyph('0') == m.glyph('O')) << std::hex << columnsHash(m, 2, 19);
    // A lit dot at P = 3: a 2 x 2 square, top row and right column of its cell unlit.
    m.setBackColor(kWhite), m.setForeColor(kBlack), m.setPixelSize(3);
    m.makeText(QStringLiteral("A")); // row 1 lights column 4 only
    EXPECT_TRUE(m.dotRect(4, 1) == QRect(9, 1, 2, 2) && sameImage(imageFromAscii({"...", "##.", "##."}), m.buffer().image().copy(9, 0, 3, 3)));
    // Characters are read in Windows-1252.
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        GTEST_SKIP() << "no Windows-1252 decoder here";
    for (int code = 0; code < 256; ++code)
        ASSERT_EQ(font5x7::characterCodes(decoder.decode(QByteArray(1, char(code))) + u'x').front(), code) << code;
    EXPECT_EQ(font5x7::characterCodes(QString::fromUcs4(U"\U0001F600x")), (std::vector<int>{'?', 'x'}));
}

TEST(Sign, ScrollingOrderWrapAndReEntry)
{
    DotMatrix m(DotMatrixPolicy::sign);
    m.makeText(QStringLiteral("AB"));
    ASSERT_EQ(m.columnCount(), 12);
    QImage shownInHandler;
    int wraps = 0;
    QObject::connect(&m, &DotMatrix::scrollEnded, [&] {
        ++wraps;
        shownInHandler = m.display().image().copy();
        m.scrollRight(); // ignored: the step is still running
    });
    QImage before;
    for (int step = 1; step <= 12; ++step) {
        before = m.display().image().copy();
        m.scrollRight();
        EXPECT_EQ(m.pointer(), step == 12 ? 1 : 1 + step);
        for (int j = 0; j < 12; ++j) // the display shows columns p + 1 to N, then 1 to p
            ASSERT_EQ(gridColumn(m, j, true), gridColumn(m, (m.pointer() + j) % 12 + 1)) << j;
    }
    EXPECT_TRUE(shownInHandler == before && wraps == 1); // raised once, before the display changes
    // setPointer repaints columns 1 to N - 1 of the buffer only, shown at the next copy.
    m.makeText(QStringLiteral("ABC"));
    m.setPointer(5);
    m.present();
    EXPECT_TRUE(gridColumn(m, 0, true) == gridColumn(m, 6) && gridColumn(m, 12, true) == 0 && gridColumn(m, 18) != 0);
    const QImage shown = m.display().image().copy();
    m.clearMatrix(4); // the cells from column 4 on; neither image changes
    EXPECT_TRUE(gridColumn(m, 3) && !gridColumn(m, 4) && !gridColumn(m, 17));
    m.present();
    EXPECT_EQ(m.display().image(), shown);
}

TEST(DotMatrix, NumberedErrors)
{
    DotMatrix m(DotMatrixPolicy::sign);
    DotMatrix lcd(DotMatrixPolicy::lcd);
    lcd.setMatrixSize(160);
    const struct { const char *what; std::function<void()> call; int number; } cases[] = {
        {"pixel size beyond 16 bits", [&] { m.setPixelSize(40000); }, NumberedError::Overflow},
        {"clearMatrix beyond 16 bits", [&] { m.clearMatrix(32768); }, NumberedError::Overflow},
        {"copied height 8 x 4096", [&] { m.setPixelSize(4096); m.present(); }, NumberedError::Overflow},
        {"5462 characters", [&] { m.setPixelSize(1); m.makeText(QString(5462, u'A')); }, NumberedError::Overflow},
        {"65536 columns", [&] { m.setMatrixSize(65536); }, NumberedError::Overflow},
        {"LCD row 0", [&] { lcd.drawDot(2, 3, 0); }, NumberedError::SubscriptOutOfRange},
        {"LCD row 201", [&] { lcd.clearDot(2, 3, 201); }, NumberedError::SubscriptOutOfRange},
        {"LCD column beyond the grid", [&] { lcd.drawDot(2, 162, 200); }, NumberedError::SubscriptOutOfRange},
        {"LCD dot beyond 16 bits", [&] { lcd.drawDot(2, 16384, 1); }, NumberedError::Overflow},
    };
    for (const auto &c : cases)
        EXPECT_EQ(errorOf(c.call), c.number) << c.what;
    m.setPixelSize(1);
    m.makeText(QString(5461, u'A'));
    EXPECT_EQ(m.columnCount(), 32766);
}

// The zoom screen's control (its dots are checked in the zoom window's tests): present(area)
// copies and announces that part only; a wider grid keeps its cells, the buffer every dot.
TEST(Lcd, AWiderGridKeepsItsCellsAndTheBufferHoldsEveryDot)
{
    for (int P = 2; P <= 8; ++P) {
        SCOPED_TRACE(P);
        DotMatrix lcd(DotMatrixPolicy::lcd);
        lcd.setForeColor(kBlack);
        lcd.setPointer(0);
        lcd.setPixelSize(P);
        lcd.setMatrixSize(160);
        lcd.resizeDisplay(QSize(160 * P, 101 * P + 1));
        lcd.drawDot(P, 80, 50);
        lcd.drawDot(P, 0, 1);
        QSignalSpy changed(&lcd, &DotMatrix::displayChanged);
        lcd.present(lcd.dotRect(80, 50));
        EXPECT_TRUE(changed.takeFirst().at(0).toRect() == QRect(80 * P, 50 * P + 1, P, P) && lcd.display().point(80 * P + P - 1, 50 * P + P) == kBlack
                    && lcd.display().point(0, P + 1) != kBlack);
        lcd.setMatrixSize(300, true);
        lcd.drawDot(P, 301, 200);
        const QPoint corner = lcd.dotRect(301, 200).bottomRight();
        EXPECT_TRUE(lcd.buffer().point(corner.x(), corner.y()) == kBlack && lcd.cell(50, 80) == 1);
    }
}
