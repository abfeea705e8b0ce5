#include "framework/window/FormMenu.h"

#include "framework/window/Form.h"

namespace fw {

void TFormMenu::RedrawBar() const {
    if (form_ && form_->HandleAllocated())
        DrawMenuBar(form_->Handle());
}

void TFormMenu::DetachFromForm() {
    if (form_)
        form_->SetMenu(nullptr);
}

} // namespace fw
