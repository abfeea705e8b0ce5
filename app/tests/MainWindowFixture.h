// The real main window, created from its layout and shown, for each test.
#pragma once

#include "app/MainForm.h"
#include "GuiTest.h"

#include "braille/DotSet.h"
#include "framework/widgets/MainMenu.h"

#include <gtest/gtest.h>

#include <string>

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The dots of a cell on screen, written as in the alphabet's tables ("4 6", "none").
    static std::string CellDots(const TBrailleCell& cell);
    // The centre of dot n (1..6) in its cell's panel.
    static POINT DotCentre(int dot);
    // A real mouse press on dot n of the cell.
    static void PressDot(const TBrailleCell& cell, int dot, UINT button = WM_LBUTTONDOWN);
    HWND EditWindow() const;
    // The greyed state of a menu item as the native menu shows it.
    bool NativeMenuItemGrayed(const fw::TMenuItem& item) const;
    // The menu command arrives as the menu sends it, on the next message.
    void ChooseMenuLater(const char* itemName);
    void ChooseMenu(const char* itemName);
    // A real mouse click on the tool button at `index` of the tool bar.
    void ClickToolButton(int index);

    TForm1* form = nullptr;
};
