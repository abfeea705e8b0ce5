// A key pressed or released through the system's input queue (SendInput), as
// a keyboard sends it: virtual key and scan code both. Header only, for the
// benches as for the tests.
#pragma once

#include <windows.h>

namespace guitest {

inline void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

} // namespace guitest
