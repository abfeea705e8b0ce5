// The counts the leak tests rely on, checked against objects made on purpose.
#include "FormTest.h"
#include "ResourceCount.h"

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

TEST(ResourceCountTest, GdiObjectsAreCountedLiveAndCreated) {
    int live = guitest::LiveGdiObjects();
    guitest::GdiCreations creations;
    HPEN kept[3];
    for (HPEN& pen : kept)
        pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    for (int i = 0; i < 7; ++i)
        DeleteObject(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(guitest::LiveGdiObjects(), live + 3);
    EXPECT_EQ(creations.Since(), 10);
    for (HPEN pen : kept)
        DeleteObject(pen);
    EXPECT_EQ(guitest::LiveGdiObjects(), live);
}

TEST(ResourceCountTest, PensBrushesAndFontsMadeAreCountedWhateverTakesTheirEntryNext) {
    guitest::DrawingObjectCreations made;
    LOGFONTW font{};
    font.lfHeight = -12;
    for (int i = 0; i < 2; ++i) {
        DeleteObject(CreatePen(PS_SOLID, 1, RGB(i, 2, 3)));
        DeleteObject(CreateSolidBrush(RGB(i, 0, 0)));
        DeleteObject(CreateFontIndirectW(&font));
        DeleteDC(CreateCompatibleDC(nullptr));
    }
    DeleteObject(CreateRectRgn(0, 0, 1, 1)); // not a drawing object
    EXPECT_EQ(made.Since(), 6);
}

TEST_F(FormTest, WindowsOfTheThreadAreCounted) {
    ShowForm();
    int before = guitest::LiveWindows();
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Handle(), nullptr, nullptr,
                    nullptr);
    EXPECT_EQ(guitest::LiveWindows(), before + 1);
}

} // namespace
} // namespace fwtest
