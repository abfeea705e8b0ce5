// A fresh form for each test, at a known place of the desktop.
#pragma once

#include "GuiTest.h"

#include "framework/core/Application.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

namespace barstest {

class BarsTest : public testing::Test {
protected:
    void SetUp() override {
        form = new fw::TForm(fw::Application());
        form->SetBounds(40, 40, 480, 360);
    }
    void TearDown() override {
        fw::TComponent::Free(form);
        guitest::Pump();
    }

    // A control owned by the form and placed on `parent`.
    template <class T> T* Add(fw::TWinControl* parent) {
        auto* control = new T(form);
        control->SetParent(parent);
        return control;
    }

    void ShowForm() {
        form->Show();
        guitest::Pump();
    }

    fw::TForm* form = nullptr;
};

// Client rectangle of a window, in the coordinates of another window.
inline RECT RectIn(HWND window, HWND reference) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, reference, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline void ClickCenter(HWND window, const RECT& r) {
    guitest::Click(window, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace barstest
