#include "fenetremenus.h"

#include <QApplication>
#include <QTest>

void FenetreMenus::ouvrirAvec(const QImage &source)
{
    demarrerAvec(source);
    f = form.get();
    cadre = std::make_unique<Cadre>(form.release());
    cadre->show();
    activer();
}

void FenetreMenus::activer()
{
    cadre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    f->Picture2->setFocus();
}

void FenetreMenus::touche(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *cible = QApplication::focusWidget();
    ASSERT_NE(cible, nullptr);
    QTest::keyClick(cible, key, modifiers);
}
