#include "picturebutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

PictureButton::PictureButton(const QImage &picture, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(QPixmap::fromImage(picture))
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRepeatDelay(kRepeatDelay);
    setAutoRepeatInterval(kRepeatInterval);
    // Qt repeats while the button is down; a release ends it with one more click.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isDown())
            m_repeated = true;
    });
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_repeated = false;
    QAbstractButton::mousePressEvent(event);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Up before Qt sees the release, so that it only ends the repeat.
    if (m_repeated && event->button() == Qt::LeftButton)
        setDown(false);
    QAbstractButton::mouseReleaseEvent(event);
    event->accept();
}

namespace {

class SpinnerWheel : public QObject
{
public:
    SpinnerWheel(QWidget *box, PictureButton *minus, PictureButton *plus)
        : QObject(box)
        , m_minus(minus)
        , m_plus(plus)
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        // Fine-grained wheels and touchpads send parts of a notch: they add up.
        m_rest += static_cast<QWheelEvent *>(event)->angleDelta().y();
        for (; m_rest >= 120 && m_plus; m_rest -= 120)
            m_plus->click();
        for (; m_rest <= -120 && m_minus; m_rest += 120)
            m_minus->click();
        event->accept();
        return true;
    }

private:
    QPointer<PictureButton> m_minus, m_plus;
    int m_rest = 0;
};

} // namespace

void spinWithWheel(QWidget *box, PictureButton *minus, PictureButton *plus)
{
    new SpinnerWheel(box, minus, plus);
}
