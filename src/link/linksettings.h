#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

namespace tilink {

// The cables: found by themselves, or the one chosen.
enum class Cable { Automatic, SilverLink, DirectUsb };
// The calculators that hold .89i pictures.
enum class Calculator { Ti89, Ti89Titanium, Ti92Plus, Voyage200 };

// How the program reaches the calculator ("Liaison"), kept between runs.
struct LinkSettings
{
    Cable cable = Cable::Automatic;
    Calculator calculator = Calculator::Ti89;
    // How long the cable waits for each answer of the calculator, in tenths of a
    // second; tests make it short.
    int timeoutTenths = 30;

    // From the program's settings (QSettings("Brivane", "Brivane") when null);
    // unknown values fall back to the defaults.
    static LinkSettings load(QSettings *settings = nullptr);
    void save(QSettings *settings = nullptr) const;
};

// The command-line words ("auto", "silverlink", "usb"; "ti89", "ti89t", "ti92p",
// "v200") and the names the dialog shows, in the order of the enums.
QStringList cableWords();
QStringList calculatorWords();
QStringList cableNames();
QStringList calculatorNames();
std::optional<Cable> cableFromWord(const QString &word);
std::optional<Calculator> calculatorFromWord(const QString &word);

} // namespace tilink
