#include "controls/AboutModule.h"

#include "controls/AboutBox.h"
#include "controls/AboutForm.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace About {

void Initialize() {
    ClassRegistry& registry = ClassRegistry::Instance();
    Props<TAboutBox> box(registry.Register<TAboutBox>("TAboutBox", ""));
    box.String("ProductName", &TAboutBox::SetProductName);
    box.String("Version", &TAboutBox::SetVersion);
    box.String("Copyright", &TAboutBox::SetCopyright);
    registry.RegisterForm<TFAbout>("TFAbout", "TForm");
}

void Finalize() {
    ClassRegistry& registry = ClassRegistry::Instance();
    registry.Unregister("TFAbout");
    registry.Unregister("TAboutBox");
}

} // namespace About
