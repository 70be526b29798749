#include "dotmatrix/matricewidget.h"
#include "platform/numberederror.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringDecoder>
#include <QTest>

namespace {

// The cells of rows 1 to 7 of grid column c, row 1 in bit 0; with shown, those the
// display lights in its c-th dot column (P = 2, one lit pixel per dot).
int gridColumn(const DotMatrix &m, int c, bool shown = false)
{
    int bits = 0;
    for (int r = 1; r <= 7; ++r)
        bits |= (shown ? m.display().point(1 + 2 * c, 2 * r) == m.forecolor() : m.cell(r, c)) << (r - 1);
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

// The display shows columns p + 1 to N, then 1 to p.
void expectRotation(const DotMatrix &m)
{
    for (int j = 0; j < m.columnCount(); ++j)
        ASSERT_EQ(gridColumn(m, j, true), gridColumn(m, (m.pointeur() + j) % m.columnCount() + 1)) << j;
}

int errorOf(const std::function<void()> &f)
{
    try { f(); } catch (const NumberedError &e) { return e.number(); }
    return 0;
}

} // namespace

TEST(Matrice, WelcomeTextLayoutAndGlyphs)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    EXPECT_EQ(m.columnCount(), 810);
    // The 97 characters after the credit cover the font: their columns, worked out
    // from the glyph table, from character 39 (column 230) to the spacing column N + 1.
    EXPECT_EQ(columnsHash(m, 230, 811), 0xF6A1A9E0u);
    EXPECT_EQ(gridColumn(m, 1), 0);
    for (int j = 0; j < 99; ++j)
        ASSERT_EQ(gridColumn(m, j, true), gridColumn(m, j + 2)) << j;
    // The glyphs no welcome character uses, and one that stands for no code.
    m.maketext(QStringLiteral(" _#'\"~¤|€"));
    EXPECT_EQ(columnsHash(m, 2, 55), 0x03F016EFu);
    m.maketext(QStringLiteral("^ĀA"));
    EXPECT_EQ(gridColumn(m, 2) | gridColumn(m, 6), 0); // "^" has no glyph: blank
    EXPECT_EQ(gridColumn(m, 8), 0x02); // "?" stands for a character without a code
    EXPECT_EQ(gridColumn(m, 9), 0x01);
    EXPECT_EQ(m.glyph('0'), m.glyph('O'));
    m.maketext(QStringLiteral("    "));
    m.drawtext(QStringLiteral("AB"), 1); // "B" from column 9
    EXPECT_NE(gridColumn(m, 9) | gridColumn(m, 10) | gridColumn(m, 11), 0);
    // A lit dot at P = 3: a 2 x 2 square, top row and right column of its cell unlit.
    m.setBackcolor(kBlanc);
    m.setForecolor(kNoir);
    m.setPixelSize(3);
    m.maketext(QStringLiteral("A")); // row 1 lights column 4 only
    for (int y = 0; y < 3; ++y)
        for (int x = 9; x < 12; ++x)
            EXPECT_EQ(m.buffer().point(x, y), (y > 0 && x < 11) ? kNoir : kBlanc) << x << "," << y;
}

TEST(Matrice, CodePageIsWindows1252)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        GTEST_SKIP() << "no Windows-1252 decoder here";
    for (int code = 0; code < 256; ++code)
        ASSERT_EQ(font5x7::characterCode(decoder.decode(QByteArray(1, char(code))) + u'x'), code) << code;
    EXPECT_EQ(font5x7::characterCode(QString::fromUcs4(U"\U0001F600")), '?');
}

TEST(Matrice, ScrollingOrderWrapAndReEntry)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    m.maketext(QStringLiteral("AB"));
    ASSERT_EQ(m.columnCount(), 12);
    QImage shownInHandler;
    int wraps = 0;
    m.setEndScrollHandler([&] {
        ++wraps;
        shownInHandler = m.display().image().copy();
        m.Scrolldroite(); // ignored: the step is still running
        m.Scrollgauche();
    });
    QImage before;
    for (int step = 1; step <= 12; ++step) {
        before = m.display().image().copy();
        m.Scrolldroite();
        EXPECT_EQ(m.pointeur(), step == 12 ? 1 : 1 + step);
        expectRotation(m);
    }
    EXPECT_EQ(shownInHandler, before); // raised before the display changes
    EXPECT_TRUE(wraps == 1 && m.occupe() == 0);
    // Backwards from 1 it wraps to N, read after the handler laid out a longer text.
    m.setEndScrollHandler([&] { m.maketext(QStringLiteral("ABC")); });
    m.Scrollgauche();
    EXPECT_EQ(m.pointeur(), 18);
    expectRotation(m);
    // setpointeur repaints columns 1 to N - 1 of the buffer only, shown at the next copy.
    m.setpointeur(5);
    m.actualisebmp();
    EXPECT_EQ(gridColumn(m, 0, true), gridColumn(m, 6));
    EXPECT_EQ(gridColumn(m, 12, true), 0);
    EXPECT_NE(gridColumn(m, 18), 0);
}

TEST(Matrice, NumberedErrors)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    const struct { const char *what; std::function<void()> call; int number; } cases[] = {
        {"empty drawchar", [&] { m.drawchar(QString(), 1, 1); }, NumberedError::InvalidArgument},
        {"spacing column beyond the grid", [&] { m.drawchar(QStringLiteral("B"), 998, 1); }, NumberedError::SubscriptOutOfRange},
        {"row 9", [&] { m.drawchar(QStringLiteral("H"), 2, 3); }, NumberedError::SubscriptOutOfRange},
        {"PixelSize not a number", [&] { m.setPixelSize(QVariant(QStringLiteral("deux"))); }, NumberedError::TypeMismatch},
        {"PixelSize beyond 16 bits", [&] { m.setPixelSize(QVariant(40000)); }, NumberedError::Overflow},
        {"copied height 8 x 4096", [&] { m.setPixelSize(4096); m.actualisebmp(); }, NumberedError::Overflow},
        {"5462 characters", [&] { m.setPixelSize(1); m.maketext(QString(5462, u'A')); }, NumberedError::Overflow},
        {"TexteInitial in user mode", [&] { m.setTexteInitial(QStringLiteral("x")); }, NumberedError::PropertyNotAtRuntime},
        {"addfont without a name", [&] { m.addfont({QString(), QStringLiteral("11111")}); }, NumberedError::InvalidArgument},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.call), c.number);
    }
    EXPECT_EQ(m.cell(1, 998), 1); // dots painted before an error stay
    EXPECT_EQ(m.glyph('A')[0], 0x04);
    m.setPixelSize(1);
    m.maketext(QString(5461, u'A'));
    EXPECT_EQ(m.columnCount(), 32766);
}

TEST(MatriceWidget, ShowsItsDisplayAndRaisesItsEvents)
{
    MatriceWidget w;
    w.resize(593, 25);
    w.maketext(QStringLiteral("AB"));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_RGB32), w.matrix().display().image());
    QSignalSpy ends(&w, &DotMatrixWidget::EndScroll);
    for (int i = 0; i < 12; ++i)
        w.Scrolldroite();
    EXPECT_EQ(ends.count(), 1);
    QSignalSpy down(&w, &DotMatrixWidget::MouseDown);
    QSignalSpy click(&w, &DotMatrixWidget::Click);
    QTest::mouseClick(&w, Qt::RightButton, Qt::ControlModifier, QPoint(10, 4));
    EXPECT_EQ(down.value(0), (QList<QVariant>{2, 2, 150.0f, 60.0f})); // twips
    EXPECT_EQ(click.count(), 1);
}
