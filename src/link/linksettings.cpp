#include "linksettings.h"

#include <QSettings>

#include <memory>

namespace tilink {

namespace {

const QString kCableKey = QStringLiteral("liaison/cable");
const QString kCalculatorKey = QStringLiteral("liaison/calculatrice");

template <typename T>
std::optional<T> fromWord(const QStringList &words, const QString &word)
{
    const qsizetype i = words.indexOf(word);
    return i < 0 ? std::nullopt : std::optional<T>(T(i));
}

} // namespace

LinkSettings LinkSettings::load(QSettings *settings)
{
    std::unique_ptr<QSettings> own;
    if (!settings)
        settings = (own = std::make_unique<QSettings>(QStringLiteral("Brivane"), QStringLiteral("Brivane"))).get();
    LinkSettings loaded;
    loaded.cable = cableFromWord(settings->value(kCableKey).toString()).value_or(loaded.cable);
    loaded.calculator = calculatorFromWord(settings->value(kCalculatorKey).toString()).value_or(loaded.calculator);
    return loaded;
}

void LinkSettings::save(QSettings *settings) const
{
    std::unique_ptr<QSettings> own;
    if (!settings)
        settings = (own = std::make_unique<QSettings>(QStringLiteral("Brivane"), QStringLiteral("Brivane"))).get();
    settings->setValue(kCableKey, cableWords().at(int(cable)));
    settings->setValue(kCalculatorKey, calculatorWords().at(int(calculator)));
}

QStringList cableWords()
{
    return {QStringLiteral("auto"), QStringLiteral("silverlink"), QStringLiteral("usb")};
}

QStringList calculatorWords()
{
    return {QStringLiteral("ti89"), QStringLiteral("ti89t"), QStringLiteral("ti92p"), QStringLiteral("v200")};
}

QStringList cableNames()
{
    return {QStringLiteral("Automatique"), QStringLiteral("SilverLink (câble USB gris)"),
            QStringLiteral("USB direct (TI-89 Titanium)")};
}

QStringList calculatorNames()
{
    return {QStringLiteral("TI-89"), QStringLiteral("TI-89 Titanium"), QStringLiteral("TI-92 Plus"),
            QStringLiteral("Voyage 200")};
}

std::optional<Cable> cableFromWord(const QString &word)
{
    return fromWord<Cable>(cableWords(), word);
}

std::optional<Calculator> calculatorFromWord(const QString &word)
{
    return fromWord<Calculator>(calculatorWords(), word);
}

} // namespace tilink
