// Push buttons: the ways a user presses one, and a disabled button ignoring them.
#include "FormTest.h"

#include "framework/widgets/Button.h"

using guitest::ClickCenter;
using guitest::FormTest;
using guitest::RectIn;

namespace {

class ButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        button = Add<fw::TButton>(form);
        button->SetBounds(80, 168, 75, 25);
        button->SetCaption("&Valider");
        button->OnClick = [this](fw::TComponent* sender) {
            EXPECT_EQ(sender, button);
            ++clicks;
        };
        ShowForm();
    }

    fw::TButton* button = nullptr;
    int clicks = 0;
};

struct Press {
    const char* name;
    void (*press)(HWND button);
};

const Press kPresses[] = {
    {"BM_CLICK",
     [](HWND b) {
         SendMessageW(b, BM_CLICK, 0, 0);
         guitest::Pump();
     }},
    {"mouse", [](HWND b) { guitest::Click(b, 37, 12); }},
    {"space",
     [](HWND b) {
         SetFocus(b);
         guitest::PressKey(b, VK_SPACE);
     }},
    {"enter",
     [](HWND b) {
         SetFocus(b);
         guitest::PressKey(b, VK_RETURN);
     }},
};

TEST_F(ButtonTest, EachWayOfPressingClicksOnce) {
    for (const Press& way : kPresses) {
        clicks = 0;
        way.press(button->Handle());
        EXPECT_EQ(clicks, 1) << way.name;
    }
}

TEST_F(ButtonTest, DisabledButtonIgnoresEveryPress) {
    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button->Handle()));
    for (const Press& way : kPresses) {
        way.press(button->Handle());
        EXPECT_EQ(clicks, 0) << way.name;
    }
    button->SetEnabled(true);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

} // namespace
