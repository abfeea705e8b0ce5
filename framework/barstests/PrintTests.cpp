// Printing a window (WM_PRINT, WM_PRINTCLIENT, PrintWindow) draws what the
// screen shows: backgrounds, windowless children, child windows in Z order,
// and themed buttons over their parent's background.
#include "FormTest.h"

#include "framework/widgets/Button.h"
#include "framework/widgets/GroupBox.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <uxtheme.h>

#include <sstream>
#include <string>

using guitest::FormTest;

namespace {

// A picture in a memory DC, white to start with, its pixels readable.
class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        DWORD p = bits_[y * width_ + x];
        return RGB(GetBValue(p), GetGValue(p), GetRValue(p)); // stored as 0x00RRGGBB
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

SIZE ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// What the screen shows of a window's client area.
void CopyScreen(HWND window, Picture& picture) {
    HDC screen = GetDC(window);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
}

// Empty when the picture equals the screen's client area from (left, top)
// of the picture on; else how many pixels differ, and the first of them.
std::string DifferencesFromScreen(HWND window, const Picture& printed, int left = 0, int top = 0) {
    SIZE size = ClientSize(window);
    Picture shown(size.cx, size.cy);
    CopyScreen(window, shown);
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            COLORREF expected = shown.Pixel(x, y);
            COLORREF got = printed.Pixel(left + x, top + y);
            if (expected != got && count++ == 0)
                first << std::hex << " first at (" << std::dec << x << ", " << y << "): screen 0x"
                      << std::hex << expected << ", print 0x" << got;
        }
    return count ? std::to_string(count) + " pixels differ;" + first.str() : "";
}

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class PrintTest : public FormTest {
protected:
    // A yellow panel with a black disc at (20, 20)-(45, 45) and a caption.
    fw::TPanel* AddCell(fw::TWinControl* parent, int left, int top) {
        auto* panel = Add<fw::TPanel>(parent, left, top, 120, 80);
        panel->SetColor(fw::clYellow);
        auto* dot = Add<fw::TShape>(panel, 20, 20, 25, 25);
        dot->SetShape(fw::stCircle);
        dot->Brush().SetColor(fw::clBlack);
        auto* label = Add<fw::TLabel>(panel, 60, 30, 50, 13);
        label->SetCaption("Majuscule");
        return panel;
    }
};

TEST_F(PrintTest, PrintClientDrawsTheBackgroundAndTheWindowlessChildren) {
    fw::TPanel* panel = AddCell(form, 10, 10);
    ShowForm();
    SIZE size = ClientSize(panel->Handle());
    Picture printed(size.cx, size.cy);
    SendMessageW(panel->Handle(), WM_PRINTCLIENT, WPARAM(printed.Dc()), PRF_CLIENT);
    EXPECT_EQ(printed.Pixel(32, 32), kBlack);
    EXPECT_EQ(printed.Pixel(size.cx / 2, 4), kYellow);
    EXPECT_EQ(DifferencesFromScreen(panel->Handle(), printed), "");

    // A control drawing its parent's background moves the origin to its own place.
    Picture part(40, 40);
    SetViewportOrgEx(part.Dc(), -15, -15, nullptr);
    SendMessageW(panel->Handle(), WM_PRINTCLIENT, WPARAM(part.Dc()), PRF_CLIENT);
    EXPECT_EQ(part.Pixel(17, 17), kBlack);
    EXPECT_EQ(part.Pixel(2, 2), kYellow);
}

TEST_F(PrintTest, PrintWindowEqualsTheScreen) {
    auto* box = Add<fw::TGroupBox>(form, 8, 8, 300, 200);
    box->SetCaption("Alphabet Braille : ");
    AddCell(box, 16, 24);
    fw::TPanel* over = AddCell(box, 80, 60); // overlaps the first cell
    over->SetColor(fw::clAqua);
    AddCell(box, 16, 112)->SetVisible(false);
    auto* button = Add<fw::TButton>(form, 320, 170, 75, 25);
    button->SetCaption("&Valider");
    auto* label = Add<fw::TLabel>(form, 320, 20, 100, 13);
    label->SetCaption("Vous avez ecrit :");
    ShowForm();
    HWND window = form->Handle();
    RECT frame;
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    SIZE size = ClientSize(window);

    Picture clientOnly(size.cx, size.cy);
    ASSERT_TRUE(PrintWindow(window, clientOnly.Dc(), PW_CLIENTONLY));
    EXPECT_EQ(DifferencesFromScreen(window, clientOnly), "");

    // With the frame, the client area lies where the frame leaves it.
    Picture whole(frame.right - frame.left, frame.bottom - frame.top);
    ASSERT_TRUE(PrintWindow(window, whole.Dc(), 0));
    EXPECT_EQ(DifferencesFromScreen(window, whole, client.x - frame.left, client.y - frame.top),
              "");
}

TEST_F(PrintTest, HiddenWindowPrintsOnlyWhenNotAskedToCheck) {
    fw::TPanel* panel = AddCell(form, 10, 10);
    ShowForm();
    panel->SetVisible(false);
    Picture checked(120, 80);
    SendMessageW(panel->Handle(), WM_PRINT, WPARAM(checked.Dc()), PRF_CHECKVISIBLE | PRF_CLIENT);
    EXPECT_EQ(checked.Pixel(32, 32), kWhite);
    Picture unchecked(120, 80);
    SendMessageW(panel->Handle(), WM_PRINT, WPARAM(unchecked.Dc()), PRF_CLIENT);
    EXPECT_EQ(unchecked.Pixel(32, 32), kBlack);
}

// What a themed control with see-through parts draws behind itself: its
// parent's background and windowless children, asked for with WM_PRINTCLIENT.
TEST_F(PrintTest, ThemedControlsGetTheirParentsBackground) {
    fw::TPanel* panel = AddCell(form, 10, 10);
    auto* button = Add<fw::TButton>(panel, 10, 10, 75, 25); // over the dot's top
    button->SetCaption("OK");
    ShowForm();
    Picture behind(75, 25);
    ASSERT_EQ(DrawThemeParentBackground(button->Handle(), behind.Dc(), nullptr), S_OK);
    EXPECT_EQ(behind.Pixel(22, 20), kBlack); // the dot's centre, less the button's place
    EXPECT_EQ(behind.Pixel(2, 2), kYellow);
}

// Some themed controls ask with WM_ERASEBKGND alone, and take "erased" for
// painted; the window's own painting keeps WM_ERASEBKGND for WM_PAINT.
TEST_F(PrintTest, EraseBackgroundIntoAnotherDcPaintsThePicture) {
    fw::TPanel* panel = AddCell(form, 10, 10);
    ShowForm();
    Picture behind(40, 40);
    SetViewportOrgEx(behind.Dc(), -15, -15, nullptr);
    EXPECT_NE(SendMessageW(panel->Handle(), WM_ERASEBKGND, WPARAM(behind.Dc()), 0), 0);
    EXPECT_EQ(behind.Pixel(17, 17), kBlack);
    EXPECT_EQ(behind.Pixel(2, 2), kYellow);

    // Its own window's DC is left alone: the next WM_PAINT draws it whole.
    HDC own = GetDC(panel->Handle());
    PatBlt(own, 0, 0, 10, 10, WHITENESS);
    SendMessageW(panel->Handle(), WM_ERASEBKGND, WPARAM(own), 0);
    EXPECT_EQ(GetPixel(own, 4, 4), kWhite);
    ReleaseDC(panel->Handle(), own);
}

} // namespace
