// Page switching: by index, by a click on a tab, and the show events it runs.
#include "FormTest.h"

#include "framework/widgets/Button.h"
#include "framework/widgets/PageControl.h"

#include <commctrl.h>

#include <vector>

using guitest::ClickCenter;
using guitest::FormTest;
using guitest::RectIn;

namespace {

class PageControlTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        pages = Add<fw::TPageControl>(form);
        pages->SetBounds(8, 8, 400, 250);
        for (int i = 0; i < 2; ++i) {
            sheets[i] = Add<fw::TTabSheet>(pages);
            sheets[i]->SetCaption(i == 0 ? "Apprentissage" : "Evaluation");
            sheets[i]->OnShow = [this, i](fw::TComponent*) { shows.push_back(i); };
            buttons[i] = Add<fw::TButton>(sheets[i]);
            buttons[i]->SetBounds(10, 10, 75, 25);
        }
    }

    // A click on the tab of a page, as the mouse makes it.
    void ClickTab(int index) {
        RECT r;
        SendMessageW(pages->Handle(), TCM_GETITEMRECT, WPARAM(index), LPARAM(&r));
        ClickCenter(pages->Handle(), r);
    }

    // Which page the user sees: the tab and the page windows must agree.
    void ExpectShown(int index) {
        EXPECT_EQ(pages->ActivePageIndex(), index);
        EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETCURSEL, 0, 0), index);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(IsWindowVisible(sheets[i]->Handle()) != 0, i == index) << "page " << i;
            EXPECT_EQ(buttons[i]->Showing(), i == index) << "button of page " << i;
        }
    }

    fw::TPageControl* pages = nullptr;
    fw::TTabSheet* sheets[2] = {};
    fw::TButton* buttons[2] = {};
    std::vector<int> shows;
};

TEST_F(PageControlTest, PagesTakeTabsInCreationOrderAndFillTheDisplayArea) {
    ShowForm();
    HWND tabs = pages->Handle();
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(sheets[i]->PageIndex(), i);
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, WPARAM(i), LPARAM(&item));
        EXPECT_EQ(std::wstring(text), i == 0 ? L"Apprentissage" : L"Evaluation");
    }
    // The pages follow the display area when the control changes size.
    for (int width : {400, 300}) {
        pages->SetBounds(8, 8, width, 200);
        RECT area;
        GetClientRect(tabs, &area);
        SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
        RECT sheet = RectIn(sheets[1]->Handle(), tabs);
        EXPECT_TRUE(EqualRect(&sheet, &area)) << "width " << width;
    }
}

TEST_F(PageControlTest, SelectingByIndexSwitchesPagesAndRunsOnShowOncePerChange) {
    ShowForm();
    EXPECT_EQ(shows, std::vector<int>({0}));
    ExpectShown(0);

    pages->SetActivePageIndex(1);
    EXPECT_EQ(shows, std::vector<int>({0, 1}));
    ExpectShown(1);

    // The page already shown: nothing happens, nor when the form looks again.
    pages->SetActivePageIndex(1);
    pages->SetActivePage(sheets[1]);
    form->UpdateShowing();
    EXPECT_EQ(shows, std::vector<int>({0, 1}));

    pages->SetActivePage(sheets[0]);
    EXPECT_EQ(shows, std::vector<int>({0, 1, 0}));
    ExpectShown(0);
}

TEST_F(PageControlTest, PageSelectedBeforeTheFormIsShownRunsOnShowWhenItIsShown) {
    pages->SetActivePageIndex(1);
    form->HandleNeeded();
    pages->SetActivePageIndex(0);
    EXPECT_TRUE(shows.empty());

    ShowForm();
    EXPECT_EQ(shows, std::vector<int>({0}));
    ExpectShown(0);
}

TEST_F(PageControlTest, ClickOnATabSelectsItsPage) {
    int changes = 0;
    pages->OnChange = [&](fw::TComponent*) { ++changes; };
    ShowForm();

    ClickTab(1);
    EXPECT_EQ(shows, std::vector<int>({0, 1}));
    ExpectShown(1);

    ClickTab(1);
    EXPECT_EQ(shows, std::vector<int>({0, 1}));

    ClickTab(0);
    EXPECT_EQ(shows, std::vector<int>({0, 1, 0}));
    ExpectShown(0);
    EXPECT_EQ(changes, 2);
}

