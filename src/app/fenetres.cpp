#include "fenetres.h"

#include "geometrie.h"

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
