// The conversion settings of the main window, and undoing them.
#include "fenetre.h"

#include "picfile/lib89i.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace {

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
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, bar);
}

// On the round indicator: the wide option buttons' middle is past their caption.
void choisir(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

} // namespace

TEST_F(Fenetre, SliderDragShowsTheLevelAndReleaseConverts)
{
    ouvrirAvec(gris128()); // white at level 0, black from level 1 on
    ASSERT_EQ(noirs(), 0);
    QScrollBar *bar = f->niveauGris;
    const QPoint pouce = partie(bar, QStyle::SC_ScrollBarSlider).center();
    const QPoint loin = pouce + QPoint(partie(bar, QStyle::SC_ScrollBarGroove).width() / 4, 0);
    QTest::mousePress(bar, Qt::LeftButton, {}, pouce);
    QTest::mouseMove(bar, loin);
    ASSERT_GT(bar->value(), 0);
    // Scroll: only the label follows.
    EXPECT_EQ(f->pourcentNiveau->text(), QString::number(bar->value() + 50) + QStringLiteral(" %"));
    EXPECT_EQ(noirs(), 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, loin);
    EXPECT_EQ(f->etat.niveauGris, bar->value()); // Change: converted at the new level
    EXPECT_EQ(noirs(), 16000);

    // The arrows commit at once: back to 0, one click at a time.
    while (bar->value() > 0)
        QTest::mouseClick(bar, Qt::LeftButton, {}, partie(bar, QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("50 %"));
    EXPECT_EQ(noirs(), 0);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right); // a key commits too
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("51 %"));
    EXPECT_EQ(noirs(), 16000);
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("0 %")); // the lightest level, -50
}

TEST_F(Fenetre, SpinnersStopAtTheirEnds)
{
    ouvrirAvec(moitieNoire(320, 200));
    const struct
    {
        int fleche, clics;
        QLineEdit *FenetrePrincipale::*boite;
        int attendu;
    } cas[] = {
        {9, 1, &FenetrePrincipale::boiteLargeur, 160},  {8, 9, &FenetrePrincipale::boiteLargeur, 16},   {8, 1, &FenetrePrincipale::boiteLargeur, 16},
        {9, 9, &FenetrePrincipale::boiteLargeur, 160},  {11, 1, &FenetrePrincipale::boiteHauteur, 100}, {10, 48, &FenetrePrincipale::boiteHauteur, 4},
        {10, 1, &FenetrePrincipale::boiteHauteur, 2},   {10, 1, &FenetrePrincipale::boiteHauteur, 2},   {7, 1, &FenetrePrincipale::boiteTaillePixel, 1},
        {6, 3, &FenetrePrincipale::boiteTaillePixel, 4},    {7, 1, &FenetrePrincipale::boiteTaillePixel, 3},    {4, 1, &FenetrePrincipale::boiteEpaisseur, 1},
        {5, 1, &FenetrePrincipale::boiteEpaisseur, 2},    {3, 6, &FenetrePrincipale::boiteTaillePolice, 1},    {3, 1, &FenetrePrincipale::boiteTaillePolice, 1},
        {2, 1, &FenetrePrincipale::boiteTaillePolice, 2},    {11, 49, &FenetrePrincipale::boiteHauteur, 100}, {8, 1, &FenetrePrincipale::boiteLargeur, 144},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(testing::Message() << "Image" << c.fleche << " x" << c.clics);
        cliquer(f->icones[size_t(c.fleche)], c.clics);
        EXPECT_EQ((f->*c.boite)->text(), QString::number(c.attendu));
    }
    EXPECT_EQ(f->etat.largeurSortie, 144);
    EXPECT_EQ(f->editeur.traitLigne().borderWidth, 2);
    EXPECT_EQ(f->etat.travail.drawWidth(), 2);
    // The width spinner alone does not refit; the conversion does.
    EXPECT_TRUE(sameImage(ecran(true), f->etat.travail.image()));
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]);
    EXPECT_EQ(f->methodeUtilisee->text(), QStringLiteral("Via Grayscale 1"));
    QImage etroite = ecran(true);
    QPainter(&etroite).fillRect(72, 0, 8, 100, Qt::white);
    EXPECT_TRUE(sameImage(etroite, f->etat.travail.image()));
}

TEST_F(Fenetre, HeldArrowRepeatsAndWheelSteps)
{
    ouvrirAvec(gris128());
    ImageCliquable *bas = f->icones[FenetrePrincipale::FlecheHauteurMoins];
    QTest::mousePress(bas, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f->boiteHauteur->text(), QStringLiteral("100")); // nothing until the delay
    QTRY_VERIFY_WITH_TIMEOUT(f->boiteHauteur->text().toInt() <= 94, 10000);
    QTest::mouseRelease(bas, Qt::LeftButton, {}, QPoint(5, 5));
    const QString relache = f->boiteHauteur->text();
    QTest::qWait(3 * ImageCliquable::kIntervalleRepetition);
    EXPECT_EQ(f->boiteHauteur->text(), relache); // the release stops it, with no extra step
    EXPECT_EQ(f->etat.hauteurSortie, relache.toInt());

    // The wheel over the box: a notch a step, parts of a notch add up, 160 at most.
    for (const auto &[delta, attendu] : {std::pair{-120, 144}, {60, 144}, {60, 160}, {240, 160}}) {
        QWheelEvent e(QPointF(5, 5), f->boiteLargeur->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f->boiteLargeur, &e);
        EXPECT_EQ(f->boiteLargeur->text(), QString::number(attendu)) << delta;
    }
    EXPECT_EQ(f->etat.largeurSortie, 160);
}

