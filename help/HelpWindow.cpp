#include "help/HelpWindow.h"

#include "help/Files.h"
#include "help/hh.h"
#include "help/rules/Paths.h"

#include <optional>

namespace hh {

namespace {

// The path in the ANSI code page, when every character of it survives there
// (no '?' and no look-alike in place of a letter).
std::optional<std::string> ExactAnsi(const std::wstring& path) {
    // UTF-8 holds every character, and refuses the "lossy" question.
    bool utf8 = GetACP() == CP_UTF8;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* asked = utf8 ? nullptr : &lossy;
    int size = WideCharToMultiByte(CP_ACP, flags, path.c_str(), -1, nullptr, 0, nullptr, asked);
    if (size <= 0 || lossy)
        return std::nullopt;
    std::string ansi(size, '\0');
    WideCharToMultiByte(CP_ACP, flags, path.c_str(), -1, ansi.data(), size, nullptr, asked);
    ansi.resize(size - 1);
    return ansi;
}

// A help file unpacked from a downloaded zip carries the browser's mark, and
// the help viewer then shows blank pages. Only the program's own file loses
// it; when that fails, nothing else changes.
void RemoveDownloadMark(const std::wstring& file) {
    DeleteFileW(hh_funcs::ForFileCall(file + L":Zone.Identifier").c_str());
}

// Help libraries keep paths in buffers of MAX_PATH characters, and Wine's ends
// the program on a longer one: such a path goes as its 8.3 form, if it has one.
std::optional<std::wstring> PathForLibrary(const std::wstring& file) {
    if (file.size() <= hh_funcs::kLongestPlainPath)
        return file;
    std::wstring extended = hh_funcs::ForFileCall(file);
    DWORD size = GetShortPathNameW(extended.c_str(), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring shortPath(size, L'\0');
    size = GetShortPathNameW(extended.c_str(), shortPath.data(), size);
    if (size == 0 || size >= shortPath.size())
        return std::nullopt;
    shortPath.resize(size);
    shortPath = hh_funcs::PlainPath(shortPath);
    if (shortPath.size() > hh_funcs::kLongestPlainPath)
        return std::nullopt;
    return shortPath;
}

} // namespace

bool DisplayHelpFile(const std::wstring& wholePath) {
    if (!HtmlHelpDefault && !HtmlHelpW)
        return false;
    RemoveDownloadMark(wholePath);
    std::optional<std::wstring> path = PathForLibrary(wholePath);
    if (!path)
        return false;
    const std::wstring& file = *path;
    HWND desktop = GetDesktopWindow();
    if (HtmlHelpDefault) {
        if (std::optional<std::string> ansi = ExactAnsi(file)) {
            HtmlHelpDefault(desktop, ansi->c_str(), HH_DISPLAY_TOPIC, 0);
            return true;
        }
    }
    // A folder name the ANSI code page cannot spell: only the wide entry finds the file.
    if (!HtmlHelpW)
        return false;
    HtmlHelpW(desktop, file.c_str(), HH_DISPLAY_TOPIC, 0);
    return true;
}

void CloseAllHelpWindows() {
    if (HtmlHelpDefault)
        HtmlHelpDefault(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

} // namespace hh
