#pragma once

#include "dotmatrix.h"

#include <QWidget>

class QMouseEvent;

// The window side of a dot-matrix control: shows the display surface, keeps it
// as large as the widget, and turns the scroll wrap and the mouse into signals.
// Every member runs the DotMatrix member of the same name; their errors
// (NumberedError) reach the caller, which must catch them.
class DotMatrixWidget : public QWidget
{
    Q_OBJECT

public:
    const DotMatrix &matrix() const { return m_matrix; }

    void clearmatrice(int deb) { m_matrix.clearmatrice(deb); }
    void cls() { m_matrix.cls(); }
    void actualisebmp() { m_matrix.actualisebmp(); }
    Couleur backcolor() const { return m_matrix.backcolor(); }
    void setBackcolor(Couleur colour) { m_matrix.setBackcolor(colour); }
    int PixelSize() const { return m_matrix.PixelSize(); }
    void setPixelSize(int size) { m_matrix.setPixelSize(size); }
    void setPixelSize(const QVariant &size) { m_matrix.setPixelSize(size); }
    QVariant TexteInitial() const { return m_matrix.TexteInitial(); }
    void setTexteInitial(const QVariant &texte) { m_matrix.setTexteInitial(texte); }
    void initpointeur() { m_matrix.initpointeur(); }
    void setpointeur(int value) { m_matrix.setpointeur(value); }
    void Scrollgauche() { m_matrix.Scrollgauche(); }
    void Scrolldroite() { m_matrix.Scrolldroite(); }
    void maketext(const QString &texte) { m_matrix.maketext(texte); }
    void drawtext(const QString &texte, int x1) { m_matrix.drawtext(texte, x1); }
    void drawchar(const QString &character, int x, int y) { m_matrix.drawchar(character, x, y); }
    void addfont(const QStringList &fontparam) { m_matrix.addfont(fontparam); }
    void createinternalfonts() { m_matrix.createinternalfonts(); }
    Couleur forecolor() const { return m_matrix.forecolor(); }
    void setForecolor(Couleur colour) { m_matrix.setForecolor(colour); }
    int Uscrollsens() const { return m_matrix.Uscrollsens(); }
    void setUscrollsens(int value) { m_matrix.setUscrollsens(value); }

    // The host's user-mode flag (true in the program; tests may clear it).
    bool userMode() const { return m_matrix.userMode(); }
    void setUserMode(bool userMode) { m_matrix.setUserMode(userMode); }

    QSize sizeHint() const override { return DotMatrix::kDesignSize; }

signals:
    // A scroll step wrapped around; raised before the display changes.
    void EndScroll();
    void Click();
    void DblClick();
    // Button: 1 left, 2 right, 4 middle (held buttons for MouseMove); Shift: 1 Shift,
    // 2 Ctrl, 4 Alt; X and Y in twips (15 per pixel) from the display's corner.
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    DotMatrixWidget(const DotMatrixPolicy &policy, QWidget *parent);

    DotMatrix &core() { return m_matrix; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    DotMatrix m_matrix;
    // A press started on the display: its release inside raises Click.
    bool m_pressed = false;
};
