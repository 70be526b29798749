// The conversion settings of the main window, and undoing them.
#include "fenetre.h"

#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"

TEST_F(Fenetre, SliderDragShowsTheLevelAndReleaseConverts)
{
    ouvrirAvec(gris128());
    QScrollBar *bar = f->niveauGris;
    const QPoint pouce = bar->rect().center(), loin = pouce + QPoint(bar->width() / 5, 0); // level 0 in the middle
    QTest::mousePress(bar, Qt::LeftButton, {}, pouce);
    QTest::mouseMove(bar, loin);
    ASSERT_GT(bar->value(), 0);
    EXPECT_EQ(f->pourcentNiveau->text(), QString::number(bar->value() + 50) + QStringLiteral(" %"));
    EXPECT_EQ(noirs(), 0); // while dragging only the label follows
    QTest::mouseRelease(bar, Qt::LeftButton, {}, loin);
    EXPECT_EQ(noirs(), 16000);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Home); // a key commits at once
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("0 %"));
    EXPECT_EQ(f->document.settings.level, -50);
}

TEST_F(Fenetre, SpinnersStopAtTheirEndsAndRepeatWhileHeld)
{
    ouvrirAvec(moitieNoire(320, 200));
    const std::tuple<int, int, QLineEdit *, int> cas[] = { // arrow, clicks, box, value
        {9, 1, f->boiteLargeur, 160},     {8, 10, f->boiteLargeur, 16},    {10, 50, f->boiteHauteur, 2},
        {11, 49, f->boiteHauteur, 100},   {7, 1, f->boiteTaillePixel, 1},  {6, 3, f->boiteTaillePixel, 4},
        {4, 1, f->boiteEpaisseur, 1},     {5, 1, f->boiteEpaisseur, 2},    {3, 6, f->boiteTaillePolice, 1},
        {2, 1, f->boiteTaillePolice, 2},  {9, 8, f->boiteLargeur, 144},
    };
    for (const auto &[fleche, clics, boite, attendu] : cas) {
        cliquer(f->icones[size_t(fleche)], clics);
        EXPECT_EQ(boite->text(), QString::number(attendu)) << fleche;
    }
    EXPECT_EQ(f->document.work.drawWidth(), 2);
    EXPECT_TRUE(sameImage(ecran(true), f->document.work.image())); // no refit before the conversion

    PictureButton *bas = f->icones[FenetrePrincipale::FlecheHauteurMoins];
    QTest::mousePress(bas, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f->boiteHauteur->text(), QStringLiteral("100")); // nothing until the delay
    QTRY_VERIFY_WITH_TIMEOUT(f->boiteHauteur->text().toInt() <= 94, 10000);
    const QString relache = f->boiteHauteur->text();
    QTest::mouseRelease(bas, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(3 * PictureButton::kRepeatInterval);
    EXPECT_EQ(f->boiteHauteur->text(), relache); // the release stops it, with no extra step
}

TEST_F(Fenetre, UndoKeysBringBackPicturesFitAndSettings)
{
    ouvrirAvec(moitieNoire(320, 175));
    const auto tailleSauvee = [&] {
        dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("s")));
        cliquer(f->boutons[FenetrePrincipale::BoutonSauverSous]);
        activer();
        return picfile::statedSize(readFile(dossier.filePath(QStringLiteral("s.89i"))));
    };
    const QImage entiere = f->document.work.image().copy();
    f->caseProportions->setChecked(true);
    f->caseInverser->setChecked(true);
    cliquer(f->boutons[FenetrePrincipale::BoutonConvertir]); // 160 x 87, inverted
    const QImage ajustee = f->document.work.image().copy();
    Surface s(64, 30);
    s.setPicture(diagonal(64, 30));
    writeFile(dossier.filePath(QStringLiteral("d.89i")), picfile::encode(s.image(), QSize(64, 30), QStringLiteral("zfig"), QStringLiteral("d")));
    dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("d.89i")));
    cliquer(f->boutons[FenetrePrincipale::BoutonOuvrir]); // its size goes with it
    const QImage ouverte = f->document.work.image().copy(), apercu = f->document.preview.image().copy();
    activer();
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(ajustee, f->document.work.image()));
    EXPECT_EQ(tailleSauvee(), QSize(160, 87));
    touche(Qt::Key_Z);
    EXPECT_TRUE(sameImage(entiere, f->document.work.image()));
    EXPECT_FALSE(f->caseInverser->isChecked());
    EXPECT_TRUE(sameImage(apercu, f->document.preview.image())); // the sources stay
    EXPECT_EQ(tailleSauvee(), QSize(160, 100));
    // "Annuler" and "Rétablir" are offered in the menu while there is a step for them.
    const auto offerts = [&] {
        emit menus().edition->aboutToShow();
        const std::pair<bool, bool> etat{menus().annuler->isEnabled(), menus().retablir->isEnabled()};
        emit menus().edition->aboutToHide();
        return etat;
    };
    touche(Qt::Key_Y);
    EXPECT_TRUE(f->caseInverser->isChecked());
    EXPECT_EQ(offerts(), std::pair(true, true));
    touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(sameImage(ouverte, f->document.work.image()));
    EXPECT_EQ(offerts(), std::pair(true, false));
    f->niveauGris->setFocus(); // a notch of the slider, undone, moves it back
    touche(Qt::Key_Right, {});
    touche(Qt::Key_Z);
    EXPECT_EQ(f->pourcentNiveau->text(), QStringLiteral("50 %"));
}
