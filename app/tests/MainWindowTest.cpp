// The main window's frame: start-up state, page switching, fixed size, ending.
#include "MainWindowFixture.h"
#include "ResourceCount.h"

#include "controls/AlignEdit.h"
#include "framework/core/Application.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/TabSheet.h"
#include "framework/core/Text.h"

#include <cstdio>

#include <commctrl.h>

#include <functional>

namespace {
SIZE WindowSize(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}
} // namespace

class MainWindowFrameTest : public MainWindowTest {
protected:
    HWND Form() const { return form->Handle(); }
    void ClickTab(int index) {
        RECT r;
        HWND tabs = form->PageControl1->Handle();
        SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(index), LPARAM(&r));
        guitest::Click(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    int ActivePage() const { return form->PageControl1->ActivePageIndex(); }
};

TEST_F(MainWindowFrameTest, StartsOnTheLearningPageWithItsLook) {
    EXPECT_EQ(fw::FromWide(guitest::WindowText(Form())),
              "Sixpointe 1.0 - L'alphabet Braille pour les voyants");
    EXPECT_EQ(ActivePage(), 0);
    EXPECT_TRUE(IsWindowVisible(form->TabSheet1->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->TabSheet2->Handle()));
    SIZE size = WindowSize(Form());
    EXPECT_EQ(size.cx, 569);
    EXPECT_EQ(size.cy, 399);
    EXPECT_EQ(GetWindowLongW(Form(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(GetWindowLongW(Form(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
    // Each tool button's tip, as the tool bar's tool-tip window holds it.
    const std::pair<const fw::TToolButton*, const wchar_t*> tips[] = {
        {form->tlbtnNouveau, L"Nouveau"},
        {form->tlbtnSheet1, L"Apprentissage"},
        {form->tlbtnSheet2, L"Evaluation"},
        {form->tlbtnAide, L"Aide"},
        {form->tlbtnQuitter, L"Quitter"}};
    HWND tooltips = HWND(SendMessageW(form->ToolBar1->Handle(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tooltips, nullptr);
    for (const auto& [button, tip] : tips) {
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form->ToolBar1->Handle();
        tool.uId = UINT_PTR(button->CommandId());
        tool.lpszText = text;
        SendMessageW(tooltips, TTM_GETTEXTW, 80, LPARAM(&tool));
        EXPECT_EQ(std::wstring(text), tip);
    }
}

TEST_F(MainWindowFrameTest, EveryRouteSwitchesPagesAndTheNouveauCommandFollows) {
    struct Route {
        const char* name;
        std::function<void()> toLearning, toEvaluation;
    };
    const Route routes[] = {
        {"tool buttons", [&] { ClickToolButton(2); }, [&] { ClickToolButton(3); }},
        {"menu", [&] { ChooseMenu("ModeApprentissage1"); }, [&] { ChooseMenu("ModeEvaluation1"); }},
        {"tabs", [&] { ClickTab(0); }, [&] { ClickTab(1); }},
        {"Ctrl+Tab",
         [&] {
             guitest::PressKeyHolding(GetFocus(), VK_TAB, {VK_CONTROL, VK_SHIFT});
         },
         [&] { guitest::PressKeyHolding(GetFocus(), VK_TAB, {VK_CONTROL}); }},
    };
    for (const Route& route : routes) {
        route.toEvaluation();
        EXPECT_EQ(ActivePage(), 1) << route.name;
        EXPECT_FALSE(form->tlbtnNouveau->Enabled()) << route.name;
        EXPECT_FALSE(form->Nouveau1->Enabled()) << route.name;
        EXPECT_TRUE(NativeMenuItemGrayed(*form->Nouveau1)) << route.name;
        EXPECT_NE(form->Edit1->Text(), "") << route.name;
        route.toLearning();
        EXPECT_EQ(ActivePage(), 0) << route.name;
        EXPECT_TRUE(form->tlbtnNouveau->Enabled()) << route.name;
        EXPECT_FALSE(NativeMenuItemGrayed(*form->Nouveau1)) << route.name;
        EXPECT_EQ(GetFocus(), EditWindow()) << route.name;
    }
}

TEST_F(MainWindowFrameTest, ChoosingTheActivePageAgainChangesNothing) {
    guitest::Type(EditWindow(), L"A");
    ChooseMenu("ModeApprentissage1");
    ClickToolButton(2);
    EXPECT_EQ(form->alEdit1->Text(), "A");

    ChooseMenu("ModeEvaluation1");
    std::string question = form->Edit1->Text();
    PressDot(form->WorkshopFirstCell, 1);
    ChooseMenu("ModeEvaluation1");
    ClickTab(1);
    EXPECT_EQ(form->Edit1->Text(), question);
    EXPECT_EQ(CellDots(form->WorkshopFirstCell), "2 3 4 5 6");
}

TEST_F(MainWindowFrameTest, NouveauFromTheMenuClearsThePage) {
    guitest::Type(EditWindow(), L"A");
    ChooseMenu("Nouveau1");
    EXPECT_EQ(form->alEdit1->Text(), "");
    EXPECT_EQ(CellDots(form->LearningFirstCell), "none");
}

TEST_F(MainWindowFrameTest, TheWindowKeepsItsSize) {
    MINMAXINFO info{};
    SendMessageW(Form(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 569);
    EXPECT_EQ(info.ptMinTrackSize.y, 399);
    EXPECT_EQ(info.ptMaxTrackSize.x, 569);
    EXPECT_EQ(info.ptMaxTrackSize.y, 399);

    SetWindowPos(Form(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(Form(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    SIZE size = WindowSize(Form());
    EXPECT_EQ(size.cx, 569);
    EXPECT_EQ(size.cy, 399);

    ShowWindow(Form(), SW_MINIMIZE);
    guitest::Pump();
    ShowWindow(Form(), SW_RESTORE);
    guitest::Pump();
    size = WindowSize(Form());
    EXPECT_EQ(size.cx, 569);
    EXPECT_EQ(size.cy, 399);
}

class EndingTest : public MainWindowFrameTest {
protected:
    void SetUp() override {
        MainWindowFrameTest::SetUp();
        auto destroy = form->OnDestroy;
        form->OnDestroy = [this, destroy](fw::TComponent* sender) {
            ++destroyed;
            destroy(sender);
        };
        auto close = form->OnClose;
        form->OnClose = [this, close](fw::TComponent* sender, fw::TCloseAction& action) {
            ++closed;
            close(sender, action);
        };
    }
    // Runs the application's loop until the program asks to end, then frees the window.
    void RunUntilEnd() {
        fw::Application()->Run();
        fw::Application()->DestroyForms();
        form = nullptr;
    }
    void TearDown() override {
        if (form)
            MainWindowFrameTest::TearDown();
    }
    int destroyed = 0;
    int closed = 0;
};

TEST_F(EndingTest, QuitterFromTheMenuEndsWithoutClose) {
    ChooseMenuLater("Quitter1");
    RunUntilEnd();
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(EndingTest, QuitterToolButtonEndsWithoutClose) {
    RECT r;
    HWND toolbar = form->ToolBar1->Handle();
    SendMessageW(toolbar, TB_GETITEMRECT, 6, LPARAM(&r));
    PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.left + r.right) / 2, 5));
    PostMessageW(toolbar, WM_LBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, 5));
    RunUntilEnd();
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(EndingTest, TheCloseBoxRunsCloseThenEnds) {
    PostMessageW(Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    RunUntilEnd();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(EndingTest, IdleWorkRunsOnceWithoutInputAfterTheQueuedMessages) {
    fw::TApplication& application = *fw::Application();
    std::vector<std::string> order;
    // Queued before the loop starts: handled before the program is idle.
    auto* item = fw::As<fw::TMenuItem>(form->FindComponent("ModeEvaluation1"));
    ASSERT_NE(item, nullptr);
    item->OnClick = [&](fw::TComponent*) { order.push_back("queued"); };
    ChooseMenuLater("ModeEvaluation1");
    application.OnFirstIdle = [&] {
        // The hidden page's windows are made first.
        order.push_back(form->btnValider->HandleAllocated() ? "idle, page made" : "idle");
        PostMessageW(Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    RunUntilEnd();
    application.OnFirstIdle = nullptr;
    EXPECT_EQ(order, (std::vector<std::string>{"queued", "idle, page made"}));
    EXPECT_EQ(closed, 1);
}

namespace {
void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
} // namespace

TEST_F(MainWindowTest, PageSwitchesAndRepaintsLeaveNoObjectBehind) {
    form->alEdit1->SetText("A"); // both cells of the Learning page drawn
    auto switchTwice = [this] {
        form->tlbtnSheet2Click(nullptr);
        guitest::Pump();
        form->tlbtnSheet1Click(nullptr);
        guitest::Pump();
    };
    // Warm-up: what is made once and kept (Wine's cache of device contexts
    // grows to what the paints need) is made by now.
    Repaint(form->Handle());
    switchTwice();
    int gdi = guitest::LiveGdiObjects();
    int windows = guitest::LiveWindows();

    // A leak of even one object per cycle shows after a hundred cycles; more
    // only makes the test slow on a busy machine.
    for (int i = 0; i < 50; ++i)
        switchTwice();
    EXPECT_EQ(guitest::LiveGdiObjects(), gdi) << "after 100 page switches";
    EXPECT_EQ(guitest::LiveWindows(), windows) << "after 100 page switches";

    for (int i = 0; i < 100; ++i)
        Repaint(form->TabSheet1->Handle());
    EXPECT_EQ(guitest::LiveGdiObjects(), gdi) << "after 100 repaints";
    EXPECT_EQ(guitest::LiveWindows(), windows) << "after 100 repaints";

    guitest::GdiCreations one;
    guitest::DrawingObjectCreations drawingObjects;
    Repaint(form->TabSheet1->Handle());
    std::printf("GDI objects created per repaint of the Learning page: %d, of which pens, "
                "brushes and fonts: %d\n",
                one.Since(), drawingObjects.Since());
    // Regions and off-screen bitmaps are the system's to make; the pens,
    // brushes and fonts are the controls' own, made once.
    EXPECT_EQ(drawingObjects.Since(), 0);
}
