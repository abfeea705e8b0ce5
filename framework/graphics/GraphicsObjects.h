// Font, pen and brush: attribute holders with change notification, turned
// into GDI objects on demand.
#pragma once

#include "framework/graphics/GdiHandle.h"
#include "framework/core/Persistent.h"
#include "framework/core/Types.h"

#include <functional>
#include <string>

namespace fw {

// Base of TFont, TPen and TBrush: OnChange fires once after every real change
// of an attribute, never when a value is set to what it already holds.
class TGraphicsObject : public TPersistent {
    FW_CLASS(TGraphicsObject, TPersistent)
public:
    std::function<void()> OnChange;

protected:
    // Call after an attribute changed: drops the cached GDI object, notifies.
    void Changed();
    virtual void DropHandle() = 0;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TGraphicsObject {
    FW_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels at 96 dpi; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // Copies every attribute; notifies once if anything differed.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;
    // The GDI font at a resolution; owned by this object, which keeps the
    // last one made.
    HFONT Handle(int dpi);

private:
    void DropHandle() override { handle_.reset(); }
    std::string name_;
    int height_;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = 1; // DEFAULT_CHARSET
    GdiHandle<HFONT> handle_;
    int handleDpi_ = 0;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;

class TPen : public TGraphicsObject {
    FW_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    void Assign(const TPen& source);
    HPEN Handle();

private:
    void DropHandle() override { handle_.reset(); }
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    GdiHandle<HPEN> handle_;
};

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
    FW_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TBrush& source);
    HBRUSH Handle();

private:
    void DropHandle() override { handle_.reset(); }
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    GdiHandle<HBRUSH> handle_;
};

// The RGB value a colour stands for now.
COLORREF ColorToRGB(TColor color);

} // namespace fw
