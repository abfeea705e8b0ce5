// Splitting the program's own paths, kept as UTF-16 so that no character of
// a folder's name is lost.
#pragma once

#include <string>
#include <string_view>

namespace hh_funcs {

// Everything up to and with the last '\' or drive colon: "C:\A\b.exe" gives
// "C:\A\"; a bare file name gives "".
std::wstring DirectoryWithSeparator(std::wstring_view path);
// The directory without trailing backslashes: "C:\A", or "X:" for a file at
// the root of drive X.
std::wstring DirectoryPart(std::wstring_view path);
// What follows the directory part.
std::wstring FileNamePart(std::wstring_view path);
// The help file that lies beside the program file `programPath`.
std::wstring HelpFileBeside(std::wstring_view programPath);

} // namespace hh_funcs
