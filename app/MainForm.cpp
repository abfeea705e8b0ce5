#include "app/MainForm.h"

#include "controls/AboutBox.h"
#include "controls/AlignEdit.h"
#include "framework/core/Application.h"
#include "framework/core/Beep.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/loading/HandlerTable.h"
#include "framework/loading/LayoutLoader.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/TabSheet.h"
#include "framework/widgets/Panel.h"
#include "help/Files.h"
#include "help/HelpWindow.h"
#include "help/rules/Paths.h"

#include "framework/layout/LayoutTree.h"

using namespace fw;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    InitializeForm(*this, "Main.layout");
}

template <class T> T* TForm1::Bind(const std::string& name) {
    return &LayoutComponent<T>(*this, "Main.layout", name);
}

void TForm1::BindComponents() {
    ControlBar1 = Bind<TControlBar>("ControlBar1");
    ToolBar1 = Bind<TToolBar>("ToolBar1");
    tlbtnNouveau = Bind<TToolButton>("tlbtnNouveau");
    tlbtnSheet1 = Bind<TToolButton>("tlbtnSheet1");
    tlbtnSheet2 = Bind<TToolButton>("tlbtnSheet2");
    tlbtnAide = Bind<TToolButton>("tlbtnAide");
    tlbtnQuitter = Bind<TToolButton>("tlbtnQuitter");
    StatusBar1 = Bind<TStatusBar>("StatusBar1");
    PageControl1 = Bind<TPageControl>("PageControl1");
    TabSheet1 = Bind<TTabSheet>("TabSheet1");
    TabSheet2 = Bind<TTabSheet>("TabSheet2");
    alEdit1 = Bind<TAlignEdit>("alEdit1");
    Edit1 = Bind<TAlignEdit>("Edit1");
    Edit2 = Bind<TAlignEdit>("Edit2");
    Label1 = Bind<TLabel>("Label1");
    Label2 = Bind<TLabel>("Label2");
    Label3 = Bind<TLabel>("Label3");
    Label5 = Bind<TLabel>("Label5");
    btnValider = Bind<TButton>("btnValider");
    btnEffacer = Bind<TButton>("btnEffacer");
    Nouveau1 = Bind<TMenuItem>("Nouveau1");
    AboutBox1 = Bind<TAboutBox>("AboutBox1");
    LearningFirstCell = TBrailleCell(*Bind<TPanel>("Panel1"));
    LearningSecondCell = TBrailleCell(*Bind<TPanel>("Panel2"));
    WorkshopFirstCell = TBrailleCell(*Bind<TPanel>("Panel3"));
    WorkshopSecondCell = TBrailleCell(*Bind<TPanel>("Panel4"));
    LearningFirstCell.MakeAccessible("Premi\xE8re cellule");
    LearningSecondCell.MakeAccessible("Deuxi\xE8me cellule");
    WorkshopFirstCell.MakeAccessible("Premi\xE8re cellule");
    WorkshopSecondCell.MakeAccessible("Deuxi\xE8me cellule");
    WorkshopFirstKeys = TCellKeyboard(WorkshopFirstCell);
    WorkshopSecondKeys = TCellKeyboard(WorkshopSecondCell);
}

void TForm1::DefineHandlers(HandlerTable& h) {
    h.Add("FormCreate", this, &TForm1::FormCreate);
    h.Add("FormClose", this, &TForm1::FormClose);
    h.Add("FormDestroy", this, &TForm1::FormDestroy);
    h.Add("tlbtnSheet1Click", this, &TForm1::tlbtnSheet1Click);
    h.Add("tlbtnSheet2Click", this, &TForm1::tlbtnSheet2Click);
    h.Add("tlbtnAideClick", this, &TForm1::tlbtnAideClick);
    h.Add("Aproposde1Click", this, &TForm1::Aproposde1Click);
    h.Add("tlbtnQuitterClick", this, &TForm1::tlbtnQuitterClick);
    h.Add("alEdit1Change", this, &TForm1::alEdit1Change);
    h.Add("alEdit1KeyPress", this, &TForm1::alEdit1KeyPress);
    h.Add("TabSheet1Show", this, &TForm1::TabSheet1Show);
    h.Add("tlbtnNouveauClick", this, &TForm1::tlbtnNouveauClick);
    h.Add("TabSheet2Show", this, &TForm1::TabSheet2Show);
    h.Add("btnEffacerClick", this, &TForm1::btnEffacerClick);
    h.Add("btnValiderClick", this, &TForm1::btnValiderClick);
    h.Add("Shape13MouseDown", this, &TForm1::Shape13MouseDown);
    h.Add("Shape14MouseDown", this, &TForm1::Shape14MouseDown);
    h.Add("Shape15MouseDown", this, &TForm1::Shape15MouseDown);
    h.Add("Shape16MouseDown", this, &TForm1::Shape16MouseDown);
    h.Add("Shape17MouseDown", this, &TForm1::Shape17MouseDown);
    h.Add("Shape18MouseDown", this, &TForm1::Shape18MouseDown);
    h.Add("Shape19MouseDown", this, &TForm1::Shape19MouseDown);
    h.Add("Shape20MouseDown", this, &TForm1::Shape20MouseDown);
    h.Add("Shape21MouseDown", this, &TForm1::Shape21MouseDown);
    h.Add("Shape22MouseDown", this, &TForm1::Shape22MouseDown);
    h.Add("Shape23MouseDown", this, &TForm1::Shape23MouseDown);
    h.Add("Shape24MouseDown", this, &TForm1::Shape24MouseDown);
    h.Add("Panel3KeyDown", this, &TForm1::Panel3KeyDown);
    h.Add("Panel3KeyUp", this, &TForm1::Panel3KeyUp);
    h.Add("Panel3Exit", this, &TForm1::Panel3Exit);
    h.Add("Panel4KeyDown", this, &TForm1::Panel4KeyDown);
    h.Add("Panel4KeyUp", this, &TForm1::Panel4KeyUp);
    h.Add("Panel4Exit", this, &TForm1::Panel4Exit);
}

void TForm1::FormCreate(TComponent*) {
    // The layout keeps the Evaluation page active; the program starts on the
    // Learning page. No page is shown yet, so no page handler runs here.
    PageControl1->SetActivePageIndex(0);
}

void TForm1::FormClose(TComponent*, TCloseAction& action) {
    action = caFree;
}

// The help library is still loaded here: its module is finalised after the forms.
void TForm1::FormDestroy(TComponent*) {
    hh::CloseAllHelpWindows();
}

void TForm1::tlbtnSheet1Click(TComponent*) {
    PageControl1->SetActivePageIndex(0);
}

void TForm1::tlbtnSheet2Click(TComponent*) {
    PageControl1->SetActivePageIndex(1);
}

void TForm1::tlbtnAideClick(TComponent*) {
    // Without the help library there is nothing to open it with.
    if (!hh::DisplayHelpFile(hh_funcs::HelpFileBeside(hh_funcs::ProgramFilePath())))
        fw::Beep();
}

void TForm1::Aproposde1Click(TComponent*) {
    AboutBox1->Execute();
}

void TForm1::tlbtnQuitterClick(TComponent*) {
    Application()->Terminate();
}

void TForm1::GetMinMaxInfo(MINMAXINFO& info) {
    // The window keeps the size it was laid out with. That size is taken from
    // the form, not from the window's rectangle: while the window is
    // minimised its rectangle is the icon's, and restoring would keep that.
    POINT size{ToScreen(Width()), ToScreen(Height())};
    info.ptMinTrackSize = size;
    info.ptMaxTrackSize = size;
}
