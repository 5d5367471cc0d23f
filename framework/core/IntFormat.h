#pragma once
// printf-style integer formatting for formats that come from files: the
// format is read here and never handed to the C library as a format.
#include <string>

namespace fw {

// Every integer conversion of format (%d, %i, %u, %x, %X, %o, with the flags
// "-+ #0", a width and a precision, each at most 64, and the length letters
// h, l, ll ignored) takes value; "%%" gives "%". Any other "%" sequence,
// including "%*d" and "%n", stays as written.
std::string FormatInt(const std::string& format, int value);

}  // namespace fw
