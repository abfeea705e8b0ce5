// A button (or a separator) of a tool bar. It has no window of its own: the
// tool bar draws it and reports its clicks.
#pragma once

#include "framework/window/Control.h"

namespace fw {

class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsSeparator };
using enum TToolButtonStyle;

class TToolButton : public TControl {
    FW_CLASS(TToolButton, TControl)
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    TToolBar* ToolBar() const { return toolBar_; }
    // The id of the tool bar's WM_COMMAND for this button.
    int CommandId() const { return commandId_; }

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);

    // Runs OnClick, unless the button is disabled.
    void Click() override;
    void Invalidate() override;

protected:
    void VisibleChanged() override;
    void EnabledChanged() override;
    void BoundsChanged() override;
    void TextChanged() override;
    void ParentChanged() override;

private:
    friend class TToolBar;
    void Changed();
    void StateChanged();

    TToolBar* toolBar_ = nullptr;
    int commandId_ = 0;
    int imageIndex_ = -1;
    TToolButtonStyle style_ = tbsButton;
};

} // namespace fw
