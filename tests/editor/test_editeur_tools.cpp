#include "editorfixture.h"
#include "pixels.h"
#include "support/imagediff.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using EditeurTools = EditorFixture;

TEST_F(EditeurTools, PixelOnPaintsAnNbyNSquareFromTheTruncatedPointer)
{
    editeur.choisirOutil(0);
    press(12.9, 34.7);
    EXPECT_EQ(blackPixels(picture), block(12, 34, 1, 1));
    EXPECT_EQ(refreshes, 1);

    picture.cls();
    pixelSize(3);
    press(10, 20);
    EXPECT_EQ(blackPixels(picture), block(10, 20, 3, 3));
    EXPECT_EQ(refreshes, 2);
}

TEST_F(EditeurTools, SquaresAreClippedAtEveryEdge)
{
    editeur.choisirOutil(0);
    pixelSize(3);
    press(158.5, 98.2); // right and bottom
    EXPECT_EQ(blackPixels(picture), block(158, 98, 2, 2));
    release(158.5, 98.2);

    picture.cls();
    QSignalSpy readout(&editeur, &Editeur::coordonnees);
    drag(-1.5, -1); // a drag that left the canvas to the top-left
    EXPECT_EQ(blackPixels(picture), block(0, 0, 2, 2));
    ASSERT_EQ(readout.count(), 1);
    EXPECT_EQ(readout.at(0).at(0).toString(), "-1x-1");

    picture.cls();
    release(-1.5, -1);
    drag(-40, 50); // wholly outside: nothing, and no crash
    drag(1e12, -1e12);
    EXPECT_TRUE(blackPixels(picture).empty());
}

TEST_F(EditeurTools, DragPaintsEverySquareBetweenTwoPositions)
{
    editeur.choisirOutil(0);
    pixelSize(2);
    press(10, 10);
    drag(14.9, 10);  // along x: squares at 10..14
    drag(14, 13.2);  // down one column: 14, 10..13
    drag(11, 10.5);  // back on a diagonal: (13,12), (12,11), (11,10)
    auto expected = block(10, 10, 6, 2);
    expected.merge(block(14, 10, 2, 5));
    for (int i : {11, 12, 13})
        expected.merge(block(i, i - 1, 2, 2));
    EXPECT_EQ(blackPixels(picture), expected);
    EXPECT_EQ(refreshes, 4); // once per event, not per square

    // A release ends the stroke: the next one does not join it.
    release(11, 10);
    picture.cls();
    press(100, 50);
    EXPECT_EQ(blackPixels(picture), block(100, 50, 2, 2));
    editeur.mouseMove(0, 120, 50); // a move with no button in between
    drag(140, 50);
    expected = block(100, 50, 2, 2);
    expected.merge(block(140, 50, 2, 2));
    EXPECT_EQ(blackPixels(picture), expected);
}

TEST_F(EditeurTools, PixelOffClearsToWhiteWhateverWasThere)
{
    picture.image().fill(Qt::black);
    picture.setPixel(5, 5, kBlanc);
    editeur.choisirOutil(1);
    pixelSize(2);
    press(4, 4);
    QImage expected(160, 100, QImage::Format_RGB32);
    expected.fill(Qt::black);
    for (int x = 4; x < 6; ++x)
        for (int y = 4; y < 6; ++y)
            expected.setPixel(x, y, 0xFFFFFFFF);
    EXPECT_TRUE(sameImage(expected, picture.image()));
}

TEST_F(EditeurTools, NothingHappensWithoutAToolOrWithoutAButton)
{
    QSignalSpy readout(&editeur, &Editeur::coordonnees);
    const QImage before = picture.image();
    press(10, 10); // no tool at start-up
    drag(12, 10);
    release(12, 10);
    EXPECT_TRUE(sameImage(before, picture.image()));
    for (int tool = 0; tool <= 4; ++tool) {
        editeur.choisirOutil(tool);
        editeur.mouseDown(0, 10, 10);
        editeur.mouseMove(0, 20, 20);
        editeur.mouseUp(0, 20, 20);
        EXPECT_FALSE(editeur.line1().visible);
        EXPECT_FALSE(editeur.shape1().visible);
        EXPECT_FALSE(editeur.prev().visible);
    }
    EXPECT_TRUE(sameImage(before, picture.image()));
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(readout.count(), 6); // every move updates the readout
    EXPECT_EQ(readout.last().at(0).toString(), "20x20");
}

TEST_F(EditeurTools, ArrowKeysDoNothingForThePixelTools)
{
    editeur.choisirOutil(0);
    QSignalSpy overlays(&editeur, &Editeur::overlaysChanged);
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_A})
        editeur.keyDown(key);
    EXPECT_EQ(overlays.count(), 0);
    EXPECT_TRUE(blackPixels(picture).empty());
}

TEST_F(EditeurTools, PixelSizeAndLineWidthSpinnersStopAtOne)
{
    QSignalSpy widthText(&editeur, &Editeur::text5Changed);
    editeur.pixelMoins();
    editeur.epaisseurMoins();
    EXPECT_EQ(editeur.text6().value(), 1);
    EXPECT_EQ(editeur.text5().value(), 1);
    EXPECT_EQ(widthText.count(), 0);

    editeur.epaisseurPlus();
    EXPECT_EQ(editeur.line1().borderWidth, 2);
    EXPECT_EQ(picture.drawWidth(), 2);
    ASSERT_EQ(widthText.count(), 1);
    EXPECT_EQ(widthText.at(0).at(0).toString(), "2");
    editeur.epaisseurMoins();
    EXPECT_EQ(picture.drawWidth(), 1);

    QSignalSpy pixelText(&editeur, &Editeur::text6Changed);
    editeur.pixelPlus();
    editeur.pixelPlus();
    EXPECT_EQ(pixelText.last().at(0).toString(), "3");
}

TEST_F(EditeurTools, FocusAndAboutRequests)
{
    QSignalSpy focus(&editeur, &Editeur::focusCanevasDemande);
    QSignalSpy about(&editeur, &Editeur::aProposDemande);
    editeur.labelClick(1);
    EXPECT_EQ(focus.count(), 0);
    editeur.labelClick(2);
    editeur.prevMouseMove();
    EXPECT_EQ(focus.count(), 2);
    editeur.keyDown(Qt::Key_F1);
    EXPECT_EQ(about.count(), 1);
}

} // namespace
