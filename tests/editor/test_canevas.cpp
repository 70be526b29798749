#include "editor/canevas.h"
#include "editor/editeur.h"
#include "pixels.h"
#include "support/imagediff.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CanevasTest : public ::testing::Test
{
protected:
    CanevasTest()
    {
        canvas.resize(162, 102);
        QObject::connect(&editeur, &Editeur::coordonnees, &label2, &QLabel::setText);
        canvas.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    }

    // Widget position of a canvas pixel (the border is one pixel wide).
    QPoint at(int x, int y) const { return canvas.origin() + QPoint(x, y); }

    void press(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&canvas, button, {}, p);
    }
    void release(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(&canvas, button, {}, p);
    }
    // A move with buttons held (QTest::mouseMove would say none).
    void drag(QPoint p, Qt::MouseButtons held = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, p, canvas.mapToGlobal(p), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
    }
    void hover(QPoint p) { drag(p, Qt::NoButton); }
    void pixelSize(int n)
    {
        while (editeur.text6().value() < n)
            editeur.pixelPlus();
    }
    // Pixels of the widget's rendering that show the overlay (neither black nor white).
    int overlayPixels()
    {
        const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb p = shown.pixel(x, y) & 0xFFFFFF;
                count += p != 0 && p != 0xFFFFFF;
            }
        return count;
    }

    Surface picture{160, 100};
    Editeur editeur{picture};
    Canevas canvas{editeur};
    QLabel label2{QStringLiteral("Label2")};
};

