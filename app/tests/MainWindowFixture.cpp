#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "app/SixpointeModule.h"
#include "controls/AlignEdit.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "framework/core/Application.h"
#include "framework/widgets/Shape.h"
#include "framework/window/WinControl.h"

namespace {
// The program's own modules, initialised once for the whole test program.
class ModulesEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        AlignEdit::Initialize();
        Lines::Initialize();
        About::Initialize();
        Sixpointe::Initialize();
    }
    void TearDown() override
    {
        Sixpointe::Finalize();
        About::Finalize();
        Lines::Finalize();
        AlignEdit::Finalize();
    }
};
const auto* const environment = testing::AddGlobalTestEnvironment(new ModulesEnvironment);
} // namespace

void MainWindowTest::SetUp()
{
    form = fw::Application()->CreateForm<TForm1>();
    form->Show();
    guitest::Pump();
}

void MainWindowTest::TearDown()
{
    fw::TComponent::Free(form);
    guitest::Pump();
}

std::string MainWindowTest::CellDots(int firstShape) const
{
    return ReadCell(form->Shapes + firstShape - 1).ToString();
}

HWND MainWindowTest::PanelOf(int firstShape) const
{
    return form->Shapes[firstShape - 1]->Parent()->Handle();
}

POINT MainWindowTest::DotCentre(int dot)
{
    int column = dot <= 3 ? 24 : 72;
    int row = 16 + ((dot - 1) % 3) * 32;
    return {column + 12, row + 12};
}

void MainWindowTest::PressDot(int firstShape, int dot, UINT button)
{
    POINT p = DotCentre(dot);
    guitest::Click(PanelOf(firstShape), p.x, p.y, button);
}

HWND MainWindowTest::EditWindow() const { return form->alEdit1->Handle(); }
