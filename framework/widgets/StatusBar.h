// The standard status bar, with one panel that spans the whole bar.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

class TStatusBar : public TWinControl {
    FW_CLASS(TStatusBar, TWinControl)
public:
    // Aligned to the bottom of its parent, as status bars are.
    explicit TStatusBar(TComponent* owner);

    // The text of the panel.
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    // The declared width of the panel; being the last one, it reaches the
    // right edge of the bar whatever this is.
    int PanelWidth() const { return panelWidth_; }
    void SetPanelWidth(int width) { panelWidth_ = width; }
    // The grip drawn in the bottom right corner for resizing the window.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void PushText();

    std::string simpleText_;
    int panelWidth_ = 50;
    bool sizeGrip_ = true;
};

} // namespace fw
