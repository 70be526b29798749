#include "editorfixture.h"
#include "pixels.h"
#include "support/imagediff.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using EditeurText = EditorFixture;

const QString kFamily = QStringLiteral("DejaVu Sans");

std::vector<int> fontSizes(const Editeur &editeur)
{
    return {editeur.picture2().font().pointSize(), editeur.picture4().font().pointSize(),
            editeur.prev().font.pointSize()};
}

// A picture that is neither all white nor all black: every third column black.
void stripe(Surface &picture)
{
    for (int x = 0; x < picture.width(); x += 3)
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixel(x, y, kNoir);
}

TEST_F(EditeurText, StartsAtSevenPointsWithTheSampleShown)
{
    EXPECT_EQ(editeur.text4().text(), "7");
    EXPECT_EQ(fontSizes(editeur), (std::vector{7, 7, 7}));
    EXPECT_EQ(editeur.prev().font.family(), editeur.picture4().font().family());
    EXPECT_FALSE(blackPixels(editeur.picture4()).empty()); // "Sample Text"
    EXPECT_EQ(editeur.outil(), Outil::Aucun);
    EXPECT_FALSE(editeur.prev().visible);
}

TEST_F(EditeurText, SizeArrowsMoveAllThreeFontsAndStopAtOne)
{
    QSignalSpy sizeText(&editeur, &Editeur::text4Changed);
    QSignalSpy banner(&editeur, &Editeur::messageBanniere);
    editeur.taillePlus();
    EXPECT_EQ(editeur.text4().text(), "8");
    EXPECT_EQ(fontSizes(editeur), (std::vector{8, 8, 8}));
    ASSERT_EQ(sizeText.count(), 1);
    EXPECT_EQ(sizeText.at(0).at(0).toString(), "8");

    while (editeur.text4().value() > 1)
        editeur.tailleMoins();
    EXPECT_EQ(fontSizes(editeur), (std::vector{1, 1, 1}));
    sizeText.clear();
    editeur.tailleMoins();
    EXPECT_EQ(editeur.text4().value(), 1);
    EXPECT_EQ(sizeText.count(), 0);
    EXPECT_EQ(banner.count(), 0);
}

TEST_F(EditeurText, ARefusedSizeShowsTheBannerMessageAndChangesNothing)
{
    editeur.setGras(true); // keeps the large previews quick to draw
    while (editeur.text4().value() < Editeur::kTaillePoliceMax)
        editeur.taillePlus();
    const QImage preview = editeur.picture4().image();
    QSignalSpy banner(&editeur, &Editeur::messageBanniere);
    QSignalSpy sizeText(&editeur, &Editeur::text4Changed);
    editeur.taillePlus();
    ASSERT_EQ(banner.count(), 1);
    EXPECT_EQ(banner.at(0).at(0).toString(),
              QStringLiteral("Erreur à la selection de la taille de la police..."));
    EXPECT_EQ(editeur.text4().value(), Editeur::kTaillePoliceMax);
    EXPECT_EQ(sizeText.count(), 0);
    const int max = Editeur::kTaillePoliceMax;
    EXPECT_EQ(fontSizes(editeur), (std::vector{max, max, max}));
    EXPECT_TRUE(sameImage(preview, editeur.picture4().image()));

    editeur.tailleMoins(); // the way back still works
    EXPECT_EQ(editeur.text4().value(), max - 1);
}

TEST_F(EditeurText, StyleBoxesSetTheAttributeOnAllThreeFonts)
{
    const QImage plainPreview = editeur.picture4().image();
    editeur.setGras(true);
    editeur.setItalique(true);
    editeur.setSouligne(true);
    editeur.setRaye(true);
    for (const QFont &font : {editeur.picture2().font(), editeur.picture4().font(), editeur.prev().font}) {
        EXPECT_TRUE(font.bold());
        EXPECT_TRUE(font.italic());
        EXPECT_TRUE(font.underline());
        EXPECT_TRUE(font.strikeOut());
    }
    EXPECT_FALSE(sameImage(plainPreview, editeur.picture4().image()));

    editeur.setGras(false);
    editeur.setRaye(false);
    for (const QFont &font : {editeur.picture2().font(), editeur.picture4().font(), editeur.prev().font}) {
        EXPECT_FALSE(font.bold());
        EXPECT_TRUE(font.italic());
        EXPECT_FALSE(font.strikeOut());
    }
}

