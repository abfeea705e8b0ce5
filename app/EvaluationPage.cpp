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
#include "framework/widgets/Panel.h"
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
    WorkshopFirstCell.Show(braille::Dots("1 2 3 4 5 6"));
    WorkshopSecondCell.Show(braille::Dots("1 2 3 4 5 6"));
    Edit1->SetText("");
    Edit2->SetText("");
    Label5->Font().SetColor(clBlack);
    Label5->SetCaption("");
    btnValider->SetEnabled(true);
    btnEffacer->SetEnabled(false);
    RandomizeFromClock();
    const auto questions = braille::QuestionList();
    Edit1->SetText(std::string(questions[size_t(Random(int(questions.size())))]));
    // The answer is written from the first cell on, with the keyboard too.
    WorkshopFirstCell.Panel()->SetFocus();
}

void TForm1::btnValiderClick(TComponent*) {
    auto answer = braille::RecognizeCells(WorkshopFirstCell.Read(), WorkshopSecondCell.Read());
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

// Each dot of the workshop has its own handler; any button, on the press.
void TForm1::Shape13MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(1);
}
void TForm1::Shape14MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(2);
}
void TForm1::Shape15MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(3);
}
void TForm1::Shape16MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(4);
}
void TForm1::Shape17MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(5);
}
void TForm1::Shape18MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopFirstCell.ToggleDot(6);
}
void TForm1::Shape19MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(1);
}
void TForm1::Shape20MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(2);
}
void TForm1::Shape21MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(3);
}
void TForm1::Shape22MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(4);
}
void TForm1::Shape23MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(5);
}
void TForm1::Shape24MouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
    WorkshopSecondCell.ToggleDot(6);
}

// The workshop's cells from the keyboard: the six keys, Space and the digits.
void TForm1::Panel3KeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    WorkshopFirstKeys.KeyDown(key);
}
void TForm1::Panel3KeyUp(TComponent*, std::uint16_t& key, TShiftState) {
    WorkshopFirstKeys.KeyUp(key);
}
void TForm1::Panel3Exit(TComponent*) {
    WorkshopFirstKeys.FocusLost();
}
void TForm1::Panel4KeyDown(TComponent*, std::uint16_t& key, TShiftState) {
    WorkshopSecondKeys.KeyDown(key);
}
void TForm1::Panel4KeyUp(TComponent*, std::uint16_t& key, TShiftState) {
    WorkshopSecondKeys.KeyUp(key);
}
void TForm1::Panel4Exit(TComponent*) {
    WorkshopSecondKeys.FocusLost();
}
