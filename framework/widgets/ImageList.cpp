#include "framework/widgets/ImageList.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"

namespace fw {

namespace {
constexpr COLORREF kTransparent = RGB(255, 0, 255);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
    if (handle_)
        ImageList_Destroy(handle_);
}

HIMAGELIST TImageList::Handle() {
    if (!handle_)
        handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 0, 4);
    return handle_;
}

int TImageList::Count() {
    return ImageList_GetImageCount(Handle());
}

void TImageList::SetWidth(int width) {
    if (width == width_)
        return;
    width_ = width;
    Resize();
}

void TImageList::SetHeight(int height) {
    if (height == height_)
        return;
    height_ = height;
    Resize();
}

void TImageList::Resize() {
    if (!handle_)
        return;
    // Changing the size empties the list; the strip is cut again at the new size.
    ImageList_SetIconSize(handle_, width_, height_);
    LoadResource();
}

void TImageList::SetResourceName(const std::string& name) {
    if (name == resourceName_)
        return;
    resourceName_ = name;
    Clear();
    LoadResource();
}

void TImageList::LoadResource() {
    if (resourceName_.empty())
        return;
    std::wstring name = ToWide(resourceName_);
    // As a DIB section, the strip needs no conversion for the screen first.
    auto strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        throw Exception("no bitmap resource named '" + resourceName_ + "'");
    AddMasked(strip, kTransparent);
    DeleteObject(strip);
}

void TImageList::AddMasked(HBITMAP strip, COLORREF mask) {
    ImageList_AddMasked(Handle(), strip, mask);
}

void TImageList::Clear() {
    if (handle_)
        ImageList_Remove(handle_, -1);
}

} // namespace fw
