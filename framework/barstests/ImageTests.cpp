// Pictures: bitmaps and icons from the resources, drawn placed as asked.
#include "FormTest.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "framework/widgets/Image.h"

using guitest::ClickCenter;
using guitest::FormTest;
using guitest::RectIn;

namespace {

class ImageTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form->SetColor(fw::clWhite);
        image = Add<fw::TImage>(form);
        image->SetBounds(20, 20, 120, 40);
        image->SetPictureResource("TOOLBAR"); // 80 x 16
        strip = fw::LoadPackedBitmap(L"TOOLBAR");
        stripDc = CreateCompatibleDC(nullptr);
        old = SelectObject(stripDc, strip);
    }
    void TearDown() override {
        SelectObject(stripDc, old);
        DeleteDC(stripDc);
        DeleteObject(strip);
        FormTest::TearDown();
    }

    // The colour on screen at a point of the image.
    COLORREF Shown(int x, int y) {
        POINT point{20 + x, 20 + y};
        ClientToScreen(form->Handle(), &point);
        HDC screen = GetDC(nullptr);
        COLORREF color = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
        return color;
    }
    COLORREF Strip(int x, int y) { return GetPixel(stripDc, x, y); }
    bool UniformAround(int x, int y) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (Strip(x + dx, y + dy) != Strip(x, y))
                    return false;
        return true;
    }

    fw::TImage* image = nullptr;
    HBITMAP strip = nullptr;
    HDC stripDc = nullptr;
    HGDIOBJ old = nullptr;
};

TEST_F(ImageTest, LoadsBitmapsAndIconsByName) {
    SIZE size = image->PictureSize();
    EXPECT_EQ(size.cx, 80);
    EXPECT_EQ(size.cy, 16);
    image->SetPictureResource("MAINICON");
    size = image->PictureSize();
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 32);
    EXPECT_THROW(image->SetPictureResource("NOSUCHPICTURE"), fw::Exception);
}

TEST_F(ImageTest, DrawsAtTheCornerCentredOrStretched) {
    ShowForm();
    // A pixel inside a patch of one colour, so that stretching keeps it, and
    // unlike the white background.
    int x = 0, y = 0;
    for (int i = 1; i < 79 && !x; ++i)
        for (int j = 1; j < 15 && !x; ++j)
            if (Strip(i, j) != RGB(255, 0, 255) && Strip(i, j) != RGB(255, 255, 255) &&
                UniformAround(i, j))
                x = i, y = j;
    ASSERT_NE(x, 0);
    EXPECT_EQ(Shown(x, y), Strip(x, y));

    image->SetCenter(true);
    guitest::Pump();
    EXPECT_EQ(Shown(20 + x, 12 + y), Strip(x, y));

    image->SetStretch(true); // 80 x 16 drawn over 120 x 40
    guitest::Pump();
    EXPECT_EQ(Shown(x * 3 / 2 + 1, y * 5 / 2 + 1), Strip(x, y)) << x << "," << y;
}

TEST_F(ImageTest, TransparentBitmapLeavesItsKeyColourUnpainted) {
    // The key is the bottom left pixel, magenta in the tool-bar strip.
    ASSERT_EQ(Strip(0, 15), RGB(255, 0, 255));
    ShowForm();
    EXPECT_EQ(Shown(0, 15), RGB(255, 0, 255));
    image->SetTransparent(true);
    guitest::Pump();
    EXPECT_EQ(Shown(0, 15), RGB(255, 255, 255));
}

} // namespace
