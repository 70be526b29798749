#include "editor/spinner.h"

#include <gtest/gtest.h>

// The ends of each spinner are checked through the window's arrows; what is left
// is a value set beyond a stop, which can only come back towards the range.
TEST(Spinner, AValueBeyondAStopCanOnlyComeBack)
{
    Spinner width(8, 16, 16, 160);
    EXPECT_FALSE(width.down());
    EXPECT_EQ(width.value(), 8);
    EXPECT_TRUE(width.up());
    EXPECT_EQ(width.value(), 24);
    width.setValue(170);
    EXPECT_FALSE(width.up());
    EXPECT_TRUE(width.down());
    EXPECT_EQ(width.value(), 154);
}
