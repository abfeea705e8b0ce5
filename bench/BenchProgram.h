// The real main window, its modules started as the program starts them (but
// for the help, which no bench opens), for a bench to drive; and the figures
// a bench prints.
#pragma once

#include "app/MainForm.h"
#include "framework/core/Application.h"

#include <memory>
#include <vector>

class BenchProgram {
public:
    BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;
    ~BenchProgram();

    // Shown and painted.
    TForm1& Form() { return *form_; }

private:
    std::unique_ptr<fw::TApplication> application_;
    TForm1* form_ = nullptr;
};

// Handles every message waiting.
void Pump();

// One line: what was timed, how often, the median, minimum and maximum.
void ReportTimes(const char* what, const std::vector<double>& ms);
