#include "zoomwindow.h"

#include "editor/zoomscreen.h"
#include "windowsetup.h"

#include <QToolBar>
#include <QVBoxLayout>

ZoomWindow::ZoomWindow(Editor &editor, const QList<QAction *> &tools, QWidget *parent)
    : QWidget(parent)
{
    windowsetup::makeTopmost(this, "zoomWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->addActions(tools);
    zoomScreen = new ZoomScreen(editor, this);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(toolBar);
    disposition->addWidget(zoomScreen, 1);
    // The screen opens at its former size, the tool bar above it; any size is
    // allowed from there, down to dots of 2 pixels.
    const QSize opening = size();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(opening.width(), opening.height() + toolBar->sizeHint().height());
}
