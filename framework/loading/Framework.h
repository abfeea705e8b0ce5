// The framework's module: registers its classes for layouts.
#pragma once

namespace fw {

void InitializeFramework();
void FinalizeFramework();

} // namespace fw
