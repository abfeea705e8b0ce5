// The program's modules, started and ended in order, each behind the same
// exception barrier as the event handlers.
#pragma once

#include <span>
#include <vector>

struct Module {
    void (*initialize)();
    void (*finalize)();
    // Started once the main window is painted and the queue is empty.
    bool whenShown = false;
};

class ModuleSequence {
public:
    explicit ModuleSequence(std::span<const Module> modules);

    // Initialises, in order, the modules of that kind not yet started. A
    // module whose initialisation fails is reported; the next ones still start.
    void Initialize(bool whenShown);
    // Starts whatever has not started yet (the program may end before its
    // first idle moment), then finalises every module in reverse order.
    void Finalize();

private:
    std::span<const Module> modules_;
    std::vector<bool> started_;
};
