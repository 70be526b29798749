#include "boutonpoussoir.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

BoutonPoussoir::BoutonPoussoir(QWidget *parent)
    : QWidget(parent)
    , m_face(new QLabel(this))
    , m_caption(new QLabel(QStringLiteral("btnXP"), this))
{
    for (AspectBouton look : {AspectBouton::Normal, AspectBouton::Hover, AspectBouton::Pressed})
        m_pictures[size_t(look)] = QPixmap::fromImage(facesbouton::face(look));

    m_face->setObjectName(QStringLiteral("face"));
    m_caption->setObjectName(QStringLiteral("imageb"));
    m_face->setGeometry(QRect(kFaceOrigin, facesbouton::kSize));
    m_caption->setGeometry(kCaptionRect);
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setForegroundRole(QPalette::ButtonText);
    // The face and the caption react alike, so the button takes their events.
    for (QLabel *child : {m_face, m_caption})
        child->setAttribute(Qt::WA_TransparentForMouseEvents);

    setMouseTracking(true);
    setFixedSize(kSize);
    m_face->setPixmap(m_pictures[size_t(AspectBouton::Normal)]);
}

void BoutonPoussoir::text(const QVariant &texte)
{
    m_caption->setText(texte.toString());
    fitCaption();
}

void BoutonPoussoir::fitCaption()
{
    // The button's font, a little smaller where the caption would not fit
    // between its edges (a wide substitute for the usual small face).
    QFont f = font();
    const QString caption = m_caption->text();
    while (QFontMetrics(f).horizontalAdvance(caption) > kSize.width()) {
        if (f.pixelSize() > kSmallestPixels)
            f.setPixelSize(f.pixelSize() - 1);
        else if (f.pixelSize() <= 0 && f.pointSizeF() > kSmallestPoints)
            f.setPointSizeF(f.pointSizeF() - 0.5);
        else
            break;
    }
    m_caption->setFont(f);
}

void BoutonPoussoir::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        fitCaption();
    QWidget::changeEvent(event);
}

QString BoutonPoussoir::caption() const
{
    return m_caption->text();
}

void BoutonPoussoir::retour()
{
    showLook(AspectBouton::Normal);
}

void BoutonPoussoir::showLook(AspectBouton look)
{
    if (look == m_look)
        return;
    m_look = look;
    m_face->setPixmap(m_pictures[size_t(look)]);
}

void BoutonPoussoir::mouseMoveEvent(QMouseEvent *)
{
    showLook(AspectBouton::Hover);
}

void BoutonPoussoir::mousePressEvent(QMouseEvent *)
{
    m_pressed = true;
    showLook(AspectBouton::Pressed);
}

void BoutonPoussoir::mouseReleaseEvent(QMouseEvent *event)
{
    // The release comes here even outside the button: it shows the hover
    // picture, and only a release over the button is a click.
    showLook(AspectBouton::Hover);
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit Click();
}

void BoutonPoussoir::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click is no new press: no pressed picture,
    // and its release raises no second Click.
    m_pressed = false;
}
