#include "framework/widgets/MainMenu.h"

#include "framework/core/Text.h"

namespace fw {

namespace {
// Command identifiers of menu items; 0 is left out as it means "none".
int NextCommand() {
    static int next = 100;
    return next++;
}
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    RemoveNative();
    TMainMenu* root = Root();
    if (parent_)
        parent_->Forget(this);
    else if (menu_)
        std::erase(menu_->items_, this);
    for (TMenuItem* item : items_)
        item->parent_ = nullptr;
    if (root)
        root->Changed();
}

void TMenuItem::Forget(TMenuItem* item) {
    std::erase(items_, item);
}

int TMenuItem::NativePosition() const {
    // Every native item carries its TMenuItem as its item data.
    int count = owner_ ? GetMenuItemCount(owner_) : 0;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        GetMenuItemInfoW(owner_, UINT(i), TRUE, &info);
        if (info.dwItemData == ULONG_PTR(this))
            return i;
    }
    return -1;
}

void TMenuItem::RemoveNative() {
    if (!owner_)
        return;
    // The sub-menu goes with it; its items no longer have a native one.
    if (int position = NativePosition(); position >= 0)
        DeleteMenu(owner_, UINT(position), MF_BYPOSITION);
    ForgetNative();
}

void TMenuItem::ForgetNative() {
    owner_ = nullptr;
    for (TMenuItem* item : items_)
        item->ForgetNative();
}

TMainMenu* TMenuItem::Root() const {
    const TMenuItem* item = this;
    while (item->parent_)
        item = item->parent_;
    return item->menu_;
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Refresh();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Refresh();
}

void TMenuItem::Refresh() {
    if (!owner_)
        return;
    UINT flags = MF_BYCOMMAND | (enabled_ ? MF_ENABLED : MF_GRAYED);
    if (!items_.empty()) {
        // Sub-menus are found by position rather than by command.
        if (int position = NativePosition(); position >= 0)
            EnableMenuItem(owner_, UINT(position),
                           MF_BYPOSITION | (enabled_ ? MF_ENABLED : MF_GRAYED));
    } else {
        EnableMenuItem(owner_, UINT(command_), flags);
        std::wstring text = ToWide(caption_);
        if (caption_ != "-")
            ModifyMenuW(owner_, UINT(command_),
                        MF_BYCOMMAND | MF_STRING | (enabled_ ? 0 : MF_GRAYED), UINT_PTR(command_),
                        text.c_str());
    }
    if (TMainMenu* root = Root())
        root->Changed();
}

void TMenuItem::Add(TMenuItem* item) {
    item->parent_ = this;
    items_.push_back(item);
}

void TMenuItem::Click() {
    if (enabled_ && OnClick)
        OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu) {
    owner_ = menu;
    std::wstring text = ToWide(caption_);
    UINT state = enabled_ ? 0 : MF_GRAYED;
    if (caption_ == "-") {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!items_.empty()) {
        HMENU popup = CreatePopupMenu();
        for (TMenuItem* item : items_)
            item->AppendTo(popup);
        AppendMenuW(menu, MF_POPUP | MF_STRING | state, UINT_PTR(popup), text.c_str());
    } else {
        AppendMenuW(menu, MF_STRING | state, UINT_PTR(command_), text.c_str());
    }
    // Every native item knows its object, so that it is found again by position.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    info.dwItemData = ULONG_PTR(this);
    SetMenuItemInfoW(menu, UINT(GetMenuItemCount(menu) - 1), TRUE, &info);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

TMainMenu::~TMainMenu() {
    // Off the form first, so that no window keeps the destroyed menu.
    DetachFromForm();
    for (TMenuItem* item : items_) {
        item->menu_ = nullptr;
        item->ForgetNative();
    }
    if (handle_)
        DestroyMenu(handle_);
}

void TMainMenu::Add(TMenuItem* item) {
    item->menu_ = this;
    items_.push_back(item);
}

HMENU TMainMenu::Handle() {
    if (!handle_) {
        handle_ = CreateMenu();
        for (TMenuItem* item : items_)
            item->AppendTo(handle_);
    }
    return handle_;
}

bool TMainMenu::DispatchCommand(int command) {
    if (TMenuItem* item = FindCommand(items_, command)) {
        item->Click();
        return true;
    }
    return false;
}

TMenuItem* TMainMenu::FindCommand(const std::vector<TMenuItem*>& items, int command) const {
    for (TMenuItem* item : items) {
        if (item->command_ == command)
            return item;
        if (TMenuItem* found = FindCommand(item->items_, command))
            return found;
    }
    return nullptr;
}

} // namespace fw
