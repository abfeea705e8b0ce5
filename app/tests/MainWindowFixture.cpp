#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "framework/widgets/Panel.h"
#include "app/SixpointeModule.h"
#include "controls/AlignEdit.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "framework/core/Application.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Shape.h"
#include "framework/widgets/ToolBar.h"
#include "framework/window/WinControl.h"

#include <commctrl.h>

namespace {
// The program's own modules, initialised once for the whole test program.
class ModulesEnvironment : public testing::Environment {
public:
    void SetUp() override {
        AlignEdit::Initialize();
        Lines::Initialize();
        About::Initialize();
        Sixpointe::Initialize();
    }
    void TearDown() override {
        Sixpointe::Finalize();
        About::Finalize();
        Lines::Finalize();
        AlignEdit::Finalize();
    }
};
const auto* const environment = testing::AddGlobalTestEnvironment(new ModulesEnvironment);
} // namespace

void MainWindowTest::SetUp() {
    form = fw::Application()->CreateForm<TForm1>();
    form->Show();
    guitest::Pump();
}

void MainWindowTest::TearDown() {
    fw::TComponent::Free(form);
    guitest::Pump();
}

std::string MainWindowTest::CellDots(const TBrailleCell& cell) {
    return cell.Read().ToString();
}

POINT MainWindowTest::DotCentre(int dot) {
    int column = dot <= 3 ? 24 : 72;
    int row = 16 + ((dot - 1) % 3) * 32;
    return {column + 12, row + 12};
}

void MainWindowTest::PressDot(const TBrailleCell& cell, int dot, UINT button) {
    POINT p = DotCentre(dot);
    guitest::Click(cell.Panel()->Handle(), p.x, p.y, button);
}

HWND MainWindowTest::EditWindow() const {
    return form->alEdit1->Handle();
}

bool MainWindowTest::NativeMenuItemGrayed(const fw::TMenuItem& item) const {
    UINT state = GetMenuState(GetMenu(form->Handle()), UINT(item.Command()), MF_BYCOMMAND);
    EXPECT_NE(state, UINT(-1)) << "no such item in the menu bar";
    return (state & MF_GRAYED) != 0;
}

void MainWindowTest::ChooseMenuLater(const char* itemName) {
    auto* item = fw::As<fw::TMenuItem>(form->FindComponent(itemName));
    ASSERT_NE(item, nullptr) << itemName;
    PostMessageW(form->Handle(), WM_COMMAND, WPARAM(item->Command()), 0);
}

void MainWindowTest::ChooseMenu(const char* itemName) {
    ChooseMenuLater(itemName);
    guitest::Pump();
}

void MainWindowTest::ClickToolButton(int index) {
    RECT r;
    HWND toolbar = form->ToolBar1->Handle();
    SendMessageW(toolbar, TB_GETITEMRECT, WPARAM(index), LPARAM(&r));
    guitest::Click(toolbar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
