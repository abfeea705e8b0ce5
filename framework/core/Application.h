// The application object: title, forms, message loop, error reporting.
#pragma once

#include "framework/core/Component.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

// What the application needs of the forms it owns; TForm provides it.
class TApplicationForm {
public:
    // Shows the form as the program's main window.
    virtual void ShowMainWindow() = 0;
    // Makes the windows still waiting for their first showing.
    virtual void CreateWaitingWindows() = 0;
    // The form's window, to own the application's message boxes; null if none.
    virtual HWND OwnerWindow() const = 0;

protected:
    ~TApplicationForm() = default;
};

class TApplication : public TComponent {
    FW_CLASS(TApplication, TComponent)
public:
    TApplication();
    ~TApplication() override;

    // Loads the common controls; call once before creating forms.
    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The program's icon as drawn at that size in pixels (its resource holds
    // one image per size); loaded once, owned by the application.
    HICON Icon(int pixels);

    // Creates a form owned by the application; the first one is the main form.
    template <class T> T* CreateForm() {
        auto* form = new T(this);
        if (!mainForm_) {
            mainForm_ = form;
            mainComponent_ = form;
        }
        return form;
    }
    TApplicationForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    // Asks the message loop to end after the current message.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Waits for one message and dispatches it; false once the message loop
    // has been asked to end (the quit message is taken).
    bool HandleMessage();
    // Frees a form once the current message has been handled, whatever modal
    // loop (a message box, a menu, a move) runs in between.
    void Release(TComponent* form);
    // Frees every form, the main form last.
    void DestroyForms();
    // Called by a form that is going away.
    void FormDestroyed(TComponent* form);

    // The standard report of an exception that escaped an event handler.
    void ShowException(const std::string& message);
    // When set, replaces the message box of ShowException.
    std::function<void(const std::string& message)> OnException;
    // Runs once, just after the program first waits on an empty queue with the
    // main form shown and painted (or before the user's first key or button
    // press, if sooner): work that the user need not wait for.
    std::function<void()> OnFirstIdle;

private:
    // Made on first need, so Release works before Initialize too.
    HWND UtilityWindow();
    static LRESULT CALLBACK UtilityProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void DispatchOne(MSG& message);
    void RunFirstIdleWork();
    void FreeReleasedForms();

    std::string title_;
    TApplicationForm* mainForm_ = nullptr;
    TComponent* mainComponent_ = nullptr;
    // A message-only window of the application's own: every message loop,
    // modal or not, dispatches what is posted to it.
    HWND utilityWindow_ = nullptr;
    std::vector<TComponent*> released_;
    bool terminated_ = false;
    bool firstIdlePending_ = false;
    std::vector<std::pair<int, HICON>> icons_;
};

// The one application object of the program.
TApplication* Application();

} // namespace fw
