// One page of a page control: a container whose caption is its tab's text.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

class TPageControl;

class TTabSheet : public TWinControl {
    FW_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Position among the pages of its page control, -1 if it has none.
    int PageIndex() const;

    // Runs each time the page starts showing: selected while its form is on
    // screen, or on screen because its form was shown.
    TNotifyEvent OnShow;

    void UpdateShowing() override;

protected:
    virtual void DoShow();
    void TextChanged() override;
    void ParentChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool wasShowing_ = false;
};

} // namespace fw
