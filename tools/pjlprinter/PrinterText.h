#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// How the printer writes numbers, times and stray bytes in its log and menu map.

// 123456 -> "123 456"
std::string GroupedDigits(std::uint64_t number);

// "2026-12-08 16:05:37"; false for a time the calendar functions cannot show.
bool UtcTimeText(std::int64_t seconds, std::string& text);
std::string LocalTimeText(std::time_t seconds);

// 540 -> "+540 minutes"
std::string OffsetText(int minutes);

// PJL words compare without case; only ASCII letters change.
std::string Upper(std::string_view text);

// Printable ASCII as it is, every other byte as \xNN, in double quotes.
std::string QuotedBytes(const std::string& bytes);
