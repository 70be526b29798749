#include "fenetreprincipale.h"

#include "support/imagediff.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

namespace {

void cliquer(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QImage ecran(bool gaucheNoire)
{
    QImage image(160, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            image.setPixel(x, y, (x < 80) == gaucheNoire ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

} // namespace

TEST_F(FenetrePrincipale, OptionsReachTheConversion)
{
    demarrerAvec(moitieNoire(320, 200));
    afficher();
    cliquer(form->Check3);
    cliquer(form->btnXP[1]);
    EXPECT_TRUE(sameImage(ecran(false), form->etat.picture2.image())); // inverted

    cliquer(form->Check2);
    EXPECT_TRUE(form->etat.check2);
    cliquer(form->Check1);
    EXPECT_TRUE(form->etat.check1);
    form->Text2->selectAll();
    QTest::keyClicks(form->Text2, QStringLiteral("dossier12"));
    EXPECT_EQ(form->Text2->text(), QStringLiteral("dossier1")); // 8 characters at most
    EXPECT_EQ(form->etat.text2, QStringLiteral("dossier1"));
}

TEST_F(FenetrePrincipale, ButtonsRunTheirCommands)
{
    demarrerAvec(moitieNoire(320, 200));
    afficher();

    cliquer(form->btnXP[3]); // automatic save
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("fig0000.89i"))));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Fichier enregistré"));
    EXPECT_EQ(form->fich->text(), QStringLiteral("fig0001"));
    EXPECT_EQ(form->Text1->text(), QStringLiteral("fig0001"));

    dialogs.answerNextFileDialog(dossier.filePath(QStringLiteral("Copie")));
    cliquer(form->btnXP[8]); // save as
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("copie.89i"))));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, QStringLiteral("Enregistrer une Image."));

    dialogs.answerNextFileDialog(ecrireImage(moitieNoire(160, 100).mirrored(true, false),
                                             QStringLiteral("autre.png")));
    cliquer(form->btnXP[6]); // open: the preview only
    EXPECT_TRUE(sameImage(ecran(false), form->etat.picture3.image()));
    EXPECT_TRUE(sameImage(ecran(true), form->etat.picture2.image()));

    QGuiApplication::clipboard()->setImage(moitieNoire(160, 100));
    cliquer(form->btnXP[2]); // clipboard import
    EXPECT_TRUE(sameImage(ecran(true), form->etat.picture3.image()));
    QGuiApplication::clipboard()->clear();
}

TEST_F(FenetrePrincipale, ToolsFrameDrivesTheEditor)
{
    demarrerAvec(gris128()); // all white
    afficher();
    QTest::mouseMove(form->Picture2, QPoint(13, 35)); // canvas pixel (12, 34)
    EXPECT_EQ(form->Label2->text(), QStringLiteral("12x34"));

    cliquer(form->Optio[0]);
    EXPECT_EQ(form->editeur.outil(), Outil::PixelOn);
    QTest::mouseClick(form->Picture2, Qt::LeftButton, {}, QPoint(11, 21));
    EXPECT_EQ(form->etat.picture2.point(10, 20), kNoir);

    cliquer(form->Optio[2]);
    form->Text3->setFocus();
    QTest::keyClicks(form->Text3, QStringLiteral("Salut"));
    EXPECT_EQ(form->editeur.text3(), QStringLiteral("Salut"));
    QTest::mouseClick(form->Picture2, Qt::LeftButton, {}, QPoint(41, 41));
    EXPECT_TRUE(form->editeur.prev().visible);
    cliquer(form->Check5);
    EXPECT_TRUE(form->editeur.prev().font.bold());
    cliquer(form->btnXP[5]);
    EXPECT_FALSE(form->editeur.prev().visible);
    int noirs = 0;
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 100; ++x)
            noirs += form->etat.picture2.point(x, y) == kNoir;
    EXPECT_GT(noirs, 10);

    // Label(2) gives the canvas the keyboard.
    form->Text2->setFocus();
    cliquer(form->Label[2]);
    EXPECT_TRUE(form->Picture2->hasFocus());
}

TEST_F(FenetrePrincipale, BannerScrollsAndSplashIsGoneAfterStartUp)
{
    demarrerAvec(gris128());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == QStringLiteral("Form4") && w->isVisible());
    afficher();
    const int avant = form->Matrice1->matrix().pointeur();
    QTest::qWait(200);
    EXPECT_GT(form->Matrice1->matrix().pointeur(), avant);
}
