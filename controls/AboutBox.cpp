#include "controls/AboutBox.h"

#include "controls/AboutForm.h"
#include "framework/core/Application.h"
#include "framework/core/Beep.h"
#include "framework/core/Exceptions.h"
#include "framework/widgets/Label.h"

#include <memory>

using namespace fw;

namespace {
struct FreeComponent {
    void operator()(TComponent* component) const { TComponent::Free(component); }
};
} // namespace

TAboutBox::TAboutBox(TComponent* owner) : TComponent(owner), copyright_(kMakerCopyright) {}

void TAboutBox::Execute() {
    std::unique_ptr<TFAbout, FreeComponent> dialog;
    try {
        dialog.reset(new TFAbout(Application()));
    } catch (const fw::Exception&) {
        Beep();
        return;
    }
    dialog->Label1->SetCaption(productName_);
    dialog->Label2->SetCaption(version_);
    dialog->Label3->SetCaption(copyright_);
    dialog->ShowModal();
}
