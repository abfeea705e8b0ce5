// The standard tool bar: a row of picture buttons with tool tips.
#pragma once

#include "framework/widgets/ToolButton.h"
#include "framework/window/WinControl.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace fw {

class TImageList;

class TToolBar : public TWinControl {
    FW_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const { return int(buttons_.size()); }
    TToolButton* Button(int index) const { return buttons_[size_t(index)]; }
    int IndexOf(const TToolButton* button) const;

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool value);
    // Size of a button (not of a separator), at 96 dpi.
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int height);
    // When on, the tool bar is as high as its buttons.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // The tool tip window that shows the buttons' hints, if the tool bar has a window.
    HWND ToolTips() const;

    bool HandleItemCommand(WORD id, WORD code) override;
    bool HandleNotify(NMHDR& header, LRESULT& result) override;
    bool OwnsWindow(HWND window) const override;
    void UpdateHints() override;
    // The pictures drawn for the new resolution, and buttons of its size.
    void ScaleChanged() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton& button);
    void RemoveButton(TToolButton& button);
    // A change of picture, kind, width or caption: the buttons are laid out again.
    void ButtonChanged(TToolButton& button);
    // A change of the enabled or visible state.
    void ButtonStateChanged(TToolButton& button);
    TToolButton* FindButton(int commandId) const;
    void RebuildButtons();
    // The image list drawn for the tool bar's resolution; null without images.
    HIMAGELIST ImagesHandle();
    void ApplySizes();
    void AdjustHeight();
    // Whether the form shows hints; it governs the tips of its tool bars.
    bool HintsShown();
    // The hint of the button, as the tool tip shows it.
    const std::wstring& TipText(int commandId);

    std::vector<TToolButton*> buttons_;
    int nextCommandId_ = 1;
    TImageList* images_ = nullptr;
    bool flat_ = false;
    bool showCaptions_ = false;
    bool autoSize_ = false;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    std::wstring tipText_;
};

} // namespace fw
