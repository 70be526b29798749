#pragma once

#include "editor/surfacewidget.h"

class Editeur;

// The editing canvas vueTravail: shows the work picture with the editor's overlays
// on top (they never touch the picture), a cross-hair pointer, and forwards mouse
// events in canvas pixels and key presses to the Editeur. A press on the placed
// text label is a click on the label, not on the canvas.
class Canevas : public SurfaceWidget
{
    Q_OBJECT

public:
    explicit Canevas(Editeur &editeur, QWidget *parent = nullptr, bool border = true);

    // Platform button mask: left 1, right 2, middle 4.
    static int buttonMask(Qt::MouseButtons buttons);

    // Each picture pixel is shown as a facteur x facteur square.
    int facteur() const { return m_facteur; }
    // Where the picture's pixel (0, 0) stands in the widget.
    QPoint origine() const { return m_origine; }

protected:
    Editeur &editeur() const { return m_editeur; }
    void setEchelle(QPoint origine, int facteur);
    // Paints the picture itself; the overlays go on top.
    virtual void peindreImage(QPaintEvent *event);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointF canvasPoint(const QMouseEvent *event) const;

    Editeur &m_editeur;
    QPoint m_origine;
    int m_facteur = 1;
    bool m_pressOnEtiquetteTexte = false; // the press landed on the label: its release is a label click
};
