// The module of the line control: makes TLine known to layouts.
#pragma once

namespace Lines {

// Registers the class TLine and its properties; the framework's classes must
// be registered already.
void Initialize();
void Finalize();

} // namespace Lines
