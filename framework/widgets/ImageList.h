// A list of same-sized images with transparency, for tool bars.
#pragma once

#include "framework/core/Component.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace fw {

class TImageList : public TComponent {
    FW_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Size of each image, in pixels at 96 dpi.
    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);

    // A bitmap resource of the program: a horizontal strip of images whose
    // magenta pixels, RGB(255, 0, 255), are transparent. The strips drawn
    // for other resolutions are named after it: "TOOLBAR_144" is the strip
    // of "TOOLBAR" drawn for 144 dpi. Setting it replaces the images.
    const std::string& ResourceName() const { return resourceName_; }
    void SetResourceName(const std::string& name);

    // The list at 96 dpi, and the one drawn for a resolution (its images as
    // large as drawn, never stretched). Each keeps one handle for the
    // list's whole life, so that tool bars given it stay valid when the
    // images change.
    HIMAGELIST Handle() { return Handle(96); }
    HIMAGELIST Handle(int dpi);
    int Count();
    // Adds the images of a strip to the 96-dpi list; pixels of colour
    // `mask` become transparent.
    void AddMasked(HBITMAP strip, COLORREF mask);
    void Clear();

private:
    struct Drawn {
        int dpi;
        HIMAGELIST list;
    };
    void Resize();
    void LoadResource(const Drawn& drawn);

    int width_ = 16;
    int height_ = 16;
    std::string resourceName_;
    std::vector<Drawn> lists_;
};

} // namespace fw
