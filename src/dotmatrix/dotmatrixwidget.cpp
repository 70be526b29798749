#include "dotmatrixwidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr float kTwipsPerPixel = 15.0f;

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

float twips(qreal pixels)
{
    return float(pixels) * kTwipsPerPixel;
}

} // namespace

DotMatrixWidget::DotMatrixWidget(const DotMatrixPolicy &policy, QWidget *parent)
    : QWidget(parent)
    , m_matrix(policy)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_matrix.display().setRefreshHandler([this] { update(); });
    m_matrix.setEndScrollHandler([this] { emit EndScroll(); });
    // A hidden widget gets its resize event only when shown: the display asks.
    m_matrix.setControlSizeSource([this] { return size(); });
    resize(DotMatrix::kDesignSize);
}

void DotMatrixWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_matrix.display().image(), event->rect());
}

void DotMatrixWidget::resizeEvent(QResizeEvent *event)
{
    m_matrix.resizeDisplay(event->size());
    QWidget::resizeEvent(event);
}

void DotMatrixWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                   twips(event->position().x()), twips(event->position().y()));
}

void DotMatrixWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                 twips(event->position().x()), twips(event->position().y()));
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}

void DotMatrixWidget::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click raises DblClick instead of MouseDown,
    // and its release raises no Click.
    m_pressed = false;
    emit DblClick();
}

void DotMatrixWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                   twips(event->position().x()), twips(event->position().y()));
}
