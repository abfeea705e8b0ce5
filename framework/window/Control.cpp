#include "framework/window/Control.h"

#include "framework/window/WinControl.h"

#include "framework/core/Dpi.h"

namespace fw {

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { OnFontChange(); };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        AdoptParentLook();
    }
    ParentChanged();
    if (align_ != alNone && parent_)
        parent_->AlignControls();
}

TWinControl* TControl::Root() const {
    TWinControl* root = parent_;
    while (root && root->parent_)
        root = root->parent_;
    return root;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    ApplyBounds(left, top, width, height, std::nullopt);
}

void TControl::SetBoundsOnScreen(const RECT& bounds) {
    RECT current = BoundsOnScreen();
    if (EqualRect(&bounds, &current))
        return;
    ApplyBounds(FromScreen(bounds.left), FromScreen(bounds.top),
                FromScreen(bounds.right - bounds.left), FromScreen(bounds.bottom - bounds.top),
                bounds);
}

void TControl::SetSizeOnScreen(int width, int height) {
    RECT bounds = BoundsOnScreen();
    SetBoundsOnScreen({bounds.left, bounds.top, bounds.left + width, bounds.top + height});
}

RECT TControl::BoundsOnScreen() const {
    if (boundsOnScreen_)
        return *boundsOnScreen_;
    int left = ToScreen(left_);
    int top = ToScreen(top_);
    return {left, top, left + ToScreen(width_), top + ToScreen(height_)};
}

int TControl::PixelsPerInch() const {
    return parent_ ? parent_->PixelsPerInch() : ScreenDpi();
}

int TControl::ToScreen(int pixelsAt96) const {
    return ScaleTo(pixelsAt96, PixelsPerInch());
}

int TControl::FromScreen(int screenPixels) const {
    return ScaleFrom(screenPixels, PixelsPerInch());
}

void TControl::ScaleChanged() {
    // Bounds measured at the old resolution are measured again by their
    // rule (alignment, text size) once the fonts are remade.
    boundsOnScreen_.reset();
    BoundsChanged();
    FontChanged();
}

void TControl::ApplyBounds(int left, int top, int width, int height, std::optional<RECT> onScreen) {
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    boundsOnScreen_ = onScreen;
    BoundsChanged();
    if (align_ != alNone && parent_)
        parent_->AlignControls();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    VisibleChanged();
    if (align_ != alNone && parent_)
        parent_->AlignControls();
    UpdateShowing();
}

bool TControl::Showing() const {
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetText(const std::string& text) {
    if (text == Text())
        return;
    StoreText(text);
    TextChanged();
}

void TControl::SetShowHint(bool value) {
    if (value == showHint_)
        return;
    showHint_ = value;
    UpdateHints();
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_)
        return;
    parentFont_ = value;
    if (value)
        AdoptParentLook();
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_)
        return;
    parentColor_ = value;
    if (value)
        AdoptParentLook();
}

void TControl::AdoptParentLook() {
    if (!parent_)
        return;
    adoptingParentLook_ = true;
    if (parentFont_)
        font_.Assign(parent_->Font());
    if (parentColor_ && color_ != parent_->Color()) {
        color_ = parent_->Color();
        ColorChanged();
    }
    adoptingParentLook_ = false;
}

void TControl::OnFontChange() {
    // A font of the control's own stops following the parent's.
    if (!adoptingParentLook_)
        parentFont_ = false;
    FontChanged();
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

} // namespace fw
