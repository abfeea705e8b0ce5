#include "app/SixpointeModule.h"

#include "app/MainForm.h"
#include "framework/loading/ClassRegistry.h"

namespace Sixpointe {

namespace {
constexpr fw::ClassInfo kClasses[] = {fw::FormClass<TForm1>("TForm1", "TForm")};
}

void Initialize() {
    fw::ClassRegistry::Instance().Register(kClasses);
}

void Finalize() {
    fw::ClassRegistry::Instance().Unregister(kClasses);
}

} // namespace Sixpointe
