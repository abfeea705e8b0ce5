// Tool bars: pictures, clicks, enabled state and tool tips of the buttons.
#include "FormTest.h"

#include "framework/widgets/ImageList.h"
#include "framework/core/Resources.h"
#include "framework/core/Text.h"
#include "framework/widgets/ToolBar.h"

#include <commctrl.h>

#include <string>
#include <vector>

using guitest::ClickCenter;
using guitest::FormTest;
using guitest::RectIn;

namespace {

struct ButtonSpec {
    fw::TToolButtonStyle style;
    int image;
    const char* hint;
    int left; // where the main window's tool bar has it
};

const ButtonSpec kButtons[] = {
    {fw::tbsButton, 0, "Nouveau", 0},        {fw::tbsSeparator, -1, "", 23},
    {fw::tbsButton, 3, "Apprentissage", 31}, {fw::tbsButton, 4, "Evaluation", 54},
    {fw::tbsSeparator, -1, "", 77},          {fw::tbsButton, 1, "Aide", 85},
    {fw::tbsButton, 2, "Quitter", 108},
};

class ToolBarTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form->SetShowHint(true);
        images = new fw::TImageList(form);
        images->SetResourceName("TOOLBAR");
        bar = Add<fw::TToolBar>(form);
        bar->SetBounds(0, 0, 300, 22);
        bar->SetFlat(true);
        bar->SetImages(images);
        for (const ButtonSpec& spec : kButtons) {
            auto* button = Add<fw::TToolButton>(bar);
            button->SetStyle(spec.style);
            if (spec.style == fw::tbsSeparator)
                button->SetWidth(8);
            button->SetImageIndex(spec.image);
            button->SetHint(spec.hint);
            button->OnClick = [this, button](fw::TComponent*) { clicked.push_back(button); };
        }
        ShowForm();
    }

    RECT ItemRect(int index) {
        RECT r{};
        SendMessageW(bar->Handle(), TB_GETITEMRECT, WPARAM(index), LPARAM(&r));
        return r;
    }

    std::wstring TipText(int index) {
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = bar->Handle();
        tool.uId = UINT_PTR(bar->Button(index)->CommandId());
        tool.lpszText = text;
        SendMessageW(bar->ToolTips(), TTM_GETTEXTW, 80, LPARAM(&tool));
        return text;
    }

    fw::TImageList* images = nullptr;
    fw::TToolBar* bar = nullptr;
    std::vector<fw::TComponent*> clicked;
};

TEST_F(ToolBarTest, ImageListHoldsTheFiveImagesWithMagentaTransparent) {
    EXPECT_EQ(images->Count(), 5);
    int width = 0, height = 0;
    ImageList_GetIconSize(images->Handle(), &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);

    // Drawn over green, each image shows green exactly where the strip is magenta.
    HBITMAP strip = fw::LoadPackedBitmap(L"TOOLBAR");
    ASSERT_TRUE(strip);
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldSource = SelectObject(source, strip);
    HGDIOBJ oldTarget = SelectObject(target, canvas);
    HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
    int transparent = 0, wrong = 0;
    for (int image = 0; image < 5; ++image) {
        RECT all{0, 0, 16, 16};
        FillRect(target, &all, green);
        ImageList_Draw(images->Handle(), image, target, 0, 0, ILD_TRANSPARENT);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                COLORREF original = GetPixel(source, image * 16 + x, y);
                bool magenta = original == RGB(255, 0, 255);
                COLORREF expected = magenta ? RGB(0, 128, 0) : original;
                transparent += magenta;
                wrong += GetPixel(target, x, y) != expected;
            }
    }
    DeleteObject(green);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteObject(canvas);
    DeleteDC(target);
    DeleteDC(source);
    DeleteObject(strip);
    EXPECT_GT(transparent, 0);
    EXPECT_EQ(wrong, 0);
}

TEST_F(ToolBarTest, ButtonsAndSeparatorsSitWhereTheLayoutPutsThem) {
    ASSERT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 7);
    for (int i = 0; i < 7; ++i) {
        RECT r = ItemRect(i);
        bool separator = kButtons[i].style == fw::tbsSeparator;
        EXPECT_EQ(r.left, kButtons[i].left) << "button " << i;
        EXPECT_EQ(r.right - r.left, separator ? 8 : 23) << "button " << i;
        if (separator)
            continue;
        EXPECT_EQ(r.bottom - r.top, 22) << "button " << i;
        TBBUTTON info{};
        SendMessageW(bar->Handle(), TB_GETBUTTON, WPARAM(i), LPARAM(&info));
        EXPECT_EQ(info.iBitmap, kButtons[i].image) << "button " << i;
    }
}

