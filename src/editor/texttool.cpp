#include "texttool.h"

#include "editor.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

void TextTool::release(const QPointF &at, Qt::MouseButton)
{
    setPending(!pending());
    if (pending())
        m_topLeft = at;
    overlayChanged();
}

void TextTool::nudge(QPoint by)
{
    m_topLeft += by;
    overlayChanged();
}

bool TextTool::overlayContains(const QPointF &at) const
{
    return pending() && labelRect().contains(at);
}

void TextTool::overlayClicked()
{
    setPending(false);
    overlayChanged();
}

QStringList TextTool::lines() const
{
    QString text = editor().text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

QRectF TextTool::labelRect() const
{
    if (editor().text().isEmpty())
        return {};
    const QFontMetrics metrics(editor().font());
    const QStringList all = lines();
    int width = 0;
    for (const QString &line : all)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRectF(std::round(m_topLeft.x()), std::round(m_topLeft.y()), width, double(metrics.height()) * all.size());
}

void TextTool::draw(Surface &picture)
{
    QFont font = picture.font();
    font.setFamily(editor().font().family());
    picture.setFont(font);
    picture.setForeColor(kBlack);
    picture.setCurrentY(m_topLeft.y());
    for (const QString &line : lines()) {
        picture.setCurrentX(m_topLeft.x());
        picture.print(line);
    }
}

void TextTool::paintPending(QPainter &painter) const
{
    const QFont &font = editor().font();
    painter.setPen(overlayColour());
    painter.setFont(font);
    const QFontMetrics metrics(font);
    // Laid out like validation prints it: each line under the previous one.
    double y = std::round(m_topLeft.y()) + metrics.ascent();
    for (const QString &line : lines()) {
        painter.drawText(QPointF(std::round(m_topLeft.x()), y), line);
        y += metrics.height();
    }
}
