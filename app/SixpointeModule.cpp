#include "app/SixpointeModule.h"

#include "app/MainForm.h"
#include "framework/loading/ClassRegistry.h"

namespace Sixpointe {

void Initialize() {
    fw::ClassRegistry::Instance().RegisterForm<TForm1>("TForm1", "TForm");
}

void Finalize() {
    fw::ClassRegistry::Instance().Unregister("TForm1");
}

} // namespace Sixpointe
