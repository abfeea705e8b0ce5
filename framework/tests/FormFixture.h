// A fresh, empty form for each test, at a known place of the desktop.
#pragma once

#include "GuiTest.h"

#include "framework/core/Application.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

namespace fwtest {

class FormTest : public testing::Test {
protected:
    void SetUp() override {
        form = new fw::TForm(fw::Application());
        form->SetBounds(40, 40, 420, 320);
    }
    void TearDown() override {
        fw::TComponent::Free(form);
        guitest::Pump();
    }

    // A control owned by the form and placed on `parent`, in 96-dpi pixels.
    template <class T> T* Add(fw::TWinControl* parent, int left, int top, int width, int height) {
        auto* control = new T(form);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }

    void ShowForm() {
        form->Show();
        guitest::Pump();
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

} // namespace fwtest
