#include "framework/Application.h"

#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/Text.h"

#include <commctrl.h>

#include <stdexcept>

namespace fw {

namespace {
TApplication* instance = nullptr;
// Posted to the application's thread to free a form outside its own handlers.
constexpr UINT kReleaseMessage = WM_APP + 0x100;
} // namespace

TApplication* Application() { return instance; }

TApplication::TApplication() : TComponent(nullptr) { instance = this; }

TApplication::~TApplication()
{
    DestroyForms();
    if (instance == this)
        instance = nullptr;
}

void TApplication::Initialize()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_COOL_CLASSES |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

HICON TApplication::Icon()
{
    if (!icon_)
        icon_ = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    return icon_;
}

void TApplication::Run()
{
    terminated_ = false;
    if (mainForm_)
        mainForm_->Show();
    MSG message;
    bool idleOnce = false;
    while (!terminated_) {
        // Once the shown windows are painted and nothing waits, the windows of
        // hidden pages are made ahead of the user's first look at them.
        if (!idleOnce && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            idleOnce = true;
            if (mainForm_)
                mainForm_->CreateWaitingHandles();
        }
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)
            break;
        DispatchOne(message);
    }
    terminated_ = true;
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        DispatchOne(message);
    }
}

void TApplication::DispatchOne(MSG& message)
{
    if (message.hwnd == nullptr && message.message == kReleaseMessage) {
        TComponent::Free(reinterpret_cast<TForm*>(message.lParam));
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void TApplication::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
}

void TApplication::FormDestroyed(TForm* form)
{
    if (form == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::Release(TForm* form)
{
    PostThreadMessageW(GetCurrentThreadId(), kReleaseMessage, 0, LPARAM(form));
}

void TApplication::DestroyForms()
{
    // Components go newest first, so the main form, created first, goes last.
    DestroyComponents();
    mainForm_ = nullptr;
}

std::string TApplication::ExeName() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FromWide(path);
        }
        path.resize(path.size() * 2);
    }
}

void TApplication::ShowException(const std::string& message)
{
    if (OnException) {
        OnException(message);
        return;
    }
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    MessageBoxW(owner, ToWide(message).c_str(), ToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}

void ReportHandlerException(std::exception_ptr error)
{
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
}

} // namespace fw
