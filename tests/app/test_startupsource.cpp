// The picture the window opens at start-up, from a command-line text (the window's
// tests start it from lists of arguments).
#include "app/startupsource.h"

#include <gtest/gtest.h>

TEST(StartupSource, ADoubleQuoteAnywhereTakesTheFirstAndLastCharactersAway)
{
    const std::pair<const char *, const char *> cases[] = {
        {"une image.png", "une image.png"}, {"\"une image.png\"", "une image.png"}, {"a\"b.png", "\"b.pn"}, {"\"", ""}};
    for (const auto &[text, source] : cases)
        EXPECT_EQ(startupSource(QString::fromUtf8(text)), QString::fromUtf8(source)) << text;
}
