#pragma once

#include "convert/dithering.h"
#include "convert/document.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class Console;

// What "brivane convertir" was asked to do.
struct ConvertOptions
{
    int width = Document::kScreenWidth;
    int height = Document::kScreenHeight;
    int level = 0;
    bool automaticLevel = false; // "--niveau auto": Otsu's level of each picture
    monochrome::Dithering dithering = monochrome::Dithering::None;
    double toneCurve = monochrome::kDefaultToneCurve; // "--tons G"
    bool autoContrast = false;                        // "--contraste auto"
    bool keepProportions = false;
    // Done to each picture before it is fitted, in this order: the turn ("--rotation",
    // then "--miroir"), then the frame ("--cadre", in the turned picture's pixels, or
    // "--rogner": the content within the margins).
    Orientation orientation;
    std::optional<QRect> frame;
    bool frameContent = false;
    Reduction reduction = Reduction::Mean;
    bool simpleMethod = false;
    bool invertColours = false;
    QString calculatorFolder = QStringLiteral("zfig");
    std::optional<QString> variableName;
    std::optional<QString> outputFile;   // one source, a file name ending in .89i
    std::optional<QString> outputFolder; // an existing folder
    int tasks = 1;                       // sources converted at once
    QStringList sources;
};

// The options of "convertir" from its arguments (the program first). Nothing when
// the run ends here, *status saying how: the help was printed (Success) or a
// usage error reported (UsageError).
std::optional<ConvertOptions> parseConvertOptions(const QStringList &arguments, const Console &console,
                                                  int *status);
