// How the windows look: captions that fit.
#include "fenetre.h"

#include "app/apparence.h"
#include "app/fenetreapropos.h"
#include "app/visualisateur.h"

namespace {

// Every caption's ink lies whole inside its control.
void legendesEntieres(QWidget *fenetre)
{
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *bouton = qobject_cast<const QAbstractButton *>(w);
        const auto *cadre = qobject_cast<const QGroupBox *>(w);
        const auto *commandButton = qobject_cast<const CommandButton *>(w); // its caption centred above the face
        const QString texte = label    ? label->text()
                              : bouton ? QString(bouton->text()).replace(QStringLiteral("&&"), QStringLiteral("&"))
                              : cadre  ? cadre->title()
                                       : QString();
        if (texte.trimmed().isEmpty() || !w->isVisibleTo(fenetre))
            continue;
        SCOPED_TRACE(w->objectName().toStdString() + ": " + texte.toStdString());
        const QFontMetrics fm(commandButton ? commandButton->captionFont() : w->font());
        const int marge = label ? label->margin() : 0;
        QRect zone = commandButton ? CommandButton::kCaptionRect : w->contentsRect().adjusted(marge, marge, -marge, -marge);
        if (bouton && !commandButton)
            zone.setLeft(zone.left() + w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                         + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w));
        const int alignment = label ? int(label->alignment()) : commandButton ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter;
        const QRect ligne = w->style()->itemTextRect(fm, zone, alignment, true, texte);
        const QRect place = fm.tightBoundingRect(texte).translated(cadre ? QPoint(8, fm.ascent()) : ligne.topLeft() + QPoint(0, fm.ascent()));
        EXPECT_TRUE(w->rect().contains(place)) << w->width() << "x" << w->height() << " for " << place.width() << "x" << place.height();
    }
}

} // namespace

TEST_F(Fenetre, NoCaptionIsCut)
{
    ouvrirAvec(gris128());
    f->libelleCoordonnees->setText(QStringLiteral("159x99")); // the widest readout
    f->boutons[FenetrePrincipale::BoutonSauverAuto]->setText(QStringLiteral("Sauver le fichier automatiquement ici")); // shrinks
    legendesEntieres(f);
    FenetreAPropos aPropos;
    legendesEntieres(&aPropos);
    Visualisateur visualisateur({});
    legendesEntieres(&visualisateur);
}
