#include "fenetres.h"

#include "geometrie.h"
#include "app/dialogs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace fenetres {

void fixe(QWidget *window, const char *nom)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QString::fromLatin1(nom));
    window->setWindowTitle(geometrie::texte(nom));
    window->setFixedSize(geometrie::rect(nom).size());
}

void auDessus(QWidget *window, const char *nom)
{
    fixe(window, nom);
    // After the flags are set, which would undo it.
    Dialogs::current().setTopmost(window, true);
}

void centrer(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    window->move(r.topLeft());
}

} // namespace fenetres
