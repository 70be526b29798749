// The "Outils" menu and the validation commands, built from the editor's tools.
#include "mainpaneltest.h"

TEST_F(MainPanelTest, TheToolsMenuListsEveryToolWithItsKeyAndEachValidationDrawsItsOwnTool)
{
    openWith(grey128());
    QStringList items;
    for (const QAction *action : menus().toolsMenu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text() + u' ' + action->shortcut().toString());
    EXPECT_EQ(items, QStringList({"Pixel On P", "Pixel off O", "Texte T", "Ligne L", "Ellipse E", "Rectangle R",
                                  "Remplissage F", "-", "Valider le rectangle "}));
    f->textBox->setPlainText(QStringLiteral("Brivane"));
    const std::pair<Qt::Key, std::function<void()>> validations[] = {
        {Qt::Key_T, [&] { click(f->commandButtons[MainPanel::ValidateTextCommand]); }},
        {Qt::Key_L, [&] { click(f->commandButtons[MainPanel::ValidateLineCommand]); }},
        {Qt::Key_E, [&] { click(f->commandButtons[MainPanel::ValidateEllipseCommand]); }},
        {Qt::Key_R, [&] { menus().toolsMenu->actions().last()->trigger(); }},
    };
    for (const auto &[tool, validate] : validations) {
        SCOPED_TRACE(tool);
        activate();
        press(tool, {});
        QTest::mousePress(f->canvas, Qt::LeftButton, {}, QPoint(21, 21));
        QTest::mouseMove(f->canvas, QPoint(81, 61));
        QTest::mouseRelease(f->canvas, Qt::LeftButton, {}, QPoint(81, 61));
        EXPECT_EQ(blackCount(), 0);
        validate();
        EXPECT_GT(blackCount(), 5);
        ASSERT_TRUE(f->history.undo()); // one step
        EXPECT_EQ(blackCount(), 0);
    }
}
