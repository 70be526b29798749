#pragma once

#include <QMainWindow>

class FenetrePrincipale;
class Menus;

// The program's top-level window: the menu bar above the main window FenetrePrincipale, whose
// fixed client area and controls stay exactly as they are. Closing it closes FenetrePrincipale,
// which ends the program.
class Cadre : public QMainWindow
{
    Q_OBJECT

public:
    // Takes the window in, with its title, icon and fixed size.
    explicit Cadre(FenetrePrincipale *fenetrePrincipale, QWidget *parent = nullptr);

    FenetrePrincipale *fenetrePrincipale() const { return m_fenetrePrincipale; }
    Menus *menus() const { return m_menus; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    FenetrePrincipale *m_fenetrePrincipale;
    Menus *m_menus;
};
