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

// The longest path that every Windows call takes as it is, without its
// terminating zero: MAX_PATH - 1.
constexpr std::size_t kLongestPlainPath = 259;
// A full path longer than kLongestPlainPath in the extended-length form
// ("\\?\C:\..." or "\\?\UNC\server\..."), which file calls take whatever
// the system's settings; any other path as it is.
std::wstring ExtendedLengthPath(std::wstring_view path);
// The usual form of a path that may be in the extended-length form.
std::wstring PlainPath(std::wstring_view path);

} // namespace hh_funcs
