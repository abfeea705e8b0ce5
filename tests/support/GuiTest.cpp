#include "GuiTest.h"

#include "framework/core/Application.h"

#include <map>
#include <utility>

namespace guitest {

void Pump() {
    MSG message;
    for (int idle = 0; idle < 3; ++idle) {
        bool any = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (message.message == WM_QUIT) {
                // Keep the quit request for the code under test to see.
                PostQuitMessage(int(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (any)
            idle = 0;
    }
}

namespace {
std::map<UINT_PTR, std::function<void()>>& LaterSteps() {
    static std::map<UINT_PTR, std::function<void()>> steps;
    return steps;
}

void CALLBACK RunLaterStep(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto it = LaterSteps().find(id);
    if (it == LaterSteps().end())
        return;
    std::function<void()> step = std::move(it->second);
    LaterSteps().erase(it);
    step();
}
} // namespace

void Later(std::function<void()> step, UINT delayMs) {
    UINT_PTR id = SetTimer(nullptr, 0, delayMs, RunLaterStep);
    LaterSteps()[id] = std::move(step);
}

void PressKey(HWND window, UINT virtualKey) {
    UINT scan = MapVirtualKeyW(virtualKey, 0);
    PostMessageW(window, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
    PostMessageW(window, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
    Pump();
}

void PressKeyHolding(HWND window, UINT virtualKey, std::initializer_list<UINT> held) {
    BYTE keys[256];
    GetKeyboardState(keys);
    for (UINT key : held)
        keys[key] = 0x80;
    SetKeyboardState(keys);
    PressKey(window, virtualKey);
    for (UINT key : held)
        keys[key] = 0;
    SetKeyboardState(keys);
}

void Type(HWND window, std::wstring_view text) {
    for (wchar_t c : text) {
        PostMessageW(window, WM_CHAR, c, 1);
        Pump();
    }
}

void Click(HWND window, int x, int y, UINT downMessage) {
    UINT upMessage = downMessage == WM_LBUTTONDOWN   ? WM_LBUTTONUP
                     : downMessage == WM_RBUTTONDOWN ? WM_RBUTTONUP
                                                     : WM_MBUTTONUP;
    WPARAM button = downMessage == WM_LBUTTONDOWN   ? MK_LBUTTON
                    : downMessage == WM_RBUTTONDOWN ? MK_RBUTTON
                                                    : MK_MBUTTON;
    PostMessageW(window, downMessage, button, MAKELPARAM(x, y));
    PostMessageW(window, upMessage, 0, MAKELPARAM(x, y));
    Pump();
}

void Paste(HWND window, std::wstring_view text) {
    OpenClipboard(window);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* buffer = static_cast<wchar_t*>(GlobalLock(memory));
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(window, WM_PASTE, 0, 0);
    Pump();
}

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

namespace {
constexpr const wchar_t* kMessagesSeen = L"guitest::MessagesSeen";
}

MessagesSeen::MessagesSeen(HWND window, UINT message) : window_(window), message_(message) {
    SetPropW(window, kMessagesSeen, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

MessagesSeen::~MessagesSeen() {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropW(window_, kMessagesSeen);
}

LRESULT CALLBACK MessagesSeen::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<MessagesSeen*>(GetPropW(window, kMessagesSeen));
    if (message == self->message_) {
        ++self->count;
        self->lastWParam = wParam;
    }
    return CallWindowProcW(self->original_, window, message, wParam, lParam);
}

} // namespace guitest
