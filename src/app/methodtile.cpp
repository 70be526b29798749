#include "methodtile.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMargin = 8; // around the picture (the current method's frame, the focus) and below the caption
constexpr int kGap = 4;    // between the picture and its caption

QString busyText()
{
    return QStringLiteral("Calcul…");
}

QString failureText()
{
    return QStringLiteral("Échec du calcul");
}

} // namespace

MethodTile::MethodTile(monochrome::Dithering method, const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
    , m_method(method)
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MethodTile::startComputing(QSize pictureSize)
{
    if (pictureSize != m_pictureSize) {
        m_picture = QImage(); // greyed at the wrong size, it would mislead
        m_pictureSize = pictureSize;
        updateGeometry();
    }
    m_computing = true;
    update();
}

void MethodTile::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_computing = false;
    if (!picture.isNull() && picture.size() != m_pictureSize) {
        m_pictureSize = picture.size();
        updateGeometry();
    }
    update();
}

void MethodTile::setCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    update();
}

QSize MethodTile::sizeHint() const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QSize picture = m_pictureSize * kScale;
    // A small picture: the caption or the busy mark sets the width.
    const int words = std::max(metrics.horizontalAdvance(text()), metrics.horizontalAdvance(failureText()) + 8);
    return QSize(std::max(picture.width(), words) + 2 * kMargin,
                 pictureBand() + kGap + metrics.height() + 2 * kMargin);
}

int MethodTile::pictureBand() const
{
    QFont bold = font();
    bold.setBold(true);
    return std::max(m_pictureSize.height() * kScale, QFontMetrics(bold).height() + 4);
}

QRect MethodTile::pictureRect() const
{
    const QSize size = m_pictureSize * kScale;
    return QRect(QPoint((width() - size.width()) / 2, kMargin + (pictureBand() - size.height()) / 2), size);
}

void MethodTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    if (isDown() || underMouse()) {
        QColor hover = colours.color(QPalette::Highlight);
        hover.setAlpha(isDown() ? 90 : 40);
        painter.fillRect(rect(), hover);
    }
    if (m_current) {
        painter.setPen(QPen(colours.color(QPalette::Highlight), 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }

    const QRect picture = pictureRect();
    if (m_picture.isNull())
        painter.fillRect(picture, QColor(0xc0, 0xc0, 0xc0));
    else
        painter.drawImage(picture, m_picture); // no smoothing: each pixel a square
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(picture.adjusted(-1, -1, 0, 0));
    if (m_computing && !m_picture.isNull())
        painter.fillRect(picture, QColor(128, 128, 128, 150));
    if (m_computing || m_picture.isNull()) {
        // On a white label, readable over any picture, wider than a small one if need be.
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const QString mark = m_computing ? busyText() : failureText();
        QRect label = painter.fontMetrics().boundingRect(mark).adjusted(-4, -2, 4, 2);
        label.moveCenter(picture.center());
        painter.fillRect(label, Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignCenter | Qt::TextDontClip, mark);
    }

    QFont caption = font();
    caption.setBold(m_current);
    painter.setFont(caption);
    painter.setPen(colours.color(QPalette::WindowText));
    const int top = kMargin + pictureBand() + kGap;
    const QRect captionRect(0, top, width(), height() - top - kMargin);
    painter.drawText(captionRect, Qt::AlignHCenter | Qt::AlignTop, text());

    if (hasFocus()) {
        // Dotted, between the current method's frame and the picture: a style's focus mark may tint the picture.
        painter.setPen(QPen(colours.color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(5, 5, -6, -6));
    }
}

void MethodTile::keyPressEvent(QKeyEvent *event)
{
    // Space clicks on its release, as every button does; Enter clicks at once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
