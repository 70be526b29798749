#include "fenetrezoom.h"

#include "editor/zoomscreen.h"
#include "fenetres.h"

#include <QToolBar>
#include <QVBoxLayout>

FenetreZoom::FenetreZoom(Editor &editeur, const QList<QAction *> &outils, QWidget *parent)
    : QWidget(parent)
{
    fenetres::auDessus(this, "FenetreZoom");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    barreOutils = new QToolBar(this);
    barreOutils->setObjectName(QStringLiteral("barreOutils"));
    barreOutils->addActions(outils);
    ecran = new ZoomScreen(editeur, this);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(barreOutils);
    disposition->addWidget(ecran, 1);
    // The screen opens at its former size, the tool bar above it; any size is
    // allowed from there, down to dots of 2 pixels.
    const QSize taille = size();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(taille.width(), taille.height() + barreOutils->sizeHint().height());
}
