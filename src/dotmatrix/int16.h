#pragma once

#include <QVariant>
#include <QtGlobal>

// The controls compute dot and pixel positions in 16-bit signed arithmetic, as
// their hosts expect: a result outside -32768..32767 is an overflow error.
namespace int16 {

// v itself, or NumberedError::Overflow when it does not fit in 16 bits.
int checked(qint64 v);

// A whole number given as a variant, converted the way the host's language
// converts to a 16-bit integer: empty gives 0, true gives -1, fractions round
// half to even, a text must hold a decimal number ("3", " 2,5 ", "1e1").
// Throws NumberedError::TypeMismatch for anything else (an empty text included)
// and NumberedError::Overflow for a number outside the 16-bit range.
int fromVariant(const QVariant &value);

} // namespace int16
