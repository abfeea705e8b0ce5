// The About command as a user meets it: a fresh modal dialog with the texts,
// the memory figures, the banner and the groove, closed by OK, Return or the
// close box, never by Escape.
#include "AboutFixture.h"

#include "controls/Lines.h"
#include "controls/LinesModule.h"
#include "framework/core/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FormatSettings.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Image.h"
#include "framework/widgets/Label.h"

#include <stdexcept>
#include <string>

using namespace fw;

// A box given no copyright shows the maker's in its dialog.
TEST_F(AboutTest, NewBoxHasTheMakersCopyright) {
    TAboutBox fresh(nullptr);
    EXPECT_EQ(fresh.ProductName(), "");
    EXPECT_EQ(fresh.Version(), "");
    std::string shown;
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        shown = dialog.Label3->Caption();
        PressOk(dialog);
    }));
    EXPECT_EQ(shown, "Copyright \xA9 2026 Sixpointe Cie");
}

TEST_F(AboutTest, TextsKeepTheirFirstHundredCharacters) {
    std::string longName(100, 'N');
    longName += std::string(20, 'x');
    box->SetProductName(longName);
    box->SetVersion(std::string(101, 'V'));
    box->SetCopyright("(c)");
    EXPECT_EQ(box->ProductName(), std::string(100, 'N'));
    EXPECT_EQ(box->Version(), std::string(100, 'V'));
    std::string shown[3];
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        shown[0] = dialog.Label1->Caption();
        shown[1] = dialog.Label2->Caption();
        shown[2] = dialog.Label3->Caption();
        PressOk(dialog);
    }));
    EXPECT_EQ(shown[0], std::string(100, 'N'));
    EXPECT_EQ(shown[1], std::string(100, 'V'));
    EXPECT_EQ(shown[2], "(c)");
}

// Each opening builds the dialog anew: it beeps, reads the memory afresh and
// is gone once closed.
TEST_F(AboutTest, EachOpeningIsAFreshDialog) {
    std::string memory[2], product[2];
    for (int i = 0; i < 2; ++i) {
        reported = {std::uint64_t(i + 1) << 30, 10};
        box->SetProductName(i == 0 ? "Premier" : "Second");
        ASSERT_TRUE(Open([&](TFAbout& dialog) {
            memory[i] = dialog.lblPhysMem->Caption();
            product[i] = dialog.Label1->Caption();
            PressOk(dialog);
        }));
        EXPECT_EQ(OpenDialog(), nullptr) << "opening " << i;
    }
    EXPECT_EQ(guitest::BeepCount(), 2);
    EXPECT_EQ(reads, 2);
    EXPECT_NE(memory[0], memory[1]);
    EXPECT_EQ(product[0], "Premier");
    EXPECT_EQ(product[1], "Second");
}

TEST_F(AboutTest, MemoryLinesShowTheReportedFigures) {
    reported = {24ull << 30, 37};
    std::string physical, resources;
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        physical = dialog.lblPhysMem->Caption();
        resources = dialog.lblPhysRes->Caption();
        PressOk(dialog);
    }));
    std::string separator = UserFormatSettings().thousandSeparator;
    EXPECT_EQ(physical,
              "M\xE9moire physique totale : 25" + separator + "165" + separator + "824 Ko");
    EXPECT_EQ(resources, "Ressources syst\xE8me      : 63% libre.");
}

// The platform's own figure, whole: no 4 GiB ceiling in a 64-bit program.
TEST_F(AboutTest, PhysicalMemoryIsTheWholePlatformFigure) {
    SetMemoryStatusSource(nullptr);
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    std::string physical;
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        physical = dialog.lblPhysMem->Caption();
        PressOk(dialog);
    }));
    std::string digits;
    for (char c : physical)
        if (c >= '0' && c <= '9')
            digits += c;
    auto kilobytes = (status.ullTotalPhys + 512) / 1024;
    EXPECT_EQ(digits, std::to_string(kilobytes));
}

