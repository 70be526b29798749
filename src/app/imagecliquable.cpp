#include "imagecliquable.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QWheelEvent>

ImageCliquable::ImageCliquable(const QImage &image, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(image));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_repetition.setSingleShot(true);
    connect(&m_repetition, &QTimer::timeout, this, &ImageCliquable::repeter);
}

void ImageCliquable::mousePressEvent(QMouseEvent *event)
{
    m_appuye = event->button() == Qt::LeftButton;
    m_repete = false;
    if (m_appuye && m_repetable)
        m_repetition.start(kDelaiRepetition);
}

void ImageCliquable::repeter()
{
    if (!m_appuye)
        return;
    m_repete = true;
    m_repetition.start(kIntervalleRepetition);
    emit Click();
}

void ImageCliquable::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = m_appuye && !m_repete && event->button() == Qt::LeftButton
                      && rect().contains(event->position().toPoint());
    m_appuye = false;
    m_repetition.stop();
    if (clic)
        emit Click();
}

namespace {

class Molette : public QObject
{
public:
    Molette(QWidget *boite, ImageCliquable *moins, ImageCliquable *plus)
        : QObject(boite)
        , m_moins(moins)
        , m_plus(plus)
    {
        boite->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        // Fine-grained wheels and touchpads send parts of a notch: they add up.
        m_reste += static_cast<QWheelEvent *>(event)->angleDelta().y();
        for (; m_reste >= 120 && m_plus; m_reste -= 120)
            emit m_plus->Click();
        for (; m_reste <= -120 && m_moins; m_reste += 120)
            emit m_moins->Click();
        event->accept();
        return true;
    }

private:
    QPointer<ImageCliquable> m_moins, m_plus;
    int m_reste = 0;
};

} // namespace

void molettePourCompteur(QWidget *boite, ImageCliquable *moins, ImageCliquable *plus)
{
    new Molette(boite, moins, plus);
}