TEST_F(Fenetre, MethodButtonsAndItemsMirrorEachOther)
{
    ouvrirAvec(gris128());
    EXPECT_TRUE(menus().methodeGris->isChecked());
    menus().methodeSimple->trigger();
    EXPECT_TRUE(f->choixMethodeSimple->isChecked());
    EXPECT_FALSE(f->niveauGris->isEnabled());
    EXPECT_FALSE(menus().niveauAuto->isEnabled());
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]); // every pixel that is not pure white turns black
    EXPECT_EQ(f->methodeUtilisee->text(), QStringLiteral("Noir et Blanc Simple"));
    EXPECT_EQ(noirs(), 16000);

    choisir(f->choixMethodeGris);
    EXPECT_TRUE(menus().methodeGris->isChecked());
    EXPECT_FALSE(menus().methodeSimple->isChecked());
    EXPECT_TRUE(f->niveauGris->isEnabled());
    EXPECT_TRUE(menus().niveauAuto->isEnabled());
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]);
    EXPECT_EQ(noirs(), 0);

    // Dithering: half-tone grey, about every other pixel dark.
    choisir(f->caseTramage);
    touche(Qt::Key_F5, {});
    EXPECT_NEAR(noirs(), 8000, 800);
    choisir(f->caseTramage);
    touche(Qt::Key_F5, {});
    EXPECT_EQ(noirs(), 0);
}

// White and grey 100 in a fine checkerboard: their mean is light, their AND dark.
TEST_F(Fenetre, ReductionItemsConvertAgainAsOneUndoStep)
{
    QImage damier(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            damier.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(100, 100, 100));
    ouvrirAvec(damier);
    EXPECT_TRUE(menus().reductionMoyenne->isChecked());
    EXPECT_EQ(noirs(), 0);
    const int etapes = f->historique.etapesAAnnuler();
    menus().reductionEt->trigger();
    EXPECT_FALSE(menus().reductionMoyenne->isChecked());
    EXPECT_EQ(f->etat.apercuSource.point(7, 7), rgb(100, 100, 100));
    EXPECT_EQ(noirs(), 16000);
    EXPECT_EQ(f->historique.etapesAAnnuler(), etapes + 1);

    // Undo brings back the picture, the reduction and the preview made with it.
    touche(Qt::Key_Z);
    EXPECT_EQ(noirs(), 0);
    EXPECT_EQ(f->etat.apercuSource.point(7, 7), rgb(178, 178, 178));
    emit menus().conversion->aboutToShow();
    EXPECT_TRUE(menus().reductionMoyenne->isChecked());
}

TEST_F(Fenetre, AutomaticLevelMovesTheSliderWhoseChangeConverts)
{
    // Greys 140 and 200, both white at level 0: the threshold in the middle of the
    // gap, 169.5, is level 17.
    QImage deuxGris(160, 100, QImage::Format_RGB32);
    deuxGris.fill(QColor(200, 200, 200));
    QPainter(&deuxGris).fillRect(0, 0, 80, 100, QColor(140, 140, 140));
    ouvrirAvec(deuxGris);
    EXPECT_EQ(noirs(), 0);
    menus().niveauAuto->trigger();
    EXPECT_EQ(f->niveauGris->value(), 17);
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("67 %"));
    EXPECT_TRUE(sameImage(ecran(true), f->etat.travail.image()));
    // Already at that level the slider does not move, yet the picture is converted.
    choisir(f->caseInverser);
    menus().niveauAuto->trigger();
    EXPECT_EQ(f->niveauGris->value(), 17);
    EXPECT_TRUE(sameImage(ecran(false), f->etat.travail.image()));
}

