// Two waits of a learner answering from the keyboard, in the real main window:
// from the release of a chord to the cell painted, and from Return on
// "Valider" to the verdict painted. Keys go through the system's input queue
// (SendInput), as a keyboard's do; "painted" is the end of the WM_PAINT of
// the window that draws the cell, or the verdict label.
//
// Usage: WorkshopBench.exe [QUESTIONS]   (one timed chord and one verdict each)
#include "BenchProgram.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/Panel.h"
#include "Clock.h"
#include "tests/support/KeyInput.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Handles messages until a WM_PAINT of `window` has been handled; the time
// then, or -1 after a second without one.
double UntilPainted(HWND window) {
    double deadline = NowMs() + 1000;
    MSG message;
    while (NowMs() < deadline) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (message.message == WM_PAINT && message.hwnd == window)
            return NowMs();
    }
    return -1;
}

// Dots 1 2 4 (F D J) held down, then released; from the last release.
double TimedChord(HWND cell) {
    for (WORD key : {'F', 'D', 'J'})
        guitest::SendKey(key, false);
    Pump();
    guitest::SendKey('F', true);
    guitest::SendKey('D', true);
    Pump();
    double released = NowMs();
    guitest::SendKey('J', true);
    double painted = UntilPainted(cell);
    return painted < 0 ? -1 : painted - released;
}

double TimedVerdict(HWND verdictWindow) {
    double pressed = NowMs();
    guitest::SendKey(VK_RETURN, false);
    guitest::SendKey(VK_RETURN, true);
    double painted = UntilPainted(verdictWindow);
    Pump();
    return painted < 0 ? -1 : painted - pressed;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int questions = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    std::vector<double> chords, verdicts;
    {
        BenchProgram program;
        TForm1& form = program.Form();
        form.tlbtnSheet2Click(&form);
        Pump();
        HWND first = form.WorkshopFirstCell.Panel()->Handle();
        HWND verdict = form.Label5->Parent()->Handle();
        for (int i = 0; i <= questions; ++i) {
            form.btnEffacerClick(&form); // a new question; the first cell has the focus
            Pump();
            double chord = TimedChord(first);
            guitest::SendKey(VK_SPACE,
                             false); // the second cell, empty: the focus goes to "Valider"
            guitest::SendKey(VK_SPACE, true);
            Pump();
            double judged = TimedVerdict(verdict);
            if (chord < 0 || judged < 0 || form.Label5->Caption().empty()) {
                std::fprintf(stderr, "question %d: no paint seen (keys lost?)\n", i + 1);
                return 2;
            }
            if (i > 0) { // the first is a warm-up
                chords.push_back(chord);
                verdicts.push_back(judged);
            }
        }
    }
    ReportTimes("Chord released to cell painted", chords);
    ReportTimes("Return on Valider to verdict painted", verdicts);
    return 0;
}
