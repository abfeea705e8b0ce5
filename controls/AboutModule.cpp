#include "controls/AboutModule.h"

#include "controls/AboutBox.h"
#include "controls/AboutForm.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace About {

namespace {

constexpr PropertyDef kAboutBox[] = {
    String<&TAboutBox::SetProductName>("ProductName"),
    String<&TAboutBox::SetVersion>("Version"),
    String<&TAboutBox::SetCopyright>("Copyright"),
};

constexpr ClassInfo kClasses[] = {
    Class<TAboutBox>("TAboutBox", "", kAboutBox),
    FormClass<TFAbout>("TFAbout", "TForm"),
};

} // namespace

void Initialize() {
    ClassRegistry::Instance().Register(kClasses);
}

void Finalize() {
    ClassRegistry::Instance().Unregister(kClasses);
}

} // namespace About
