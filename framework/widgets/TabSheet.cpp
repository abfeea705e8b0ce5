#include "framework/widgets/TabSheet.h"

#include "framework/widgets/PageControl.h"

namespace fw {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Only the active page is visible; the page control shows it.
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    // The page control must forget the page while it is still a page.
    SetParent(nullptr);
}

int TTabSheet::PageIndex() const {
    return pageControl_ ? pageControl_->IndexOf(this) : -1;
}

void TTabSheet::UpdateShowing() {
    bool showing = Showing();
    bool started = showing && !wasShowing_;
    wasShowing_ = showing;
    if (started)
        DoShow();
    TWinControl::UpdateShowing();
}

void TTabSheet::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (pageControl_)
        pageControl_->UpdateTab(*this);
}

void TTabSheet::ParentChanged() {
    if (pageControl_)
        pageControl_->RemovePage(*this);
    pageControl_ = As<TPageControl>(Parent());
    TWinControl::ParentChanged();
    if (pageControl_)
        pageControl_->InsertPage(*this);
}

} // namespace fw
