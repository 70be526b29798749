#include "conversionchoices.h"

#include "mainpanel.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

using monochrome::Dithering;

bool sameCurve(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

QAction *checkable(const QString &text, QActionGroup *group)
{
    auto *action = new QAction(text, group);
    action->setCheckable(true);
    return action;
}

} // namespace

QString ConversionChoices::methodText(Dithering method)
{
    switch (method) {
    case Dithering::None: break;
    case Dithering::FloydSteinberg: return QStringLiteral("&Floyd-Steinberg");
    case Dithering::Atkinson: return QStringLiteral("&Atkinson");
    case Dithering::Bayer: return QStringLiteral("&Bayer (ordonné)");
    case Dithering::JarvisJudiceNinke: return QStringLiteral("&Jarvis-Judice-Ninke");
    case Dithering::Stucki: return QStringLiteral("&Stucki");
    case Dithering::Sierra: return QStringLiteral("S&ierra");
    case Dithering::BlueNoise: return QStringLiteral("Bruit b&leu");
    case Dithering::Optimal: return QStringLiteral("&Optimal");
    }
    return QStringLiteral("&Sans tramage");
}

QString ConversionChoices::methodCaption(Dithering method)
{
    return methodText(method).remove(u'&');
}

QList<ConversionChoices::Tone> ConversionChoices::tones()
{
    // The balanced curve is the default, the one the quality benchmark found best.
    QList<Tone> tones = {{monochrome::kExactLight, QStringLiteral("&Lumière exacte")},
                         {monochrome::kDefaultToneCurve, QStringLiteral("É&quilibré (par défaut)")},
                         {1.8, QStringLiteral("Ombres &ouvertes")},
                         {monochrome::kDetailedShadows, QStringLiteral("Ombres &détaillées")}};
    return tones;
}

ConversionChoices::ConversionChoices(MainPanel &panel)
    : QObject(&panel)
    , m_panel(panel)
{
    auto *methods = new QActionGroup(this);
    for (Dithering method : monochrome::kDitheringMethods) {
        QAction *action = checkable(methodText(method), methods);
        connect(action, &QAction::triggered, this, [this, method] { pickMethod(method); });
        methodActions.append(action);
    }
    auto *curves = new QActionGroup(this);
    // Undo may bring back a curve that none of them is.
    curves->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const Tone &tone : tones()) {
        QAction *action = checkable(tone.text, curves);
        action->setToolTip(QStringLiteral("Lumière^(1/%1) avant le tramage").arg(tone.curve, 0, 'f', 1));
        connect(action, &QAction::triggered, this, [this, curve = tone.curve] { pickToneCurve(curve); });
        toneActions.append(action);
    }
    autoContrast = new QAction(QStringLiteral("Contr&aste automatique"), this);
    autoContrast->setCheckable(true);
    connect(autoContrast, &QAction::triggered, this, &ConversionChoices::setAutoContrast);

    // As the box's neighbours, it only sets what the next conversion does.
    connect(panel.ditheringBox, &QCheckBox::toggled, this, [this](bool on) {
        m_panel.document.settings.dithering = on ? m_chosen : Dithering::None;
        emit changed();
    });
    for (QAbstractButton *box : {static_cast<QAbstractButton *>(panel.invertBox), static_cast<QAbstractButton *>(panel.simpleMethodButton)})
        connect(box, &QAbstractButton::toggled, this, &ConversionChoices::changed);
    show();
}

void ConversionChoices::convert()
{
    m_panel.document.convert(); // its Change makes the undo step
    show();
}

void ConversionChoices::pickMethod(Dithering method)
{
    m_chosen = method;
    // Dithering belongs to the grey-level method.
    if (!m_panel.greyMethodButton->isChecked())
        m_panel.greyMethodButton->click();
    m_panel.ditheringBox->setChecked(true);
    m_panel.document.settings.dithering = method;
    convert();
}

void ConversionChoices::pickToneCurve(double curve)
{
    if (sameCurve(m_panel.document.settings.toneCurve, curve)) {
        show(); // a click on the checked item would leave none checked
        return;
    }
    m_panel.document.settings.toneCurve = curve;
    convert();
}

void ConversionChoices::setAutoContrast(bool on)
{
    m_panel.document.settings.autoContrast = on;
    convert();
}

void ConversionChoices::show()
{
    const Settings &settings = m_panel.document.settings;
    if (settings.dithering != Dithering::None)
        m_chosen = settings.dithering;
    {
        const QSignalBlocker blocker(m_panel.ditheringBox);
        m_panel.ditheringBox->setChecked(settings.dithering != Dithering::None);
    }
    const auto *method = std::ranges::find(monochrome::kDitheringMethods, m_chosen);
    methodActions[method - std::begin(monochrome::kDitheringMethods)]->setChecked(true);
    const QList<Tone> all = tones();
    for (qsizetype i = 0; i < all.size(); ++i)
        toneActions[i]->setChecked(sameCurve(all[i].curve, settings.toneCurve));
    autoContrast->setChecked(settings.autoContrast);
    emit changed();
}
