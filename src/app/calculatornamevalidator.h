#pragma once

#include <QValidator>

// Lets a text box hold only what the calculator accepts as a folder or variable
// name: 1 to 8 characters, a lower-case letter first, then lower-case letters,
// digits or "_". Capitals typed become lower case; an empty box may be left for
// the moment (the saves then use their own name).
class CalculatorNameValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
