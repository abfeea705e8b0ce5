#include "framework/widgets/ToolBar.h"

#include "framework/widgets/ImageList.h"
#include "framework/core/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
    for (TToolButton* button : buttons_)
        button->toolBar_ = nullptr;
}

int TToolBar::IndexOf(const TToolButton* button) const {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    return it == buttons_.end() ? -1 : int(it - buttons_.begin());
}

void TToolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = TOOLBARCLASSNAMEW;
    // The tool bar stays where its parent puts it, without the divider line.
    params.style |=
        TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    if (flat_)
        params.style |= TBSTYLE_FLAT;
}

void TToolBar::HandleCreated() {
    TWinControl::HandleCreated();
    HWND hwnd = RawHandle();
    SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (images_)
        SendMessageW(hwnd, TB_SETIMAGELIST, 0, LPARAM(ImagesHandle()));
    RebuildButtons();
    // The tips start active. Wine makes the tip window only when it is first
    // asked for, which costs a window at start-up: it is asked for here only
    // to switch the tips off.
    if (!HintsShown())
        UpdateHints();
}

HIMAGELIST TToolBar::ImagesHandle() {
    return images_ ? images_->Handle(PixelsPerInch()) : nullptr;
}

void TToolBar::ApplySizes() {
    HWND hwnd = RawHandle();
    int imageWidth = ToScreen(16), imageHeight = ToScreen(16);
    if (HIMAGELIST list = ImagesHandle())
        ImageList_GetIconSize(list, &imageWidth, &imageHeight);
    SendMessageW(hwnd, TB_SETMAXTEXTROWS, showCaptions_ ? 1 : 0, 0);
    SendMessageW(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageWidth, imageHeight));
    SendMessageW(hwnd, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(ToScreen(buttonWidth_), ToScreen(buttonHeight_)));
}

void TToolBar::ScaleChanged() {
    TWinControl::ScaleChanged();
    if (!RawHandle())
        return;
    SendMessageW(RawHandle(), TB_SETIMAGELIST, 0, LPARAM(ImagesHandle()));
    RebuildButtons();
}

