// The About box of a shown window, with the memory figures under the test's
// control; the dialog is looked at and closed from within its modal loop.
#pragma once

#include "GuiTest.h"
#include "controls/AboutBox.h"
#include "controls/AboutForm.h"
#include "controls/MemoryStatus.h"
#include "framework/window/Form.h"

#include <gtest/gtest.h>

#include <functional>

class AboutTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs Execute; `step` runs once the dialog is up and painted and must
    // close it. Returns false when no dialog came up.
    bool Open(const std::function<void(TFAbout&)>& step);
    // The About dialog that exists now, if any.
    static TFAbout* OpenDialog();
    // A pixel of the dialog's client area, as painted there.
    static COLORREF DialogPixel(TFAbout& dialog, int x, int y);
    static void PressOk(TFAbout& dialog);

    // What the memory source reports, and how often it was asked.
    static MemoryStatus reported;
    static int reads;

    fw::TForm* mainWindow = nullptr;
    TAboutBox* box = nullptr;
};
