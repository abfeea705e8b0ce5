#include "framework/widgets/ToolButton.h"

#include "framework/widgets/ToolBar.h"

namespace fw {

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
    // The tool bar must forget the button while it is still a button.
    SetParent(nullptr);
}

void TToolButton::SetImageIndex(int index) {
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    Changed();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TToolButton::Click() {
    if (Enabled())
        TControl::Click();
}

void TToolButton::Invalidate() {
    if (toolBar_)
        toolBar_->Invalidate();
}

void TToolButton::Changed() {
    if (toolBar_)
        toolBar_->ButtonChanged(*this);
}

void TToolButton::StateChanged() {
    if (toolBar_)
        toolBar_->ButtonStateChanged(*this);
}

void TToolButton::VisibleChanged() {
    StateChanged();
}
void TToolButton::EnabledChanged() {
    StateChanged();
}
void TToolButton::TextChanged() {
    Changed();
}

void TToolButton::BoundsChanged() {
    // Only a separator's width is the button's own; the tool bar sizes buttons.
    if (style_ == tbsSeparator)
        Changed();
}

void TToolButton::ParentChanged() {
    if (toolBar_)
        toolBar_->RemoveButton(*this);
    toolBar_ = As<TToolBar>(Parent());
    if (toolBar_)
        toolBar_->InsertButton(*this);
}

} // namespace fw
