// Registration of the framework's bars, pages, buttons and pictures for layouts.
#pragma once

namespace fw {

class ClassRegistry;

void RegisterBarClasses(ClassRegistry& registry);
void UnregisterBarClasses(ClassRegistry& registry);

} // namespace fw
