#pragma once

#include "fenetreprincipale.h"

#include "app/cadre.h"
#include "app/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// The main window as the program shows it: inside its frame, under the menu bar,
// active so that the keyboard shortcuts work.
class FenetreMenus : public FenetrePrincipale
{
protected:
    // Starts the window with this picture on the command line, frames and shows it.
    void ouvrirAvec(const QImage &source);
    // Makes the frame the active window, the canvas with the keyboard focus.
    void activer();
    // Sends the key to the widget with the keyboard focus (shortcuts included).
    void touche(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);

    Menus &menus() { return *cadre->menus(); }

    std::unique_ptr<Cadre> cadre;
    Form1 *f = nullptr;
};
