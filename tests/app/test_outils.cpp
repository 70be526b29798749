// The "Outils" menu and the validation commands, built from the editor's tools.
#include "fenetre.h"

namespace {

void glisser(QWidget *w, QPoint de, QPoint a)
{
    QTest::mousePress(w, Qt::LeftButton, {}, de);
    QTest::mouseMove(w, a);
    QTest::mouseRelease(w, Qt::LeftButton, {}, a);
}

} // namespace

TEST_F(Fenetre, TheToolsMenuListsEveryToolWithItsKeyThenTheRectanglesValidation)
{
    ouvrirAvec(gris128());
    QStringList items;
    for (const QAction *action : menus().outils->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text() + u' ' + action->shortcut().toString());
    EXPECT_EQ(items, QStringList({"Pixel On P", "Pixel off O", "Texte T", "Ligne L", "Ellipse E", "Rectangle R",
                                  "Remplissage F", "-", "Valider le rectangle "}));
}

// Each command draws the shape of its own tool and nothing else, as one undo step.
TEST_F(Fenetre, EachValidationCommandDrawsOnlyItsOwnToolsShape)
{
    ouvrirAvec(gris128());
    f->boiteTexte->setPlainText(QStringLiteral("Brivane"));
    QAction *validerRectangle = menus().outils->actions().last();
    const std::function<void()> commandes[] = {
        [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderTexte]); },
        [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderLigne]); },
        [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderEllipse]); },
        [&] { validerRectangle->trigger(); },
    };
    const Qt::Key outils[] = {Qt::Key_T, Qt::Key_L, Qt::Key_E, Qt::Key_R};
    for (int outil = 0; outil < 4; ++outil) {
        SCOPED_TRACE(outil);
        activer();
        touche(outils[outil], {});
        glisser(f->vueTravail, QPoint(21, 21), QPoint(81, 61));
        for (int commande = 0; commande < 4; ++commande) {
            if (commande != outil) {
                commandes[commande]();
                EXPECT_EQ(noirs(), 0) << commande;
            }
        }
        commandes[outil]();
        EXPECT_GT(noirs(), 5);
        ASSERT_TRUE(f->historique.annuler());
        EXPECT_EQ(noirs(), 0);
    }
}
