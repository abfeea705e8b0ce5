// The separators of the user's regional settings, as the program's
// single-byte text can show them.
#pragma once

#include <string>
#include <string_view>

namespace fw {

struct TFormatSettings {
    std::string thousandSeparator = ",";
    std::string decimalSeparator = ".";
};

// Read afresh from the user's regional settings at each call.
TFormatSettings UserFormatSettings();

// A separator as Windows gives it. A character that Windows-1252 cannot hold
// (recent French settings group digits with U+202F) shows as a no-break
// space: it still reads as a gap, never as "?" or a box.
std::string SeparatorText(std::wstring_view separator);

} // namespace fw
