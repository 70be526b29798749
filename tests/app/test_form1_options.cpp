#include "fenetreprincipale.h"

#include "app/btnxp.h"
#include "app/imagecliquable.h"
#include "support/imagediff.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

void cliquer(QWidget *w, int fois = 1)
{
    for (int i = 0; i < fois; ++i)
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Where a part of the scroll bar stands on screen.
QRect partie(QScrollBar *bar, QStyle::SubControl sc)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, bar);
}

// Every pixel of the rectangle has this colour.
bool uni(const QImage &image, const QRect &r, QRgb couleur)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (couleur & 0xFFFFFF))
                return false;
    return true;
}

bool toutNoir(const QImage &image, const QRect &r)
{
    return uni(image, r, 0);
}

bool toutBlanc(const QImage &image, const QRect &r)
{
    return uni(image, r, 0xFFFFFF);
}

} // namespace

TEST_F(FenetrePrincipale, ConvertAfterNarrowingTheWidth)
{
    demarrerAvec(moitieNoire(320, 200));
    afficher();
    cliquer(form->Image[8]); // width 160 -> 144
    EXPECT_EQ(form->Text7->text(), QStringLiteral("144"));
    // The spinner alone does not refit.
    EXPECT_TRUE(toutNoir(form->etat.picture2.image(), QRect(0, 0, 80, 100)));
    EXPECT_TRUE(toutBlanc(form->etat.picture2.image(), QRect(80, 0, 80, 100)));

    cliquer(form->btnXP[1]);
    EXPECT_EQ(form->etat.largeur, 144);
    EXPECT_EQ(form->conv->text(), QStringLiteral("Via Grayscale 1"));
    EXPECT_TRUE(toutNoir(form->etat.picture2.image(), QRect(0, 0, 72, 100)));
    EXPECT_TRUE(toutBlanc(form->etat.picture2.image(), QRect(72, 0, 88, 100)));
    EXPECT_EQ(form->fich->text(), QStringLiteral("fig0000"));
}

TEST_F(FenetrePrincipale, SpinnersStopAtTheirEnds)
{
    demarrerAvec(gris128());
    afficher();

    cliquer(form->Image[9]); // width already at 160
    EXPECT_EQ(form->Text7->text(), QStringLiteral("160"));
    cliquer(form->Image[8], 9);
    EXPECT_EQ(form->Text7->text(), QStringLiteral("16"));
    cliquer(form->Image[8]);
    EXPECT_EQ(form->Text7->text(), QStringLiteral("16"));
    EXPECT_EQ(form->etat.text7, 16);
    cliquer(form->Image[9], 9);
    EXPECT_EQ(form->Text7->text(), QStringLiteral("160"));

    cliquer(form->Image[11]); // height already at 100
    EXPECT_EQ(form->Text8->text(), QStringLiteral("100"));
    cliquer(form->Image[10], 48);
    EXPECT_EQ(form->Text8->text(), QStringLiteral("4"));
    cliquer(form->Image[10]);
    EXPECT_EQ(form->Text8->text(), QStringLiteral("2"));
    cliquer(form->Image[10]);
    EXPECT_EQ(form->Text8->text(), QStringLiteral("2"));
    EXPECT_EQ(form->etat.text8, 2);

    cliquer(form->Image[7]); // pixel size already at 1
    EXPECT_EQ(form->Text6->text(), QStringLiteral("1"));
    cliquer(form->Image[6], 3);
    EXPECT_EQ(form->Text6->text(), QStringLiteral("4"));
    cliquer(form->Image[7]);
    EXPECT_EQ(form->Text6->text(), QStringLiteral("3"));

    cliquer(form->Image[4]); // line width already at 1
    EXPECT_EQ(form->Text5->text(), QStringLiteral("1"));
    cliquer(form->Image[5]);
    EXPECT_EQ(form->Text5->text(), QStringLiteral("2"));
    EXPECT_EQ(form->editeur.line1().borderWidth, 2);
    EXPECT_EQ(form->etat.picture2.drawWidth(), 2);

    cliquer(form->Image[3], 6); // font size 7 down to 1, then no further
    EXPECT_EQ(form->Text4->text(), QStringLiteral("1"));
    cliquer(form->Image[3]);
    EXPECT_EQ(form->Text4->text(), QStringLiteral("1"));
    cliquer(form->Image[2]);
    EXPECT_EQ(form->Text4->text(), QStringLiteral("2"));
}

TEST_F(FenetrePrincipale, SliderDragShowsTheLevelAndReleaseConverts)
{
    demarrerAvec(gris128());
    afficher();
    const QRect zone(0, 0, 160, 100);
    ASSERT_TRUE(toutBlanc(form->etat.picture2.image(), zone));

    QScrollBar *bar = form->slider1;
    const QPoint pouce = partie(bar, QStyle::SC_ScrollBarSlider).center();
    const QRect rainure = partie(bar, QStyle::SC_ScrollBarGroove);
    QTest::mousePress(bar, Qt::LeftButton, {}, pouce);
    QTest::mouseMove(bar, pouce + QPoint(rainure.width() / 4, 0));
    ASSERT_GT(bar->value(), 0);
    // Scroll: only the label follows.
    EXPECT_EQ(form->lbl->text(), QString::number(bar->value() + 50) + QStringLiteral(" %"));
    EXPECT_EQ(form->etat.slider1, 0);
    EXPECT_TRUE(toutBlanc(form->etat.picture2.image(), zone));

    QTest::mouseRelease(bar, Qt::LeftButton, {}, pouce + QPoint(rainure.width() / 4, 0));
    // Change: converted again at the new level.
    EXPECT_EQ(form->etat.slider1, bar->value());
    EXPECT_TRUE(toutNoir(form->etat.picture2.image(), zone));

    // The arrows commit at once: back to 0, one click at a time.
    const QRect gauche = partie(bar, QStyle::SC_ScrollBarSubLine);
    while (bar->value() > 0)
        QTest::mouseClick(bar, Qt::LeftButton, {}, gauche.center());
    EXPECT_EQ(form->lbl->text(), QStringLiteral("50 %"));
    EXPECT_EQ(form->etat.slider1, 0);
    EXPECT_TRUE(toutBlanc(form->etat.picture2.image(), zone));

    // A key commits too.
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(form->lbl->text(), QStringLiteral("51 %"));
    EXPECT_TRUE(toutNoir(form->etat.picture2.image(), zone));
}

TEST_F(FenetrePrincipale, SimpleMethodDisablesTheSlider)
{
    demarrerAvec(gris128());
    afficher();
    cliquer(form->Option1);
    EXPECT_TRUE(form->Option1->isChecked());
    EXPECT_FALSE(form->slider1->isEnabled());
    cliquer(form->btnXP[1]);
    // Every pixel that is not pure white turns black.
    EXPECT_EQ(form->conv->text(), QStringLiteral("Noir et Blanc Simple"));
    EXPECT_TRUE(toutNoir(form->etat.picture2.image(), QRect(0, 0, 160, 100)));

    cliquer(form->Option2);
    EXPECT_TRUE(form->slider1->isEnabled());
    cliquer(form->btnXP[1]);
    EXPECT_EQ(form->conv->text(), QStringLiteral("Via Grayscale 1"));
    EXPECT_TRUE(toutBlanc(form->etat.picture2.image(), QRect(0, 0, 160, 100)));
}
