#include "cadre.h"

#include "fenetres.h"
#include "form1.h"
#include "menus.h"

#include <QCloseEvent>
#include <QMenuBar>

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
    setCentralWidget(form1);
    setFixedSize(form1->width(), barre->sizeHint().height() + form1->height());
    fenetres::centrer(this);
}

void Cadre::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_form1->close());
}
