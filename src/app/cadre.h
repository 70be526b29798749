#pragma once

#include <QMainWindow>

class Form1;
class Menus;

// The program's top-level window: the menu bar above the main window Form1, whose
// fixed client area and controls stay exactly as they are. Closing it closes Form1,
// which ends the program.
class Cadre : public QMainWindow
{
    Q_OBJECT

public:
    // Takes the window in, with its title, icon and fixed size.
    explicit Cadre(Form1 *form1, QWidget *parent = nullptr);

    Form1 *form1() const { return m_form1; }
    Menus *menus() const { return m_menus; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form1 *m_form1;
    Menus *m_menus;
};
