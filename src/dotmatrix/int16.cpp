#include "int16.h"

#include "numberederror.h"

namespace int16 {

int checked(qint64 v)
{
    if (v < -32768 || v > 32767)
        throw NumberedError(NumberedError::Overflow);
    return int(v);
}

} // namespace int16
