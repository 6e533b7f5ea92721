#include "ui/core/OptionControls.h"

std::string OpacityEntryText(int index) {
    return std::to_string((index + 1) * 5) + "%";
}

int OpacityIndex(int32_t opacity) {
    // Checked before the arithmetic, which the lowest stored value would overflow.
    if (opacity < 5) return 0;
    const int index = (opacity - 5) / 5;
    return index >= kOpacityEntries ? kOpacityEntries - 1 : index;
}

int32_t OpacityFromIndex(int index, int32_t stored) {
    if (index < 0 || index >= kOpacityEntries) return stored;
    return (index + 1) * 5;
}

IntervalCheck CheckInterval(const std::string& text, int32_t& value) {
    size_t i = 0;
    auto blank = [&](size_t at) { return at < text.size() && (text[at] == ' ' || text[at] == '\t'); };
    while (blank(i)) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t digits = i;
    long long n = 0;
    bool huge = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > 1000000000000LL) {
            huge = true;
            n = 1000000000000LL;
        }
    }
    if (i == digits) return IntervalCheck::NotInteger;
    while (blank(i)) ++i;
    if (i != text.size()) return IntervalCheck::NotInteger;
    if (negative) n = -n;
    if (huge || n < kIntervalMin || n > kIntervalMax) return IntervalCheck::OutOfRange;
    value = static_cast<int32_t>(n);
    return IntervalCheck::Ok;
}

std::string FormatRangeMessage(const std::string& format, int32_t low, int32_t high) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == '1' || format[i + 1] == '2')) {
            out += std::to_string(format[i + 1] == '1' ? low : high);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}