TEST_F(PageControlTest, FocusDoesNotStayOnAHiddenPage) {
    ShowForm();
    buttons[0]->SetFocus();
    ASSERT_EQ(GetFocus(), buttons[0]->Handle());

    pages->SetActivePageIndex(1);
    HWND focus = GetFocus();
    EXPECT_NE(focus, buttons[0]->Handle());
    EXPECT_TRUE(focus && IsWindowVisible(focus));
}

TEST_F(PageControlTest, CtrlTabTurnsThePagesRoundOnlyWhenTheFocusIsInside) {
    auto* third = Add<fw::TTabSheet>(pages);
    third->OnShow = [this](fw::TComponent*) { shows.push_back(2); };
    auto* outside = Add<fw::TButton>(form);
    outside->SetBounds(8, 270, 75, 25);
    ShowForm();
    const std::initializer_list<UINT> ctrl{VK_CONTROL}, ctrlShift{VK_CONTROL, VK_SHIFT};

    // From a control of the page, then from the tabs, which have the focus once
    // the page that had it is hidden.
    buttons[0]->SetFocus();
    const struct {
        std::initializer_list<UINT> held;
        int page;
    } steps[] = {{ctrl, 1}, {ctrl, 2}, {ctrl, 0}, {ctrlShift, 2}, {ctrlShift, 1}};
    for (const auto& step : steps) {
        guitest::PressKeyHolding(GetFocus(), VK_TAB, step.held);
        EXPECT_EQ(pages->ActivePageIndex(), step.page);
    }
    EXPECT_EQ(shows, std::vector<int>({0, 1, 2, 0, 2, 1}));

    // Tab alone moves the focus, and Ctrl+Tab outside the pages leaves them.
    buttons[1]->SetFocus();
    guitest::PressKey(GetFocus(), VK_TAB);
    outside->SetFocus();
    guitest::PressKeyHolding(GetFocus(), VK_TAB, ctrl);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(shows.size(), 6u);
}

TEST_F(PageControlTest, AHiddenPageMakesItsWindowsWhenFirstShownWithTheStateSetMeanwhile) {
    ShowForm();
    EXPECT_FALSE(sheets[1]->HandleAllocated());
    EXPECT_FALSE(buttons[1]->HandleAllocated());
    buttons[1]->SetCaption("&Valider");
    buttons[1]->SetEnabled(false);

    pages->SetActivePageIndex(1);
    ExpectShown(1);
    HWND button = buttons[1]->Handle();
    EXPECT_EQ(GetParent(button), sheets[1]->Handle());
    EXPECT_EQ(guitest::WindowText(button), L"&Valider");
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_EQ(shows, std::vector<int>({0, 1}));
}

TEST_F(PageControlTest, AControlOfAHiddenPageMakesItsWindowsWhenAskedOrWhenWaitingOnesAreMade) {
    ShowForm();
    // Asked for: made in its page's window, both still hidden.
    HWND button = buttons[1]->Handle();
    ASSERT_TRUE(sheets[1]->HandleAllocated());
    EXPECT_EQ(GetParent(button), sheets[1]->Handle());
    EXPECT_FALSE(IsWindowVisible(sheets[1]->Handle()));
    ExpectShown(0);

    fw::TComponent::Free(sheets[1]);
    auto* sheet = Add<fw::TTabSheet>(pages);
    auto* inner = Add<fw::TButton>(sheet);
    EXPECT_FALSE(inner->HandleAllocated());
    form->CreateWaitingHandles();
    ASSERT_TRUE(inner->HandleAllocated());
    EXPECT_EQ(GetParent(inner->Handle()), sheet->Handle());
    EXPECT_FALSE(IsWindowVisible(sheet->Handle()));
}

TEST_F(PageControlTest, RemovingTheActivePageSelectsAnother) {
    ShowForm();
    fw::TComponent::Free(sheets[0]);
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(shows, std::vector<int>({0, 1}));
}

} // namespace
