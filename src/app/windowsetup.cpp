#include "windowsetup.h"

#include "dialogs.h"
#include "geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

void placeBeside(QWidget *window, const QWidget *other)
{
    const QScreen *screen = other->screen() ? other->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    // The window's frame will be as thick as the other's.
    const QSize outer = window->size() + beside.size() - other->size();
    int x = beside.right() + 1;
    if (x + outer.width() > area.right() + 1)
        x = beside.left() - outer.width() >= area.left() ? beside.left() - outer.width()
                                                         : area.right() + 1 - outer.width();
    const int y = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    window->move(std::max(x, area.left()), y);
}

} // namespace windowsetup
