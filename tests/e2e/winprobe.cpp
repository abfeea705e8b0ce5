// Reads, from another process, what a person would see of a top-level window: its
// child windows with their class, text, id, state and place on the screen. One
// line per window, tab-separated, UTF-8, for the end-to-end tests.
//
// Usage:
//   winprobe.exe CAPTION          the visible top-level window with exactly that caption
//   winprobe.exe --close CAPTION  asks that window to close (WM_CLOSE)
//   winprobe.exe --list           every visible top-level window
//   winprobe.exe --print CAPTION FILE
//                                 what PrintWindow draws of that window, frame
//                                 included, as a binary PPM in FILE (with
//                                 printhook.dll, beside winprobe.exe)
// Columns: kind hwnd parent class text id visible enabled left top right bottom
//   kind "top": the window itself, rectangle of its frame;
//   kind "client": the window itself, rectangle of its client area;
//   kind "child": every descendant, in Z order, parent first.
// Rectangles are screen coordinates. In the text, backslash, tab, CR and LF are
// escaped as \\ \t \r \n. Exit status: 0 found, 1 no such window, 2 usage, 3 the picture
// could not be made or written.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT TextTimeoutMs = 1000;

std::string ToUtf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

std::string Escaped(const std::string& text) {
    std::string result;
    for (char c : text) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\n':
            result += "\\n";
            break;
        default:
            result += c;
        }
    }
    return result;
}

// Through SendMessageTimeout, so that a hung program cannot hang the probe.
std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, TextTimeoutMs,
                             &length))
        return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, TextTimeoutMs, &copied))
        return L"";
    text.resize(copied < length ? copied : length);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

void PrintLine(const char* kind, HWND window, HWND parent, LONG_PTR id, const RECT& rect) {
    std::string line = std::string(kind) + '\t';
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%#llx\t%#llx\t",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(parent)));
    line += buffer;
    line += Escaped(ToUtf8(ClassName(window))) + '\t';
    line += Escaped(ToUtf8(WindowText(window))) + '\t';
    std::snprintf(buffer, sizeof buffer, "%lld\t%d\t%d\t%ld\t%ld\t%ld\t%ld\n",
                  static_cast<long long>(id), IsWindowVisible(window) ? 1 : 0,
                  IsWindowEnabled(window) ? 1 : 0, rect.left, rect.top, rect.right, rect.bottom);
    line += buffer;
    std::fwrite(line.data(), 1, line.size(), stdout);
}

void PrintWindowRect(const char* kind, HWND window, HWND parent, LONG_PTR id) {
    RECT rect{};
    GetWindowRect(window, &rect);
    PrintLine(kind, window, parent, id, rect);
}

void PrintClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    PrintLine("client", window, nullptr, 0, rect);
}

BOOL CALLBACK PrintChild(HWND window, LPARAM) {
    PrintWindowRect("child", window, GetAncestor(window, GA_PARENT),
                    GetWindowLongPtrW(window, GWLP_ID));
    return TRUE;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
    if (IsWindowVisible(window))
        PrintWindowRect("top", window, nullptr, 0);
    return TRUE;
}

struct CaptionSearch {
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    if (IsWindowVisible(window) && WindowText(window) == *search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const std::wstring& caption) {
    CaptionSearch search{&caption, nullptr};
    EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window as PrintWindow draws it, made inside the window's own process:
// Wine hands PrintWindow's DC on to the window, and a DC means nothing in
// another process. The hook of printhook.dll makes the picture there when it
// sees the message below go by; the file's name travels as a global atom.
bool SavePrint(HWND window, const wchar_t* path) {
    wchar_t self[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dll(self, length);
    dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"printhook.dll";
    HMODULE module = LoadLibraryW(dll.c_str());
    FARPROC found = module ? GetProcAddress(module, "PrintHook") : nullptr;
    auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(found));
    if (!hook)
        return false;
    HHOOK installed =
        SetWindowsHookExW(WH_CALLWNDPROC, hook, module, GetWindowThreadProcessId(window, nullptr));
    ATOM name = GlobalAddAtomW(path);
    DeleteFileW(path);
    DWORD_PTR result = 0;
    bool answered = installed && name &&
                    SendMessageTimeoutW(window, RegisterWindowMessageW(L"winprobe.PrintWindow"),
                                        name, 0, SMTO_ABORTIFHUNG, 10000, &result);
    GlobalDeleteAtom(name);
    if (installed)
        UnhookWindowsHookEx(installed);
    return answered && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int Usage() {
    std::fprintf(stderr, "usage: winprobe CAPTION | winprobe --close CAPTION | winprobe --list"
                         " | winprobe --print CAPTION FILE\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY); // LF line ends, as the reader expects
    std::wstring first = argc > 1 ? argv[1] : L"";
    if (argc == 2 && first == L"--list") {
        EnumWindows(PrintTopLevel, 0);
        return 0;
    }
    bool close = first == L"--close";
    bool print = first == L"--print";
    if (argc != (print ? 4 : close ? 3 : 2))
        return Usage();
    HWND window = FindTopLevel(argv[close || print ? 2 : 1]);
    if (!window)
        return 1;
    if (close) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (print)
        return SavePrint(window, argv[3]) ? 0 : 3;
    PrintWindowRect("top", window, nullptr, 0);
    PrintClientRect(window);
    EnumChildWindows(window, PrintChild, 0);
    std::fflush(stdout);
    return 0;
}
