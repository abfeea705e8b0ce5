// The main window moved to a monitor of another resolution: Windows sends
// WM_DPICHANGED with the window's new place, and the window must then look
// exactly as if the program had been started at that resolution.
//
// The pictures of a start at each resolution come from runs of this program
// with the desktop at that resolution (run_at_dpi.py, which names a folder for
// them in SIX_DPI_PICTURES and runs 96 dpi last). Wine draws the frame and the
// menu bar at the desktop's resolution whatever the window's, so the client
// area is compared: all of it above the status bar, and the status bar
// against the bottom of the other.
#include "MainWindowFixture.h"

#include "WindowPicture.h"
#include "controls/AlignEdit.h"
#include "framework/core/Dpi.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/StatusBar.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// As Windows sends it: the new resolution and the window's rectangle there.
void MoveToDpi(fw::TForm& form, int dpi) {
    RECT now;
    GetWindowRect(form.Handle(), &now);
    RECT suggested{now.left, now.top,
                   now.left + MulDiv(now.right - now.left, dpi, form.PixelsPerInch()),
                   now.top + MulDiv(now.bottom - now.top, dpi, form.PixelsPerInch())};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    guitest::Pump();
}

std::string PicturePath(const char* what, int dpi) {
    const char* folder = std::getenv("SIX_DPI_PICTURES");
    return std::string(folder ? folder : ".") + "/" + what + "_" + std::to_string(dpi);
}

// Pixels that differ between a window moved to a resolution and one started
// there, over the client area above the status bar and over the status bar.
// Wine draws the frame at the desktop's resolution, which can leave the client
// areas a pixel or two apart in width: the bars' right ends are left out. Its
// theme shades the tab control's border at the desktop's resolution too, by a
// level or two: such pixels count as the same.
int Differences(const guitest::Picture& moved, const guitest::Picture& started, int statusBar) {
    int width = std::min(moved.width, started.width) - std::abs(moved.width - started.width) - 2;
    int height = std::min(moved.height, started.height);
    int above =
        guitest::CountDifferences(moved, started, {0, 0, width, height - statusBar}, 0, 0, 4);
    if (moved.height == started.height || above < 0)
        return above;
    // Only a client area that the desktop holds whole has its status bar in the picture.
    if (moved.height >= GetSystemMetrics(SM_CYSCREEN) ||
        started.height >= GetSystemMetrics(SM_CYSCREEN))
        return above;
    int bar = guitest::CountDifferences(moved, started,
                                        {0, moved.height - statusBar, width, moved.height}, 0,
                                        started.height - moved.height, 4);
    return bar < 0 ? -1 : above + bar;
}

} // namespace

class MainWindowDpiChangeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // No pointer over the tool bar, no caret blinking: nothing that changes by itself.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        guitest::Type(form->alEdit1->Handle(), L"A");
        ::SetFocus(form->PageControl1->Handle());
        guitest::Pump();
    }
    int StatusBarHeight() const {
        RECT r;
        GetWindowRect(form->StatusBar1->Handle(), &r);
        return r.bottom - r.top;
    }
    guitest::Picture Look() { return guitest::ClientPicture(form->Handle()); }
};

// Whatever resolutions the window went through, it comes back to its own
// to the pixel: nothing of another resolution stays behind.
TEST_F(MainWindowDpiChangeTest, BackAtItsResolutionLooksAsAtStart) {
    int own = fw::ScreenDpi();
    guitest::Picture start = Look();
    RECT size;
    GetWindowRect(form->Handle(), &size);
    for (int dpi : kDpis) {
        if (dpi == own)
            continue;
        SCOPED_TRACE(dpi);
        MoveToDpi(*form, dpi);
        EXPECT_EQ(form->PixelsPerInch(), dpi);
        MoveToDpi(*form, own);
        guitest::Picture back = Look();
        ASSERT_EQ(back.width, start.width);
        ASSERT_EQ(back.height, start.height);
        // But for the theme's shading of the tab control's border, which Wine
        // draws a level or two apart from one paint to another at 192 dpi.
        EXPECT_EQ(
            guitest::CountDifferences(back, start, {0, 0, start.width, start.height}, 0, 0, 4), 0);
        RECT now;
        GetWindowRect(form->Handle(), &now);
        EXPECT_EQ(now.right - now.left, size.right - size.left);
        EXPECT_EQ(now.bottom - now.top, size.bottom - size.top);
    }
}

// The suggested place is taken; the size is the fixed one of that
// resolution, and dragging the frame keeps it.
TEST_F(MainWindowDpiChangeTest, TakesTheSuggestedPlaceAndKeepsItsSizeThere) {
    for (int dpi : {144, 120, 192, 96}) {
        SCOPED_TRACE(dpi);
        RECT suggested{30, 20, 30 + MulDiv(569, dpi, 96), 20 + MulDiv(399, dpi, 96)};
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        guitest::Pump();
        RECT now;
        GetWindowRect(form->Handle(), &now);
        EXPECT_EQ(now.left, 30);
        EXPECT_EQ(now.top, 20);
        EXPECT_EQ(now.right - now.left, MulDiv(569, dpi, 96));
        EXPECT_EQ(now.bottom - now.top, MulDiv(399, dpi, 96));
        MINMAXINFO info{};
        SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, LPARAM(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, MulDiv(569, dpi, 96));
        EXPECT_EQ(info.ptMaxTrackSize.y, MulDiv(399, dpi, 96));
    }
}

// Run by run_at_dpi.py: each start keeps its picture, and the last run, at
// 96 dpi, moves its window to each resolution and compares.
TEST_F(MainWindowDpiChangeTest, MovedToAResolutionLooksAsStartedThere) {
    if (!std::getenv("SIX_DPI_PICTURES"))
        GTEST_SKIP() << "needs the pictures of starts at other resolutions (run_at_dpi.py)";
    int own = fw::ScreenDpi();
    ASSERT_TRUE(guitest::SavePicture(Look(), PicturePath("main", own)));
    if (own != 96)
        return;
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        std::optional<guitest::Picture> started = guitest::LoadPicture(PicturePath("main", dpi));
        ASSERT_TRUE(started) << "no picture of a start at that resolution";
        MoveToDpi(*form, dpi);
        guitest::Picture moved = Look();
        guitest::SavePictureAsBitmap(moved, PicturePath("main_moved", dpi) + ".bmp");
        guitest::SavePictureAsBitmap(*started, PicturePath("main_started", dpi) + ".bmp");
        EXPECT_EQ(Differences(moved, *started, StatusBarHeight()), 0);
    }
}
