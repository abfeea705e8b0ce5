#include "app/ModuleSequence.h"

#include "framework/core/Exceptions.h"

ModuleSequence::ModuleSequence(std::span<const Module> modules)
    : modules_(modules), started_(modules.size(), false) {}

void ModuleSequence::Initialize(bool whenShown) {
    for (std::size_t i = 0; i < modules_.size(); ++i) {
        if (modules_[i].whenShown != whenShown || started_[i])
            continue;
        started_[i] = true;
        fw::RunGuarded(modules_[i].initialize);
    }
}

void ModuleSequence::Finalize() {
    Initialize(true);
    // Each finalisation is harmless for a module whose initialisation failed.
    for (std::size_t i = modules_.size(); i-- > 0;)
        fw::RunGuarded(modules_[i].finalize);
}
