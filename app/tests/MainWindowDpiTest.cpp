// The main window laid out at the desktop's resolution, to the pixel: each
// control placed by the layout at its 96-dpi value scaled once, and the
// controls placed by rule (aligned bars, tab pages) spanning exactly what
// the rule gives them. Run at 96 dpi with the others, and by run_at_dpi.py
// at 120, 144 and 192 dpi.
#include "MainWindowFixture.h"

#include "framework/core/Dpi.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/TabSheet.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// The window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Scaled(int pixelsAt96) {
    return MulDiv(pixelsAt96, fw::ScreenDpi(), 96);
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

} // namespace

TEST_F(MainWindowTest, LayoutIsScaledOnceToThePixel) {
    if (const char* expected = std::getenv("SIX_EXPECTED_DPI")) {
        ASSERT_EQ(fw::ScreenDpi(), std::atoi(expected)) << "the desktop's resolution";
    }
    form->tlbtnSheet2Click(nullptr); // both pages made
    guitest::Pump();
    int placed = 0, ruled = 0;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = fw::As<fw::TWinControl>(form->Component(i));
        if (!control || !control->HandleAllocated() || !control->Parent())
            continue;
        SCOPED_TRACE(control->Name());
        RECT actual = PlaceInParent(control->Handle());
        RECT parentClient = ClientRectOf(GetParent(control->Handle()));
        if (auto* page = fw::As<fw::TTabSheet>(control)) {
            // A page fills the display area of its tab control.
            RECT area = parentClient;
            SendMessageW(GetParent(page->Handle()), TCM_ADJUSTRECT, FALSE, LPARAM(&area));
            EXPECT_EQ(Describe(actual), Describe(area));
            ++ruled;
        } else if (control->Align() != fw::alNone) {
            // An aligned bar spans its parent's client width.
            EXPECT_EQ(actual.left, 0);
            EXPECT_EQ(actual.right, parentClient.right);
            ++ruled;
        } else if (!fw::As<fw::TControlBar>(control->Parent())) {
            // (A control bar places its bands itself.)
            RECT expected{Scaled(control->Left()), Scaled(control->Top()), 0, 0};
            expected.right = expected.left + Scaled(control->Width());
            expected.bottom = expected.top + Scaled(control->Height());
            EXPECT_EQ(Describe(actual), Describe(expected));
            ++placed;
        }
    }
    EXPECT_GE(placed, 10);
    EXPECT_GE(ruled, 4);
}
