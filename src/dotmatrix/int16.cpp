#include "int16.h"

#include "platform/numberederror.h"

#include <QLocale>

#include <cmath>

namespace int16 {

namespace {

int fromDouble(double d)
{
    if (!std::isfinite(d))
        throw NumberedError(NumberedError::Overflow);
    // Banker's rounding: the default rounding mode of nearbyint.
    const double rounded = std::nearbyint(d);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw NumberedError(NumberedError::Overflow);
    return int(rounded);
}

int fromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double d = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        d = QLocale(QLocale::French).toDouble(trimmed, &ok);
    if (!ok)
        throw NumberedError(NumberedError::TypeMismatch);
    return fromDouble(d);
}

} // namespace

int checked(qint64 v)
{
    if (v < -32768 || v > 32767)
        throw NumberedError(NumberedError::Overflow);
    return int(v);
}

int fromVariant(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return 0;
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return checked(value.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong u = value.toULongLong();
        if (u > 32767)
            throw NumberedError(NumberedError::Overflow);
        return int(u);
    }
    case QMetaType::Float:
    case QMetaType::Double:
        return fromDouble(value.toDouble());
    case QMetaType::QString:
        return fromText(value.toString());
    default:
        throw NumberedError(NumberedError::TypeMismatch);
    }
}

} // namespace int16
