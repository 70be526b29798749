#include "zoomscreen.h"

#include "editor.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

ZoomScreen::ZoomScreen(Editor &editor, QWidget *parent)
    : Canvas(editor, parent, false)
{
    setObjectName(QStringLiteral("zoomScreen"));
    m_lcd.setBackColor(kWhite);
    m_lcd.setForeColor(kBlack);
    m_lcd.setPointer(0); // the display shows columns 0 to N - 1
    fitScale();
}

QSize ZoomScreen::minimumSizeHint() const
{
    return editor().picture().size() * kMinFactor;
}

void ZoomScreen::fitScale()
{
    const QSize picture = editor().picture().size();
    if (!picture.isEmpty()) {
        const int factor = std::clamp(std::min(width() / picture.width(), height() / picture.height()),
                                      kMinFactor, kMaxFactor);
        const QSize size = picture * factor;
        setScale(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), factor);
    }
    if (factor() != m_lcd.pixelSize() || picture != m_pictureSize)
        layOut();
}

void ZoomScreen::layOut()
{
    m_pictureSize = editor().picture().size();
    const QSize shown = m_pictureSize.boundedTo(kLargestPicture);
    m_lcd.setPixelSize(factor());
    m_lcd.setMatrixSize(shown.width());
    m_lcd.clearMatrix(0);
    m_lit.assign(size_t(shown.width()) * size_t(shown.height()), false);
    const QRect corner = m_lcd.dotRect(shown.width() - 1, shown.height());
    m_lcd.resizeDisplay(QSize(corner.right() + 1, corner.bottom() + 1));
    lightChangedDots();
    m_lcd.present();
}

QRect ZoomScreen::follow()
{
    if (editor().picture().size() != m_pictureSize) {
        fitScale();
        return rect();
    }
    return lightChangedDots();
}

QRect ZoomScreen::lightChangedDots()
{
    const QImage &picture = editor().picture().image();
    const QSize shown = m_pictureSize.boundedTo(kLargestPicture);
    const int P = m_lcd.pixelSize();
    const QRgb white = kWhite;
    QRect changed; // in picture pixels
    for (int y = 0; y < shown.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        auto lit = m_lit.begin() + qsizetype(y) * shown.width();
        for (int x = 0; x < shown.width(); ++x, ++lit) {
            const bool set = (line[x] | 0xFF000000u) != white;
            if (set == *lit)
                continue;
            *lit = set;
            if (set)
                m_lcd.drawDot(P, x, y + 1);
            else
                m_lcd.clearDot(P, x, y + 1);
            changed |= QRect(x, y, 1, 1);
        }
    }
    if (changed.isEmpty())
        return {};
    const QRect area = m_lcd.dotRect(changed.left(), changed.top() + 1)
        | m_lcd.dotRect(changed.right(), changed.bottom() + 1);
    m_lcd.present(area);
    return area.translated(displayOrigin());
}

// Where the display's pixel (0, 0) stands in the widget.
QPoint ZoomScreen::displayOrigin() const
{
    return pictureOrigin() - m_lcd.dotRect(0, 1).topLeft();
}

void ZoomScreen::resizeEvent(QResizeEvent *event)
{
    Canvas::resizeEvent(event);
    fitScale();
}

void ZoomScreen::paintPicture(QPaintEvent *event)
{
    // A change the picture did not announce shows here.
    const QRect missed = follow();
    if (!missed.isEmpty() && !event->rect().contains(missed))
        update(missed);
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(m_lcd.backColor()));
    const QSize shown = m_pictureSize.boundedTo(kLargestPicture);
    const QRect screen = QRect(pictureOrigin(), shown * factor()) & event->rect();
    painter.drawImage(screen, m_lcd.display().image(), screen.translated(-displayOrigin()));
}
