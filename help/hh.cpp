#include "help/hh.h"

#include "help/Files.h"

namespace hh {

HMODULE hhLibraryHandle = nullptr;
bool hhLoadAtStartup = true;
HtmlHelpProcA HtmlHelpA = nullptr;
HtmlHelpProcW HtmlHelpW = nullptr;
HtmlHelpProcA HtmlHelpDefault = nullptr;

namespace {

constexpr wchar_t kControlKey[] = L"CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

// The key's default value as stored: a REG_EXPAND_SZ keeps its references.
std::wstring DefaultValue(HKEY key) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS)
        return {};
    // The stored text need not end with a zero.
    text.resize(bytes / sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

template <class Proc> Proc Export(const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(hhLibraryHandle, name)));
}

} // namespace

std::wstring FindHelpControlPath() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kControlKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    std::wstring path = DefaultValue(key);
    RegCloseKey(key);
    if (!path.empty() && !hh_funcs::FileExists(path))
        return {};
    return path;
}

void LoadHelpLibrary() {
    if (hhLibraryHandle)
        return;
    std::wstring path = FindHelpControlPath();
    if (path.empty())
        return;
    hhLibraryHandle = LoadLibraryW(path.c_str());
    if (!hhLibraryHandle)
        return;
    HtmlHelpA = Export<HtmlHelpProcA>("HtmlHelpA");
    HtmlHelpW = Export<HtmlHelpProcW>("HtmlHelpW");
    HtmlHelpDefault = Export<HtmlHelpProcA>("HtmlHelpA");
}

void UnloadHelpLibrary() {
    if (!hhLibraryHandle)
        return;
    FreeLibrary(hhLibraryHandle);
    HtmlHelpA = nullptr;
    HtmlHelpW = nullptr;
    HtmlHelpDefault = nullptr;
    hhLibraryHandle = nullptr;
}

void Initialize() {
    if (hhLoadAtStartup)
        LoadHelpLibrary();
}

void Finalize() {
    UnloadHelpLibrary();
}

} // namespace hh
