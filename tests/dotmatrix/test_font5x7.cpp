#include "dotmatrixtesting.h"

#include <QFile>
#include <QStringDecoder>

#include <map>

namespace {

struct TableRow
{
    int code;
    QString character;
    font5x7::GlyphRows rows;
};

// The characters the table names in words.
QString characterNamed(const QString &name)
{
    static const std::map<QString, QString> words = {
        {QStringLiteral("space"), QStringLiteral(" ")},
        {QStringLiteral("double quote"), QStringLiteral("\"")},
        {QStringLiteral("apostrophe"), QStringLiteral("'")},
        {QStringLiteral("backslash"), QStringLiteral("\\")},
        {QStringLiteral("vertical bar"), QStringLiteral("|")},
    };
    const auto it = words.find(name);
    if (it != words.end())
        return it->second;
    if (name.size() == 3 && name.startsWith(u'"') && name.endsWith(u'"'))
        return name.mid(1, 1);
    return {};
}

// The glyph table as published with the controls: "| code | character | rows |".
std::vector<TableRow> readGlyphTable()
{
    QFile file(QStringLiteral(BRIVANE_TEST_DATA "/dotmatrix/glyphs5x7.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::vector<TableRow> table;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        if (fields.size() != 5)
            return {};
        TableRow row{fields[1].trimmed().toInt(), characterNamed(fields[2].trimmed()), {}};
        const QStringList hex = fields[3].trimmed().split(u' ');
        if (hex.size() != 7)
            return {};
        for (int r = 0; r < 7; ++r)
            row.rows[size_t(r)] = quint8(hex[r].toUInt(nullptr, 16));
        table.push_back(row);
    }
    return table;
}

// The platform's own Windows-1252 decoder, or Latin-1 and the euro sign alone.
QString decode1252(int code)
{
    QStringDecoder decoder("windows-1252");
    if (decoder.isValid())
        return decoder.decode(QByteArray(1, char(code)));
    return code == 0x80 ? QStringLiteral("€") : QString(QChar(code));
}

const font5x7::GlyphRows kBlank{};

class Font5x7 : public ::testing::Test
{
protected:
    DotMatrix m{DotMatrixPolicy::matrice};
};

} // namespace

TEST(Font5x7Table, DataFileHoldsTheWholeTable)
{
    const std::vector<TableRow> table = readGlyphTable();
    ASSERT_EQ(table.size(), 103u);
    EXPECT_EQ(font5x7::builtInGlyphs().size(), 103u);
    for (const TableRow &row : table)
        EXPECT_EQ(row.character, decode1252(row.code)) << "code " << row.code;
}

TEST_F(Font5x7, EveryBuiltInGlyphIsTheTablesOne)
{
    const std::vector<TableRow> table = readGlyphTable();
    ASSERT_EQ(table.size(), 103u);
    std::array<bool, 256> defined{};
    for (const TableRow &row : table) {
        defined[size_t(row.code)] = true;
        EXPECT_EQ(m.glyph(row.code), row.rows) << "code " << row.code;
        // Drawn through its character, in the grid.
        m.SetMatriceSize(12);
        m.drawchar(row.character, 2, 1);
        EXPECT_EQ(glyphInGrid(m, 2, 1), row.rows) << "character " << row.character.toStdString();
        EXPECT_EQ(gridColumn(m, 7), 0);
    }
    for (int code = 0; code < 256; ++code) {
        if (!defined[size_t(code)]) {
            EXPECT_EQ(m.glyph(code), kBlank) << "code " << code;
        }
    }
}

TEST(Font5x7Codes, Windows1252AsThePlatformDecodesIt)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        GTEST_SKIP() << "no Windows-1252 decoder here";
    for (int code = 0; code < 256; ++code) {
        const QString text = decoder.decode(QByteArray(1, char(code)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(font5x7::windows1252Code(text.at(0).unicode()), code) << "byte " << code;
        EXPECT_EQ(font5x7::characterCode(text + QStringLiteral("x")), code);
    }
}

TEST(Font5x7Codes, CharactersOutsideTheCodePage)
{
    EXPECT_EQ(font5x7::characterCode(QStringLiteral("€")), 128);
    EXPECT_EQ(font5x7::windows1252Code(0x0100), -1);
    EXPECT_EQ(font5x7::windows1252Code(0x0085), -1); // its byte stands for "…"
    EXPECT_EQ(font5x7::characterCode(QStringLiteral("ā")), '?');
    EXPECT_EQ(font5x7::characterCode(QString::fromUcs4(U"\U0001F600")), '?');
    EXPECT_EQ(font5x7::characterCodes(QString::fromUcs4(U"a\U0001F600b")),
              (std::vector<int>{'a', '?', 'b'}));
    EXPECT_NUMBERED_ERROR(font5x7::characterCode(QString()), NumberedError::InvalidArgument);
}

TEST_F(Font5x7, ZeroAndOAreTheSameGlyph)
{
    EXPECT_EQ(m.glyph('0'), m.glyph('O'));
    EXPECT_EQ(m.glyph('0'), (font5x7::GlyphRows{0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}));
    EXPECT_NE(m.glyph('O'), m.glyph('o'));
}

TEST_F(Font5x7, MaketextAB)
{
    m.setpointeur(3);
    m.maketext(QStringLiteral("AB"));
    EXPECT_EQ(m.columnCount(), 12);
    EXPECT_EQ(m.pointeur(), 3); // unchanged
    EXPECT_EQ(gridColumn(m, 1), 0);
    EXPECT_EQ(glyphInGrid(m, 2, 1), (font5x7::GlyphRows{0x04, 0x0A, 0x11, 0x1F, 0x11, 0x11, 0x11}));
    EXPECT_EQ(gridColumn(m, 7), 0);
    EXPECT_EQ(glyphInGrid(m, 8, 1), (font5x7::GlyphRows{0x1E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x1E}));
    EXPECT_EQ(gridColumn(m, 13), 0);
}

TEST_F(Font5x7, MaketextOfNothing)
{
    m.maketext(QString());
    EXPECT_EQ(m.columnCount(), 0);
    EXPECT_TRUE(allPixels(m.display(), m.display().rect(), m.backcolor()));
}

TEST_F(Font5x7, DrawtextOverMaketext)
{
    m.maketext(QStringLiteral("xyz"));
    m.drawtext(QStringLiteral("A"), 0);
    EXPECT_EQ(m.columnCount(), 18);
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('A'));
    EXPECT_EQ(glyphInGrid(m, 8, 1), m.glyph('y'));
    EXPECT_EQ(glyphInGrid(m, 14, 1), m.glyph('z'));
}

TEST_F(Font5x7, DrawtextFromAnOffset)
{
    m.maketext(QStringLiteral("xyz"));
    m.drawtext(QStringLiteral("AB"), 6);
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('x'));
    EXPECT_EQ(glyphInGrid(m, 8, 1), m.glyph('A'));
    EXPECT_EQ(glyphInGrid(m, 14, 1), m.glyph('B'));
}

