// A visible control: place, size, visibility, text, font and colour.
#pragma once

#include "framework/core/Component.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/core/Types.h"

#include <optional>
#include <string>

namespace fw {

class TWinControl;

// Where a parent places a control: along its top or bottom edge, full width.
enum class TAlign { alNone, alTop, alBottom };
using enum TAlign;

class TControl : public TComponent {
    FW_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    // The outermost container this control is placed in (its form, as a
    // rule); null while it has no parent.
    TWinControl* Root() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    // Pixels at 96 dpi, relative to the parent's client area.
    virtual void SetBounds(int left, int top, int width, int height);
    // Bounds measured on the screen (an alignment, a size that follows the
    // text): kept to the pixel, where a round trip through 96-dpi values
    // would put the control a pixel off. The 96-dpi values then read back
    // rounded. Any later SetBounds returns to scaling.
    void SetBoundsOnScreen(const RECT& bounds);
    void SetSizeOnScreen(int width, int height);
    // Where the control lies on the screen, in device pixels relative to
    // its parent's client area.
    RECT BoundsOnScreen() const;

    // The resolution the control is drawn at: its form's.
    virtual int PixelsPerInch() const;
    // Pixels at 96 dpi to device pixels at the control's resolution, and back.
    int ToScreen(int pixelsAt96) const;
    int FromScreen(int screenPixels) const;
    // The form moved to another resolution: the control lays itself out
    // again from its 96-dpi values, as if it had been made at that one.
    virtual void ScaleChanged();

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and every parent visible up to a shown form.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Text and caption are one value. Setting the value it already holds
    // changes nothing and notifies nothing.
    virtual std::string Text() const { return text_; }
    void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

    virtual void Invalidate() = 0;
    // Re-evaluates Showing() here and below; pages use it to run OnShow.
    virtual void UpdateShowing() {}
    // Re-reads whether the form shows hints; tool bars switch their tips with it.
    virtual void UpdateHints() {}
    virtual void Click();
    // Alt+letter: a control whose caption marks that letter as its access key
    // acts on it and returns true.
    virtual bool DialogChar(char key) {
        (void)key;
        return false;
    }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);

    // Takes the parent's font and colour where this control follows them.
    void AdoptParentLook();

protected:
    // Stores a new text; controls with a window push it there.
    virtual void StoreText(const std::string& text) { text_ = text; }
    virtual void TextChanged() { Invalidate(); }
    virtual void BoundsChanged() { Invalidate(); }
    virtual void VisibleChanged() = 0;
    virtual void EnabledChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    virtual void ParentChanged() {}
    std::string& StoredText() { return text_; }

private:
    friend class TWinControl;
    void OnFontChange();

    TWinControl* parent_ = nullptr;
    void ApplyBounds(int left, int top, int width, int height, std::optional<RECT> onScreen);

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::optional<RECT> boundsOnScreen_;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TFont font_;
    bool parentFont_ = true;
    bool adoptingParentLook_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::string hint_;
    bool showHint_ = false;
};

} // namespace fw
