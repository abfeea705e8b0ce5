// A caption drawn on its parent, without a window of its own.
#pragma once

#include "framework/window/GraphicControl.h"

namespace fw {

class TLabel : public TGraphicControl {
    FW_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // When on, the label takes the size of its text.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

protected:
    void Loaded() override;
    void Paint(TCanvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    UINT DrawFlags() const;

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
};

} // namespace fw
