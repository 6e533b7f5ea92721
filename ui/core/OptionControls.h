// The display option controls of the configuration window: the opacity list, the
// interval's check as the platform's data exchange makes it, and the range message.
#pragma once
#include <cstdint>
#include <string>

constexpr int kOpacityEntries = 20;  // 5%, 10%, ... 100%
constexpr int32_t kIntervalMin = 5;
constexpr int32_t kIntervalMax = 1000;

std::string OpacityEntryText(int index);
// The entry a stored opacity selects; a damaged value selects the nearest end of the list.
int OpacityIndex(int32_t opacity);
// The opacity of a selected entry; with no entry selected the stored value stays.
int32_t OpacityFromIndex(int index, int32_t stored);

enum class IntervalCheck { Ok, NotInteger, OutOfRange };
// A whole number, optionally signed and surrounded by blanks, within 5..1000.
IntervalCheck CheckInterval(const std::string& text, int32_t& value);

// The platform's range message: "%1" and "%2" become the limits.
std::string FormatRangeMessage(const std::string& format, int32_t low, int32_t high);
