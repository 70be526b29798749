#include "editor/history.h"
#include "support/imagediff.h"

TEST(History, KeepsTheLastHundredStepsAndANewChangeDropsWhatWasUndone)
{
    Surface picture(160, 100);
    History history(picture);
    EXPECT_FALSE(history.record()); // nothing changed: no step
    QList<QPoint> points;
    for (int k = 0; k < 105; ++k) { // step k: pixel (k, 0) turns black
        points << QPoint(k, 0);
        picture.setPixel(k, 0, kBlack);
        ASSERT_TRUE(history.record()) << k;
    }
    int undone = 0;
    while (history.undo())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(5)), picture.image())); // kept for good
    ASSERT_TRUE(history.redo());
    picture.setPixel(80, 80, kBlack); // newer than what was undone: nothing is left to redo
    EXPECT_FALSE(history.redo() || history.canRedo());
    ASSERT_TRUE(history.undo()); // the unrecorded change is undone on its own
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(6)), picture.image()));
    ASSERT_TRUE(history.redo());
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(6) << QPoint(80, 80)), picture.image()) && !history.redo());
}
