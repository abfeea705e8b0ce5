// A list of same-sized images with transparency, for tool bars.
#pragma once

#include "framework/core/Component.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace fw {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Size of each image, in pixels.
    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);

    // A bitmap resource of the program: a horizontal strip of images whose
    // magenta pixels, RGB(255, 0, 255), are transparent. Setting it replaces
    // the images.
    const std::string& ResourceName() const { return resourceName_; }
    void SetResourceName(const std::string& name);

    // The list keeps one handle for its whole life, so that tool bars given
    // it stay valid when the images change.
    HIMAGELIST Handle();
    int Count();
    // Adds the images of a strip; pixels of colour `mask` become transparent.
    void AddMasked(HBITMAP strip, COLORREF mask);
    void Clear();

private:
    void Resize();
    void LoadResource();

    int width_ = 16;
    int height_ = 16;
    std::string resourceName_;
    HIMAGELIST handle_ = nullptr;
};

} // namespace fw
