#include "BenchProgram.h"

#include "app/SixpointeModule.h"
#include "controls/AboutModule.h"
#include "controls/AlignEditModule.h"
#include "controls/LinesModule.h"
#include "framework/loading/Framework.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {
void StartModules() {
    fw::InitializeFramework();
    AlignEdit::Initialize();
    Lines::Initialize();
    About::Initialize();
    Sixpointe::Initialize();
}

void EndModules() {
    Sixpointe::Finalize();
    About::Finalize();
    Lines::Finalize();
    AlignEdit::Finalize();
    fw::FinalizeFramework();
}
} // namespace

BenchProgram::BenchProgram() {
    StartModules();
    application_ = std::make_unique<fw::TApplication>();
    application_->Initialize();
    form_ = application_->CreateForm<TForm1>();
    form_->Show();
    Pump();
}

BenchProgram::~BenchProgram() {
    application_->DestroyForms();
    application_.reset();
    EndModules();
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ReportTimes(const char* what, const std::vector<double>& ms) {
    if (ms.empty())
        return;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    size_t n = sorted.size();
    double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    std::printf("%s, %zu times: median %.2f ms, minimum %.2f ms, maximum %.2f ms\n", what, n,
                median, sorted.front(), sorted.back());
}
