// A fresh, empty form for each test, at a known place of the desktop, and
// what tests of controls on it need.
#pragma once

#include "GuiTest.h"

#include "framework/core/Application.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

namespace guitest {

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        form = new fw::TForm(fw::Application());
        form->SetBounds(40, 40, 480, 360);
    }
    void TearDown() override {
        fw::TComponent::Free(form);
        Pump();
    }

    // A control owned by the form and placed on `parent`.
    template <class T> T* Add(fw::TWinControl* parent) {
        auto* control = new T(form);
        control->SetParent(parent);
        return control;
    }
    // The same at a place, in 96-dpi pixels.
    template <class T> T* Add(fw::TWinControl* parent, int left, int top, int width, int height) {
        T* control = Add<T>(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }

    void ShowForm() {
        form->Show();
        Pump();
    }

    fw::TForm* form = nullptr;
};

// The colour on screen at a point of a window's client area.
inline COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return color;
}

// Client rectangle of a window, in the coordinates of another window.
inline RECT RectIn(HWND window, HWND reference) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, reference, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline void ClickCenter(HWND window, const RECT& r) {
    Click(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace guitest
