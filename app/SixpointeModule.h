// The main window's module.
#pragma once

namespace Sixpointe {

// Makes the main window's class known to its layout.
void Initialize();
void Finalize();

} // namespace Sixpointe
