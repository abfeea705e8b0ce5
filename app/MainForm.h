// The main window: the Learning page, the Evaluation page, and the commands
// that switch between them and end the program.
#pragma once

#include "app/CellKeyboard.h"
#include "app/CellView.h"

#include "framework/window/Form.h"

#include <string_view>

namespace fw {
class HandlerTable;
template <class Form> void InitializeForm(Form& form, std::string_view layoutName);
class TButton;
class TControlBar;
class TGroupBox;
class TImageList;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPageControl;
class TPanel;
class TShape;
class TStatusBar;
class TTabSheet;
class TToolBar;
class TToolButton;
} // namespace fw

class TAboutBox;
class TAlignEdit;

class TForm1 : public fw::TForm {
    FW_CLASS(TForm1, fw::TForm)
public:
    explicit TForm1(fw::TComponent* owner);

    // Window
    void FormCreate(fw::TComponent* sender);
    void FormClose(fw::TComponent* sender, fw::TCloseAction& action);
    void FormDestroy(fw::TComponent* sender);
    void tlbtnSheet1Click(fw::TComponent* sender);
    void tlbtnSheet2Click(fw::TComponent* sender);
    void tlbtnAideClick(fw::TComponent* sender);
    void Aproposde1Click(fw::TComponent* sender);
    void tlbtnQuitterClick(fw::TComponent* sender);

    // Learning page
    void alEdit1Change(fw::TComponent* sender);
    void alEdit1KeyPress(fw::TComponent* sender, char& key);
    void TabSheet1Show(fw::TComponent* sender);
    void tlbtnNouveauClick(fw::TComponent* sender);

    // Evaluation page
    void TabSheet2Show(fw::TComponent* sender);
    void btnEffacerClick(fw::TComponent* sender);
    void btnValiderClick(fw::TComponent* sender);
    void Shape13MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape14MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape15MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape16MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape17MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape18MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape19MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape20MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape21MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape22MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape23MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Shape24MouseDown(fw::TComponent*, fw::TMouseButton, fw::TShiftState, int, int);
    void Panel3KeyDown(fw::TComponent*, std::uint16_t& key, fw::TShiftState);
    void Panel3KeyUp(fw::TComponent*, std::uint16_t& key, fw::TShiftState);
    void Panel3Exit(fw::TComponent*);
    void Panel4KeyDown(fw::TComponent*, std::uint16_t& key, fw::TShiftState);
    void Panel4KeyUp(fw::TComponent*, std::uint16_t& key, fw::TShiftState);
    void Panel4Exit(fw::TComponent*);

    // The controls of the layout, by their names.
    fw::TControlBar* ControlBar1 = nullptr;
    fw::TToolBar* ToolBar1 = nullptr;
    fw::TToolButton* tlbtnNouveau = nullptr;
    fw::TToolButton* tlbtnSheet1 = nullptr;
    fw::TToolButton* tlbtnSheet2 = nullptr;
    fw::TToolButton* tlbtnAide = nullptr;
    fw::TToolButton* tlbtnQuitter = nullptr;
    fw::TStatusBar* StatusBar1 = nullptr;
    fw::TPageControl* PageControl1 = nullptr;
    fw::TTabSheet* TabSheet1 = nullptr;
    fw::TTabSheet* TabSheet2 = nullptr;
    TAlignEdit* alEdit1 = nullptr;
    TAlignEdit* Edit1 = nullptr;
    TAlignEdit* Edit2 = nullptr;
    fw::TLabel* Label1 = nullptr;
    fw::TLabel* Label2 = nullptr;
    fw::TLabel* Label3 = nullptr;
    fw::TLabel* Label5 = nullptr;
    fw::TButton* btnValider = nullptr;
    fw::TButton* btnEffacer = nullptr;
    fw::TMenuItem* Nouveau1 = nullptr;
    TAboutBox* AboutBox1 = nullptr;
    // The two cells of the Learning page and the two of the answer
    // workshop, each made of the six dots of its panel.
    TBrailleCell LearningFirstCell;
    TBrailleCell LearningSecondCell;
    TBrailleCell WorkshopFirstCell;
    TBrailleCell WorkshopSecondCell;
    // The workshop's cells written from the keyboard.
    TCellKeyboard WorkshopFirstKeys;
    TCellKeyboard WorkshopSecondKeys;

protected:
    void GetMinMaxInfo(MINMAXINFO& info) override;

private:
    template <class Form> friend void fw::InitializeForm(Form& form, std::string_view layoutName);
    void DefineHandlers(fw::HandlerTable& handlers);
    void BindComponents();
    template <class T> T* Bind(const std::string& name);
    void ResetLearningPage();
};
