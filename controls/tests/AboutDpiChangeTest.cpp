// The About dialog, open while it moves to a monitor of another resolution
// (WM_DPICHANGED), looks as if it had been opened there: banner and icon as
// drawn for that resolution, never stretched, and every control in place.
// The pictures of openings at each resolution come from runs of this program
// with the desktop at that resolution (run_at_dpi.py, 96 dpi last).
#include "AboutFixture.h"

#include "WindowPicture.h"
#include "framework/core/Dpi.h"
#include "framework/widgets/Image.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

void MoveToDpi(fw::TForm& form, int dpi) {
    RECT now;
    GetWindowRect(form.Handle(), &now);
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&now));
    guitest::Pump();
}

std::string PicturePath(int dpi) {
    const char* folder = std::getenv("SIX_DPI_PICTURES");
    return std::string(folder ? folder : ".") + "/about_" + std::to_string(dpi);
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {0, 0};
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return {mask.bmWidth, mask.bmHeight};
}

} // namespace

// The steps run inside the dialog's modal loop: they check with EXPECT, so
// that the dialog is closed whatever fails.
class AboutDpiChangeTest : public AboutTest {};

// At each resolution the banner is the one drawn for it, at its own size,
// and the icon the one drawn at that size; back at its own resolution the
// dialog is as it was, to the pixel.
TEST_F(AboutDpiChangeTest, PicturesDrawnForEachResolution) {
    int own = fw::ScreenDpi();
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        guitest::Picture start = guitest::ClientPicture(dialog.Handle());
        for (int dpi : kDpis) {
            SCOPED_TRACE(dpi);
            MoveToDpi(dialog, dpi);
            SIZE banner = dialog.Image1->PictureSize();
            EXPECT_EQ(banner.cx, fw::ScaleTo(294, dpi));
            EXPECT_EQ(banner.cy, fw::ScaleTo(77, dpi));
            RECT shown = dialog.Image1->BoundsOnScreen();
            EXPECT_EQ(shown.right - shown.left, banner.cx) << "the banner is not stretched";
            EXPECT_EQ(shown.bottom - shown.top, banner.cy);
            SIZE icon = IconSize(dialog.FImage->Icon());
            EXPECT_EQ(icon.cx, fw::ScaleTo(32, dpi));
        }
        MoveToDpi(dialog, own);
        guitest::Picture back = guitest::ClientPicture(dialog.Handle());
        PressOk(dialog);
        EXPECT_EQ(back.width, start.width);
        EXPECT_EQ(back.height, start.height);
        EXPECT_EQ(guitest::CountDifferences(back, start, {0, 0, start.width, start.height}), 0);
    }));
}

TEST_F(AboutDpiChangeTest, MovedToAResolutionLooksAsOpenedThere) {
    if (!std::getenv("SIX_DPI_PICTURES"))
        GTEST_SKIP() << "needs the pictures of openings at other resolutions (run_at_dpi.py)";
    int own = fw::ScreenDpi();
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        EXPECT_TRUE(
            guitest::SavePicture(guitest::ClientPicture(dialog.Handle()), PicturePath(own)));
        for (int dpi : kDpis) {
            if (own != 96)
                break;
            SCOPED_TRACE(dpi);
            std::optional<guitest::Picture> opened = guitest::LoadPicture(PicturePath(dpi));
            EXPECT_TRUE(opened) << "no picture of an opening at that resolution";
            if (!opened)
                break;
            MoveToDpi(dialog, dpi);
            guitest::Picture moved = guitest::ClientPicture(dialog.Handle());
            guitest::SavePictureAsBitmap(moved, PicturePath(dpi) + "_moved.bmp");
            guitest::SavePictureAsBitmap(*opened, PicturePath(dpi) + "_opened.bmp");
            // Wine keeps the frame of the desktop's resolution, so the client
            // areas may differ in size; what both hold must be the same, but
            // for the theme's shading, which Wine picks by the desktop's.
            RECT both{0, 0, std::min(moved.width, opened->width),
                      std::min(moved.height, opened->height)};
            EXPECT_EQ(guitest::CountDifferences(moved, *opened, both, 0, 0, 4), 0);
        }
        PressOk(dialog);
    }));
}
