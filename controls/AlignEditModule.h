// The module of the aligned edit control: makes TAlignEdit known to layouts.
#pragma once

namespace AlignEdit {

// Registers the class TAlignEdit and its properties; the framework's classes
// must be registered already.
void Initialize();
void Finalize();

} // namespace AlignEdit