TEST_F(EditeurText, MouseUpPlacesThenHidesTheLabelWithoutTouchingThePicture)
{
    stripe(picture);
    const QImage before = picture.image();
    editeur.setTexte(QStringLiteral("Bonjour"));
    editeur.choisirOutil(2);
    press(20, 30); // presses and drags do nothing with the text tool
    drag(25, 35);
    release(25.5, 35.25);
    const PrevState &prev = editeur.prev();
    EXPECT_TRUE(prev.visible);
    EXPECT_EQ(prev.caption, "Bonjour");
    EXPECT_DOUBLE_EQ(prev.left, 25.5);
    EXPECT_DOUBLE_EQ(prev.top, 35.25);
    editeur.mouseUp(2, 60, 60); // any button
    EXPECT_FALSE(editeur.prev().visible);
    EXPECT_TRUE(sameImage(before, picture.image()));
    EXPECT_EQ(refreshes, 0);
}

TEST_F(EditeurText, ValidationTurnsOnlyGlyphPixelsInsideTheLabelBlack)
{
    stripe(picture);
    const QImage before = picture.image();
    editeur.choisirPolice(kFamily);
    for (int i = 0; i < 5; ++i)
        editeur.taillePlus();
    editeur.choisirOutil(2);
    editeur.setTexte(QStringLiteral("Brivane\r\nTI-89"));
    release(20.4, 30.6);
    editeur.keyDown(Qt::Key_Left);
    editeur.keyDown(Qt::Key_Up); // nudged to (19.4, 29.6)
    const QRectF box = editeur.prevRect();
    EXPECT_EQ(box.topLeft(), QPointF(19, 30));

    editeur.validerTexte();
    EXPECT_FALSE(editeur.prev().visible);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(picture.font().family(), kFamily);
    int turnedBlack = 0, turnedBlackOnSecondLine = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x) {
            const QRgb was = before.pixel(x, y) & 0xFFFFFF, now = picture.image().pixel(x, y) & 0xFFFFFF;
            if (was == now)
                continue;
            ASSERT_TRUE(box.contains(QPointF(x + 0.5, y + 0.5))) << x << ", " << y;
            ASSERT_EQ(now, 0u) << x << ", " << y;
            ++turnedBlack;
            turnedBlackOnSecondLine += y >= box.center().y();
        }
    EXPECT_GT(turnedBlack, 20);
    EXPECT_GT(turnedBlackOnSecondLine, 5);

    const QImage printed = picture.image();
    editeur.validerTexte(); // hidden: nothing
    EXPECT_TRUE(sameImage(printed, picture.image()));
}

TEST_F(EditeurText, FontChosenWhileTheLabelIsPlacedAppliesAtOnceAndToThePrint)
{
    editeur.choisirOutil(2);
    editeur.setTexte(QStringLiteral("Xy"));
    release(5, 5);
    QSignalSpy overlays(&editeur, &Editeur::overlaysChanged);
    editeur.choisirPolice(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(editeur.prev().font.family(), "DejaVu Serif");
    EXPECT_EQ(editeur.picture4().font().family(), "DejaVu Serif");
    EXPECT_GE(overlays.count(), 1);
    editeur.keyDown(Qt::Key_Return); // text, then line (none pending)
    EXPECT_EQ(picture.font().family(), "DejaVu Serif");
    EXPECT_FALSE(blackPixels(picture).empty());
}

TEST_F(EditeurText, EmptyTextPrintsNothingButStillHidesTheLabel)
{
    editeur.choisirOutil(2);
    release(10, 10);
    EXPECT_TRUE(editeur.prev().visible);
    EXPECT_TRUE(editeur.prevRect().isEmpty());
    editeur.validerTexte();
    EXPECT_FALSE(editeur.prev().visible);
    EXPECT_TRUE(blackPixels(picture).empty());
}

TEST_F(EditeurText, TextFeedsTheLabelEvenHiddenAndLabelClickDropsIt)
{
    editeur.setTexte(QStringLiteral("abc"));
    EXPECT_EQ(editeur.prev().caption, "abc");
    EXPECT_EQ(editeur.text3(), "abc");
    editeur.choisirOutil(2);
    release(10, 10);
    editeur.setTexte(QStringLiteral("abcd"));
    EXPECT_EQ(editeur.prev().caption, "abcd");

    QSignalSpy focus(&editeur, &Editeur::focusCanevasDemande);
    editeur.prevClick();
    EXPECT_FALSE(editeur.prev().visible);
    EXPECT_EQ(focus.count(), 1);
    editeur.validerTexte();
    EXPECT_TRUE(blackPixels(picture).empty());

    editeur.choisirOutil(2);
    release(10, 10);
    editeur.choisirOutil(3); // another tool drops the label
    EXPECT_FALSE(editeur.prev().visible);
}

} // namespace
