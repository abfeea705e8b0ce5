#include "help/HelpWindow.h"

#include "help/hh.h"

#include <optional>

namespace hh {

namespace {

// The path in the ANSI code page, when every character of it survives there.
std::optional<std::string> ExactAnsi(const std::wstring& path)
{
    BOOL lossy = FALSE;
    int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0,
                                   nullptr, &lossy);
    if (size <= 0 || lossy)
        return std::nullopt;
    std::string ansi(size, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, ansi.data(), size, nullptr,
                        &lossy);
    ansi.resize(size - 1);
    std::wstring back(path.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, back.data(), int(back.size()));
    if (lossy || length <= 0 || back.compare(0, length - 1, path) != 0 || size_t(length - 1) != path.size())
        return std::nullopt;
    return ansi;
}

} // namespace

bool DisplayHelpFile(const std::wstring& file)
{
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

void CloseAllHelpWindows()
{
    if (HtmlHelpDefault)
        HtmlHelpDefault(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

} // namespace hh
