#pragma once

#include <QString>

// The names the calculator accepts for folders and variables.
namespace picfile {

// 1 to 8 characters: a lower-case letter first, then lower-case letters, digits or "_".
bool isCalculatorName(const QString &name);

// The calculator name made from a file name: lower case, accents dropped, other
// characters left out, cut to 8; empty when no valid name is left.
QString calculatorName(const QString &fileName);

} // namespace picfile
