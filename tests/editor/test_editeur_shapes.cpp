#include "editorfixture.h"
#include "pixels.h"
#include "support/imagediff.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using EditeurShapes = EditorFixture;

TEST_F(EditeurShapes, LineFollowsThePointerUnroundedAndTheArrowsShiftBothEnds)
{
    editeur.choisirOutil(3);
    press(10.25, 20.75);
    EXPECT_TRUE(editeur.line1().visible);
    EXPECT_DOUBLE_EQ(editeur.line1().x1, 10.25);
    EXPECT_DOUBLE_EQ(editeur.line1().y2, 20.75);
    drag(40.5, 20.75);
    release(40.5, 20.75); // the rubber band stays
    editeur.keyDown(Qt::Key_Right);
    editeur.keyDown(Qt::Key_Down);
    editeur.keyDown(Qt::Key_Down);
    const Line1State &line = editeur.line1();
    EXPECT_TRUE(line.visible);
    EXPECT_DOUBLE_EQ(line.x1, 11.25);
    EXPECT_DOUBLE_EQ(line.y1, 22.75);
    EXPECT_DOUBLE_EQ(line.x2, 41.5);
    EXPECT_DOUBLE_EQ(line.y2, 22.75);
    EXPECT_TRUE(blackPixels(picture).empty()); // nothing drawn before validation

    editeur.validerLigne();
    EXPECT_FALSE(editeur.line1().visible);
    Surface expected(160, 100);
    expected.line(QPointF(11.25, 22.75), QPointF(41.5, 22.75), kNoir);
    EXPECT_TRUE(sameImage(expected.image(), picture.image()));
    EXPECT_EQ(refreshes, 1);

    editeur.validerLigne(); // hidden: nothing more
    EXPECT_EQ(refreshes, 1);
}

TEST_F(EditeurShapes, ANewPressRestartsThePendingLine)
{
    editeur.choisirOutil(3);
    press(10, 10);
    drag(50, 50);
    press(70, 20);
    EXPECT_DOUBLE_EQ(editeur.line1().x1, 70);
    EXPECT_DOUBLE_EQ(editeur.line1().x2, 70);
    EXPECT_DOUBLE_EQ(editeur.line1().y2, 20);
}

TEST_F(EditeurShapes, LinesAreDrawnAtTheChosenWidth)
{
    lineWidth(3);
    editeur.choisirOutil(3);
    press(20, 50);
    release(20, 50);
    editeur.validerLigne(); // zero length, width 3: a dot around the press point
    const auto dot = blackPixels(picture);
    EXPECT_TRUE(dot.contains({20, 50}));
    for (const auto &[x, y] : dot) {
        EXPECT_LE(std::abs(x - 20), 1);
        EXPECT_LE(std::abs(y - 50), 1);
    }

    picture.cls();
    press(10, 30);
    drag(60, 30);
    editeur.validerLigne();
    for (int x = 12; x <= 58; ++x) {
        int column = 0;
        for (int y = 0; y < 100; ++y)
            column += picture.point(x, y) == kNoir;
        EXPECT_EQ(column, 3) << "x = " << x;
        EXPECT_EQ(picture.point(x, 29), kNoir);
        EXPECT_EQ(picture.point(x, 31), kNoir);
    }
}

TEST_F(EditeurShapes, EllipseFromTenTenToThirtyTwentyStopsOneRowShort)
{
    editeur.choisirOutil(4);
    press(10.6, 10.6);
    drag(30, 20);
    release(30, 20);
    const Shape1State &shape = editeur.shape1();
    EXPECT_DOUBLE_EQ(shape.left, 10);
    EXPECT_DOUBLE_EQ(shape.top, 10);
    EXPECT_DOUBLE_EQ(shape.width, 20);
    EXPECT_DOUBLE_EQ(shape.height, 10);
    EXPECT_TRUE(blackPixels(picture).empty());

    editeur.validerEllipse();
    EXPECT_FALSE(editeur.shape1().visible);
    EXPECT_EQ(refreshes, 1);
    const auto pixels = blackPixels(picture);
    EXPECT_EQ(pixels.size(), 49u);
    for (auto p : {std::pair{30, 15}, {10, 15}, {20, 10}, {20, 19}})
        EXPECT_TRUE(pixels.contains(p)) << p.first << ", " << p.second;
    for (const auto &[x, y] : pixels) {
        EXPECT_GE(x, 10);
        EXPECT_LE(x, 30);
        EXPECT_GE(y, 10);
        EXPECT_LE(y, 19);
    }
}

