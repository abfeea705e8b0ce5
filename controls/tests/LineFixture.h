// A line painted into a memory bitmap, so that each paint can be looked at
// on its own; and a shown form, for what the parent window does with it.
#pragma once

#include "GuiTest.h"
#include "controls/Lines.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

// A white 24-bit surface that a control paints itself into at its origin.
class PaintSurface {
public:
    static constexpr int kSize = 320;
    PaintSurface();
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;
    ~PaintSurface();

    // Clears the surface to white, then paints the line once.
    void Paint(TLine& line);
    bool Black(int x, int y) const { return GetPixel(dc_, x, y) == RGB(0, 0, 0); }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class LineTest : public testing::Test {
protected:
    void SetUp() override { line = new TLine(nullptr); }
    void TearDown() override {
        delete line;
        if (form)
            fw::TComponent::Free(form);
        guitest::Pump();
    }

    // Puts the line on a shown form at (left, top).
    void ShowOnForm(int left, int top);
    // The colour at a point of the form's client area, as painted there.
    COLORREF WindowPixel(int x, int y);

    TLine* line = nullptr;
    fw::TForm* form = nullptr;
    PaintSurface surface;
};
