// A picture drawn on its parent: a bitmap or an icon.
#pragma once

#include "framework/graphics/GdiHandle.h"
#include "framework/window/GraphicControl.h"

#include <string>

namespace fw {

class TImage : public TGraphicControl {
    FW_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Loads a bitmap, or failing that an icon, from the program's resources.
    // A bitmap drawn for the control's resolution is taken where there is
    // one: "BANNER_144" is "BANNER" drawn for 144 dpi.
    void SetPictureResource(const std::string& name);
    // The program's icon, as drawn at the control's resolution.
    void SetApplicationIcon();
    // Takes over the bitmap.
    void SetBitmap(HBITMAP bitmap);
    // The icon stays the caller's (shared icons such as the application's).
    void SetIcon(HICON icon);
    bool Empty() const { return !bitmap_ && !icon_; }
    HICON Icon() const { return icon_; }
    // Size of the picture in pixels; 0 when empty.
    SIZE PictureSize() const;

    // The control takes the size of each picture it is given.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // Bitmaps only: the colour of the bottom left pixel is left unpainted.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The picture drawn for the new resolution.
    void ScaleChanged() override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void ClearPicture();
    void LoadPicture();
    void PictureChanged();
    RECT Destination(SIZE picture) const;
    void DrawBitmap(HDC dc, const RECT& target, SIZE picture) const;

    GdiHandle<HBITMAP> bitmap_;
    HICON icon_ = nullptr;
    bool ownsIcon_ = false;
    // Where the picture comes from, to draw it again at another resolution.
    std::string resourceName_;
    bool applicationIcon_ = false;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

} // namespace fw
