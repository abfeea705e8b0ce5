// Tabbed pages over the standard tab control: one page shown at a time.
#pragma once

#include "framework/widgets/TabSheet.h"

#include <vector>

namespace fw {

class TPageControl : public TWinControl {
    FW_CLASS(TPageControl, TWinControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_[size_t(index)]; }
    int IndexOf(const TTabSheet* page) const;

    TTabSheet* ActivePage() const { return activePage_; }
    // Hides the current page and shows the new one, whose OnShow runs if the
    // form is on screen. Selecting the active page again does nothing.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return IndexOf(activePage_); }
    // An index out of range leaves no page selected.
    void SetActivePageIndex(int index);

    // Runs after the user or the program changed the active page.
    TNotifyEvent OnChange;

    bool HandleNotify(NMHDR& header, LRESULT& result) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void FontChanged() override;
    // The next or previous page, round the end, as Ctrl+Tab and Ctrl+Shift+Tab.
    bool SelectNextPage(bool forward) override;
    // A letter typed on the tab strip presses the access key it names.
    bool WantsCharacters() const override { return false; }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);
    void UpdateTab(const TTabSheet& page);
    void InsertTab(int index);
    // Gives every page the display area of the tab control.
    void FitPages();
    void TakeFocusFrom(TTabSheet& page);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

} // namespace fw