// The layout as drawn: client size, banner, icon, and after the lines' first
// paint a black line at y = 162 over a white one at y = 163, x = 86 to 280.
TEST_F(AboutTest, DialogShowsBannerIconAndGroove) {
    RECT client{};
    bool iconSet = false;
    SIZE banner{};
    COLORREF black[3], white[3], past[2], bannerCorner = 0;
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        GetClientRect(dialog.Handle(), &client);
        iconSet = !dialog.FImage->Empty();
        banner = {dialog.Image1->Width(), dialog.Image1->Height()};
        int xs[3] = {86, 180, 280};
        for (int i = 0; i < 3; ++i) {
            black[i] = DialogPixel(dialog, xs[i], 162);
            white[i] = DialogPixel(dialog, xs[i], 163);
        }
        past[0] = DialogPixel(dialog, 281, 162);
        past[1] = DialogPixel(dialog, 180, 190); // where the first paint drew
        bannerCorner = DialogPixel(dialog, 0, 76);
        PressOk(dialog);
    }));
    EXPECT_EQ(client.right, 294);
    EXPECT_EQ(client.bottom, 268);
    EXPECT_TRUE(iconSet);
    EXPECT_EQ(banner.cx, 294);
    EXPECT_EQ(banner.cy, 77);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(black[i], RGB(0, 0, 0)) << i;
        EXPECT_EQ(white[i], RGB(255, 255, 255)) << i;
    }
    EXPECT_NE(past[0], RGB(0, 0, 0));
    EXPECT_NE(past[1], RGB(0, 0, 0));
    EXPECT_EQ(bannerCorner, RGB(16, 36, 86)); // the banner's navy edge
}

// While the dialog is up the main window takes no input; OK holds the focus.
TEST_F(AboutTest, DialogIsModal) {
    bool mainEnabled = true, okFocused = false;
    ASSERT_TRUE(Open([&](TFAbout& dialog) {
        mainEnabled = IsWindowEnabled(mainWindow->Handle());
        okFocused = GetFocus() == dialog.Button1->Handle();
        PressOk(dialog);
    }));
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(okFocused);
    EXPECT_TRUE(IsWindowEnabled(mainWindow->Handle()));
}

TEST_F(AboutTest, OkReturnAndTheCloseBoxCloseItEscapeDoesNot) {
    struct {
        const char* how;
        std::function<void(TFAbout&)> act;
        bool closes;
    } const cases[] = {
        {"OK clicked",
         [](TFAbout& d) {
             RECT r;
             GetClientRect(d.Button1->Handle(), &r);
             guitest::Click(d.Button1->Handle(), r.right / 2, r.bottom / 2);
         },
         true},
        {"Return", [](TFAbout& d) { guitest::PressKey(d.Button1->Handle(), VK_RETURN); }, true},
        {"close box", [](TFAbout& d) { SendMessageW(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
         true},
        {"Escape", [](TFAbout& d) { guitest::PressKey(d.Button1->Handle(), VK_ESCAPE); }, false},
    };
    for (const auto& c : cases) {
        bool closed = false;
        ASSERT_TRUE(Open([&](TFAbout& dialog) {
            c.act(dialog);
            guitest::Pump();
            // The modal loop is below this step: it ends once the step returns.
            closed = dialog.ModalResult() != mrNone;
            if (!closed)
                PressOk(dialog);
        })) << c.how;
        EXPECT_EQ(closed, c.closes) << c.how;
        EXPECT_EQ(OpenDialog(), nullptr) << c.how;
    }
}

// A dialog that cannot be built (here: its line class is unknown) gives the
// beep and nothing else.
TEST_F(AboutTest, DialogThatCannotBeBuiltBeepsAndShowsNothing) {
    Lines::Finalize();
    bool opened = Open([&](TFAbout& dialog) { PressOk(dialog); });
    Lines::Initialize();
    EXPECT_FALSE(opened);
    EXPECT_EQ(guitest::BeepCount(), 1);
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_EQ(FindWindowW(nullptr, L"A propos de..."), nullptr);
    EXPECT_TRUE(IsWindowEnabled(mainWindow->Handle()));
}

// Only the framework's own failures count as a dialog that cannot be built:
// any other exception raised while it is made passes on to the caller.
TEST_F(AboutTest, OnlyFrameworkFailuresAreTakenForADialogThatCannotBeBuilt) {
    struct Case {
        const char* what;
        MemoryStatus (*source)();
        bool passesOn;
    };
    const Case cases[] = {
        {"framework failure", []() -> MemoryStatus { throw fw::Exception("no window"); }, false},
        {"other failure", []() -> MemoryStatus { throw std::runtime_error("not ours"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        guitest::ResetBeepCount();
        SetMemoryStatusSource(c.source);
        bool passedOn = false;
        try {
            box->Execute();
        } catch (const std::runtime_error&) {
            passedOn = true;
        }
        guitest::Pump();
        EXPECT_EQ(passedOn, c.passesOn);
        // The dialog beeps as it is made, before it reads the memory; a dialog
        // that cannot be built adds the failure's beep.
        EXPECT_EQ(guitest::BeepCount(), c.passesOn ? 1 : 2);
        EXPECT_EQ(OpenDialog(), nullptr);
    }
}
