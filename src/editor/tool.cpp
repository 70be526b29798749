#include "tool.h"

#include "editor.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

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

int Tool::truncate(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::clamp(std::trunc(v), double(INT_MIN), double(INT_MAX)));
}

Surface &Tool::picture() const
{
    return m_editor.picture();
}

void Tool::overlayChanged() const
{
    emit m_editor.overlayChanged();
}

void Tool::finishStep() const
{
    emit m_editor.stepFinished();
}
