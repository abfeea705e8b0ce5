#include "help/Files.h"

#include "help/rules/Paths.h"
#include "help/rules/ReportText.h"

#include <windows.h>

#include <cstdlib>

namespace hh_funcs {

namespace {

// Calls fill(buffer, size) with a growing buffer until the whole text fits.
template <class Fill> std::wstring GrowingRead(Fill fill) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = fill(text.data(), DWORD(text.size()));
        if (length == 0)
            return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(ForFileCall(path).c_str());
}

} // namespace

std::wstring ProgramFilePath() {
    // A cut-off name fills the whole buffer; only a shorter one is complete.
    return GrowingRead([](wchar_t* buffer, DWORD size) {
        DWORD length = GetModuleFileNameW(nullptr, buffer, size);
        return length >= size ? size : length;
    });
}

std::wstring ForFileCall(const std::wstring& path) {
    return ExtendedLengthPath(path);
}

std::vector<std::wstring> CommandLineItems() {
    std::vector<std::wstring> items;
    // Only a wide entry point has the runtime fill __wargv.
    for (int i = 0; __wargv && i < __argc; ++i)
        items.emplace_back(__wargv[i]);
    return items;
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::wstring& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SystemDirectory() {
    std::wstring directory = GrowingRead([](wchar_t* buffer, DWORD size) {
        UINT length = GetSystemDirectoryW(buffer, size);
        return length >= size ? size : length;
    });
    TrimTrailingChar(directory, L'\\');
    return directory;
}

std::wstring TempDirectory() {
    std::wstring directory = GrowingRead([](wchar_t* buffer, DWORD size) {
        DWORD length = GetTempPathW(size, buffer);
        return length >= size ? size : length;
    });
    if (directory.empty() || !DirectoryExists(directory))
        return L"c:";
    TrimTrailingChar(directory, L'\\');
    return directory;
}

bool CanWriteToDirectory(const std::wstring& directory) {
    std::wstring probe = directory;
    TrimTrailingChar(probe, L'\\');
    probe = ForFileCall(probe + L"\\$_Temp_$.$$$");
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return true;
}

} // namespace hh_funcs
