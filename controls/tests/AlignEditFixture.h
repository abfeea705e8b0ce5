// A shown form holding the field under test and a second field to take the
// focus away: real windows, real messages.
#pragma once

#include "FormTest.h"
#include "controls/AlignEdit.h"

#include <string>

class AlignEditTest : public guitest::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        edit = Add<TAlignEdit>(form, 10, 10, 200, 60);
        next = Add<fw::TCustomEdit>(form, 10, 100, 200, 21);
        ShowForm();
        guitest::ResetBeepCount();
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

    TAlignEdit* edit = nullptr;
    fw::TCustomEdit* next = nullptr;
};
