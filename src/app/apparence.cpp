#include "apparence.h"

#include "geometrie.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace apparence {
namespace {

QString premiereFamille(const QStringList &voulues, QFont::StyleHint repli)
{
    for (const QString &f : voulues)
        if (QFontDatabase::hasFamily(f))
            return f;
    QFont f;
    f.setStyleHint(repli);
    return f.defaultFamily();
}

} // namespace

void placer(QWidget *widget, std::string_view nom)
{
    widget->setObjectName(QString::fromUtf8(nom.data(), qsizetype(nom.size())));
    widget->setGeometry(geometrie::rect(nom));
    const QString bulle = geometrie::infobulle(nom);
    if (!bulle.isEmpty())
        widget->setToolTip(bulle);
}

void fond(QWidget *widget, QRgb couleur)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(couleur));
    widget->setPalette(pal);
    // Buttons (check boxes, option buttons) fill with the Button role otherwise.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void fondSaisie(QWidget *widget, QRgb couleur)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, QColor::fromRgb(couleur));
    widget->setPalette(pal);
}

QRgb fondSaisie(const QWidget *widget)
{
    return widget->palette().color(QPalette::Base).rgb();
}

QLabel *entete(QWidget *parent, std::string_view nom)
{
    auto *label = new QLabel(geometrie::texte(nom), parent);
    placer(label, nom);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // Capitals one pixel under the border, whatever room the face keeps above them:
    // the control under a header (the slider under the first one) leaves it little.
    const QFontMetrics fm(label->font());
    label->setContentsMargins(0, std::min(0, 1 - (fm.ascent() - int(fm.capHeight()))), 0, 0);
    fond(label, couleurs::entete);
    return label;
}

QWidget *ligne(QWidget *parent, std::string_view nom)
{
    // A label, so that it stands with the other drawn controls under the windowed ones.
    auto *trait = new QLabel(parent);
    trait->setObjectName(QString::fromUtf8(nom.data(), qsizetype(nom.size())));
    const QLine l = geometrie::ligne(nom);
    trait->setGeometry(QRect(l.p1(), l.p2()).normalized());
    fond(trait, kBlack);
    trait->setAttribute(Qt::WA_TransparentForMouseEvents);
    return trait;
}

void peindreCadre(QGroupBox *cadre)
{
    QPainter p(cadre);
    const QFontMetrics fm(cadre->font());
    const QString titre = cadre->title();
    const QRect legende(6, 0, fm.horizontalAdvance(titre) + 4, fm.height());
    p.setPen(cadre->palette().color(QPalette::Mid));
    p.drawRect(QRect(0, fm.height() / 2, cadre->width() - 1, cadre->height() - fm.height() / 2 - 1));
    p.fillRect(legende, cadre->palette().color(QPalette::Window));
    p.setPen(cadre->palette().color(QPalette::WindowText));
    p.drawText(legende, Qt::AlignCenter, titre);
}

QFont policeControles()
{
    static const QString famille = premiereFamille(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
         QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
         QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")},
        QFont::SansSerif);
    QFont f(famille);
    f.setPixelSize(11);
    return f;
}

} // namespace apparence
