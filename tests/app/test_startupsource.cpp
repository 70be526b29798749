// The picture the window opens at start-up, from its command line.
#include "app/startupsource.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(StartupSource, FromACommandLineText)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a.png", "a.png"},
        {"une image.png", "une image.png"},
        {"\"une image.png\"", "une image.png"},
        {"a\"b.png", "\"b.pn"}, // a double quote anywhere: the first and last characters go
        {"\"", ""},
        {"", ""},
    };
    for (const auto &[text, source] : cases)
        EXPECT_EQ(startupSource(QString::fromUtf8(text)), QString::fromUtf8(source)) << text;
}

TEST(StartupSource, FromTheArguments)
{
    QTemporaryDir dir;
    const QString spaced = dir.filePath("une image.png");
    const QString other = dir.filePath("b.png");
    writeFile(spaced, "x");
    writeFile(other, "x");
    const struct { QStringList arguments; QString source; QStringList notOpened; } cases[] = {
        {{}, "", {}},
        {{"absent.png"}, "absent.png", {}},
        {spaced.split(u' '), spaced, {}}, // a path in pieces opens whole
        {{"absent.png", other, spaced}, other, {"absent.png", spaced}}, // the first file
        {{dir.path(), other}, other, {dir.path()}}, // a folder is no file
        {{"absent.png", "autre.png"}, "absent.png autre.png", {}}, // none: the whole line
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u'|').toStdString());
        QStringList notOpened{"left over"};
        EXPECT_EQ(startupSource(c.arguments, &notOpened), c.source);
        EXPECT_EQ(notOpened, c.notOpened);
    }
}
