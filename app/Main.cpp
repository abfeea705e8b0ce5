// Start-up and shut-down of Sixpointe.
#include "app/MainForm.h"
#include "app/SixpointeModule.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "framework/core/Application.h"
#include "framework/loading/Framework.h"
#include "framework/core/Text.h"

#include <windows.h>

#include <exception>

namespace {

// The modules in the order they depend on each other; finalised in reverse.
// Those marked `whenShown` are initialised once the main window is painted and
// the queue is empty: loading the help library (which brings OLE with it) and
// surveying the help environment take some 15 ms under Wine, which the user
// would otherwise wait through before seeing the window.
struct Module {
    void (*initialize)();
    void (*finalize)();
    bool whenShown = false;
};
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

void InitializeModules(bool whenShown) {
    for (const Module& module : kModules)
        if (module.whenShown == whenShown)
            module.initialize();
}

int RunApplication() {
    fw::TApplication application;
    application.Initialize();
    application.SetTitle("Sixpointe 1.0");
    application.OnFirstIdle = [] { InitializeModules(true); };
    try {
        application.CreateForm<TForm1>();
    } catch (const std::exception& error) {
        // A broken layout: say which line, and stop.
        application.ShowException(error.what());
        return 1;
    }
    application.Run();
    // The main window goes first, while every module is still there.
    application.DestroyForms();
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    InitializeModules(false);
    int result = RunApplication();
    // Each finalisation is harmless for a module that the program ended before initialising.
    for (auto it = std::rbegin(kModules); it != std::rend(kModules); ++it)
        it->finalize();
    return result;
}
