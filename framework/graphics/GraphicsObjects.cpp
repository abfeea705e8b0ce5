#include "framework/graphics/GraphicsObjects.h"

#include "framework/core/Dpi.h"
#include "framework/core/Text.h"

namespace fw {

namespace {
// Sets a field; reports whether it changed.
template <class T> bool Update(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// The colour a pen or brush was made with, as GDI keeps it.
COLORREF MadeWith(HPEN pen) {
    LOGPEN logical{};
    return GetObjectW(pen, sizeof logical, &logical) ? logical.lopnColor : CLR_INVALID;
}
COLORREF MadeWith(HBRUSH brush) {
    LOGBRUSH logical{};
    return GetObjectW(brush, sizeof logical, &logical) ? logical.lbColor : CLR_INVALID;
}

// A pen or brush of a system colour is made again, when next drawn with,
// once the user has changed that colour (a high-contrast theme, say).
template <class Handle> void DropIfStale(GdiHandle<Handle>& handle, TColor color) {
    if (handle && color < 0 && MadeWith(handle.get()) != ColorToRGB(color))
        handle.reset();
}
} // namespace

void TGraphicsObject::Changed() {
    DropHandle();
    if (OnChange)
        OnChange();
}

COLORREF ColorToRGB(TColor color) {
    if (color < 0)
        return GetSysColor(color & 0xFF);
    return COLORREF(color);
}

TFont::TFont() : name_("MS Sans Serif"), height_(-11) {}

void TFont::SetName(const std::string& name) {
    if (Update(name_, name))
        Changed();
}

void TFont::SetHeight(int height) {
    if (Update(height_, height))
        Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, 96);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (Update(style_, style))
        Changed();
}

void TFont::SetColor(TColor color) {
    if (Update(color_, color))
        Changed();
}

void TFont::SetCharset(int charset) {
    if (Update(charset_, charset))
        Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && charset_ == other.charset_;
}

void TFont::Assign(const TFont& source) {
    if (&source == this || SameAs(source))
        return;
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    color_ = source.color_;
    charset_ = source.charset_;
    Changed();
}

HFONT TFont::Handle(int dpi) {
    if (handle_ && handleDpi_ != dpi)
        handle_.reset();
    if (!handle_) {
        handleDpi_ = dpi;
        LOGFONTW lf{};
        lf.lfHeight = ScaleTo(height_, dpi);
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) != 0;
        lf.lfUnderline = (style_ & fsUnderline) != 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) != 0;
        lf.lfCharSet = BYTE(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        // Cut to the longest name a font can have; lf is zeroed, so it ends there.
        ToWide(name_).copy(lf.lfFaceName, LF_FACESIZE - 1);
        handle_.reset(CreateFontIndirectW(&lf));
    }
    return handle_.get();
}

void TPen::SetColor(TColor color) {
    if (Update(color_, color))
        Changed();
}

void TPen::SetWidth(int width) {
    if (Update(width_, width))
        Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (Update(style_, style))
        Changed();
}

void TPen::Assign(const TPen& source) {
    if (color_ == source.color_ && width_ == source.width_ && style_ == source.style_)
        return;
    color_ = source.color_;
    width_ = source.width_;
    style_ = source.style_;
    Changed();
}

HPEN TPen::Handle() {
    DropIfStale(handle_, color_);
    if (!handle_) {
        static constexpr int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                          PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        handle_.reset(CreatePen(kStyles[int(style_)], width_, ColorToRGB(color_)));
    }
    return handle_.get();
}

void TBrush::SetColor(TColor color) {
    if (Update(color_, color))
        Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (Update(style_, style))
        Changed();
}

void TBrush::Assign(const TBrush& source) {
    if (color_ == source.color_ && style_ == source.style_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

HBRUSH TBrush::Handle() {
    if (style_ == bsSolid)
        DropIfStale(handle_, color_);
    if (!handle_) {
        if (style_ == bsClear) {
            LOGBRUSH lb{BS_NULL, 0, 0};
            handle_.reset(CreateBrushIndirect(&lb));
        } else {
            handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
        }
    }
    return handle_.get();
}

} // namespace fw
