#include "editorfixture.h"

#include "editor/historique.h"
#include "support/imagediff.h"

namespace {

QImage blanche(int w = 160, int h = 100)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Step k of the deep history: pixel (k mod 160, k div 160) turns black.
void etapeNumero(Surface &picture, Historique &historique, int k)
{
    picture.setPixel(k % 160, k / 160, kNoir);
    ASSERT_TRUE(historique.enregistrer()) << "step " << k;
}

} // namespace

TEST(Historique, UndoAndRedoPutBackExactlyThePixelsOfEachStep)
{
    Surface picture(160, 100);
    Historique historique(picture);
    int refreshes = 0;
    picture.setRefreshHandler([&] { ++refreshes; });
    EXPECT_FALSE(historique.peutAnnuler());
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
    EXPECT_EQ(historique.etapesAAnnuler(), 2);

    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(premier, picture.image()));
    EXPECT_EQ(refreshes, 1);
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(blanche(), picture.image()));
    EXPECT_FALSE(historique.annuler());
    EXPECT_FALSE(historique.peutAnnuler());
    EXPECT_TRUE(historique.peutRetablir());

    ASSERT_TRUE(historique.retablir());
    EXPECT_TRUE(sameImage(premier, picture.image()));
    ASSERT_TRUE(historique.retablir());
    EXPECT_TRUE(sameImage(second, picture.image()));
    EXPECT_FALSE(historique.retablir());
    EXPECT_EQ(refreshes, 4);
}

TEST(Historique, ANewStepDropsWhatCouldBeRedone)
{
    Surface picture(160, 100);
    Historique historique(picture);
    picture.setPixel(1, 1, kNoir);
    historique.enregistrer();
    historique.annuler();
    EXPECT_TRUE(historique.peutRetablir());

    picture.setPixel(2, 2, kNoir);
    historique.enregistrer();
    EXPECT_FALSE(historique.peutRetablir());
    EXPECT_FALSE(historique.retablir());
    EXPECT_EQ(picture.point(1, 1), kBlanc);
    EXPECT_EQ(picture.point(2, 2), kNoir);

    // A change made without a step is newer than what was undone: redo has
    // nothing left to apply, and undo takes that change back first.
    historique.annuler();
    picture.setPixel(5, 5, kNoir);
    EXPECT_FALSE(historique.peutRetablir());
    EXPECT_FALSE(historique.retablir());
    EXPECT_EQ(picture.point(5, 5), kNoir);
    EXPECT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(blanche(), picture.image()));
}

TEST(Historique, AChangeMadeOutsideAnyStepIsUndoneOnItsOwnFirst)
{
    Surface picture(160, 100);
    Historique historique(picture);
    picture.setPixel(10, 20, kNoir);
    picture.setPixel(12, 30, kNoir);
    historique.enregistrer();
    picture.setPixel(100, 50, kNoir); // no step recorded
    EXPECT_EQ(historique.etapesAAnnuler(), 1);
    EXPECT_TRUE(historique.peutAnnuler());
    ASSERT_TRUE(historique.annuler());
    EXPECT_EQ(picture.point(100, 50), kBlanc);
    EXPECT_EQ(picture.point(10, 20), kNoir);
    EXPECT_EQ(picture.point(12, 30), kNoir);
    ASSERT_TRUE(historique.annuler());
    EXPECT_TRUE(sameImage(blanche(), picture.image()));
}

TEST(Historique, KeepsTheLastHundredSteps)
{
    Surface picture(160, 100);
    Historique historique(picture);
    ASSERT_GE(Historique::kProfondeur, 100);
    const int etapes = Historique::kProfondeur + 5;
    for (int k = 0; k < etapes; ++k)
        etapeNumero(picture, historique, k);
    EXPECT_EQ(historique.etapesAAnnuler(), Historique::kProfondeur);

    int annulees = 0;
    while (historique.annuler())
        ++annulees;
    EXPECT_EQ(annulees, Historique::kProfondeur);
    // The five oldest steps are kept in the picture for good.
    QImage attendue = blanche();
    for (int k = 0; k < 5; ++k)
        attendue.setPixel(k, 0, 0xFF000000);
    EXPECT_TRUE(sameImage(attendue, picture.image()));

    int refaites = 0;
    while (historique.retablir())
        ++refaites;
    EXPECT_EQ(refaites, Historique::kProfondeur);
    for (int k = 0; k < etapes; ++k)
        EXPECT_EQ(picture.point(k % 160, k / 160), kNoir) << k;
}

