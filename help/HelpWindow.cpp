#include "help/HelpWindow.h"

#include "help/hh.h"

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

} // namespace

bool DisplayHelpFile(const std::wstring& file) {
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
