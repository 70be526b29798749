#include "numberederror.h"

NumberedError::NumberedError(int number)
    : NumberedError(number, standardDescription(number))
{
}

NumberedError::NumberedError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(QStringLiteral("%1 : %2").arg(number).arg(m_description).toStdString())
{
}

QString NumberedError::standardDescription(int number)
{
    switch (number) {
    case InvalidArgument:
        return QStringLiteral("Appel de procédure ou argument incorrect");
    case Overflow:
        return QStringLiteral("Dépassement de capacité");
    case SubscriptOutOfRange:
        return QStringLiteral("L'indice n'appartient pas à la sélection");
    case TypeMismatch:
        return QStringLiteral("Incompatibilité de type");
    case PropertyNotAtRuntime:
        return QStringLiteral("Propriété Inaccessible à l'exécution");
    }
    return QStringLiteral("Erreur %1").arg(number);
}
