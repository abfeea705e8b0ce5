#include "framework/widgets/PageControl.h"

#include "framework/core/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

int TPageControl::IndexOf(const TTabSheet* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : int(it - pages_.begin());
}

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = WC_TABCONTROLW;
    if (TabStop())
        params.style |= WS_TABSTOP;
}

void TPageControl::HandleCreated() {
    TWinControl::HandleCreated();
    for (int index = 0; index < PageCount(); ++index)
        InsertTab(index);
    SendMessageW(RawHandle(), TCM_SETCURSEL, WPARAM(ActivePageIndex()), 0);
    FitPages();
}

void TPageControl::InsertTab(int index) {
    std::wstring caption = ToWide(pages_[size_t(index)]->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(RawHandle(), TCM_INSERTITEMW, WPARAM(index), LPARAM(&item));
}

void TPageControl::UpdateTab(const TTabSheet& page) {
    if (!RawHandle())
        return;
    std::wstring caption = ToWide(page.Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(RawHandle(), TCM_SETITEMW, WPARAM(IndexOf(&page)), LPARAM(&item));
    // The tabs may now take another row.
    FitPages();
}

void TPageControl::InsertPage(TTabSheet& page) {
    pages_.push_back(&page);
    page.SetVisible(false);
    if (RawHandle()) {
        InsertTab(PageCount() - 1);
        FitPages();
    }
    if (!activePage_)
        SetActivePage(&page);
}

void TPageControl::RemovePage(TTabSheet& page) {
    int index = IndexOf(&page);
    if (index < 0)
        return;
    if (&page == activePage_) {
        TakeFocusFrom(page);
        activePage_ = nullptr;
    }
    pages_.erase(pages_.begin() + index);
    if (RawHandle()) {
        SendMessageW(RawHandle(), TCM_DELETEITEM, WPARAM(index), 0);
        FitPages();
    }
    if (!activePage_ && !pages_.empty())
        SetActivePageIndex(std::min(index, PageCount() - 1));
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == activePage_ || (page && page->pageControl_ != this))
        return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (RawHandle())
        SendMessageW(RawHandle(), TCM_SETCURSEL, WPARAM(ActivePageIndex()), 0);
    if (old) {
        TakeFocusFrom(*old);
        old->SetVisible(false);
    }
    if (page)
        page->SetVisible(true);
    if (OnChange)
        OnChange(this);
}

bool TPageControl::SelectNextPage(bool forward) {
    if (PageCount() == 0)
        return false;
    int step = forward ? 1 : PageCount() - 1;
    SetActivePageIndex((std::max(ActivePageIndex(), 0) + step) % PageCount());
    return true;
}

void TPageControl::TakeFocusFrom(TTabSheet& page) {
    // Keys must not go on reaching a control on a page that is no longer shown.
    HWND focus = GetFocus();
    if (focus && page.HandleAllocated() && IsChild(page.Handle(), focus))
        ::SetFocus(RawHandle());
}

void TPageControl::FitPages() {
    if (!RawHandle())
        return;
    RECT area;
    GetClientRect(RawHandle(), &area);
    SendMessageW(RawHandle(), TCM_ADJUSTRECT, FALSE, LPARAM(&area));
    for (TTabSheet* page : pages_)
        page->SetBoundsOnScreen(area);
}

void TPageControl::FontChanged() {
    TWinControl::FontChanged();
    FitPages();
}

LRESULT TPageControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = TWinControl::WndProc(message, wParam, lParam);
    if (message == WM_SIZE)
        FitPages();
    return result;
}

bool TPageControl::HandleNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TCN_SELCHANGING:
        result = FALSE; // the change is allowed
        return true;
    case TCN_SELCHANGE:
        SetActivePageIndex(int(SendMessageW(RawHandle(), TCM_GETCURSEL, 0, 0)));
        return true;
    }
    return false;
}

} // namespace fw
