#include "framework/widgets/ImageList.h"

#include "framework/core/Dpi.h"
#include "framework/core/Exceptions.h"

namespace fw {

namespace {
constexpr COLORREF kTransparent = RGB(255, 0, 255);
} // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
    for (const Drawn& drawn : lists_)
        ImageList_Destroy(drawn.list);
}

HIMAGELIST TImageList::Handle(int dpi) {
    if (resourceName_.empty())
        dpi = PictureDpi(dpi);
    else
        PictureResource(resourceName_, dpi, dpi);
    for (const Drawn& drawn : lists_)
        if (drawn.dpi == dpi)
            return drawn.list;
    Drawn drawn{dpi, ImageList_Create(ScaleTo(width_, dpi), ScaleTo(height_, dpi),
                                      ILC_COLOR24 | ILC_MASK, 0, 4)};
    lists_.push_back(drawn);
    LoadResource(drawn);
    return drawn.list;
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
    // Changing the size empties a list; the strip is cut again at the new size.
    for (const Drawn& drawn : lists_) {
        ImageList_SetIconSize(drawn.list, ScaleTo(width_, drawn.dpi), ScaleTo(height_, drawn.dpi));
        LoadResource(drawn);
    }
}

void TImageList::SetResourceName(const std::string& name) {
    if (name == resourceName_)
        return;
    resourceName_ = name;
    Clear();
    for (const Drawn& drawn : lists_)
        LoadResource(drawn);
}

void TImageList::LoadResource(const Drawn& drawn) {
    if (resourceName_.empty())
        return;
    // Not a DIB section: the run-length encoded strips are decoded into a
    // device-dependent bitmap.
    int dpi;
    std::wstring name = PictureResource(resourceName_, drawn.dpi, dpi);
    auto strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!strip)
        throw Exception("no bitmap resource named '" + resourceName_ + "'");
    ImageList_AddMasked(drawn.list, strip, kTransparent);
    DeleteObject(strip);
}

void TImageList::AddMasked(HBITMAP strip, COLORREF mask) {
    ImageList_AddMasked(Handle(), strip, mask);
}

void TImageList::Clear() {
    for (const Drawn& drawn : lists_)
        ImageList_Remove(drawn.list, -1);
}

} // namespace fw
