#include "framework/core/FormatSettings.h"

#include "framework/core/Text.h"

#include <windows.h>

namespace fw {

namespace {
constexpr char kNoBreakSpace = '\xA0';

std::wstring UserLocaleText(LCTYPE item) {
    wchar_t buffer[16] = {};
    int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, int(std::size(buffer)));
    return length > 1 ? std::wstring(buffer, size_t(length - 1)) : std::wstring();
}
} // namespace

std::string SeparatorText(std::wstring_view separator) {
    std::string text = FromWide(separator);
    for (char& c : text)
        if (c == kUnmappableChar)
            c = kNoBreakSpace;
    return text;
}

TFormatSettings UserFormatSettings() {
    TFormatSettings settings;
    settings.thousandSeparator = SeparatorText(UserLocaleText(LOCALE_STHOUSAND));
    std::string decimal = SeparatorText(UserLocaleText(LOCALE_SDECIMAL));
    if (!decimal.empty())
        settings.decimalSeparator = decimal;
    return settings;
}

} // namespace fw
