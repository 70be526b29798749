#include "cadre.h"

#include "fenetres.h"
#include "fenetreprincipale.h"
#include "menus.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

Cadre::Cadre(FenetrePrincipale *fenetrePrincipale, QWidget *parent)
    : QMainWindow(parent)
    , m_fenetrePrincipale(fenetrePrincipale)
{
    // FenetrePrincipale set itself up as a fixed window: the frame takes that over.
    setWindowFlags(fenetrePrincipale->windowFlags());
    setWindowTitle(fenetrePrincipale->windowTitle());
    setWindowIcon(fenetrePrincipale->windowIcon());
    setObjectName(QStringLiteral("Cadre"));
    auto *barre = new QMenuBar(this);
    setMenuBar(barre);
    m_menus = new Menus(*fenetrePrincipale, barre);
    // F10 opens the menu bar on its first menu, as on other desktops.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, barre, [barre] {
        if (!barre->actions().isEmpty())
            barre->setActiveAction(barre->actions().constFirst());
    });
    setCentralWidget(fenetrePrincipale);
    setFixedSize(fenetrePrincipale->width(), barre->sizeHint().height() + fenetrePrincipale->height());
    fenetres::centrer(this);
}

void Cadre::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_fenetrePrincipale->close());
}
