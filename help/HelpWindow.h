// The program's two calls into the HTML Help library.
#pragma once

#include <string>

namespace hh {

// Opens the help file at its default topic. False when the library is not
// loaded (or lacks the entry that the path needs), so nothing was asked of it.
bool DisplayHelpFile(const std::wstring& file);
// Closes every help window that the program opened; nothing without the library.
void CloseAllHelpWindows();

} // namespace hh
