#include "IntFormat.h"

#include <cstdint>
#include <cstring>

namespace fw {

namespace {

constexpr int kMostDigitsOfWidth = 64;

std::string Digits(uint32_t v, unsigned base, bool upper)
{
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), set[v % base]);
        v /= base;
    } while (v != 0);
    return out;
}

// Reads up to 64 from digits at format[i]; false when the number is larger.
bool ReadCount(const std::string& format, size_t& i, int& count)
{
    count = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        count = count * 10 + (format[i++] - '0');
        if (count > kMostDigitsOfWidth) return false;
    }
    return true;
}

}  // namespace

std::string FormatInt(const std::string& format, int value)
{
    std::string out;
    size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        const size_t start = i++;
        bool left = false, plus = false, space = false, alt = false, zero = false;
        for (; i < format.size() && std::strchr("-+ #0", format[i]); ++i) {
            switch (format[i]) {
            case '-': left = true; break;
            case '+': plus = true; break;
            case ' ': space = true; break;
            case '#': alt = true; break;
            default: zero = true; break;
            }
        }
        int width = 0, precision = -1;
        bool sane = ReadCount(format, i, width);
        if (sane && i < format.size() && format[i] == '.') {
            ++i;
            sane = ReadCount(format, i, precision);
        }
        while (sane && i < format.size() && (format[i] == 'h' || format[i] == 'l')) ++i;
        const char conv = sane && i < format.size() ? format[i] : '\0';
        if (!conv || !std::strchr("diuxXo", conv)) {
            // Not an integer conversion: the text stays as it is.
            out += format.substr(start, (conv ? i + 1 : i) - start);
            i = conv ? i + 1 : i;
            continue;
        }
        ++i;

        const bool isSigned = conv == 'd' || conv == 'i';
        const unsigned base = conv == 'o' ? 8 : (conv == 'x' || conv == 'X') ? 16 : 10;
        const uint32_t magnitude = isSigned && value < 0 ? 0u - static_cast<uint32_t>(value)
                                                         : static_cast<uint32_t>(value);
        std::string digits = Digits(magnitude, base, conv == 'X');
        if (precision == 0 && magnitude == 0) digits.clear();
        if (precision > 0 && static_cast<int>(digits.size()) < precision)
            digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
        std::string prefix;
        if (isSigned) prefix = value < 0 ? "-" : plus ? "+" : space ? " " : "";
        if (alt && base == 8 && (digits.empty() || digits[0] != '0')) digits.insert(0, "0");
        if (alt && base == 16 && magnitude != 0) prefix = conv == 'X' ? "0X" : "0x";

        const int len = static_cast<int>(prefix.size() + digits.size());
        const size_t pad = width > len ? static_cast<size_t>(width - len) : 0;
        if (left) {
            out += prefix + digits + std::string(pad, ' ');
        } else if (zero && precision < 0) {
            out += prefix + std::string(pad, '0') + digits;
        } else {
            out += std::string(pad, ' ') + prefix + digits;
        }
    }
    return out;
}

}  // namespace fw
