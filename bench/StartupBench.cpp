// Start-up time and peak memory of a program against the bare window, both started
// from here, alternately, in the same running session so that they share its warmth
// and its noise. Prints medians and the two ratios; the exit status says whether
// both ratios are within the target.
//
// Usage: StartupBench.exe PROGRAM.exe BAREWINDOW.exe [ROUNDS [OTHER.exe]]
// OTHER, when given, is started in the same rounds: another build of the program,
// to weigh what differs between the two by their ratios to the same bare window.
#include <windows.h>
#include <psapi.h>

#include "Clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What the user waits for, against the bare window: the time until the
// window is fully painted, and the memory it takes.
constexpr double TargetTimeRatio = 1.40;
constexpr double TargetMemoryRatio = 1.22;
constexpr DWORD ShowTimeoutMs = 15000;
constexpr DWORD SettleMs = 300;
constexpr DWORD CloseTimeoutMs = 5000;

struct Sample {
    // Until the program first waits on an empty queue, its window painted:
    // the first visible window comes earlier, with nothing drawn in it.
    double shownMs;
    double peakWorkingSetKiB;
    double peakPagefileKiB;
};

struct Program {
    std::wstring path;
    std::string name;
    std::vector<Sample> samples;
};

std::string ToUtf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    return result;
}

std::string FileName(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return ToUtf8(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::wstring Directory(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// The main window: a visible top-level window of the process that nothing owns.
BOOL CALLBACK MatchShownWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForShownWindow(const PROCESS_INFORMATION& process) {
    double deadline = NowMs() + ShowTimeoutMs;
    while (NowMs() < deadline) {
        WindowSearch search{process.dwProcessId, nullptr};
        EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        Sleep(1);
    }
    return nullptr;
}

void Close(const PROCESS_INFORMATION& process, HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, CloseTimeoutMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "warning: the window did not close; process terminated\n");
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, CloseTimeoutMs);
    }
}

// Starts the program in its own directory, as a shortcut would; whatever it prints
// goes to NUL, not into the table.
bool Launch(const Program& program, PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + program.path + L"\"";
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    BOOL started = CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                  0, nullptr, Directory(program.path).c_str(), &startup, &process);
    CloseHandle(nul);
    if (!started)
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.name.c_str(), GetLastError());
    return started;
}

void ReadPeakMemory(HANDLE process, Sample& sample) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        std::fprintf(stderr, "warning: no memory counters (error %lu)\n", GetLastError());
    sample.peakWorkingSetKiB = counters.PeakWorkingSetSize / 1024.0;
    sample.peakPagefileKiB = counters.PeakPagefileUsage / 1024.0;
}

