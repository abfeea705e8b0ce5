// Start-up and shut-down of Sixpointe.
#include "app/MainForm.h"
#include "app/SixpointeModule.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "framework/core/Application.h"
#include "framework/loading/Framework.h"
#include "framework/core/Text.h"

#include <windows.h>

#include <exception>

namespace {

// The modules in the order they depend on each other; finalised in reverse.
struct Module {
    void (*initialize)();
    void (*finalize)();
};
constexpr Module kModules[] = {
    {fw::InitializeFramework, fw::FinalizeFramework},
    {AlignEdit::Initialize, AlignEdit::Finalize},
    {Lines::Initialize, Lines::Finalize},
    {About::Initialize, About::Finalize},
    {Sixpointe::Initialize, Sixpointe::Finalize},
};

int RunApplication()
{
    fw::TApplication application;
    application.Initialize();
    application.SetTitle("Sixpointe 1.0");
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

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    for (const Module& module : kModules)
        module.initialize();
    int result = RunApplication();
    for (auto it = std::rbegin(kModules); it != std::rend(kModules); ++it)
        it->finalize();
    return result;
}
