#include "apparence.h"

#include "geometrie.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QWidget>

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

void fond(QWidget *widget, Couleur couleur)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(toQRgb(couleur)));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void fondSaisie(QWidget *widget, Couleur couleur)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, QColor::fromRgb(toQRgb(couleur)));
    widget->setPalette(pal);
}

Couleur fondSaisie(const QWidget *widget)
{
    return fromQRgb(widget->palette().color(QPalette::Base).rgb());
}

QLabel *entete(QWidget *parent, std::string_view nom)
{
    auto *label = new QLabel(geometrie::texte(nom), parent);
    placer(label, nom);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
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
    fond(trait, kNoir);
    trait->setAttribute(Qt::WA_TransparentForMouseEvents);
    return trait;
}

QFont policeSerif(double points)
{
    static const QString famille = premiereFamille(
        {QStringLiteral("MS Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("Times New Roman"),
         QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
        QFont::Serif);
    QFont f(famille);
    f.setPointSizeF(points);
    return f;
}

QFont policeControles()
{
    static const QString famille = premiereFamille(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
         QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
        QFont::SansSerif);
    QFont f(famille);
    f.setPixelSize(11);
    return f;
}

} // namespace apparence
