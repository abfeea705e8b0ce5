// The program's text field: an edit control with aligned text, a look of its
// own for the focused and the unfocused state, and a one-line mode.
#pragma once

#include "framework/widgets/CustomEdit.h"
#include "framework/graphics/GraphicsObjects.h"

#include <cstdint>

// Its window is always a multi-line edit; while MultiLine is off the control
// makes it behave as a one-line field through its own key handling.
class TAlignEdit : public fw::TCustomEdit {
    FW_CLASS(TAlignEdit, fw::TCustomEdit)
public:
    explicit TAlignEdit(fw::TComponent* owner);
    ~TAlignEdit() override;

    fw::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(fw::TAlignment value);

    fw::TColor ColorOnFocus() const { return colorOnFocus_; }
    void SetColorOnFocus(fw::TColor value);
    fw::TColor ColorOnNoFocus() const { return colorOnNoFocus_; }
    // Applied at once, even while the control has the focus.
    void SetColorOnNoFocus(fw::TColor value);

    // The owned fonts. Changing an attribute of FontOnNoFocus shows at once;
    // the setters copy the given font's attributes, never the object.
    fw::TFont& FontOnFocus() { return fontOnFocus_; }
    const fw::TFont& FontOnFocus() const { return fontOnFocus_; }
    void SetFontOnFocus(const fw::TFont& font);
    fw::TFont& FontOnNoFocus() { return fontOnNoFocus_; }
    const fw::TFont& FontOnNoFocus() const { return fontOnNoFocus_; }
    void SetFontOnNoFocus(const fw::TFont& font);

    // Return moves the focus on to the next control; never on with MultiLine.
    bool ExitOnReturn() const { return exitOnReturn_; }
    void SetExitOnReturn(bool value);
    // Switching it off runs the lines of the text together.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    // Switching it either way switches MultiLine on.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // From the moment the control receives the input focus until it loses it.
    bool HasFocus() const { return hasFocus_; }

protected:
    void CreateParams(fw::TCreateParams& params) override;
    void FocusEntered() override;
    void FocusLeft() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(std::uint16_t& key, fw::TShiftState shift) override;
    void KeyPress(char& key) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Change() override;
    void BoundsChanged() override;
    HFONT WindowFont() override;

private:
    // A one-line field shows its whole text on its one line: when the text is
    // wider than the field, it is drawn in a smaller size of the same font.
    int FittingFontHeight();
    int TextWidthAt(int height);
    void RefitText();
    // A fitted text stands in the middle of the field, where a text in the
    // field's own font stands.
    void CentreFittedLine();
    int LineHeight(HFONT font);
    void FontOnNoFocusChanged();
    // A centred or right-aligned field is then repainted whole, which the
    // edit window does not do by itself.
    void SetHasFocus(bool value);

    fw::TAlignment alignment_ = fw::taLeftJustify;
    fw::TColor colorOnFocus_ = fw::clWindow;
    fw::TColor colorOnNoFocus_ = fw::clWindow;
    fw::TFont fontOnFocus_;
    fw::TFont fontOnNoFocus_;
    fw::TFont fittedFont_;
    bool exitOnReturn_ = false;
    bool multiLine_ = false;
    bool wordWrap_ = false;
    bool hasFocus_ = false;
    // The left button went down on the control and is not up yet.
    bool leftButtonDown_ = false;
};
