#include "editor/historique.h"
#include "support/imagediff.h"

TEST(Historique, KeepsTheLastHundredStepsAndANewChangeDropsWhatWasUndone)
{
    Surface picture(160, 100);
    Historique historique(picture);
    int refreshes = 0;
    picture.setRefreshHandler([&] { ++refreshes; });
    EXPECT_FALSE(historique.enregistrer()); // nothing changed: no step
    QList<QPoint> points;
    for (int k = 0; k < 105; ++k) { // step k: pixel (k, 0) turns black
        points << QPoint(k, 0);
        picture.setPixel(k, 0, kNoir);
        ASSERT_TRUE(historique.enregistrer()) << k;
    }
    picture.setPixel(159, 99, kNoir); // not recorded: undone on its own first, as the last step
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points), picture.image()));
    int undone = 1;
    while (historique.annuler())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(refreshes, 100);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(6)), picture.image())); // kept for good
    ASSERT_TRUE(historique.retablir());
    ASSERT_TRUE(historique.retablir());
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(8)), picture.image()));
    picture.setPixel(80, 80, kNoir); // newer than what was undone: nothing is left to redo
    EXPECT_FALSE(historique.retablir() || historique.peutRetablir());
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(8)), picture.image()));
    ASSERT_TRUE(historique.retablir()); // only that change comes back
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(8) << QPoint(80, 80)), picture.image()));
    EXPECT_FALSE(historique.retablir());
}
