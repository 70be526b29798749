// The "Outils" menu and the validation commands, built from the editor's tools.
#include "fenetre.h"

TEST_F(Fenetre, TheToolsMenuListsEveryToolWithItsKeyAndEachValidationDrawsItsOwnTool)
{
    ouvrirAvec(gris128());
    QStringList items;
    for (const QAction *action : menus().outils->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text() + u' ' + action->shortcut().toString());
    EXPECT_EQ(items, QStringList({"Pixel On P", "Pixel off O", "Texte T", "Ligne L", "Ellipse E", "Rectangle R",
                                  "Remplissage F", "-", "Valider le rectangle "}));
    f->boiteTexte->setPlainText(QStringLiteral("Brivane"));
    const std::pair<Qt::Key, std::function<void()>> validations[] = {
        {Qt::Key_T, [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderTexte]); }},
        {Qt::Key_L, [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderLigne]); }},
        {Qt::Key_E, [&] { cliquer(f->boutons[FenetrePrincipale::BoutonValiderEllipse]); }},
        {Qt::Key_R, [&] { menus().outils->actions().last()->trigger(); }},
    };
    for (const auto &[outil, valider] : validations) {
        SCOPED_TRACE(outil);
        activer();
        touche(outil, {});
        QTest::mousePress(f->vueTravail, Qt::LeftButton, {}, QPoint(21, 21));
        QTest::mouseMove(f->vueTravail, QPoint(81, 61));
        QTest::mouseRelease(f->vueTravail, Qt::LeftButton, {}, QPoint(81, 61));
        EXPECT_EQ(noirs(), 0);
        valider();
        EXPECT_GT(noirs(), 5);
        ASSERT_TRUE(f->historique.annuler()); // one step
        EXPECT_EQ(noirs(), 0);
    }
}
