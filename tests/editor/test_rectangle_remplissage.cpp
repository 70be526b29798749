#include "editorfixture.h"
#include "pixels.h"

#include "editor/historique.h"

using Pixels = std::set<std::pair<int, int>>;

namespace {

Pixels moins(Pixels a, const Pixels &b)
{
    for (const auto &p : b)
        a.erase(p);
    return a;
}

} // namespace

TEST_F(EditorFixture, RectangleOutlinesGrowInwardsAndAreClipped)
{
    struct Cas
    {
        int largeur, x1, y1, x2, y2;
        bool shift;
        Pixels attendu;
    };
    const Cas cas[] = {
        {1, 2, 3, 7, 6, false, moins(block(2, 3, 6, 4), block(3, 4, 4, 2))},
        {1, 7, 6, 2, 3, false, moins(block(2, 3, 6, 4), block(3, 4, 4, 2))}, // dragged up and left
        {3, -2, -1, 9, 7, false, moins(block(0, 0, 10, 8), block(1, 2, 6, 3))},
        {3, 150, 90, 170, 120, false, moins(block(150, 90, 10, 10), block(153, 93, 7, 7))},
        {3, 20, 20, 25, 40, false, block(20, 20, 6, 21)}, // too narrow for a hole
        {1, 150, 95, 170, 110, true, block(150, 95, 10, 5)},
        {1, 5, 5, 5, 5, false, block(5, 5, 1, 1)},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(testing::Message() << c.largeur << " " << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2);
        picture.cls();
        lineWidth(c.largeur);
        while (editeur.epaisseurLigne().value() > c.largeur)
            editeur.epaisseurMoins();
        editeur.choisirOutil(int(Outil::Rectangle));
        editeur.mouseDown(kLeft, c.x1, c.y1, c.shift ? 1 : 0);
        editeur.mouseMove(kLeft, c.x2 + 0.3, c.y2 + 0.9);
        release(c.x2, c.y2);
        EXPECT_TRUE(blackPixels(picture).empty()); // only the rubber band so far
        editeur.keyDown(Qt::Key_Return);
        EXPECT_FALSE(editeur.rectangle().visible);
        EXPECT_EQ(blackPixels(picture), c.attendu);
    }
}

TEST_F(EditorFixture, RectangleIsCancelledByASecondPressOrAnotherTool)
{
    editeur.choisirOutil(int(Outil::Rectangle));
    press(10, 10);
    press(20, 20);
    editeur.validerRectangle();
    press(10, 10);
    editeur.choisirOutil(int(Outil::Ligne));
    editeur.validerRectangle();
    EXPECT_TRUE(blackPixels(picture).empty());
}

TEST_F(EditorFixture, FillCoversTheFourConnectedAreaOfTheClickedColour)
{
    Historique historique(picture);
    QObject::connect(&editeur, &Editeur::etapeTerminee, [&] { historique.enregistrer(); });
    const Pixels cadre = moins(block(10, 10, 11, 11), block(11, 11, 9, 9));
    const Pixels tout = block(0, 0, 160, 100);
    struct Cas
    {
        const char *nom;
        Pixels noirs;
        int bouton, x, y;
        Pixels attendu;
    };
    const Cas cas[] = {
        {"enclosed", cadre, kLeft, 15, 15, block(10, 10, 11, 11)},
        {"open", moins(cadre, {{20, 15}}), kLeft, 15, 15, tout},
        {"white picture", {}, kLeft, 159, 99, tout},
        // The corner is reached only diagonally: 4-connected, it stays white.
        {"diagonal wall", {{1, 0}, {0, 1}}, kLeft, 5, 5, moins(tout, {{0, 0}})},
        {"right click clears", cadre, 2, 10, 10, {}},
        {"same colour", cadre, 2, 15, 15, cadre},
    };
    editeur.choisirOutil(int(Outil::Remplissage));
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        picture.cls();
        for (const auto &[x, y] : c.noirs)
            picture.setPixel(x, y, kNoir);
        historique.reinitialiser();
        editeur.mouseDown(c.bouton, c.x + 0.5, c.y + 0.5);
        editeur.mouseUp(c.bouton, c.x, c.y);
        EXPECT_EQ(blackPixels(picture), c.attendu);
        // One undo step puts every pixel back.
        EXPECT_EQ(historique.annuler(), c.attendu != c.noirs);
        EXPECT_EQ(blackPixels(picture), c.noirs);
    }
}
