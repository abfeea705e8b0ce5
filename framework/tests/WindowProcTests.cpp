// The one window procedure: notifications handed back to the child they
// concern, windowless controls painted and hit-tested by their parent, and
// showing computed through the parents.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;
using WindowProcTest = FormTest;

TEST_F(WindowProcTest, TypingInANestedEditRunsItsOnChange) {
    auto* panel = Add<fw::TPanel>(form, 8, 8, 300, 100);
    auto* edit = Add<fw::TCustomEdit>(panel, 8, 8, 200, 21);
    ShowForm();
    std::vector<std::string> seen;
    edit->OnChange = [&](TComponent* sender) {
        EXPECT_EQ(sender, edit);
        seen.push_back(edit->Text());
    };
    guitest::Type(edit->Handle(), L"ab");
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab"}));
}

TEST_F(WindowProcTest, EditColoursComeFromItsOwnColorAndFont) {
    auto* edit = Add<fw::TCustomEdit>(form, 8, 8, 200, 24);
    edit->SetColor(fw::clRed);
    edit->Font().SetColor(fw::clBlue);
    ShowForm();
    // What the edit asks its parent before it paints.
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush =
        HBRUSH(SendMessageW(form->Handle(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit->Handle())));
    LOGBRUSH logBrush{};
    ASSERT_TRUE(GetObjectW(brush, sizeof logBrush, &logBrush));
    EXPECT_EQ(logBrush.lbColor, RGB(255, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 0, 0));
    DeleteDC(dc);
    // And what the screen shows.
    RECT client;
    GetClientRect(edit->Handle(), &client);
    EXPECT_EQ(ScreenPixel(edit->Handle(), client.right - 4, client.bottom / 2), RGB(255, 0, 0));
    edit->SetColor(fw::clLime);
    guitest::Pump();
    EXPECT_EQ(ScreenPixel(edit->Handle(), client.right - 4, client.bottom / 2), RGB(0, 255, 0));
}

// Two overlapping squares on a white panel; `upper` was created last.
class GraphicControlTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        panel = Add<fw::TPanel>(form, 10, 10, 200, 150);
        panel->SetColor(fw::clWhite);
        panel->SetName("panel");
        lower = AddSquare("lower", 20, 20, fw::clRed);
        upper = AddSquare("upper", 60, 60, fw::clBlue);
        for (fw::TControl* control : std::vector<fw::TControl*>{panel, lower, upper})
            control->OnMouseDown = [this](TComponent* sender, fw::TMouseButton button,
                                          fw::TShiftState, int x, int y) {
                presses.push_back({sender->Name(), button, x, y});
            };
        ShowForm();
    }
    fw::TShape* AddSquare(const std::string& name, int left, int top, fw::TColor color) {
        auto* shape = Add<fw::TShape>(panel, left, top, 80, 80);
        shape->SetName(name);
        shape->Brush().SetColor(color);
        return shape;
    }
    COLORREF Pixel(int x, int y) { return ScreenPixel(panel->Handle(), x, y); }

    struct Press {
        std::string name;
        fw::TMouseButton button;
        int x, y;
        bool operator==(const Press&) const = default;
    };
    fw::TPanel* panel = nullptr;
    fw::TShape* lower = nullptr;
    fw::TShape* upper = nullptr;
    std::vector<Press> presses;
};

TEST_F(GraphicControlTest, ParentPaintsThemInCreationOrder) {
    EXPECT_EQ(Pixel(30, 30), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(70, 70), RGB(0, 0, 255)); // where they overlap
    EXPECT_EQ(Pixel(150, 30), RGB(255, 255, 255));
    upper->SetVisible(false);
    guitest::Pump();
    EXPECT_EQ(Pixel(70, 70), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(120, 120), RGB(255, 255, 255));
}

TEST_F(GraphicControlTest, PressGoesToTheTopmostVisibleControl) {
    struct Button {
        UINT message;
        fw::TMouseButton button;
    };
    for (Button b : {Button{WM_LBUTTONDOWN, fw::mbLeft}, Button{WM_RBUTTONDOWN, fw::mbRight},
                     Button{WM_MBUTTONDOWN, fw::mbMiddle}}) {
        SCOPED_TRACE(int(b.button));
        presses.clear();
        upper->SetVisible(true);
        lower->SetVisible(true);
        guitest::Click(panel->Handle(), 70, 75, b.message);
        upper->SetVisible(false);
        guitest::Click(panel->Handle(), 70, 75, b.message);
        lower->SetVisible(false);
        guitest::Click(panel->Handle(), 70, 75, b.message);
        EXPECT_EQ(presses, (std::vector<Press>{{"upper", b.button, 10, 15},
                                               {"lower", b.button, 50, 55},
                                               {"panel", b.button, 70, 75}}));
    }
}

TEST_F(WindowProcTest, ShowingNeedsEveryParentVisible) {
    auto* panel = Add<fw::TPanel>(form, 8, 8, 300, 100);
    auto* edit = Add<fw::TCustomEdit>(panel, 8, 8, 200, 21);
    auto* shape = Add<fw::TShape>(panel, 220, 8, 20, 20);
    auto* loose = new fw::TCustomEdit(form); // owned, never placed
    auto state = [&] {
        return std::vector<bool>{form->Showing(), panel->Showing(), edit->Showing(),
                                 shape->Showing(), edit->CanFocus()};
    };
    using V = std::vector<bool>;
    form->HandleNeeded(); // windows exist, but the form is not shown
    EXPECT_EQ(state(), (V{false, false, false, false, false}));
    ShowForm();
    EXPECT_EQ(state(), (V{true, true, true, true, true}));
    EXPECT_FALSE(loose->Showing());
    panel->SetVisible(false);
    EXPECT_EQ(state(), (V{true, false, false, false, false}));
    EXPECT_TRUE(edit->Visible());
    panel->SetVisible(true);
    panel->SetEnabled(false);
    EXPECT_EQ(state(), (V{true, true, true, true, false}));
    panel->SetEnabled(true);
    form->Hide();
    EXPECT_EQ(state(), (V{false, false, false, false, false}));
}

} // namespace
} // namespace fwtest
