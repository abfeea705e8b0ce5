// Start-up and shut-down of Sixpointe.
#include "app/MainForm.h"
#include "app/ModuleSequence.h"
#include "app/SixpointeModule.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "framework/core/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/loading/Framework.h"
#include "framework/core/Text.h"

#include <windows.h>

namespace {

// The modules in the order they depend on each other; finalised in reverse.
// Those marked `whenShown` are initialised once the main window is painted and
// the queue is empty: loading the help library (which brings OLE with it) and
// surveying the help environment take some 15 ms under Wine, which the user
// would otherwise wait through before seeing the window.
constexpr Module kModules[] = {
    {fw::InitializeFramework, fw::FinalizeFramework},
    {AlignEdit::Initialize, AlignEdit::Finalize},
    {Lines::Initialize, Lines::Finalize},
    {About::Initialize, About::Finalize},
#ifndef SIXPOINTE_WITHOUT_HELP
    // The start-up benchmark builds the program once more without these, to weigh them.
    {hh::Initialize, hh::Finalize, true},
    {hh_funcs::Initialize, hh_funcs::Finalize, true},
#endif
    {Sixpointe::Initialize, Sixpointe::Finalize},
};

int RunApplication(fw::TApplication& application, ModuleSequence& modules) {
    application.Initialize();
    application.OnFirstIdle = [&modules] { modules.Initialize(true); };
    // A broken layout: its line is shown, and the program stops.
    if (!fw::RunGuarded([&application] { application.CreateForm<TForm1>(); }))
        return 1;
    application.Run();
    // The main window goes first, while every module is still there.
    application.DestroyForms();
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The application object comes first, so that a fault in a module's start
    // or end is shown in its standard box, under the program's title.
    fw::TApplication application;
    application.SetTitle("Sixpointe 1.0");
    ModuleSequence modules(kModules);
    modules.Initialize(false);
    int result = RunApplication(application, modules);
    modules.Finalize();
    return result;
}
