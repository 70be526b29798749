#include "windowsetup.h"

#include "geometry.h"
#include "app/dialogs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace windowsetup {

void makeFixed(QWidget *window, const char *name)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(geometry::text(name));
    window->setFixedSize(geometry::rect(name).size());
}

void makeTopmost(QWidget *window, const char *name)
{
    makeFixed(window, name);
    // After the flags are set, which would undo it.
    Dialogs::current().setTopmost(window, true);
}

void centre(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    window->move(r.topLeft());
}

} // namespace windowsetup