TEST_F(CanevasTest, IsACrossHairCanvasThatTakesFocusAndTracksThePointer)
{
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(canvas.focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(canvas.hasMouseTracking());
    EXPECT_EQ(canvas.sizeHint(), QSize(162, 102));
    EXPECT_EQ(Canevas::buttonMask(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(Canevas::buttonMask(Qt::RightButton), 2);
    EXPECT_EQ(Canevas::buttonMask(Qt::NoButton), 0);
}

TEST_F(CanevasTest, ClicksPaintSquaresAtTheCanvasPixelUnderThePointer)
{
    editeur.choisirOutil(0);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at(12, 34));
    EXPECT_EQ(blackPixels(picture), block(12, 34, 1, 1));

    picture.cls();
    pixelSize(3);
    QTest::mouseClick(&canvas, Qt::RightButton, {}, at(10, 20));
    EXPECT_EQ(blackPixels(picture), block(10, 20, 3, 3));

    editeur.choisirOutil(1);
    QTest::mouseClick(&canvas, Qt::MiddleButton, {}, at(11, 21));
    auto expected = block(10, 20, 3, 3); // the white square from (11, 21) bites into it
    for (const auto &pixel : block(11, 21, 3, 3))
        expected.erase(pixel);
    EXPECT_EQ(blackPixels(picture), expected);
}

TEST_F(CanevasTest, DragPaintsAContinuousStrokeAndKeepsGoingPastTheTopLeft)
{
    editeur.choisirOutil(0);
    pixelSize(3);
    press(at(40, 40));
    drag(at(60, 40));
    release(at(60, 40));
    press(at(1, 0));
    drag(at(0, 0) - QPoint(1, 2)); // outside the canvas, button held: via (0, -1)
    release(at(0, 0) - QPoint(1, 2));
    auto expected = block(40, 40, 23, 3);
    expected.merge(block(1, 0, 3, 3));
    expected.merge(block(0, 0, 3, 2));
    EXPECT_EQ(blackPixels(picture), expected);
    EXPECT_EQ(label2.text().toStdString(), "-1x-2");
}

TEST_F(CanevasTest, MovingWithoutAButtonOnlyUpdatesTheReadout)
{
    EXPECT_EQ(label2.text().toStdString(), "Label2");
    for (int tool = -1; tool <= 4; ++tool) {
        editeur.choisirOutil(tool);
        hover(at(12, 34));
        hover(at(20, 30));
    }
    EXPECT_TRUE(blackPixels(picture).empty());
    EXPECT_EQ(label2.text().toStdString(), "20x30");
    hover(canvas.origin() + QPoint(-3, 10));
    EXPECT_EQ(label2.text().toStdString(), "-3x10");
}

TEST_F(CanevasTest, NoToolMeansNoEdit)
{
    press(at(10, 10));
    drag(at(30, 30));
    release(at(30, 30));
    QTest::keyClick(&canvas, Qt::Key_Return);
    EXPECT_TRUE(blackPixels(picture).empty());
}

TEST_F(CanevasTest, LineIsDraggedNudgedByArrowsAndDrawnByEnter)
{
    editeur.choisirOutil(3);
    press(at(10, 10));
    drag(at(30, 10));
    release(at(30, 10));
    QTest::keyClick(&canvas, Qt::Key_Down);
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_TRUE(blackPixels(picture).empty());
    QTest::keyClick(&canvas, Qt::Key_Return);
    EXPECT_EQ(blackPixels(picture), block(11, 11, 20, 1));
}

TEST_F(CanevasTest, EnterLeavesAPendingEllipseAlone)
{
    editeur.choisirOutil(4);
    press(at(10, 10));
    drag(at(30, 20));
    release(at(30, 20));
    QTest::keyClick(&canvas, Qt::Key_Return);
    EXPECT_TRUE(editeur.shape1().visible);
    EXPECT_TRUE(blackPixels(picture).empty());
    editeur.validerEllipse();
    EXPECT_EQ(blackPixels(picture).size(), 49u);
}

TEST_F(CanevasTest, OverlaysShowOverThePictureWithoutChangingIt)
{
    picture.image().fill(Qt::black);
    const QImage black = picture.image();
    EXPECT_EQ(overlayPixels(), 0);

    editeur.choisirOutil(3);
    press(at(10, 10));
    drag(at(100, 60));
    EXPECT_GT(overlayPixels(), 20);

    editeur.choisirOutil(4);
    EXPECT_EQ(overlayPixels(), 0); // the line was dropped
    press(at(10, 10));
    drag(at(60, 40));
    EXPECT_GT(overlayPixels(), 20);

    editeur.choisirOutil(2);
    editeur.setTexte(QStringLiteral("Bonjour"));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at(20, 30));
    EXPECT_GT(overlayPixels(), 5);
    EXPECT_TRUE(sameImage(black, picture.image()));
}

TEST_F(CanevasTest, AClickOnThePlacedLabelDropsItAndAClickBesideItPlacesItAgain)
{
    editeur.choisirOutil(2);
    editeur.setTexte(QStringLiteral("Bonjour"));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at(20, 30));
    ASSERT_TRUE(editeur.prev().visible);
    const QPointF inside = editeur.prevRect().center();

    QSignalSpy focus(&editeur, &Editeur::focusCanevasDemande);
    hover(at(int(inside.x()), int(inside.y())));
    EXPECT_GE(focus.count(), 1);

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at(int(inside.x()), int(inside.y())));
    EXPECT_FALSE(editeur.prev().visible);

    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at(5, 80));
    EXPECT_TRUE(editeur.prev().visible);
    EXPECT_DOUBLE_EQ(editeur.prev().left, 5);
    EXPECT_DOUBLE_EQ(editeur.prev().top, 80);
    QTest::keyClick(&canvas, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(editeur.prev().top, 79);
    EXPECT_TRUE(blackPixels(picture).empty());

    QTest::keyClick(&canvas, Qt::Key_Enter);
    EXPECT_FALSE(editeur.prev().visible);
    EXPECT_FALSE(blackPixels(picture).empty());
}

TEST_F(CanevasTest, F1AsksForTheAboutWindow)
{
    QSignalSpy about(&editeur, &Editeur::aProposDemande);
    QTest::keyClick(&canvas, Qt::Key_F1);
    EXPECT_EQ(about.count(), 1);
}

} // namespace
