#include "cadre.h"

#include "fenetres.h"
#include "form1.h"
#include "menus.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

Cadre::Cadre(Form1 *form1, QWidget *parent)
    : QMainWindow(parent)
    , m_form1(form1)
{
    // Form1 set itself up as a fixed window: the frame takes that over.
    setWindowFlags(form1->windowFlags());
    setWindowTitle(form1->windowTitle());
    setWindowIcon(form1->windowIcon());
    setObjectName(QStringLiteral("Cadre"));
    auto *barre = new QMenuBar(this);
    setMenuBar(barre);
    m_menus = new Menus(*form1, barre);
    // F10 opens the menu bar on its first menu, as on other desktops.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, barre, [barre] {
        if (!barre->actions().isEmpty())
            barre->setActiveAction(barre->actions().constFirst());
    });
    setCentralWidget(form1);
    setFixedSize(form1->width(), barre->sizeHint().height() + form1->height());
    fenetres::centrer(this);
}

void Cadre::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_form1->close());
}