TEST_F(Fenetre, UndoKeysBringBackPicturesFitAndSettings)
{
    ouvrirAvec(moitieNoire(320, 175));
    EXPECT_FALSE(f->historique.peutAnnuler()); // start-up is no step
    emit menus().edition->aboutToShow();
    EXPECT_FALSE(menus().annuler->isEnabled());
    emit menus().edition->aboutToHide(); // closed, the menu leaves the keys working
    const auto tailleSauvee = [&](const QString &nom) {
        dialogs.answerNextFileDialog(dossier.filePath(nom));
        cliquer(f->boutons[FenetrePrincipale::BoutonSauverSous]);
        return lib89i::taille89i(readFile(dossier.filePath(nom)));
    };
    const QImage entiere = f->etat.travail.image().copy();
    f->caseProportions->setChecked(true);
    f->caseInverser->setChecked(true);
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]); // 160 x 87 from row 6, inverted
    ASSERT_EQ(QRect(f->etat.x0, f->etat.y0, f->etat.largeur, f->etat.hauteur), QRect(0, 6, 160, 87));
    const QImage ajustee = f->etat.travail.image().copy();

    // A calculator picture opened through the dialog: its size goes with it.
    const QString chemin = dossier.filePath(QStringLiteral("diagonale.89i"));
    writeFile(chemin, lib89i::encode89i([] { Surface s(64, 30); s.setPicture(diagonal(64, 30)); return s; }(),
                                        30, 64, QStringLiteral("zfig"), QStringLiteral("d")));
    dialogs.answerNextFileDialog(chemin);
    cliquer(f->boutons[FenetrePrincipale::BoutonOuvrir]);
    const QImage ouverte = f->etat.travail.image().copy();
    const QImage apercu = f->etat.apercuSource.image().copy();
    activer();

    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(ajustee, f->etat.travail.image()));
    EXPECT_EQ(tailleSauvee(QStringLiteral("apres89i.89i")), QSize(160, 87));
    activer();
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(entiere, f->etat.travail.image()));
    EXPECT_FALSE(f->caseInverser->isChecked()); // the settings go back with the pixels
    EXPECT_TRUE(sameImage(apercu, f->etat.apercuSource.image())); // the sources stay
    EXPECT_EQ(tailleSauvee(QStringLiteral("annule.89i")), QSize(160, 100));
    activer();
    touche(Qt::Key_Y);
    EXPECT_TRUE(f->caseInverser->isChecked());
    EXPECT_EQ(tailleSauvee(QStringLiteral("retabli.89i")), QSize(160, 87));
    activer();
    touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sameImage(ouverte, f->etat.travail.image()));
    EXPECT_FALSE(f->historique.peutRetablir());

    // Three notches of the slider, one step; undoing it moves the slider back.
    f->niveauGris->setFocus();
    for (int i = 0; i < 3; ++i)
        touche(Qt::Key_Right, {});
    ASSERT_EQ(f->etat.niveauGris, 3);
    touche(Qt::Key_Z);
    EXPECT_EQ(f->niveauGris->value(), 0);
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("50 %"));
    EXPECT_TRUE(sameImage(ouverte, f->etat.travail.image()));
    emit menus().edition->aboutToShow();
    EXPECT_TRUE(menus().retablir->isEnabled());
}

// Pixel strokes, and lines, ellipses and texts once validated, are steps of their own.
TEST_F(Fenetre, StrokesAndValidatedShapesAreStepsOfTheirOwn)
{
    ouvrirAvec(gris128()); // all white
    const auto glisser = [&](QPoint de, QList<QPoint> vers) { // canvas pixels, inside a 1-pixel border
        QTest::mousePress(f->vueTravail, Qt::LeftButton, {}, de + QPoint(1, 1));
        for (QPoint p : vers)
            QTest::mouseMove(f->vueTravail, p + QPoint(1, 1));
        QTest::mouseRelease(f->vueTravail, Qt::LeftButton, {}, vers.last() + QPoint(1, 1));
    };
    std::vector<QImage> etapes{f->etat.travail.image().copy()};
    choisir(f->outils[0]); // Pixel On: press, two moves, release
    glisser({10, 10}, {{11, 10}, {14, 12}});
    EXPECT_TRUE(sameImage(blackAt({160, 100}, {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}}),
                          f->etat.travail.image())); // a continuous stroke
    etapes.push_back(f->etat.travail.image().copy());
    choisir(f->outils[3]);
    glisser({20, 50}, {{90, 60}});
    EXPECT_TRUE(sameImage(etapes.back(), f->etat.travail.image())); // not drawn before validation
    cliquer(f->boutons[FenetrePrincipale::BoutonValiderLigne]);
    etapes.push_back(f->etat.travail.image().copy());
    choisir(f->outils[4]);
    glisser({100, 10}, {{140, 40}});
    cliquer(f->boutons[FenetrePrincipale::BoutonValiderEllipse]);
    etapes.push_back(f->etat.travail.image().copy());
    choisir(f->outils[2]);
    f->boiteTexte->setPlainText(QStringLiteral("Oui"));
    QTest::mouseClick(f->vueTravail, Qt::LeftButton, {}, QPoint(31, 76));
    f->vueTravail->setFocus();
    touche(Qt::Key_Return, {}); // a text, validated by Enter on the canvas
    for (size_t i = 1; i < etapes.size(); ++i)
        ASSERT_FALSE(sameImage(etapes[i - 1], etapes[i])) << i;
    ASSERT_FALSE(sameImage(etapes.back(), f->etat.travail.image()));
    EXPECT_EQ(f->historique.etapesAAnnuler(), 4);
    for (size_t i = etapes.size(); i-- > 0;) {
        touche(Qt::Key_Z);
        EXPECT_TRUE(sameImage(etapes[i], f->etat.travail.image())) << i;
    }
    EXPECT_FALSE(f->historique.peutAnnuler());
    touche(Qt::Key_Y);
    EXPECT_TRUE(sameImage(etapes[1], f->etat.travail.image()));
}
