// The module of the About box: makes TAboutBox and the dialog's class known
// to layouts.
#pragma once

namespace About {

// The line control's module must be initialised already: the dialog uses it.
void Initialize();
void Finalize();

} // namespace About
