#include "help/rules/ReportText.h"

namespace hh_funcs {

namespace {
constexpr int kSeparatorLength = 80;

wchar_t AsciiLower(wchar_t ch) {
    return ch >= L'A' && ch <= L'Z' ? wchar_t(ch - L'A' + L'a') : ch;
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}
} // namespace

std::string RepeatChar(char ch, int count) {
    return count > 0 ? std::string(count, ch) : "";
}

std::string YesNoText(bool value) {
    return value ? "YES" : "NO";
}

std::string ShapeReportLine(std::string_view line) {
    std::string shaped(line);
    if (shaped == "-" || shaped == "=")
        shaped = RepeatChar(shaped[0], kSeparatorLength);
    if (!shaped.empty() && (shaped[0] == '!' || shaped[0] == '-' || shaped[0] == '='))
        shaped.erase(0, 1);
    return shaped;
}

bool IsDebugSwitch(std::wstring_view parameter) {
    return EqualIgnoringCase(parameter, L"/debug") || EqualIgnoringCase(parameter, L"-debug");
}

} // namespace hh_funcs
