#include "canevas.h"

#include "editeur.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Red shows on both black and white pixels.
const QColor kOverlayColour(230, 0, 0);

QPen dashedPen(int width)
{
    QPen pen(kOverlayColour, width, Qt::DashLine);
    pen.setCosmetic(width <= 1);
    return pen;
}

void paintTraitLigne(QPainter &painter, const TraitLigne &line)
{
    painter.setPen(dashedPen(line.borderWidth));
    const QPointF centre(0.5, 0.5); // pixel centres
    const QPointF a = QPointF(line.x1, line.y1) + centre, b = QPointF(line.x2, line.y2) + centre;
    if (a == b)
        painter.drawPoint(a);
    else
        painter.drawLine(a, b);
}

void paintContourEllipse(QPainter &painter, const ContourEllipse &shape)
{
    painter.setPen(dashedPen(1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(shape.left + 0.5, shape.top + 0.5, shape.width, shape.height));
}

void paintRectangle(QPainter &painter, const RectangleState &rectangle)
{
    painter.setPen(dashedPen(1));
    painter.setBrush(rectangle.plein ? QBrush(kOverlayColour, Qt::Dense4Pattern) : QBrush(Qt::NoBrush));
    const QRect r = rectangle.rect();
    painter.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintEtiquetteTexte(QPainter &painter, const Editeur &editeur)
{
    const EtiquetteTexte &etiquetteTexte = editeur.etiquetteTexte();
    painter.setPen(kOverlayColour);
    painter.setFont(etiquetteTexte.font);
    const QFontMetrics metrics(etiquetteTexte.font);
    // Laid out like validation prints it: each line under the previous one.
    double y = std::round(etiquetteTexte.top) + metrics.ascent();
    for (const QString &line : editeur.lignesEtiquette()) {
        painter.drawText(QPointF(std::round(etiquetteTexte.left), y), line);
        y += metrics.height();
    }
}

int shiftMask(const QMouseEvent *event)
{
    return event->modifiers() & Qt::ShiftModifier ? 1 : 0;
}

} // namespace

Canevas::Canevas(Editeur &editeur, QWidget *parent, bool border)
    : SurfaceWidget(&editeur.travail(), parent, border)
    , m_editeur(editeur)
    , m_origine(origin())
{
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the coordinate readout follows the pointer without a button
    connect(&editeur, &Editeur::overlaysChanged, this, qOverload<>(&QWidget::update));
    connect(&editeur, &Editeur::focusCanevasDemande, this,
            [this] { setFocus(Qt::OtherFocusReason); });
}

int Canevas::buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

void Canevas::setEchelle(QPoint origine, int facteur)
{
    if (origine == m_origine && facteur == m_facteur)
        return;
    m_origine = origine;
    m_facteur = facteur;
    update();
}

QPointF Canevas::canvasPoint(const QMouseEvent *event) const
{
    const QPointF p = event->position() - QPointF(m_origine);
    if (m_facteur == 1)
        return p;
    // Enlarged, any point of a pixel's square is that pixel.
    return QPointF(std::floor(p.x() / m_facteur), std::floor(p.y() / m_facteur));
}

void Canevas::peindreImage(QPaintEvent *event)
{
    SurfaceWidget::paintEvent(event);
}

void Canevas::paintEvent(QPaintEvent *event)
{
    peindreImage(event);
    if (!surface())
        return;
    QPainter painter(this);
    painter.translate(m_origine);
    painter.scale(m_facteur, m_facteur);
    painter.setClipRect(QRect(QPoint(0, 0), surface()->size()));
    if (m_editeur.traitLigne().visible)
        paintTraitLigne(painter, m_editeur.traitLigne());
    if (m_editeur.contourEllipse().visible)
        paintContourEllipse(painter, m_editeur.contourEllipse());
    if (m_editeur.rectangle().visible)
        paintRectangle(painter, m_editeur.rectangle());
    if (m_editeur.etiquetteTexte().visible)
        paintEtiquetteTexte(painter, m_editeur);
}

void Canevas::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = canvasPoint(event);
    if (m_editeur.etiquetteTexte().visible && m_editeur.rectEtiquette().contains(p)) {
        m_pressOnEtiquetteTexte = true; // the label takes this click
        return;
    }
    m_editeur.mouseDown(buttonMask(event->button()), p.x(), p.y(), shiftMask(event));
}

void Canevas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressOnEtiquetteTexte)
        return;
    const QPointF p = canvasPoint(event);
    if (m_editeur.etiquetteTexte().visible && m_editeur.rectEtiquette().contains(p))
        m_editeur.etiquetteMouseMove();
    m_editeur.mouseMove(buttonMask(event->buttons()), p.x(), p.y(), shiftMask(event));
}

void Canevas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressOnEtiquetteTexte) {
        if (event->buttons() == Qt::NoButton) {
            m_pressOnEtiquetteTexte = false;
            m_editeur.etiquetteClick();
        }
        return;
    }
    const QPointF p = canvasPoint(event);
    m_editeur.mouseUp(buttonMask(event->button()), p.x(), p.y());
}

void Canevas::keyPressEvent(QKeyEvent *event)
{
    m_editeur.keyDown(event->key());
}
