// How the windows look: captions that fit.
#include "mainpaneltest.h"

#include "app/appearance.h"
#include "app/aboutwindow.h"
#include "app/viewer.h"

namespace {

// Every caption's ink lies whole inside its control.
void legendesEntieres(QWidget *panel)
{
    for (QWidget *w : panel->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const auto *frame = qobject_cast<const QGroupBox *>(w);
        const auto *commandButton = qobject_cast<const CommandButton *>(w); // its caption centred above the face
        const QString text = label    ? label->text()
                              : button ? QString(button->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))
                              : frame  ? frame->title()
                                       : QString();
        if (text.trimmed().isEmpty() || !w->isVisibleTo(panel))
            continue;
        SCOPED_TRACE(w->objectName().toStdString() + ": " + text.toStdString());
        const QFontMetrics fm(commandButton ? commandButton->captionFont() : w->font());
        const int marge = label ? label->margin() : 0;
        QRect zone = commandButton ? CommandButton::kCaptionRect : w->contentsRect().adjusted(marge, marge, -marge, -marge);
        if (button && !commandButton)
            zone.setLeft(zone.left() + w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                         + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w));
        const int alignment = label ? int(label->alignment()) : commandButton ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter;
        const QRect line = w->style()->itemTextRect(fm, zone, alignment, true, text);
        const QRect place = fm.tightBoundingRect(text).translated(frame ? QPoint(8, fm.ascent()) : line.topLeft() + QPoint(0, fm.ascent()));
        EXPECT_TRUE(w->rect().contains(place)) << w->width() << "x" << w->height() << " for " << place.width() << "x" << place.height();
    }
}

} // namespace

TEST_F(MainPanelTest, NoCaptionIsCut)
{
    openWith(grey128());
    f->coordinatesLabel->setText(QStringLiteral("159x99")); // the widest readout
    f->commandButtons[MainPanel::SaveAutomaticallyCommand]->setText(QStringLiteral("Sauver le fichier automatiquement ici")); // shrinks
    legendesEntieres(f);
    AboutWindow about;
    legendesEntieres(&about);
    Viewer viewer({});
    legendesEntieres(&viewer);
}