TEST(Historique, APictureOfAnotherSizeIsOneWholeStep)
{
    Surface picture(160, 100);
    Historique historique(picture);
    picture.setPixel(0, 0, kNoir);
    historique.enregistrer();
    picture.resize(80, 50);
    picture.setPixel(79, 49, kNoir);
    ASSERT_TRUE(historique.enregistrer());

    ASSERT_TRUE(historique.annuler());
    ASSERT_EQ(picture.size(), QSize(160, 100));
    EXPECT_EQ(picture.point(0, 0), kNoir);
    ASSERT_TRUE(historique.retablir());
    ASSERT_EQ(picture.size(), QSize(80, 50));
    EXPECT_EQ(picture.point(79, 49), kNoir);
    EXPECT_EQ(picture.point(0, 0), kBlanc);
}

TEST(Historique, ResetMakesThePictureTheStartingPoint)
{
    Surface picture(160, 100);
    Historique historique(picture);
    picture.setPixel(7, 7, kNoir);
    historique.enregistrer();
    picture.setPixel(8, 8, kNoir);
    historique.reinitialiser();
    EXPECT_FALSE(historique.peutAnnuler());
    EXPECT_FALSE(historique.annuler());
    EXPECT_EQ(picture.point(7, 7), kNoir);
    EXPECT_EQ(picture.point(8, 8), kNoir);
}

// The editor marks the end of each change: a stroke from press to release, and
// each validation, is one step.
class HistoriqueEditeur : public EditorFixture
{
protected:
    HistoriqueEditeur()
    {
        QObject::connect(&editeur, &Editeur::etapeTerminee, [this] { historique.enregistrer(); });
    }

    Historique historique{picture};
};

TEST_F(HistoriqueEditeur, AStrokeFromPressToReleaseIsOneStep)
{
    editeur.choisirOutil(int(Outil::PixelOn));
    press(10, 10);
    drag(20, 10);
    drag(30, 15);
    EXPECT_EQ(historique.etapesAAnnuler(), 0); // still drawing
    release(30, 15);
    EXPECT_EQ(historique.etapesAAnnuler(), 1);
    const QImage trait = picture.image().copy();

    editeur.choisirOutil(int(Outil::PixelOff));
    press(20, 10);
    release(20, 10);
    ASSERT_EQ(historique.etapesAAnnuler(), 2);

    historique.annuler();
    EXPECT_TRUE(sameImage(trait, picture.image()));
    historique.annuler();
    EXPECT_TRUE(sameImage(blanche(), picture.image()));

    // A press and release that change nothing make no step.
    editeur.choisirOutil(int(Outil::Texte));
    press(5, 5);
    release(5, 5);
    EXPECT_FALSE(historique.peutAnnuler());
}

TEST_F(HistoriqueEditeur, EachValidationIsOneStep)
{
    editeur.choisirOutil(int(Outil::Ligne));
    press(10, 10);
    drag(60, 40);
    release(60, 40);
    editeur.validerLigne();
    const QImage ligne = picture.image().copy();

    editeur.choisirOutil(int(Outil::Ellipse));
    press(80, 20);
    drag(120, 60);
    release(120, 60);
    editeur.validerEllipse();
    const QImage ellipse = picture.image().copy();

    editeur.choisirOutil(int(Outil::Texte));
    editeur.setTexte(QStringLiteral("Abc"));
    press(20, 70);
    release(20, 70);
    editeur.validerTexte();
    ASSERT_EQ(historique.etapesAAnnuler(), 3);
    ASSERT_FALSE(sameImage(ellipse, picture.image()));

    historique.annuler();
    EXPECT_TRUE(sameImage(ellipse, picture.image()));
    historique.annuler();
    EXPECT_TRUE(sameImage(ligne, picture.image()));
    historique.annuler();
    EXPECT_TRUE(sameImage(blanche(), picture.image()));

    // Validating with nothing placed makes no step.
    editeur.validerLigne();
    editeur.validerEllipse();
    editeur.validerTexte();
    EXPECT_FALSE(historique.peutAnnuler());
    EXPECT_TRUE(historique.peutRetablir());
}
