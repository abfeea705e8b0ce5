// Numbers written for the user: with a digit pattern, or with a C format
// string.
#pragma once

#include "framework/core/FormatSettings.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace fw {

// Writes `value` by a pattern of one section: '0' a digit always written,
// '#' a digit written when significant, ',' grouping of the integer part by
// threes, '.' the decimal point; text in single or double quotes, and any
// other character, is written as it stands. The value is rounded half away
// from zero to the decimals the pattern has. A whole part of 0 is written
// when nothing else of the number would show ("#,###" gives "0" for 0).
std::string FormatFloat(std::string_view pattern, double value, const TFormatSettings& settings);
// The same with the user's regional settings.
std::string FormatFloat(std::string_view pattern, double value);

// printf-style formatting into a string ("%d%%" for a percentage), by the
// system's C library: the runtime's own printf would add some 25 KB to the
// program file.
template <class... Args> std::string Format(const char* format, Args... args) {
    int length = _scprintf(format, args...);
    if (length <= 0)
        return {};
    std::string text(size_t(length), '\0');
    _snprintf(text.data(), text.size(), format, args...);
    return text;
}

} // namespace fw
