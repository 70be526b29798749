#include "appearance.h"

#include "geometry.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace appearance {
namespace {

QString firstFamily(const QStringList &wanted, QFont::StyleHint fallback)
{
    for (const QString &f : wanted)
        if (QFontDatabase::hasFamily(f))
            return f;
    QFont f;
    f.setStyleHint(fallback);
    return f.defaultFamily();
}

} // namespace

void place(QWidget *widget, std::string_view name)
{
    widget->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    widget->setGeometry(geometry::rect(name));
    const QString tip = geometry::toolTip(name);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
}

void setBackground(QWidget *widget, QRgb colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(colour));
    widget->setPalette(pal);
    // Buttons (check boxes, option buttons) fill with the Button role otherwise.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void setEntryBackground(QWidget *widget, QRgb colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, QColor::fromRgb(colour));
    widget->setPalette(pal);
}

QRgb setEntryBackground(const QWidget *widget)
{
    return widget->palette().color(QPalette::Base).rgb();
}

QLabel *header(QWidget *parent, std::string_view name)
{
    auto *label = new QLabel(geometry::text(name), parent);
    place(label, name);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // Capitals one pixel under the border, whatever room the face keeps above them:
    // the control under a header (the slider under the first one) leaves it little.
    const QFontMetrics fm(label->font());
    label->setContentsMargins(0, std::min(0, 1 - (fm.ascent() - int(fm.capHeight()))), 0, 0);
    setBackground(label, colours::header);
    return label;
}

QWidget *line(QWidget *parent, std::string_view name)
{
    // A label, so that it stands with the other drawn controls under the windowed ones.
    auto *line = new QLabel(parent);
    line->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    const QLine l = geometry::line(name);
    line->setGeometry(QRect(l.p1(), l.p2()).normalized());
    setBackground(line, kBlack);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

void paintFrame(QGroupBox *frame)
{
    QPainter p(frame);
    const QFontMetrics fm(frame->font());
    const QString title = frame->title();
    const QRect caption(6, 0, fm.horizontalAdvance(title) + 4, fm.height());
    p.setPen(frame->palette().color(QPalette::Mid));
    p.drawRect(QRect(0, fm.height() / 2, frame->width() - 1, frame->height() - fm.height() / 2 - 1));
    p.fillRect(caption, frame->palette().color(QPalette::Window));
    p.setPen(frame->palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title);
}

QFont controlFont()
{
    static const QString family = firstFamily(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
         QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
         QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")},
        QFont::SansSerif);
    QFont f(family);
    f.setPixelSize(11);
    return f;
}

} // namespace appearance
