// The program's two calls into the HTML Help library.
#pragma once

#include <string>

namespace hh {

// Opens the help file at its default topic, first removing the mark that a
// download left on it. False when the library is not loaded (or lacks the
// entry that the path needs), or when the path is too long for the library
// and has no short form: nothing was asked of it.
bool DisplayHelpFile(const std::wstring& file);
// Closes every help window that the program opened; nothing without the library.
void CloseAllHelpWindows();

} // namespace hh
