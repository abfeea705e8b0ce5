// The application object: title, forms, message loop, error reporting.
#pragma once

#include "framework/Component.h"

#include <windows.h>

#include <functional>
#include <string>

namespace fw {

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Loads the common controls; call once before creating forms.
    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    HICON Icon();

    // Creates a form owned by the application; the first one is the main form.
    template <class T> T* CreateForm()
    {
        auto* form = new T(this);
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and dispatches messages until Terminate.
    void Run();
    // Asks the message loop to end after the current message.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Dispatches the messages waiting now, then returns.
    void ProcessMessages();
    // Frees a form once the current message has been handled.
    void Release(TForm* form);
    // Frees every form, the main form last.
    void DestroyForms();
    // Called by a form that is going away.
    void FormDestroyed(TForm* form);

    std::string ExeName() const;
    // The standard report of an exception that escaped an event handler.
    void ShowException(const std::string& message);
    // When set, replaces the message box of ShowException.
    std::function<void(const std::string& message)> OnException;

private:
    void DispatchOne(MSG& message);

    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    HICON icon_ = nullptr;
};

// The one application object of the program.
TApplication* Application();

} // namespace fw
