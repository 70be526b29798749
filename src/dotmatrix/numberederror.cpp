#include "numberederror.h"

namespace {

QString descriptionOf(NumberedError::Number number)
{
    switch (number) {
    case NumberedError::InvalidArgument:
        return QStringLiteral("Appel de procédure ou argument incorrect");
    case NumberedError::Overflow:
        return QStringLiteral("Dépassement de capacité");
    case NumberedError::SubscriptOutOfRange:
        return QStringLiteral("L'indice n'appartient pas à la sélection");
    }
    return QStringLiteral("Erreur %1").arg(int(number));
}

} // namespace

NumberedError::NumberedError(Number number)
    : m_number(number)
    , m_description(descriptionOf(number))
    , m_what(QStringLiteral("%1 : %2").arg(int(number)).arg(m_description).toStdString())
{
}
