// What assistive tools (screen readers, magnifiers) read of a control: its
// window answers WM_GETOBJECT with an IAccessible object of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace fw {

struct TAccessibleInfo {
    std::string name;  // Windows-1252, as every text of the framework
    std::string value; // empty: the object has no value
    long role = 0;     // ROLE_SYSTEM_*
    bool focusable = false;
    bool readOnly = false;
};
using TAccessibleInfoEvent = std::function<void(TAccessibleInfo& info)>;

// The private message by which an accessible object asks its window, on the
// window's own thread and only while the window lives, for what it shows now.
constexpr UINT kDescribeAccessible = WM_APP + 0x102;

// The answer to WM_GETOBJECT for the window's client object; 0 when the
// system's accessibility library cannot be had, so that the default answers.
// The library is loaded on the first question, so start-up never pays for it.
LRESULT AnswerGetObject(HWND window, WPARAM wParam);

} // namespace fw
