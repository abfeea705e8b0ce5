// The dialog frame and modal showing, on real windows.
#include "FormTest.h"
#include "GuiTest.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

class ModalFormTest : public guitest::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ShowForm(); // the window that a modal dialog puts out of reach
        dialog = new TForm(Application());
        dialog->SetBorderStyle(bsDialog);
        dialog->SetBorderIcons(biSystemMenu);
        dialog->SetClientWidth(294);
        dialog->SetClientHeight(268);
    }
    void TearDown() override {
        TComponent::Free(dialog);
        FormTest::TearDown();
    }

    TForm* dialog = nullptr;
};

} // namespace

TEST_F(ModalFormTest, DialogFrameHasOnlyTheCloseBoxAndTheClientSizeAsked) {
    dialog->Show();
    guitest::Pump();
    HWND window = dialog->Handle();
    auto style = DWORD(GetWindowLongW(window, GWL_STYLE));
    auto exStyle = DWORD(GetWindowLongW(window, GWL_EXSTYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 294);
    EXPECT_EQ(client.bottom, 268);
    EXPECT_EQ(dialog->ClientWidth(), 294);
}

TEST_F(ModalFormTest, DialogBelongsToTheMainWindow) {
    auto* main = Application()->CreateForm<TForm>();
    main->Show();
    guitest::Pump();
    dialog->Show();
    guitest::Pump();
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), main->Handle());
    TComponent::Free(dialog);
    dialog = nullptr;
    TComponent::Free(main);
    EXPECT_EQ(Application()->MainForm(), nullptr);
}

// While the dialog is up the other window takes no input; closing it, by the
// close box or by a modal result, ends the showing and gives the input back.
TEST_F(ModalFormTest, ShowModalHoldsTheInputUntilClosed) {
    struct {
        const char* how;
        std::function<void(TForm&)> end;
        TModalResult result;
    } const cases[] = {
        {"close box", [](TForm& d) { PostMessageW(d.Handle(), WM_CLOSE, 0, 0); }, mrCancel},
        {"Close", [](TForm& d) { d.Close(); }, mrCancel},
        {"modal result", [](TForm& d) { d.SetModalResult(mrOk); }, mrOk},
    };
    for (const auto& c : cases) {
        bool otherEnabled = true, dialogShown = false;
        guitest::Later([&] {
            otherEnabled = IsWindowEnabled(form->Handle());
            dialogShown = IsWindowVisible(dialog->Handle()) && dialog->Modal();
            c.end(*dialog);
        });
        EXPECT_EQ(dialog->ShowModal(), c.result) << c.how;
        EXPECT_FALSE(otherEnabled) << c.how;
        EXPECT_TRUE(dialogShown) << c.how;
        EXPECT_TRUE(IsWindowEnabled(form->Handle())) << c.how;
        EXPECT_FALSE(IsWindowVisible(dialog->Handle())) << c.how;
        EXPECT_FALSE(dialog->Modal()) << c.how;
    }
}

TEST_F(ModalFormTest, CloseRefusedByOnCloseKeepsTheDialogUp) {
    bool refuse = true;
    dialog->OnClose = [&](TComponent*, TCloseAction& action) {
        if (refuse)
            action = caNone;
    };
    bool stillUp = false;
    guitest::Later([&] {
        PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0);
        guitest::Later([&] {
            stillUp = IsWindowVisible(dialog->Handle()) && !IsWindowEnabled(form->Handle());
            refuse = false;
            dialog->Close();
        });
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(stillUp);
}
