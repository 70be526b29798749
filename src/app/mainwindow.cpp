#include "mainwindow.h"

#include "windowsetup.h"
#include "mainpanel.h"
#include "menus.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>

MainWindow::MainWindow(MainPanel *mainPanel, QWidget *parent)
    : QMainWindow(parent)
    , m_mainPanel(mainPanel)
{
    // MainPanel set itself up as a fixed window: the frame takes that over.
    setWindowFlags(mainPanel->windowFlags());
    // A star after the title while the picture holds unsaved retouches.
    setWindowTitle(mainPanel->windowTitle() + QStringLiteral("[*]"));
    setWindowModified(mainPanel->history.isModified());
    connect(mainPanel, &MainPanel::modifiedChanged, this, &QWidget::setWindowModified);
    setWindowIcon(mainPanel->windowIcon());
    setObjectName(QStringLiteral("mainWindow"));
    auto *bar = new QMenuBar(this);
    setMenuBar(bar);
    m_menus = new Menus(*mainPanel, bar);
    // F10 opens the menu bar on its first menu, as on other desktops.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().constFirst());
    });
    setCentralWidget(mainPanel);
    setFixedSize(mainPanel->width(), bar->sizeHint().height() + mainPanel->height());
    windowsetup::centre(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(m_mainPanel->close());
}
