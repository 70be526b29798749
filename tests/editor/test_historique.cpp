#include "editor/historique.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

namespace {

const QImage kBlanche = blackAt({160, 100}, {});

} // namespace

TEST(Historique, UndoAndRedoPutBackExactlyThePixelsOfEachStep)
{
    Surface picture(160, 100);
    Historique historique(picture);
    int refreshes = 0;
    picture.setRefreshHandler([&] { ++refreshes; });
    EXPECT_FALSE(historique.annuler());
    EXPECT_FALSE(historique.enregistrer()); // nothing changed: no step

    picture.setPixel(3, 4, kNoir);
    picture.setPixel(50, 60, 0x123456);
    const QImage premier = picture.image().copy();
    ASSERT_TRUE(historique.enregistrer());
    picture.line(QPointF(0, 99), QPointF(159, 99), kNoir);
    picture.setPixel(3, 4, kBlanc); // a pixel of the first step changes back
    const QImage second = picture.image().copy();
    ASSERT_TRUE(historique.enregistrer());
    picture.setPixel(159, 0, kNoir); // no step recorded: undone on its own first
    const QImage troisieme = picture.image().copy();
    EXPECT_FALSE(historique.peutRetablir());

    for (const QImage &avant : {second, premier, kBlanche}) {
        ASSERT_TRUE(historique.peutAnnuler());
        ASSERT_TRUE(historique.annuler());
        EXPECT_TRUE(sameImage(avant, picture.image()));
    }
    EXPECT_FALSE(historique.peutAnnuler());
    EXPECT_FALSE(historique.annuler());
    EXPECT_EQ(refreshes, 3);
    for (const QImage &apres : {premier, second, troisieme}) {
        ASSERT_TRUE(historique.peutRetablir());
        ASSERT_TRUE(historique.retablir());
        EXPECT_TRUE(sameImage(apres, picture.image()));
    }
    EXPECT_FALSE(historique.retablir());

    // A change after an undo is newer than what was undone: nothing is left to redo.
    historique.annuler();
    picture.setPixel(5, 5, kNoir);
    EXPECT_FALSE(historique.peutRetablir());
    EXPECT_FALSE(historique.retablir());
    EXPECT_EQ(picture.point(5, 5), kNoir);
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(second, picture.image()));
    ASSERT_TRUE(historique.retablir()); // only that change comes back
    EXPECT_EQ(picture.point(5, 5), kNoir);
    EXPECT_FALSE(historique.retablir());
}

TEST(Historique, KeepsTheLastHundredStepsTakesAResizeAsOneAndResets)
{
    Surface picture(160, 100);
    Historique historique(picture);
    QList<QPoint> points;
    for (int k = 0; k < 105; ++k) { // step k: pixel (k, 0) turns black
        points << QPoint(k, 0);
        picture.setPixel(k, 0, kNoir);
        ASSERT_TRUE(historique.enregistrer()) << k;
    }
    EXPECT_EQ(historique.etapesAAnnuler(), 100);
    int annulees = 0;
    while (historique.annuler())
        ++annulees;
    EXPECT_EQ(annulees, 100);
    EXPECT_TRUE(sameImage(blackAt({160, 100}, points.first(5)), picture.image())); // kept for good
    while (historique.retablir())
        --annulees;
    EXPECT_EQ(annulees, 0);
    const QImage pleine = blackAt({160, 100}, points);
    EXPECT_TRUE(sameImage(pleine, picture.image()));

    picture.resize(80, 50);
    picture.setPixel(79, 49, kNoir);
    const QImage petite = picture.image().copy();
    ASSERT_TRUE(historique.enregistrer());
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(pleine, picture.image()));
    ASSERT_TRUE(historique.retablir());
    EXPECT_TRUE(sameImage(petite, picture.image()));

    picture.setPixel(8, 8, kNoir);
    historique.reinitialiser();
    EXPECT_FALSE(historique.peutAnnuler());
    EXPECT_FALSE(historique.annuler());
    EXPECT_EQ(picture.point(8, 8), kNoir);
}
