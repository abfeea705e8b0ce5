// Time from the About command to the dialog fully painted, over repeated
// openings in one running program: the real main window, the real handler.
// "Fully painted" is the end of the last message that the dialog's modal
// loop handles before it finds nothing left to do; a thread timer, whose
// message comes only after every WM_PAINT, then closes the dialog.
//
// Usage: AboutBench.exe [OPENINGS]
#include "BenchProgram.h"
#include "controls/AboutForm.h"
#include "Clock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double start = 0;
double lastDone = 0;
bool closed = false;

TFAbout* OpenDialog() {
    fw::TApplication* application = fw::Application();
    for (int i = 0; i < application->ComponentCount(); ++i)
        if (auto* dialog = fw::As<TFAbout>(application->Component(i)))
            return dialog;
    return nullptr;
}

// The timer comes once nothing is left to paint, and late enough that
// nothing else is still on its way.
constexpr UINT kCloseAfterMs = 50;
void CALLBACK DialogIdle(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (TFAbout* dialog = OpenDialog()) {
        closed = true;
        dialog->Close();
    }
}

// After each message taken from the queue while the dialog is up, a marker
// is posted: it is taken as soon as that message has been handled (posted
// messages come before painting), so the last marker before the timer tells
// when the last piece of work, the last paint, ended.
constexpr UINT kMarker = WM_APP + 77;

LRESULT CALLBACK MessageTaken(int code, WPARAM removed, LPARAM lParam) {
    const MSG& message = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && start > 0) {
        if (message.message == kMarker && message.hwnd == nullptr)
            lastDone = NowMs();
        else if (message.message != WM_TIMER)
            PostThreadMessageW(GetCurrentThreadId(), kMarker, 0, 0);
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

double OneOpening(TForm1& form) {
    closed = false;
    lastDone = 0;
    SetTimer(nullptr, 0, kCloseAfterMs, DialogIdle);
    start = NowMs();
    double begun = start;
    // The handler that the menu item runs; it returns once the dialog is closed.
    form.Aproposde1Click(&form);
    double done = lastDone;
    start = 0;
    Pump();
    return closed && done > 0 ? done - begun : -1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int openings = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
    std::vector<double> times;
    {
        BenchProgram program;
        HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, MessageTaken, nullptr, GetCurrentThreadId());
        OneOpening(program.Form()); // warm-up: the banner and fonts are read once
        while (int(times.size()) < openings) {
            double ms = OneOpening(program.Form());
            if (ms < 0)
                break;
            times.push_back(ms);
        }
        UnhookWindowsHookEx(hook);
    }
    if (int(times.size()) < openings) {
        std::fprintf(stderr, "opening %zu showed no dialog\n", times.size() + 1);
        return 2;
    }
    ReportTimes("About dialog, command to fully painted", times);
    return 0;
}
