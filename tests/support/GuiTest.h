// Helpers for tests that drive real windows under Wine with real messages.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace guitest {

// Dispatches every message waiting, repeatedly, until the queue stays empty.
void Pump();

// A key pressed and released on the window, as the keyboard would send it:
// WM_KEYDOWN, the WM_CHAR that TranslateMessage makes of it, WM_KEYUP.
void PressKey(HWND window, UINT virtualKey);
// The same while modifier keys (VK_CONTROL, VK_SHIFT, ...) are held down.
void PressKeyHolding(HWND window, UINT virtualKey, std::initializer_list<UINT> held);
// Types each character as WM_CHAR, as a keyboard layout would deliver it.
void Type(HWND window, std::wstring_view text);
// A mouse button pressed and released at a point of the window's client area.
void Click(HWND window, int x, int y, UINT downMessage = WM_LBUTTONDOWN);
// Puts Unicode text on the clipboard and sends WM_PASTE.
void Paste(HWND window, std::wstring_view text);

// Runs `step` from the message loop that runs then, after `delayMs`: the way
// to act while a modal loop holds the thread.
void Later(std::function<void()> step, UINT delayMs = 10);

// Text of any window, through the W function.
std::wstring WindowText(HWND window);

// Counts one message reaching a window's own procedure (the window is
// subclassed meanwhile), and keeps the last one's wParam.
class MessagesSeen {
public:
    MessagesSeen(HWND window, UINT message);
    MessagesSeen(const MessagesSeen&) = delete;
    MessagesSeen& operator=(const MessagesSeen&) = delete;
    ~MessagesSeen();
    int count = 0;
    WPARAM lastWParam = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    UINT message_;
    WNDPROC original_ = nullptr;
};

// Counts the calls of MessageBeep made since the last reset; set up by the
// test main, which routes the framework's beep here.
int BeepCount();
void ResetBeepCount();

} // namespace guitest
