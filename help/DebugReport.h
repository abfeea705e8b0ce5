// The start-up debug report "HHDebug.txt": Windows-1252 text, one line at a time.
#pragma once

#include <string_view>

namespace hh_funcs {

// Appends one line (shaped as the report writes it) to the report, opening
// and closing the file around it; a line that cannot be written is dropped.
void AppendDebugLine(std::string_view line);
// Deletes an old report, then writes the 22 lines when the debug switch is on.
void WriteDebugReport();

} // namespace hh_funcs
