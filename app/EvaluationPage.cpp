// The Evaluation page: a character drawn at random, written by erasing dots,
// read back and judged.
#include "app/CellView.h"
#include "app/MainForm.h"

#include "braille/QuestionList.h"
#include "braille/Recognition.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/core/Random.h"
#include "framework/widgets/Shape.h"

using namespace fw;

namespace {
// A verdict is shown in its own colour.
struct Verdict {
    const char* text;
    TColor color;
};
constexpr Verdict kCorrect{"R\xE9ponse correcte !", clGreen};
constexpr Verdict kIncorrect{"R\xE9ponse incorrecte !", clRed};
constexpr Verdict kNoSign{"Erreur : signe inexistant !", clNavy};
} // namespace

void TForm1::TabSheet2Show(TComponent* sender) {
    tlbtnNouveau->SetEnabled(false);
    Nouveau1->SetEnabled(false);
    btnEffacerClick(sender);
}

void TForm1::btnEffacerClick(TComponent*) {
    for (int i = 12; i < 24; ++i)
        Shapes[i]->SetVisible(true);
    Edit1->SetText("");
    Edit2->SetText("");
    Label5->Font().SetColor(clBlack);
    Label5->SetCaption("");
    btnValider->SetEnabled(true);
    btnEffacer->SetEnabled(false);
    RandomizeFromClock();
    const auto questions = braille::QuestionList();
    Edit1->SetText(std::string(questions[size_t(Random(int(questions.size())))]));
}

void TForm1::btnValiderClick(TComponent*) {
    auto answer = braille::RecognizeCells(ReadCell(Shapes + 12), ReadCell(Shapes + 18));
    if (answer)
        Edit2->SetText(std::string(*answer));
    const Verdict& verdict = !answer                          ? kNoSign
                             : Edit2->Text() == Edit1->Text() ? kCorrect
                                                              : kIncorrect;
    Label5->Font().SetColor(verdict.color);
    Label5->SetCaption(verdict.text);
    btnValider->SetEnabled(false);
    btnEffacer->SetEnabled(true);
}

void TForm1::ToggleDot(int shapeNumber) {
    TShape* dot = Shapes[shapeNumber - 1];
    dot->SetVisible(!dot->Visible());
}

// Each dot of the workshop has its own handler; any button, on the press.
void TForm1::Shape13MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(13);
}
void TForm1::Shape14MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(14);
}
void TForm1::Shape15MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(15);
}
void TForm1::Shape16MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(16);
}
void TForm1::Shape17MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(17);
}
void TForm1::Shape18MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(18);
}
void TForm1::Shape19MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(19);
}
void TForm1::Shape20MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(20);
}
void TForm1::Shape21MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(21);
}
void TForm1::Shape22MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(22);
}
void TForm1::Shape23MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(23);
}
void TForm1::Shape24MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    ToggleDot(24);
}
