#include "commandbutton.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

CommandButton::CommandButton(QWidget *parent)
    : QAbstractButton(parent)
{
    for (ButtonLook look : {ButtonLook::Normal, ButtonLook::Hover, ButtonLook::Pressed})
        for (bool mark : {false, true})
            m_faces[size_t(look)][mark] = QPixmap::fromImage(buttonfaces::face(look, mark));
    // Tab reaches it; a click leaves the keyboard focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setFixedSize(kSize);
}

QFont CommandButton::captionFont() const
{
    QFont f = font();
    while (QFontMetrics(f).horizontalAdvance(text()) > kSize.width()) {
        if (f.pixelSize() > kSmallestPixels)
            f.setPixelSize(f.pixelSize() - 1);
        else if (f.pixelSize() <= 0 && f.pointSizeF() > kSmallestPoints)
            f.setPointSizeF(f.pointSizeF() - 0.5);
        else
            break;
    }
    return f;
}

void CommandButton::resetLook()
{
    showLook(ButtonLook::Normal);
}

ButtonLook CommandButton::look() const
{
    return m_keyDown && isDown() ? ButtonLook::Pressed : m_look;
}

void CommandButton::showLook(ButtonLook look)
{
    if (look == m_look)
        return;
    m_look = look;
    update();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(kFaceOrigin, m_faces[size_t(look())][hasFocus()]);
    // The caption as a plain label draws it, in the button-text colour.
    QStyleOption option;
    option.initFrom(this);
    painter.setFont(captionFont());
    style()->drawItemText(&painter, kCaptionRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextForceLeftToRight,
                          option.palette, isEnabled(), text(), QPalette::ButtonText);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    QAbstractButton::keyPressEvent(event);
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown())
        m_keyDown = true;
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    showLook(ButtonLook::Hover);
    QAbstractButton::mouseMoveEvent(event);
    // Even outside while held: the window behind would reset the look.
    event->accept();
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    m_keyDown = false;
    showLook(ButtonLook::Pressed);
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
    else
        m_otherMouseButtonDown = true;
    event->accept();
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The release comes here even outside the button: it shows the hover
    // picture, and only a release over the button is a click.
    showLook(ButtonLook::Hover);
    if (event->button() == Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
    } else if (m_otherMouseButtonDown) {
        m_otherMouseButtonDown = false;
        if (hitButton(event->position().toPoint()))
            click();
    }
    event->accept();
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is no new press: no pressed picture,
    // and its release clicks no second time.
    m_otherMouseButtonDown = false;
    event->accept();
}
