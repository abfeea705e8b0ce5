#include "framework/core/Application.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace fw {

namespace {
TApplication* instance = nullptr;
constexpr wchar_t kUtilityClass[] = L"SixpointeApplication";
// Posted to the utility window: free the forms released since.
constexpr UINT kReleaseMessage = WM_APP + 0x100;
// The utility window's timer that runs the first idle work.
constexpr UINT_PTR kIdleTimer = 1;

// A press of a key or of a mouse button: what the user may ask of the program.
bool IsUserRequest(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
        return true;
    default:
        return false;
    }
}
} // namespace

TApplication* Application() {
    return instance;
}

TApplication::TApplication() : TComponent(nullptr) {
    instance = this;
}

TApplication::~TApplication() {
    DestroyForms();
    if (utilityWindow_)
        DestroyWindow(utilityWindow_);
    for (const auto& [size, icon] : icons_)
        DestroyIcon(icon);
    if (instance == this)
        instance = nullptr;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_COOL_CLASSES |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    UtilityWindow();
}

HWND TApplication::UtilityWindow() {
    if (utilityWindow_)
        return utilityWindow_;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilityClass;
    RegisterClassExW(&wc); // fails harmlessly when already registered
    utilityWindow_ = CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     wc.hInstance, nullptr);
    return utilityWindow_;
}

LRESULT CALLBACK TApplication::UtilityProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReleaseMessage && instance && instance->utilityWindow_ == hwnd) {
        instance->FreeReleasedForms();
        return 0;
    }
    if (message == WM_TIMER && wParam == kIdleTimer && instance &&
        instance->utilityWindow_ == hwnd) {
        instance->RunFirstIdleWork();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HICON TApplication::Icon(int pixels) {
    for (const auto& [size, icon] : icons_)
        if (size == pixels)
            return icon;
    auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, pixels, pixels, 0));
    if (icon)
        icons_.emplace_back(pixels, icon);
    return icon;
}

void TApplication::Run() {
    terminated_ = false;
    if (mainForm_)
        RunGuarded([this] { mainForm_->ShowMainWindow(); });
    MSG message;
    bool idleSeen = false;
    while (!terminated_) {
        // Once the shown windows are painted and nothing waits, the program
        // first waits for its user, as the system sees it (the moment a
        // launcher's WaitForInputIdle returns); the work the user need not
        // wait for comes right after that wait, or before the user's first
        // request if that comes sooner.
        if (!idleSeen && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            idleSeen = true;
            firstIdlePending_ = true;
            SetTimer(UtilityWindow(), kIdleTimer, USER_TIMER_MINIMUM, nullptr);
        }
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)
            break;
        if (IsUserRequest(message.message))
            RunFirstIdleWork();
        DispatchOne(message);
    }
    terminated_ = true;
}

void TApplication::RunFirstIdleWork() {
    if (!firstIdlePending_)
        return;
    firstIdlePending_ = false;
    KillTimer(utilityWindow_, kIdleTimer);
    // The windows of hidden pages are made ahead of the user's first look at them.
    if (mainForm_)
        RunGuarded([this] { mainForm_->CreateWaitingWindows(); });
    if (OnFirstIdle)
        RunGuarded(OnFirstIdle);
}

bool TApplication::HandleMessage() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return false;
    }
    DispatchOne(message);
    return true;
}

void TApplication::DispatchOne(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void TApplication::Terminate() {
    if (!terminated_)
        PostQuitMessage(0);
}

void TApplication::FormDestroyed(TComponent* form) {
    if (form == mainComponent_) {
        mainForm_ = nullptr;
        mainComponent_ = nullptr;
    }
    std::erase(released_, form);
}

void TApplication::Release(TComponent* form) {
    if (std::find(released_.begin(), released_.end(), form) != released_.end())
        return;
    released_.push_back(form);
    // Only the list says what to free: the message carries no pointer.
    // Never a thread message (a null window): modal loops drop those.
    if (released_.size() == 1) {
        if (HWND window = UtilityWindow())
            PostMessageW(window, kReleaseMessage, 0, 0);
    }
}

void TApplication::FreeReleasedForms() {
    // One at a time from the list: freeing a form may free others that were
    // released too (forms it owns), and those leave the list as they go. A
    // fault is shown and the next form still goes: nothing leaves this window
    // procedure for the system.
    while (!released_.empty()) {
        TComponent* form = released_.front();
        released_.erase(released_.begin());
        RunGuarded([form] { TComponent::Free(form); });
    }
}

void TApplication::DestroyForms() {
    // Components go newest first, so the main form, created first, goes last.
    DestroyComponents();
    mainForm_ = nullptr;
    mainComponent_ = nullptr;
    released_.clear();
}

void TApplication::ShowException(const std::string& message) {
    if (OnException) {
        OnException(message);
        return;
    }
    HWND owner = mainForm_ ? mainForm_->OwnerWindow() : nullptr;
    MessageBoxW(owner, ToWide(message).c_str(), ToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}

void ReportHandlerException(std::exception_ptr error) noexcept {
    try {
        std::string message;
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            message = e.what();
        } catch (...) {
            message = "Erreur inattendue.";
        }
        if (TApplication* application = Application())
            application->ShowException(message);
        else
            MessageBoxW(nullptr, ToWide(message).c_str(), nullptr, MB_OK | MB_ICONSTOP);
    } catch (...) {
        // No memory left even for the message: the program goes on without it.
    }
}

} // namespace fw
