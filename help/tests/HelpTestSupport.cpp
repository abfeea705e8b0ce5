#include "HelpTestSupport.h"

#include "help/Files.h"
#include "help/rules/Paths.h"

#include <gtest/gtest.h>

namespace helptest {

namespace {
constexpr wchar_t kControlKey[] = L"CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

std::wstring UniqueName(const std::wstring& stem) {
    // A process id comes back; a folder left by a test that was stopped must not be in the way.
    static int counter = 0;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(++counter);
}
} // namespace

std::wstring BuildDir() {
    return hh_funcs::DirectoryPart(hh_funcs::ProgramFilePath());
}

ScratchDir::ScratchDir(const std::wstring& name)
    : path_(hh_funcs::TempDirectory() + L"\\" + UniqueName(L"six-help") + L"\\" + name) {
    CreateDirectoryW(hh_funcs::DirectoryPart(path_).c_str(), nullptr);
    EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr)) << "cannot make a scratch folder";
}

ScratchDir::~ScratchDir() {
    RemoveTree(hh_funcs::DirectoryPart(path_));
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring MakeLongFolder(const std::wstring& base, std::size_t length) {
    std::wstring folder = base;
    while (folder.size() < length) {
        folder += L"\\un-dossier-au-nom-assez-long-pour-la-classe";
        EXPECT_TRUE(CreateDirectoryW(hh_funcs::ForFileCall(folder).c_str(), nullptr));
    }
    return folder;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(hh_funcs::ForFileCall(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write a test file";
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file =
        CreateFileW(hh_funcs::ForFileCall(path).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(hh_funcs::ForFileCall(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

RedirectedClasses::RedirectedClasses()
    : name_(L"Software\\SixpointeTests\\" + UniqueName(L"Classes")) {
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &root_, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, root_), ERROR_SUCCESS);
}

RedirectedClasses::~RedirectedClasses() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, name_.c_str());
}

void RedirectedClasses::RegisterControlWithoutValue() {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExW(root_, kControlKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

void RedirectedClasses::RegisterControl(const std::wstring& value, DWORD type) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExW(root_, kControlKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

} // namespace helptest
