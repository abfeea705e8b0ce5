#include "framework/widgets/Image.h"

#include "framework/core/Application.h"
#include "framework/core/Dpi.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"

#include <utility>

namespace fw {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    ClearPicture();
}

void TImage::ClearPicture() {
    bitmap_.reset();
    if (icon_ && ownsIcon_)
        DestroyIcon(icon_);
    icon_ = nullptr;
    ownsIcon_ = false;
}

void TImage::SetPictureResource(const std::string& name) {
    std::string old = std::exchange(resourceName_, name);
    applicationIcon_ = false;
    try {
        LoadPicture();
    } catch (...) {
        resourceName_ = old;
        throw;
    }
}

void TImage::SetApplicationIcon() {
    resourceName_.clear();
    applicationIcon_ = true;
    LoadPicture();
}

void TImage::LoadPicture() {
    int dpi = PictureDpi(PixelsPerInch());
    if (applicationIcon_) {
        ClearPicture();
        icon_ = Application()->Icon(ScaleTo(32, dpi));
        return PictureChanged();
    }
    if (resourceName_.empty())
        return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    std::wstring wide = ToWide(resourceName_);
    int drawnDpi;
    std::wstring drawn = PictureResource(resourceName_, dpi, drawnDpi);
    // Not a DIB section: the run-length encoded pictures are decoded into a
    // device-dependent bitmap.
    if (auto bitmap =
            static_cast<HBITMAP>(LoadImageW(instance, drawn.c_str(), IMAGE_BITMAP, 0, 0, 0))) {
        ClearPicture();
        bitmap_.reset(bitmap);
        return PictureChanged();
    }
    auto icon = static_cast<HICON>(
        LoadImageW(instance, wide.c_str(), IMAGE_ICON, ScaleTo(32, dpi), ScaleTo(32, dpi), 0));
    if (!icon)
        throw Exception("no bitmap or icon resource named '" + resourceName_ + "'");
    ClearPicture();
    icon_ = icon;
    ownsIcon_ = true;
    PictureChanged();
}

void TImage::ScaleChanged() {
    TGraphicControl::ScaleChanged();
    LoadPicture();
}

void TImage::SetBitmap(HBITMAP bitmap) {
    resourceName_.clear();
    applicationIcon_ = false;
    ClearPicture();
    bitmap_.reset(bitmap);
    PictureChanged();
}

void TImage::SetIcon(HICON icon) {
    resourceName_.clear();
    applicationIcon_ = false;
    ClearPicture();
    icon_ = icon;
    PictureChanged();
}

void TImage::PictureChanged() {
    SIZE picture = PictureSize();
    if (autoSize_ && picture.cx > 0 && picture.cy > 0)
        SetSizeOnScreen(picture.cx, picture.cy);
    Invalidate();
}

void TImage::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    PictureChanged();
}

SIZE TImage::PictureSize() const {
    if (bitmap_) {
        BITMAP info;
        GetObjectW(bitmap_.get(), sizeof info, &info);
        return {info.bmWidth, info.bmHeight};
    }
    SIZE size{0, 0};
    ICONINFO info;
    if (icon_ && GetIconInfo(icon_, &info)) {
        BITMAP mask;
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
        size = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
        DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
    return size;
}

void TImage::SetStretch(bool value) {
    if (value == stretch_)
        return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    if (value == center_)
        return;
    center_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

RECT TImage::Destination(SIZE picture) const {
    RECT area = ClientRectOnScreen();
    if (stretch_)
        return area;
    RECT target{0, 0, picture.cx, picture.cy};
    if (center_)
        OffsetRect(&target, (area.right - picture.cx) / 2, (area.bottom - picture.cy) / 2);
    return target;
}

void TImage::Paint(TCanvas& canvas) {
    SIZE picture = PictureSize();
    if (picture.cx == 0 || picture.cy == 0)
        return;
    RECT target = Destination(picture);
    if (icon_)
        DrawIconEx(canvas.Handle(), target.left, target.top, icon_, target.right - target.left,
                   target.bottom - target.top, 0, nullptr, DI_NORMAL);
    else
        DrawBitmap(canvas.Handle(), target, picture);
}

void TImage::DrawBitmap(HDC dc, const RECT& target, SIZE picture) const {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_.get());
    int width = target.right - target.left;
    int height = target.bottom - target.top;
    if (transparent_) {
        COLORREF key = GetPixel(source, 0, picture.cy - 1);
        // GDI's own, which msimg32's TransparentBlt forwards to: one library
        // fewer to load at start-up.
        GdiTransparentBlt(dc, target.left, target.top, width, height, source, 0, 0, picture.cx,
                          picture.cy, key);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, target.left, target.top, width, height, source, 0, 0, picture.cx, picture.cy,
                   SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace fw