TEST_F(ToolBarTest, CommandAndMouseClickRunTheButtonsOnClick) {
    for (int i : {0, 2, 3, 5, 6}) {
        clicked.clear();
        fw::TToolButton* button = bar->Button(i);
        SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(button->CommandId(), BN_CLICKED),
                     LPARAM(bar->Handle()));
        ClickCenter(bar->Handle(), ItemRect(i));
        EXPECT_EQ(clicked, std::vector<fw::TComponent*>({button, button})) << "button " << i;
    }
}

TEST_F(ToolBarTest, PressOnTheBarIsTheNativeButtonsAlone) {
    // A tool button is an item of the native bar, not a windowless control
    // of the framework: a press runs its OnClick and no mouse handler.
    int mouseDowns = 0;
    for (int i = 0; i < bar->ButtonCount(); ++i)
        bar->Button(i)->OnMouseDown = [&](fw::TComponent*, fw::TMouseButton, fw::TShiftState, int,
                                          int) { ++mouseDowns; };
    ClickCenter(bar->Handle(), ItemRect(2));
    EXPECT_EQ(clicked, std::vector<fw::TComponent*>({bar->Button(2)}));
    EXPECT_EQ(mouseDowns, 0);
}

TEST_F(ToolBarTest, DisabledButtonIgnoresClicks) {
    fw::TToolButton* button = bar->Button(0);
    button->SetEnabled(false);
    EXPECT_FALSE(SendMessageW(bar->Handle(), TB_ISBUTTONENABLED, button->CommandId(), 0));
    ClickCenter(bar->Handle(), ItemRect(0));
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(button->CommandId(), BN_CLICKED),
                 LPARAM(bar->Handle()));
    EXPECT_TRUE(clicked.empty());

    button->SetEnabled(true);
    EXPECT_TRUE(SendMessageW(bar->Handle(), TB_ISBUTTONENABLED, button->CommandId(), 0));
    ClickCenter(bar->Handle(), ItemRect(0));
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(ToolBarTest, EachButtonsToolTipIsItsHint) {
    ASSERT_TRUE(bar->ToolTips());
    for (int i = 0; i < 7; ++i) {
        if (kButtons[i].style != fw::tbsButton)
            continue;
        EXPECT_EQ(TipText(i), fw::ToWide(kButtons[i].hint)) << "button " << i;
        // Windows' own tool bars let the tip ask the tool bar's parent directly.
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = bar->ToolTips();
        info.hdr.idFrom = UINT_PTR(bar->Button(i)->CommandId());
        info.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(form->Handle(), WM_NOTIFY, info.hdr.idFrom, LPARAM(&info));
        ASSERT_TRUE(info.lpszText) << "button " << i;
        EXPECT_EQ(std::wstring(info.lpszText), fw::ToWide(kButtons[i].hint)) << "button " << i;
    }
}

// Tips show over the active window only; a window shown while the machine is
// busy can take a moment to become it.
void Activate(HWND window) {
    SetForegroundWindow(window);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 2000; Sleep(10)) {
        guitest::Pump();
        if (GetActiveWindow() == window)
            return;
    }
}

// Rests the mouse on a button and waits for its tip to appear: up to three
// seconds, as a busy machine can take a second or more to show it.
bool TipAppears(HWND bar, const RECT& button) {
    Activate(GetAncestor(bar, GA_ROOT));
    HWND tips = HWND(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 10);
    POINT point{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    POINT screen = point;
    ClientToScreen(bar, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(10)) {
        guitest::Pump();
        if (IsWindowVisible(tips))
            break;
    }
    bool shown = IsWindowVisible(tips);
    // The mouse leaves the buttons, and the tip goes.
    RECT client;
    GetClientRect(bar, &client);
    PostMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 2, 2));
    SetCursorPos(0, 0);
    guitest::Pump();
    SendMessageW(tips, TTM_POP, 0, 0);
    guitest::Pump();
    return shown;
}

TEST_F(ToolBarTest, TipsShowOnlyWhileTheFormShowsHints) {
    EXPECT_TRUE(TipAppears(bar->Handle(), ItemRect(2)));
    EXPECT_EQ(guitest::WindowText(bar->ToolTips()), L"Apprentissage");
    form->SetShowHint(false);
    EXPECT_FALSE(TipAppears(bar->Handle(), ItemRect(3)));
    form->SetShowHint(true);
    EXPECT_TRUE(TipAppears(bar->Handle(), ItemRect(3)));
}

} // namespace
