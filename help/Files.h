// The files and folders the help survey looks at, by their full UTF-16 paths:
// no buffer cuts a long path and no code page mangles a folder's name.
#pragma once

#include <string>
#include <vector>

namespace hh_funcs {

// The program's own file.
std::wstring ProgramFilePath();
// The command line as the C runtime split it: the program, then its parameters.
std::vector<std::wstring> CommandLineItems();
// `path` as the file calls below take it: in the extended-length form when it
// is longer than the plain form allows (Windows refuses it otherwise).
std::wstring ForFileCall(const std::wstring& path);
bool FileExists(const std::wstring& path);
bool DirectoryExists(const std::wstring& path);
// The Windows system folder, without trailing backslashes.
std::wstring SystemDirectory();
// The temporary folder, without trailing backslashes; "c:" when it does not exist.
std::wstring TempDirectory();
// True when a file can be created in `directory`: the probe file
// "$_Temp_$.$$$" is created there (an old one is truncated) and deleted.
bool CanWriteToDirectory(const std::wstring& directory);

} // namespace hh_funcs
