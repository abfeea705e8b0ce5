#include "AboutFixture.h"

#include "controls/AboutModule.h"
#include "controls/LinesModule.h"
#include "framework/core/Application.h"
#include "framework/widgets/Button.h"

MemoryStatus AboutTest::reported;
int AboutTest::reads = 0;

void AboutTest::SetUpTestSuite() {
    Lines::Initialize();
    About::Initialize();
}

void AboutTest::TearDownTestSuite() {
    About::Finalize();
    Lines::Finalize();
}

void AboutTest::SetUp() {
    mainWindow = new fw::TForm(fw::Application());
    mainWindow->SetBounds(40, 40, 400, 300);
    mainWindow->Show();
    box = new TAboutBox(mainWindow);
    box->SetProductName("Sixpointe");
    box->SetVersion("Version 1.0 - Win9x - WinXP");
    reported = {512ull << 20, 40};
    reads = 0;
    SetMemoryStatusSource([] {
        ++reads;
        return reported;
    });
    guitest::Pump();
    guitest::ResetBeepCount();
}

void AboutTest::TearDown() {
    SetMemoryStatusSource(nullptr);
    fw::TComponent::Free(mainWindow);
    guitest::Pump();
}

TFAbout* AboutTest::OpenDialog() {
    fw::TApplication* application = fw::Application();
    for (int i = 0; i < application->ComponentCount(); ++i)
        if (auto* dialog = fw::As<TFAbout>(application->Component(i)))
            return dialog;
    return nullptr;
}

bool AboutTest::Open(const std::function<void(TFAbout&)>& step) {
    bool opened = false, ran = false;
    guitest::Later([&] {
        ran = true;
        TFAbout* dialog = OpenDialog();
        if (!dialog)
            return;
        opened = true;
        guitest::Pump();
        UpdateWindow(dialog->Handle());
        step(*dialog);
    });
    box->Execute();
    // Without a dialog the step comes after; it must not outlive this call.
    while (!ran) {
        Sleep(5);
        guitest::Pump();
    }
    return opened;
}

COLORREF AboutTest::DialogPixel(TFAbout& dialog, int x, int y) {
    HWND window = dialog.Handle();
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

void AboutTest::PressOk(TFAbout& dialog) {
    PostMessageW(dialog.Button1->Handle(), BM_CLICK, 0, 0);
}
