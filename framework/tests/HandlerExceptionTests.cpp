// An exception that escapes an event handler is reported in the standard
// message box, or to Application()->OnException, and the program goes on.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

// Closes the message boxes of this thread as they appear, keeping their
// title and text. Its timer runs inside the box's own modal loop.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(HWND window) : window_(window) {
        current = this;
        SetTimer(window_, kTimer, 20, &Tick);
    }
    ~MessageBoxWatcher() {
        KillTimer(window_, kTimer);
        current = nullptr;
    }
    std::vector<std::pair<std::wstring, std::wstring>> boxes;

private:
    static constexpr UINT_PTR kTimer = 0x5EE;
    static inline MessageBoxWatcher* current = nullptr;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &CloseIfMessageBox, 0);
    }
    static BOOL CALLBACK CloseIfMessageBox(HWND window, LPARAM) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) == L"#32770" && IsWindowVisible(window) && current) {
            current->boxes.emplace_back(guitest::WindowText(window),
                                        guitest::WindowText(GetDlgItem(window, 0xFFFF)));
            SendMessageW(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    HWND window_;
};

class HandlerExceptionTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        edit = Add<fw::TCustomEdit>(form, 8, 8, 200, 21);
        ShowForm();
    }
    void TearDown() override {
        fw::Application()->OnException = nullptr;
        FormTest::TearDown();
    }
    fw::TCustomEdit* edit = nullptr;
};

TEST_F(HandlerExceptionTest, MessageBoxShowsItAndTheLoopGoesOn) {
    edit->OnKeyPress = [](TComponent*, char& key) {
        if (key == 'x')
            throw std::runtime_error("Touche refus\xE9"
                                     "e.");
    };
    MessageBoxWatcher watcher(form->Handle());
    guitest::Type(edit->Handle(), L"x");
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].first, L"Tests"); // the application's title
    EXPECT_EQ(watcher.boxes[0].second, L"Touche refus\u00E9e.");
    // Later messages are handled as usual, and a second fault is reported too.
    guitest::Type(edit->Handle(), L"yx");
    EXPECT_EQ(edit->Text(), "y");
    EXPECT_EQ(watcher.boxes.size(), 2u);
}

TEST_F(HandlerExceptionTest, OnExceptionReplacesTheMessageBox) {
    std::vector<std::string> reported;
    fw::Application()->OnException = [&](const std::string& message) {
        reported.push_back(message);
    };
    // Thrown from a notification that the parent handed back to the edit.
    edit->OnChange = [](TComponent*) { throw std::runtime_error("Changement refus\xE9."); };
    MessageBoxWatcher watcher(form->Handle());
    guitest::Type(edit->Handle(), L"ab");
    EXPECT_EQ(reported, (std::vector<std::string>(2, "Changement refus\xE9.")));
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(edit->Text(), "ab");
}

} // namespace
} // namespace fwtest
