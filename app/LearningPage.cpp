// The Learning page: the typed character shown as two Braille cells.
#include "app/MainForm.h"
#include "app/CellView.h"

#include "braille/AlphabetTable.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Shape.h"

using namespace fw;

namespace {
constexpr char kPrompt[] = "Entrez un caract\xE8re...";
constexpr char kBackspace = 8;
} // namespace

void TForm1::ResetLearningPage() {
    alEdit1->SetText("");
    Label1->SetCaption(kPrompt);
    Label2->SetCaption("");
    Label3->SetCaption("");
    LearningFirstCell.Show(braille::DotSet());
    LearningSecondCell.Show(braille::DotSet());
}

void TForm1::alEdit1Change(TComponent*) {
    std::string text = alEdit1->Text();
    const braille::AlphabetRow* row = braille::LookupText(text);
    if (!row) {
        // Emptying the field runs this handler once more, nested; the empty
        // text then changes nothing, so the nesting stops there.
        ResetLearningPage();
        return;
    }
    Label1->SetCaption(text);
    Label3->SetCaption(text);
    // "/" and "*" have no caption: the first cell is then shown without one,
    // rather than under the caption of the character shown before.
    Label2->SetCaption(row->caption ? std::string(*row->caption) : std::string());
    LearningFirstCell.Show(row->first);
    LearningSecondCell.Show(row->second);
}

void TForm1::alEdit1KeyPress(TComponent*, char& key) {
    // Backspace clears the whole field; the key itself goes on to the empty field.
    if (key == kBackspace)
        ResetLearningPage();
}

void TForm1::TabSheet1Show(TComponent* sender) {
    tlbtnNouveau->SetEnabled(true);
    Nouveau1->SetEnabled(true);
    tlbtnNouveauClick(sender);
}

void TForm1::tlbtnNouveauClick(TComponent*) {
    ResetLearningPage();
    alEdit1->SetFocus();
}
