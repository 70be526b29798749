#pragma once

// The TI link libraries (libticables2, libtifiles2, libticalcs2). Their C headers
// use C's "restrict", which C++ spells __restrict.
#define restrict __restrict
#include <ticalcs.h>
#undef restrict

namespace tilink {

// Starts the three libraries once per process and silences their log lines: the
// program says what went wrong in its own words.
void initLibraries();

// The libraries' error numbers this program tells apart (their error.h is not installed).
namespace errors {
inline constexpr int kReadError = 3;
inline constexpr int kReadTimeout = 4;
inline constexpr int kWriteError = 5;
inline constexpr int kWriteTimeout = 6;
inline constexpr int kUsbOpen = 37;
inline constexpr int kUsbClaim = 38;
inline constexpr int kNoCable = 50;
inline constexpr int kAbort = 256;
inline constexpr int kNotReady = 257;
inline constexpr int kChecksum = 258;
inline constexpr int kVariableRejected = 263;
inline constexpr int kOutOfMemory = 273;
// The calculator's refusals: over the grey cable (350 + the calculator's reason)
// and over direct USB (300 + reason).
inline constexpr int kRefusedFirst = 300;
inline constexpr int kRefusedLast = 399;
inline constexpr int kRefusedLockedOrArchived = 353;
inline constexpr int kRefusedInvalidName = 352;
inline constexpr int kUsbRefusedOutOfMemory = 305;
inline constexpr int kUsbRefusedTooLarge = 309;
inline constexpr int kUsbRefusedLocked = 310;
} // namespace errors

} // namespace tilink
