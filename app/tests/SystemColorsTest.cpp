// A change of the system colours (a high-contrast theme, say) repaints the
// open window in the new colours, without a restart; the cells keep theirs.
#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

// The user's colours while a test changes them; put back whatever happens.
class SystemColorsChange {
public:
    SystemColorsChange(int element, COLORREF color) : element_(element) {
        saved_ = GetSysColor(element);
        SetSysColors(1, &element_, &color);
    }
    SystemColorsChange(const SystemColorsChange&) = delete;
    SystemColorsChange& operator=(const SystemColorsChange&) = delete;
    ~SystemColorsChange() { SetSysColors(1, &element_, &saved_); }

private:
    int element_;
    COLORREF saved_;
};

// The colour on screen at a point of a window's client area.
COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}
} // namespace

TEST_F(MainWindowTest, AChangeOfSystemColoursRepaintsTheWindowInTheNewColours) {
    form->tlbtnSheet2Click(nullptr);
    guitest::Pump();
    HWND workshop = GetParent(form->WorkshopFirstCell.Panel()->Handle());
    HWND cell = form->WorkshopFirstCell.Panel()->Handle();
    POINT dot = DotCentre(1);
    // Between the two cells, on the group box; in the cell, away from the dots.
    const POINT face{156, 100}, paper{60, 110};
    ASSERT_NE(PixelOf(workshop, face.x, face.y), RGB(0, 0, 160));
    {
        SystemColorsChange change(COLOR_BTNFACE, RGB(0, 0, 160));
        guitest::Pump();
        EXPECT_EQ(PixelOf(workshop, face.x, face.y), RGB(0, 0, 160));
        EXPECT_EQ(PixelOf(cell, paper.x, paper.y), kWhite);
        EXPECT_EQ(PixelOf(cell, dot.x, dot.y), kBlack);
    }
    guitest::Pump();
    EXPECT_NE(PixelOf(workshop, face.x, face.y), RGB(0, 0, 160)) << "the colours came back";
}

// Windows tells top-level windows only; the tool bar, tabs and status bar keep
// colours of their own and must hear of the change from the main window.
TEST_F(MainWindowTest, TheCommonControlsHearOfASystemColourChange) {
    guitest::MessagesSeen toolBar(form->ToolBar1->Handle(), WM_SYSCOLORCHANGE),
        tabs(form->PageControl1->Handle(), WM_SYSCOLORCHANGE),
        statusBar(form->StatusBar1->Handle(), WM_SYSCOLORCHANGE);
    {
        SystemColorsChange change(COLOR_BTNFACE, RGB(0, 0, 160));
        guitest::Pump();
    }
    guitest::Pump();
    EXPECT_GE(toolBar.count, 1);
    EXPECT_GE(tabs.count, 1);
    EXPECT_GE(statusBar.count, 1);
}