TEST_F(EditeurShapes, EllipseIsOnePixelWideWhateverTheLineWidth)
{
    editeur.choisirOutil(4);
    press(10, 10);
    drag(30, 20);
    editeur.validerEllipse();
    const QImage thin = picture.image();

    picture.cls();
    lineWidth(3);
    press(10, 10);
    drag(30, 20);
    editeur.validerEllipse();
    EXPECT_TRUE(sameImage(thin, picture.image()));
}

TEST_F(EditeurShapes, CollapsedEllipses)
{
    editeur.choisirOutil(4);
    press(40, 30);
    release(40, 30);
    editeur.validerEllipse();
    EXPECT_EQ(blackPixels(picture), block(40, 30, 1, 1));

    picture.cls();
    press(40, 30);
    drag(25, 41); // left of the press: no width
    EXPECT_DOUBLE_EQ(editeur.shape1().width, 0);
    EXPECT_DOUBLE_EQ(editeur.shape1().height, 11);
    drag(25, 38);
    editeur.validerEllipse();
    EXPECT_EQ(blackPixels(picture), block(40, 30, 1, 8)); // rows 30..37

    picture.cls();
    press(40, 30);
    drag(20, 10); // above and left: a single pixel
    editeur.validerEllipse();
    EXPECT_EQ(blackPixels(picture), block(40, 30, 1, 1));
}

TEST_F(EditeurShapes, ASecondPressCancelsTheEllipseAndAThirdStartsANewOne)
{
    editeur.choisirOutil(4);
    press(10, 10);
    drag(30, 20);
    press(50, 50);
    EXPECT_FALSE(editeur.shape1().visible);
    EXPECT_DOUBLE_EQ(editeur.shape1().width, 0);
    editeur.validerEllipse();
    EXPECT_TRUE(blackPixels(picture).empty());
    EXPECT_EQ(refreshes, 0);

    press(60, 40);
    EXPECT_TRUE(editeur.shape1().visible);
    EXPECT_DOUBLE_EQ(editeur.shape1().left, 60);
    EXPECT_DOUBLE_EQ(editeur.shape1().top, 40);
}

TEST_F(EditeurShapes, EnterDrawsTheLineButNeverTheEllipse)
{
    editeur.choisirOutil(4);
    press(10, 10);
    drag(30, 20);
    editeur.keyDown(Qt::Key_Return);
    editeur.keyDown(Qt::Key_Enter);
    EXPECT_TRUE(editeur.shape1().visible);
    EXPECT_TRUE(blackPixels(picture).empty());

    editeur.choisirOutil(3);
    EXPECT_FALSE(editeur.shape1().visible);
    press(10, 10);
    drag(20, 10);
    editeur.keyDown(Qt::Key_Enter);
    EXPECT_FALSE(editeur.line1().visible);
    EXPECT_EQ(blackPixels(picture), block(10, 10, 10, 1)); // end pixel left out

    const QImage drawn = picture.image();
    editeur.keyDown(Qt::Key_Return); // nothing pending any more
    EXPECT_TRUE(sameImage(drawn, picture.image()));
}

TEST_F(EditeurShapes, ChangingToolDropsThePendingShapesUndrawn)
{
    editeur.choisirOutil(3);
    press(10, 10);
    drag(50, 50);
    editeur.choisirOutil(3); // the same tool keeps it
    EXPECT_TRUE(editeur.line1().visible);
    editeur.choisirOutil(0);
    EXPECT_FALSE(editeur.line1().visible);
    editeur.validerLigne();
    editeur.keyDown(Qt::Key_Return);

    editeur.choisirOutil(4);
    press(10, 10);
    drag(50, 50);
    editeur.choisirOutil(2);
    EXPECT_FALSE(editeur.shape1().visible);
    editeur.validerEllipse();
    EXPECT_TRUE(blackPixels(picture).empty());
    EXPECT_EQ(refreshes, 0);
}

TEST_F(EditeurShapes, ArrowKeysMoveTheHiddenLineToo)
{
    editeur.choisirOutil(3);
    editeur.keyDown(Qt::Key_Left);
    editeur.keyDown(Qt::Key_Up);
    EXPECT_FALSE(editeur.line1().visible);
    EXPECT_DOUBLE_EQ(editeur.line1().x1, -1);
    EXPECT_DOUBLE_EQ(editeur.line1().y2, -1);
    EXPECT_TRUE(blackPixels(picture).empty());
}

} // namespace
