// The menu bar of a form and its items.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Types.h"
#include "framework/window/FormMenu.h"

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

class TMainMenu;

class TMenuItem : public TComponent {
    FW_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    // Leaves its menu (and the native one), so that no command reaches it.
    ~TMenuItem() override;

    // "-" makes a separator line; "&" marks the access key.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Command() const { return command_; }

    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    TMenuItem* Parent() const { return parent_; }

    TNotifyEvent OnClick;
    void Click();

private:
    friend class TMainMenu;
    // Appends this item (and its sub-menu) to a native menu.
    void AppendTo(HMENU menu);
    void Refresh();
    void RemoveNative();
    // Position of this item in its native menu, -1 if it has none.
    int NativePosition() const;
    void Forget(TMenuItem* item);
    // Clears what points into a native menu that is being destroyed.
    void ForgetNative();
    TMainMenu* Root() const;

    std::string caption_;
    bool enabled_ = true;
    int command_;
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;
    HMENU owner_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public TComponent, public TFormMenu {
    FW_CLASS(TMainMenu, TComponent)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    void Add(TMenuItem* item);
    const std::vector<TMenuItem*>& Items() const { return items_; }
    // The native menu bar, built on first use.
    HMENU Handle();
    HMENU MenuHandle() override { return Handle(); }
    bool DispatchCommand(int command) override;
    // Redraws the menu bar of the form that shows it.
    void Changed() { RedrawBar(); }

private:
    friend class TMenuItem;
    TMenuItem* FindCommand(const std::vector<TMenuItem*>& items, int command) const;

    std::vector<TMenuItem*> items_;
    HMENU handle_ = nullptr;
};

} // namespace fw
