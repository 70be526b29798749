#include "tool.h"

#include "editor.h"

#include <QPainter>

Tool::Tool(Editor &editor)
    : m_editor(editor)
    , m_picture(editor.picture())
{
}

void Tool::validate()
{
    if (!m_pending)
        return;
    m_pending = false;
    draw(picture());
    picture().refresh();
    overlayChanged();
    finishStep();
}

void Tool::paintOverlay(QPainter &painter) const
{
    if (m_pending)
        paintPending(painter);
}

QColor Tool::overlayColour()
{
    return QColor(230, 0, 0);
}

QPen Tool::overlayPen(int width)
{
    QPen pen(overlayColour(), width, Qt::DashLine);
    pen.setCosmetic(width <= 1);
    return pen;
}

void Tool::overlayChanged() const
{
    emit m_editor.overlayChanged();
}

void Tool::finishStep() const
{
    emit m_editor.stepFinished();
}
