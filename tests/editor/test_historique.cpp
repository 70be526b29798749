#include "editor/historique.h"
#include "support/imagediff.h"

TEST(Historique, KeepsTheLastHundredStepsAndANewChangeDropsWhatWasUndone)
{
    Surface picture(160, 100);
    Historique historique(picture);
    EXPECT_FALSE(historique.enregistrer()); // nothing changed: no step
    QList<QPoint> points;
    for (int k = 0; k < 105; ++k) { // step k: pixel (k, 0) turns black
        points << QPoint(k, 0);
        picture.setPixel(k, 0, kBlack);
        ASSERT_TRUE(historique.enregistrer()) << k;
    }
    int undone = 0;
    while (historique.annuler())
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(5)), picture.image())); // kept for good
    ASSERT_TRUE(historique.retablir());
    picture.setPixel(80, 80, kBlack); // newer than what was undone: nothing is left to redo
    EXPECT_FALSE(historique.retablir() || historique.peutRetablir());
    ASSERT_TRUE(historique.annuler()); // the unrecorded change is undone on its own
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(6)), picture.image()));
    ASSERT_TRUE(historique.retablir());
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(6) << QPoint(80, 80)), picture.image()));
    EXPECT_FALSE(historique.retablir());
}
