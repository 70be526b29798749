#include "calculatornamevalidator.h"

#include "picfile/calculatorname.h"

QValidator::State CalculatorNameValidator::validate(QString &input, int &) const
{
    input = input.toLower();
    if (input.isEmpty())
        return Intermediate;
    return picfile::isCalculatorName(input) ? Acceptable : Invalid;
}
