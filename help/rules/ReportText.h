// Small text rules of the help survey and its debug report.
#pragma once

#include <string>
#include <string_view>

namespace hh_funcs {

// Removes every trailing `ch` (the survey uses it with the backslash).
template <class Char> void TrimTrailingChar(std::basic_string<Char>& text, Char ch) {
    while (!text.empty() && text.back() == ch)
        text.pop_back();
}

// `ch` repeated `count` times; empty for a count of 0 or less.
std::string RepeatChar(char ch, int count);

std::string YesNoText(bool value);

// A report line as written: "-" and "=" stand for separator lines, and the
// first character is dropped when it is '!', '-' or '=' (so separators come
// out 79 characters long, and no line keeps its leading '!').
std::string ShapeReportLine(std::string_view line);

// "/debug" or "-debug" in any letter case; nothing else (not the bare word).
bool IsDebugSwitch(std::wstring_view parameter);

} // namespace hh_funcs
