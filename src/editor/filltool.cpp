#include "filltool.h"

#include "platform/surface.h"

#include <algorithm>
#include <vector>

bool floodFill(QImage &image, QPoint at, QRgb colour)
{
    if (!image.rect().contains(at))
        return false;
    const QRgb target = image.pixel(at);
    if (target == colour)
        return false;
    // Scan-line fill: each run of the area is painted once, and the rows above
    // and below are searched along it for the runs that continue the area.
    const int w = image.width(), h = image.height();
    auto row = [&image](int y) { return reinterpret_cast<QRgb *>(image.scanLine(y)); };
    std::vector<QPoint> stack{at};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb *line = row(p.y());
        if (line[p.x()] != target)
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && line[left - 1] == target)
            --left;
        while (right < w - 1 && line[right + 1] == target)
            ++right;
        std::fill(line + left, line + right + 1, colour);
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            // One seed per run of the area's colour along [left, right].
            const QRgb *next = row(ny);
            for (int i = left; i <= right; ++i) {
                if (next[i] != target)
                    continue;
                stack.emplace_back(i, ny);
                while (i < right && next[i + 1] == target)
                    ++i;
            }
        }
    }
    return true;
}

void FillTool::press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    const QRgb colour = button == Qt::LeftButton ? kBlack : kWhite;
    if (!floodFill(picture().image(), truncate(at), colour))
        return;
    picture().refresh();
    finishStep();
}
