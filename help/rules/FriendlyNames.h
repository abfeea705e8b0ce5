// The release names of the HTML Help control and of the browser control, by
// file version, as the debug report shows them.
#pragma once

#include "help/rules/Version.h"

#include <string>

namespace hh_funcs {

// "1.0" to "1.33", "> 1.33" above the last known release, "< 1.0" below the first.
std::string HelpFriendlyName(const FileVersion& version);
// Browser control names from "Internet Explorer 1.0 (Plus!)" to
// "Internet Explorer 6 (Windows XP)", with "<" and ">" names outside them.
std::string BrowserFriendlyName(const FileVersion& version);

} // namespace hh_funcs