TEST_F(Font5x7, AddfontReplacesAGlyph)
{
    const QString full = QStringLiteral("11111");
    m.addfont({QStringLiteral("Q"), full, full, full, full, full, full, full});
    m.maketext(QStringLiteral("Q"));
    EXPECT_EQ(glyphInGrid(m, 2, 1), (font5x7::GlyphRows{0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F}));

    // Anything but "1" is unlit; a short row leaves its other columns unlit.
    m.addfont({QStringLiteral("Qu"), QStringLiteral("1"), QStringLiteral("1 1 1"), QStringLiteral("01x11"),
               QString(), QStringLiteral("    1"), QStringLiteral("111111"), QStringLiteral("2")});
    EXPECT_EQ(m.glyph('Q'), (font5x7::GlyphRows{0x10, 0x15, 0x0B, 0x00, 0x01, 0x1F, 0x00}));
}

TEST_F(Font5x7, AddfontWithMissingRowsKeepsThem)
{
    const font5x7::GlyphRows before = m.glyph('A');
    m.addfont({QStringLiteral("A"), QStringLiteral("11111")});
    font5x7::GlyphRows expected = before;
    expected[0] = 0x1F;
    EXPECT_EQ(m.glyph('A'), expected);
}

TEST_F(Font5x7, AddfontFailsBeforeChangingAnything)
{
    const font5x7::GlyphRows before = m.glyph('A');
    EXPECT_NUMBERED_ERROR(m.addfont({}), NumberedError::SubscriptOutOfRange);
    EXPECT_NUMBERED_ERROR(m.addfont({QString(), QStringLiteral("11111")}), NumberedError::InvalidArgument);
    EXPECT_EQ(m.glyph('A'), before);
    m.addfont({QStringLiteral("^"), QStringLiteral("  1  "), QStringLiteral(" 1 1 ")});
    EXPECT_EQ(m.glyph('^'), (font5x7::GlyphRows{0x04, 0x0A, 0, 0, 0, 0, 0}));
}

