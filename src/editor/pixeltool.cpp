#include "pixeltool.h"

#include "editor.h"

#include <algorithm>
#include <cstdlib>

void PixelTool::press(const QPointF &at, Qt::MouseButton, Qt::KeyboardModifiers)
{
    paintTo(at); // the editor ended any stroke before the press
}

void PixelTool::drag(const QPointF &at, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    paintTo(at);
}

void PixelTool::paintTo(const QPointF &at)
{
    const QPoint end = truncate(at);
    const long long dx = m_lastSquare ? std::llabs((long long)end.x() - m_lastSquare->x()) : 0;
    const long long dy = m_lastSquare ? -std::llabs((long long)end.y() - m_lastSquare->y()) : 0;
    // No pointer jumps that far between two events: such a pair is not a drag.
    constexpr long long kLongestJump = 1 << 16;
    if ((dx != 0 || dy != 0) && dx - dy < kLongestJump) {
        const QPoint start = *m_lastSquare;
        const int sx = start.x() < end.x() ? 1 : -1, sy = start.y() < end.y() ? 1 : -1;
        long long error = dx + dy;
        for (QPoint p = start; p != end;) {
            const long long e2 = 2 * error;
            if (e2 >= dy) {
                error += dy;
                p.rx() += sx;
            }
            if (e2 <= dx) {
                error += dx;
                p.ry() += sy;
            }
            paintSquare(p);
        }
    } else {
        paintSquare(end);
    }
    m_lastSquare = end;
    picture().refresh();
}

void PixelTool::paintSquare(QPoint at)
{
    // Only the part of the n x n square inside the picture is visited: the rest
    // would be dropped anyway, and a huge pixel size stays cheap.
    Surface &surface = picture();
    const long long n = editor().pixelSize().value();
    const long long left = at.x(), top = at.y();
    const long long i0 = std::max(0LL, -left), i1 = std::min(n, surface.width() - left);
    const long long j0 = std::max(0LL, -top), j1 = std::min(n, surface.height() - top);
    for (long long i = i0; i < i1; ++i)
        for (long long j = j0; j < j1; ++j)
            surface.setPixel(int(left + i), int(top + j), m_colour);
}
