// Forms and controls that go away leave nothing behind that a later message
// could reach, and the focus they held goes on to a live control.
#include "FormTest.h"

#include "framework/widgets/Button.h"
#include "framework/widgets/CustomEdit.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Shape.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

// Dispatches what is waiting the way a message box or a menu loop does:
// with no help from the framework's own loop.
void RunForeignModalLoop() {
    MSG message;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

struct WatchedForm : fw::TForm {
    WatchedForm(TComponent* owner, bool& alive) : fw::TForm(owner), alive_(alive) { alive_ = true; }
    ~WatchedForm() override { alive_ = false; }
    bool& alive_;
};

using LifetimeTest = FormTest;

TEST_F(LifetimeTest, FormClosedWithFreeGoesEvenWhenAModalLoopRunsFirst) {
    bool alive = false;
    auto* dialog = new WatchedForm(fw::Application(), alive);
    dialog->SetBounds(60, 60, 200, 120);
    dialog->OnClose = [](TComponent*, fw::TCloseAction& action) { action = fw::caFree; };
    dialog->Show();
    guitest::Pump();
    HWND window = dialog->Handle();

    dialog->Close();
    EXPECT_FALSE(IsWindowVisible(window)); // hidden at once
    EXPECT_TRUE(alive);                    // freed only once the handler is over
    RunForeignModalLoop();
    EXPECT_FALSE(alive);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(LifetimeTest, ThreadMessageWithTheReleaseNumberIsNotTakenForAForm) {
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 0x100, 0, LPARAM(0x1234));
    guitest::Pump(); // nothing to free, nothing to crash on
    ShowForm();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(LifetimeTest, FreedFocusedControlLeavesNoActiveControlBehind) {
    auto* first = Add<fw::TCustomEdit>(form, 8, 8, 120, 21);
    auto* second = Add<fw::TCustomEdit>(form, 8, 40, 120, 21);
    ShowForm();
    second->SetFocus();
    ASSERT_EQ(form->ActiveControl(), second);

    TComponent::Free(second);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    // Leaving the window and coming back must find a live control.
    SendMessageW(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    guitest::Pump();
    EXPECT_EQ(GetFocus(), first->Handle());
}

// Three buttons in tab order; the focus is on the middle one.
class FocusHandOffTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        for (int i = 0; i < 3; ++i) {
            buttons[i] = Add<fw::TButton>(form, 8, 8 + 30 * i, 90, 25);
            buttons[i]->SetCaption(std::string("&") + char('A' + i));
        }
        ShowForm();
        buttons[1]->SetFocus();
        ASSERT_EQ(GetFocus(), buttons[1]->Handle());
    }
    fw::TButton* buttons[3] = {};
};

TEST_F(FocusHandOffTest, DisabledOrHiddenFocusedControlHandsTheFocusOn) {
    buttons[1]->SetEnabled(false);
    guitest::Pump();
    EXPECT_EQ(GetFocus(), buttons[2]->Handle());
    EXPECT_EQ(form->ActiveControl(), buttons[2]);

    buttons[2]->SetVisible(false); // the next stop wraps round
    guitest::Pump();
    EXPECT_EQ(GetFocus(), buttons[0]->Handle());
}

TEST_F(FocusHandOffTest, ButtonThatDisablesItselfLeavesTabWorking) {
    // As "Valider" does: its handler disables it and enables another.
    buttons[1]->OnClick = [this](TComponent*) { buttons[1]->SetEnabled(false); };
    guitest::PressKey(buttons[1]->Handle(), VK_SPACE);
    guitest::Pump();
    ASSERT_EQ(GetFocus(), buttons[2]->Handle());
    guitest::PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), buttons[0]->Handle());
}

TEST_F(FocusHandOffTest, FocusComesBackWhenTheControlIsReEnabledInTheSameHandler) {
    buttons[1]->OnClick = [this](TComponent*) {
        buttons[1]->SetEnabled(false);
        buttons[1]->SetEnabled(true);
    };
    guitest::PressKey(buttons[1]->Handle(), VK_SPACE);
    guitest::Pump();
    EXPECT_EQ(GetFocus(), buttons[1]->Handle());
}

TEST_F(FocusHandOffTest, LetterAloneOnAButtonPressesItsAccessKey) {
    int pressed = -1;
    for (int i = 0; i < 3; ++i)
        buttons[i]->OnClick = [&pressed, i](TComponent*) { pressed = i; };
    guitest::Type(buttons[1]->Handle(), L"c");
    EXPECT_EQ(pressed, 2);
}

TEST_F(LifetimeTest, LetterInAnEditIsTypedNotTakenForAnAccessKey) {
    auto* button = Add<fw::TButton>(form, 8, 40, 90, 25);
    button->SetCaption("&Valider");
    bool pressed = false;
    button->OnClick = [&pressed](TComponent*) { pressed = true; };
    auto* edit = Add<fw::TCustomEdit>(form, 8, 8, 120, 21);
    ShowForm();
    edit->SetFocus();
    guitest::Type(edit->Handle(), L"v");
    EXPECT_FALSE(pressed);
    EXPECT_EQ(edit->Text(), "v");
}

TEST_F(LifetimeTest, FreedMenuItemIsNoLongerReachedByItsCommand) {
    auto* menu = new fw::TMainMenu(form);
    auto* file = new fw::TMenuItem(form);
    file->SetCaption("&Fichier");
    auto* item = new fw::TMenuItem(form);
    item->SetCaption("&Nouveau");
    int clicks = 0;
    item->OnClick = [&clicks](TComponent*) { ++clicks; };
    file->Add(item);
    menu->Add(file);
    form->SetMenu(menu);
    ShowForm();
    int command = item->Command();
    SendMessageW(form->Handle(), WM_COMMAND, command, 0);
    ASSERT_EQ(clicks, 1);

    TComponent::Free(item);
    EXPECT_TRUE(file->Items().empty());
    EXPECT_EQ(GetMenuState(GetSubMenu(GetMenu(form->Handle()), 0), command, MF_BYCOMMAND),
              UINT(-1)); // gone from the native menu too
    SendMessageW(form->Handle(), WM_COMMAND, command, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LifetimeTest, FreedMenuLeavesTheFormWithoutAMenuBar) {
    auto* menu = new fw::TMainMenu(form);
    auto* file = new fw::TMenuItem(form);
    file->SetCaption("&Fichier");
    menu->Add(file);
    form->SetMenu(menu);
    ShowForm();
    ASSERT_NE(GetMenu(form->Handle()), nullptr);
    TComponent::Free(menu);
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    SendMessageW(form->Handle(), WM_COMMAND, 1, 0); // nothing to follow
}

struct ThrowingShape : fw::TShape {
    using fw::TShape::TShape;
    void Paint(fw::TCanvas&) override { throw std::runtime_error("peinture impossible"); }
};

TEST_F(LifetimeTest, ExceptionInAPaintIsReportedOnceAndThePaintEnds) {
    std::vector<std::string> reports;
    fw::Application()->OnException = [&reports](const std::string& text) {
        reports.push_back(text);
    };
    Add<ThrowingShape>(form, 10, 10, 50, 50);
    ShowForm();
    guitest::Pump();
    guitest::Pump();
    fw::Application()->OnException = nullptr;
    EXPECT_EQ(reports, std::vector<std::string>{"peinture impossible"});
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(form->Handle(), &update, FALSE)); // validated
}

} // namespace
} // namespace fwtest