TEST_F(Font5x7, CharactersWithoutGlyphDrawBlank)
{
    useBlackOnWhite(m);
    for (const QString &character : {QStringLiteral("^"), QStringLiteral("`"), QStringLiteral("ê")}) {
        m.maketext(QStringLiteral("BB"));
        m.drawchar(character, 2, 1);
        for (int c = 2; c <= 7; ++c)
            EXPECT_EQ(gridColumn(m, c), 0) << character.toStdString() << " column " << c;
        // Their dots are painted in the background colour.
        EXPECT_TRUE(allPixels(m.buffer(), QRect(2, 0, 12, 14), kBlanc)) << character.toStdString();
        EXPECT_EQ(glyphInGrid(m, 8, 1), m.glyph('B'));
    }
}

TEST_F(Font5x7, GlyphClearsTheColumnRightOfIt)
{
    m.SetMatriceSize(20);
    m.drawchar(QStringLiteral("H"), 7, 1);
    m.drawchar(QStringLiteral("H"), 2, 1);
    EXPECT_EQ(gridColumn(m, 7), 0); // the later glyph's spacing column
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('H'));
    font5x7::GlyphRows rest{};
    for (int r = 0; r < 7; ++r)
        rest[size_t(r)] = m.glyph('H')[size_t(r)] & 0x0F;
    EXPECT_EQ(glyphInGrid(m, 7, 1), rest);

    // Drawn the other way round, the right glyph paints over the spacing column.
    m.SetMatriceSize(20);
    m.drawchar(QStringLiteral("H"), 2, 1);
    m.drawchar(QStringLiteral("H"), 7, 1);
    EXPECT_EQ(glyphInGrid(m, 7, 1), m.glyph('H'));
}

TEST_F(Font5x7, GlyphAtRowTwoReachesRowEight)
{
    m.SetMatriceSize(12);
    m.drawchar(QStringLiteral("L"), 2, 2);
    for (int c = 2; c <= 6; ++c)
        EXPECT_EQ(m.cell(8, c), 1);
    EXPECT_EQ(m.cell(1, 2), 0);
}

TEST_F(Font5x7, LongestText)
{
    m.setPixelSize(1); // at P = 2 the dots beyond column 16384 overflow
    m.maketext(QString(5461, u'A'));
    EXPECT_EQ(m.columnCount(), 32766);
    EXPECT_EQ(glyphInGrid(m, 32762, 1), m.glyph('A'));
    EXPECT_NUMBERED_ERROR(m.maketext(QString(5462, u'A')), NumberedError::Overflow);
    EXPECT_NUMBERED_ERROR(m.maketext(QString(20000, u'A')), NumberedError::Overflow);
}

TEST_F(Font5x7, TextBeyondTheBufferIsNotPainted)
{
    useBlackOnWhite(m);
    m.maketext(QString(700, u'H'));
    // Character 667 begins at column 3998, whose dot would start at pixel 7994.
    EXPECT_EQ(glyphInGrid(m, 6 * 667 - 4, 1), m.glyph('H'));
    EXPECT_EQ(m.buffer().point(7994, 1), kNoir);
    EXPECT_EQ(m.buffer().point(7999, 1), kBlanc);
    EXPECT_EQ(glyphInGrid(m, 6 * 700 - 4, 1), m.glyph('H'));
}

TEST_F(Font5x7, UnrepresentableCharactersDrawAsAQuestionMark)
{
    m.maketext(QStringLiteral("Ā"));
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('?'));
}
