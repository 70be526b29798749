#pragma once

#include <QMainWindow>

class MainPanel;
class Menus;

// The program's top-level window: the menu bar above the main window MainPanel, whose
// fixed client area and controls stay exactly as they are. Closing it closes MainPanel,
// which ends the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Takes the window in, with its title, icon and fixed size.
    explicit MainWindow(MainPanel *mainPanel, QWidget *parent = nullptr);

    MainPanel *mainPanel() const { return m_mainPanel; }
    Menus *menus() const { return m_menus; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MainPanel *m_mainPanel;
    Menus *m_menus;
};
