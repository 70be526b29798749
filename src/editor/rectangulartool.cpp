#include "rectangulartool.h"

void RectangularTool::press(const QPointF &at, Qt::MouseButton, Qt::KeyboardModifiers)
{
    setPending(!pending());
    m_anchor = truncate(at);
    m_corner = m_anchor;
    overlayChanged();
}

void RectangularTool::drag(const QPointF &at, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    if (!pending())
        return;
    m_corner = at;
    overlayChanged();
}

void RectangularTool::moveBy(QPoint by)
{
    m_anchor += by;
    m_corner += by;
    overlayChanged();
}
