// A shown form holding the field under test and a second field to take the
// focus away: real windows, real messages.
#pragma once

#include "GuiTest.h"
#include "controls/AlignEdit.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

#include <string>

class AlignEditTest : public testing::Test {
protected:
    void SetUp() override {
        form = new fw::TForm(nullptr);
        form->SetBounds(40, 40, 400, 300);
        edit = new TAlignEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 200, 60);
        next = new fw::TCustomEdit(form);
        next->SetParent(form);
        next->SetBounds(10, 100, 200, 21);
        form->Show();
        guitest::Pump();
        guitest::ResetBeepCount();
    }

    void TearDown() override {
        fw::TComponent::Free(form);
        guitest::Pump();
    }

    DWORD EditStyle() { return DWORD(GetWindowLongW(edit->Handle(), GWL_STYLE)); }

    void FocusEdit() {
        edit->SetFocus();
        guitest::Pump();
    }
    void FocusNext() {
        next->SetFocus();
        guitest::Pump();
    }

    // The colour the window paints its background with, read from the screen.
    COLORREF BackgroundPixel() {
        HWND window = edit->Handle();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(window, &client);
        HDC dc = GetDC(window);
        COLORREF pixel = GetPixel(dc, client.right - 3, client.bottom - 3);
        ReleaseDC(window, dc);
        return pixel;
    }

    // The face name of the font that the window draws with.
    std::wstring WindowFontFace() {
        auto font = HFONT(SendMessageW(edit->Handle(), WM_GETFONT, 0, 0));
        LOGFONTW info{};
        GetObjectW(font, sizeof info, &info);
        return info.lfFaceName;
    }

    fw::TForm* form = nullptr;
    TAlignEdit* edit = nullptr;
    fw::TCustomEdit* next = nullptr;
};
