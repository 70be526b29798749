#include "editor/spinner.h"

#include <gtest/gtest.h>

// The ends of each spinner are checked through the window's arrows; a value set
// beyond a stop can only come back towards the range.
TEST(Spinner, AValueBeyondAStopCanOnlyComeBack)
{
    Spinner low(8, 16, 16, 160), high(170, 16, 16, 160);
    EXPECT_FALSE(low.down() || high.up());
    EXPECT_TRUE(low.up() && high.down());
    EXPECT_EQ(std::pair(low.value(), high.value()), std::pair(24, 154));
}
