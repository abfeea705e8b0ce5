// Focus requests, taken at once or when the form appears, and Tab order.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/widgets/Panel.h"

#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

// Edits e1, e2, e3 (in a panel), e4 in creation order, and a logbook of
// their OnEnter / OnExit.
class FocusTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        e1 = AddEdit("e1", form, 10);
        e2 = AddEdit("e2", form, 40);
        auto* panel = Add<fw::TPanel>(form, 8, 70, 300, 60);
        e3 = AddEdit("e3", panel, 10);
        e4 = AddEdit("e4", form, 140);
        AddEdit("noStop", form, 170)->SetTabStop(false);
    }
    fw::TCustomEdit* AddEdit(const std::string& name, fw::TWinControl* parent, int top) {
        auto* edit = Add<fw::TCustomEdit>(parent, 8, top, 120, 21);
        edit->SetName(name);
        edit->OnEnter = [this](TComponent* sender) { log.push_back("+" + sender->Name()); };
        edit->OnExit = [this](TComponent* sender) { log.push_back("-" + sender->Name()); };
        return edit;
    }
    std::string FocusedName() const {
        for (auto* edit : {e1, e2, e3, e4})
            if (edit->Focused())
                return edit->Name();
        return "?";
    }
    fw::TCustomEdit *e1 = nullptr, *e2 = nullptr, *e3 = nullptr, *e4 = nullptr;
    std::vector<std::string> log;
};

void PressTab(bool shift) {
    if (shift)
        guitest::PressKeyHolding(GetFocus(), VK_TAB, {VK_SHIFT});
    else
        guitest::PressKey(GetFocus(), VK_TAB);
}

TEST_F(FocusTest, SetFocusOnAShownFormTakesEffectAtOnce) {
    ShowForm();
    e3->SetFocus();
    EXPECT_EQ(GetFocus(), e3->Handle());
    EXPECT_EQ(form->ActiveControl(), e3);
}

TEST_F(FocusTest, RequestBeforeShowingTakesEffectWhenShown) {
    e2->SetFocus();
    EXPECT_FALSE(e2->Focused());
    ShowForm();
    EXPECT_EQ(FocusedName(), "e2");
    EXPECT_EQ(log, std::vector<std::string>{"+e2"});
}

TEST_F(FocusTest, RequestFromOnShowTakesEffect) {
    form->OnShow = [this](TComponent*) { e3->SetFocus(); };
    ShowForm();
    EXPECT_EQ(FocusedName(), "e3");
}

TEST_F(FocusTest, TabFollowsTheTabOrderSkippingWhatCannotTakeFocus) {
    e4->SetTabOrder(0); // the form's order: e4, e1, e2, the panel (e3)
    ShowForm();
    ASSERT_EQ(FocusedName(), "e4"); // the first stop, with no request
    struct Step {
        bool shift;
        const char* to;
    };
    auto walk = [this](std::initializer_list<Step> steps) {
        for (const Step& step : steps) {
            std::string from = FocusedName();
            SCOPED_TRACE(from + (step.shift ? " shift+tab" : " tab"));
            log.clear();
            PressTab(step.shift);
            EXPECT_EQ(FocusedName(), step.to);
            EXPECT_EQ(log, (std::vector<std::string>{"-" + from, std::string("+") + step.to}));
        }
    };
    walk({{false, "e1"}, {false, "e2"}, {false, "e3"}, {false, "e4"}, {true, "e3"}});
    e1->SetVisible(false);
    e2->SetEnabled(false);
    walk({{false, "e4"}, {false, "e3"}, {true, "e4"}, {true, "e3"}});
    EXPECT_EQ(e3->Text(), ""); // Tab itself typed nothing
}

} // namespace
} // namespace fwtest