void TToolBar::RebuildButtons() {
    HWND hwnd = RawHandle();
    if (!hwnd)
        return;
    while (SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(hwnd, TB_DELETEBUTTON, 0, 0);
    ApplySizes();
    std::vector<std::wstring> captions;
    captions.reserve(buttons_.size());
    std::vector<TBBUTTON> list;
    for (TToolButton* button : buttons_) {
        TBBUTTON item{};
        item.idCommand = button->commandId_;
        item.fsState = BYTE((button->Enabled() ? TBSTATE_ENABLED : 0) |
                            (button->Visible() ? 0 : TBSTATE_HIDDEN));
        item.iString = -1;
        if (button->Style() == tbsSeparator) {
            item.fsStyle = BTNS_SEP;
            item.iBitmap = ToScreen(button->Width()); // a separator's width
        } else {
            item.fsStyle = BTNS_BUTTON;
            item.iBitmap = button->ImageIndex() >= 0 ? button->ImageIndex() : I_IMAGENONE;
            if (showCaptions_) {
                captions.push_back(ToWide(button->Caption()));
                item.iString = INT_PTR(captions.back().c_str());
            }
        }
        list.push_back(item);
    }
    SendMessageW(hwnd, TB_ADDBUTTONSW, list.size(), LPARAM(list.data()));
    Invalidate();
}

void TToolBar::InsertButton(TToolButton& button) {
    button.commandId_ = nextCommandId_++;
    buttons_.push_back(&button);
    RebuildButtons();
}

void TToolBar::RemoveButton(TToolButton& button) {
    int index = IndexOf(&button);
    if (index < 0)
        return;
    buttons_.erase(buttons_.begin() + index);
    if (RawHandle())
        SendMessageW(RawHandle(), TB_DELETEBUTTON, WPARAM(index), 0);
}

void TToolBar::ButtonChanged(TToolButton&) {
    RebuildButtons();
}

void TToolBar::ButtonStateChanged(TToolButton& button) {
    if (!RawHandle())
        return;
    SendMessageW(RawHandle(), TB_ENABLEBUTTON, WPARAM(button.commandId_), button.Enabled());
    SendMessageW(RawHandle(), TB_HIDEBUTTON, WPARAM(button.commandId_), !button.Visible());
}

TToolButton* TToolBar::FindButton(int commandId) const {
    for (TToolButton* button : buttons_)
        if (button->commandId_ == commandId)
            return button;
    return nullptr;
}

void TToolBar::SetImages(TImageList* images) {
    if (images == images_)
        return;
    images_ = images;
    if (RawHandle()) {
        SendMessageW(RawHandle(), TB_SETIMAGELIST, 0, LPARAM(ImagesHandle()));
        RebuildButtons();
    }
}

void TToolBar::SetFlat(bool value) {
    if (value == flat_)
        return;
    flat_ = value;
    // Not re-created: a control bar holds on to the tool bar's window.
    if (HWND hwnd = RawHandle()) {
        auto style = DWORD(SendMessageW(hwnd, TB_GETSTYLE, 0, 0));
        SendMessageW(hwnd, TB_SETSTYLE, 0, value ? style | TBSTYLE_FLAT : style & ~TBSTYLE_FLAT);
        Invalidate();
    }
}

void TToolBar::SetShowCaptions(bool value) {
    if (value == showCaptions_)
        return;
    showCaptions_ = value;
    RebuildButtons();
}

void TToolBar::SetButtonWidth(int width) {
    if (width == buttonWidth_)
        return;
    buttonWidth_ = width;
    RebuildButtons();
}

void TToolBar::SetButtonHeight(int height) {
    if (height == buttonHeight_)
        return;
    buttonHeight_ = height;
    RebuildButtons();
    AdjustHeight();
}

void TToolBar::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TToolBar::AdjustHeight() {
    if (autoSize_)
        SetHeight(buttonHeight_);
}

HWND TToolBar::ToolTips() const {
    return RawHandle() ? HWND(SendMessageW(RawHandle(), TB_GETTOOLTIPS, 0, 0)) : nullptr;
}

bool TToolBar::OwnsWindow(HWND window) const {
    return window && window == ToolTips();
}

bool TToolBar::HintsShown() {
    TWinControl* root = Root();
    return root ? root->ShowHint() : ShowHint();
}

void TToolBar::UpdateHints() {
    TWinControl::UpdateHints();
    if (HWND tips = ToolTips())
        SendMessageW(tips, TTM_ACTIVATE, HintsShown(), 0);
}

bool TToolBar::HandleItemCommand(WORD id, WORD code) {
    if (code != BN_CLICKED)
        return false;
    TToolButton* button = FindButton(id);
    if (!button)
        return false;
    button->Click();
    return true;
}

const std::wstring& TToolBar::TipText(int commandId) {
    // Wine shows an inactive tip all the same, but never an empty one.
    TToolButton* button = HintsShown() ? FindButton(commandId) : nullptr;
    tipText_ = button ? ToWide(button->Hint()) : std::wstring();
    return tipText_;
}

bool TToolBar::HandleNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TBN_GETINFOTIPW: {
        auto& tip = reinterpret_cast<NMTBGETINFOTIPW&>(header);
        const std::wstring& text = TipText(tip.iItem);
        if (tip.pszText && tip.cchTextMax > 0) {
            size_t count = std::min(text.size(), size_t(tip.cchTextMax - 1));
            text.copy(tip.pszText, count);
            tip.pszText[count] = L'\0';
        }
        result = 0;
        return true;
    }
    case TTN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.lpszText = const_cast<wchar_t*>(TipText(int(header.idFrom)).c_str());
        result = 0;
        return true;
    }
    }
    return false;
}

} // namespace fw