// One start of the program: time to its painted main window, then its peak memory
// once it has settled, then an ordinary close. False when it never showed a window.
bool Measure(const Program& program, Sample& sample) {
    PROCESS_INFORMATION process{};
    double start = NowMs();
    if (!Launch(program, process))
        return false;
    HWND window = WaitForShownWindow(process);
    if (window)
        WaitForInputIdle(process.hProcess, ShowTimeoutMs);
    sample.shownMs = NowMs() - start;

    if (window) {
        Sleep(SettleMs);
        ReadPeakMemory(process.hProcess, sample);
        Close(process, window);
    } else {
        std::fprintf(stderr, "%s showed no window\n", program.name.c_str());
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, CloseTimeoutMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Field> double MedianOf(const Program& program, Field field) {
    std::vector<double> values;
    for (const Sample& sample : program.samples)
        values.push_back(sample.*field);
    return Median(values);
}

double MinimumShown(const Program& program) {
    double least = program.samples.front().shownMs;
    for (const Sample& sample : program.samples)
        least = std::min(least, sample.shownMs);
    return least;
}

// Start-up of `other` against `tested`, both as ratios to the bare window.
void ReportOther(const Program& tested, const Program& other, const Program& bare) {
    std::printf("\nstart-up ratio to %s        median     minimum\n", bare.name.c_str());
    for (const Program* program : {&tested, &other})
        std::printf("%-28s %10.3f %11.3f\n", program->name.c_str(),
                    MedianOf(*program, &Sample::shownMs) / MedianOf(bare, &Sample::shownMs),
                    MinimumShown(*program) / MinimumShown(bare));
    std::printf("%-28s %10.3f %11.3f\n", "difference",
                (MedianOf(tested, &Sample::shownMs) - MedianOf(other, &Sample::shownMs)) /
                    MedianOf(bare, &Sample::shownMs),
                (MinimumShown(tested) - MinimumShown(other)) / MinimumShown(bare));
}

void PrintRow(const char* name, double shown, double workingSet, double pagefile,
              const char* format) {
    std::printf("%-16s", name);
    std::printf(format, shown);
    std::printf(format, workingSet);
    std::printf(format, pagefile);
    std::printf("\n");
}

// The table of medians and ratios; true when both ratios meet the target.
bool Report(const Program& tested, const Program& bare) {
    double shown[2], workingSet[2], pagefile[2];
    const Program* programs[2] = {&tested, &bare};
    for (int i = 0; i < 2; ++i) {
        shown[i] = MedianOf(*programs[i], &Sample::shownMs);
        workingSet[i] = MedianOf(*programs[i], &Sample::peakWorkingSetKiB);
        pagefile[i] = MedianOf(*programs[i], &Sample::peakPagefileKiB);
    }
    std::printf("\nmedians of %zu rounds\n", tested.samples.size());
    std::printf("%-16s%22s%22s%22s\n", "program", "painted after (ms)", "peak working set KiB",
                "peak pagefile KiB");
    for (int i = 0; i < 2; ++i)
        PrintRow(programs[i]->name.c_str(), shown[i], workingSet[i], pagefile[i], "%22.1f");
    std::printf("%-16s%22.1f%22.1f (minima of start-up, ms)\n", "", MinimumShown(tested),
                MinimumShown(bare));
    double shownRatio = shown[0] / shown[1];
    double memoryRatio = workingSet[0] / workingSet[1];
    PrintRow("ratio", shownRatio, memoryRatio, pagefile[0] / pagefile[1], "%22.3f");
    double minimumRatio = MinimumShown(tested) / MinimumShown(bare);
    std::printf("%-16s%22.3f (ratio of the minima)\n", "", minimumRatio);
    bool met = minimumRatio <= TargetTimeRatio && memoryRatio <= TargetMemoryRatio;
    std::printf("target: start-up ratio of the minima <= %.2f, working set ratio <= %.2f: %s\n",
                TargetTimeRatio, TargetMemoryRatio, met ? "met" : "MISSED");
    return met;
}

bool MeasureRound(Program& program, int round) {
    Sample sample{};
    if (!Measure(program, sample))
        return false;
    program.samples.push_back(sample);
    std::printf("round %2d  %-16s %8.1f ms %10.0f KiB %10.0f KiB\n", round, program.name.c_str(),
                sample.shownMs, sample.peakWorkingSetKiB, sample.peakPagefileKiB);
    std::fflush(stdout);
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupBench PROGRAM.exe BAREWINDOW.exe [ROUNDS]\n");
        return 2;
    }
    Program tested{argv[1], FileName(argv[1]), {}};
    Program bare{argv[2], FileName(argv[2]), {}};
    int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 15;
    bool withOther = argc > 4;
    Program other{withOther ? argv[4] : L"", withOther ? FileName(argv[4]) : "", {}};

    // One unrecorded start each, so that the first recorded one finds the same
    // file cache as the others.
    Sample warmUp{};
    if (!Measure(tested, warmUp) || !Measure(bare, warmUp) ||
        (withOther && !Measure(other, warmUp)))
        return 2;
    // Rotate which goes first, so that a drift in the session weighs on all.
    std::vector<Program*> order{&tested, &bare};
    if (withOther)
        order.push_back(&other);
    for (int round = 1; round <= rounds; ++round) {
        for (Program* program : order)
            if (!MeasureRound(*program, round))
                return 2;
        std::rotate(order.begin(), order.begin() + 1, order.end());
    }
    bool met = Report(tested, bare);
    if (withOther)
        ReportOther(tested, other, bare);
    return met ? 0 : 1;
}
