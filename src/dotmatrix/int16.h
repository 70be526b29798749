#pragma once

#include <QtGlobal>

// The controls compute dot and pixel positions in 16-bit signed arithmetic, as
// their hosts expect: a result outside -32768..32767 is an overflow error.
namespace int16 {

// v itself, or NumberedError::Overflow when it does not fit in 16 bits.
int checked(qint64 v);

} // namespace int16
