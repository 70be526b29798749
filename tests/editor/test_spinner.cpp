#include "editor/spinner.h"

#include <gtest/gtest.h>

TEST(Spinner, StopsAtEachEndAndOtherwiseStepsByItsStep)
{
    Spinner pixel(1, 1, 1, std::nullopt); // Text6
    EXPECT_FALSE(pixel.down());
    EXPECT_EQ(pixel.text(), "1");
    pixel.setValue(4);
    EXPECT_TRUE(pixel.down());
    EXPECT_EQ(pixel.text(), "3");
    for (int i = 0; i < 1000; ++i)
        EXPECT_TRUE(pixel.up()); // no ceiling
    EXPECT_EQ(pixel.value(), 1003);

    Spinner width(160, 16, 16, 160); // Text7
    EXPECT_EQ(width.nextUp(), std::nullopt);
    EXPECT_FALSE(width.up());
    EXPECT_EQ(width.nextDown(), 144);
    EXPECT_TRUE(width.down());
    EXPECT_EQ(width.text(), "144");

    Spinner height(100, 2, 2, 100); // Text8
    int clicks = 0;
    while (height.down())
        ++clicks;
    EXPECT_EQ(clicks, 49);
    EXPECT_EQ(height.text(), "2");
}

TEST(Spinner, AValueOutsideTheRangeCannotRunFurtherAway)
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
