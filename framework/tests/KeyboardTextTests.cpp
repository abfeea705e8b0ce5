// Keys reach handlers by reference (0 drops them), and typed text becomes
// Windows-1252 without any look-alike substitution.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/core/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

class KeyboardTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        edit = Add<fw::TCustomEdit>(form, 8, 8, 200, 21);
        ShowForm();
    }
    fw::TCustomEdit* edit = nullptr;
};

TEST_F(KeyboardTest, KeyPressHandlerDropsOrReplacesCharacters) {
    edit->OnKeyPress = [](TComponent*, char& key) {
        if (key == 'x')
            key = 0;
        else if (key == 'a')
            key = 'b';
        else if (key == 'e')
            key = '\xE9';
    };
    guitest::Type(edit->Handle(), L"xaxex");
    EXPECT_EQ(edit->Text(), "b\xE9");
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"b\u00E9");
}

TEST_F(KeyboardTest, KeyDownHandlerSwallowsOrReplacesKeys) {
    std::uint16_t replacement = 0;
    edit->OnKeyDown = [&](TComponent*, std::uint16_t& key, fw::TShiftState) {
        if (key == VK_LEFT)
            key = replacement;
    };
    edit->SetText("abc");
    edit->SetSelection(3, 0);
    guitest::PressKey(edit->Handle(), VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 3);
    replacement = VK_HOME;
    guitest::PressKey(edit->Handle(), VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 0);
    edit->OnKeyDown = nullptr;
    guitest::PressKey(edit->Handle(), VK_RIGHT);
    EXPECT_EQ(edit->SelStart(), 1); // the keys themselves work
}

TEST_F(KeyboardTest, TypedCharactersOutsideCp1252NeverBecomeLetters) {
    struct Case {
        const wchar_t* typed;
        std::string text;
    };
    const Case cases[] = {
        {L"\u00E1", "\xE1"},           // á is in the code page
        {L"\u0153", "\x9C"},           // œ
        {L"\u20AC", "\x80"},           // €
        {L"\u0101", "\x1A"},           // ā is not a
        {L"\u0131", "\x1A"},           // dotless ı is not i
        {L"\xD83D\xDE00", "\x1A\x1A"}, // an emoji: two halves of a surrogate pair
        {L"e\u0301", "e\x1A"},         // e with a combining acute is not é
    };
    std::string pressed;
    edit->OnKeyPress = [&](TComponent*, char& key) { pressed += key; };
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        edit->SetText("");
        pressed.clear();
        guitest::Type(edit->Handle(), c.typed);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(pressed, c.text); // what the key handler saw
    }
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf16) {
    for (int byte = 1; byte < 256; ++byte) {
        std::string text(1, char(byte));
        std::wstring wide = fw::ToWide(text);
        ASSERT_EQ(wide.size(), 1u) << byte;
        EXPECT_EQ(fw::FromWide(wide), text) << byte;
    }
}

TEST(Cp1252, ConversionIsExactBothWays) {
    struct Case {
        std::wstring wide;
        std::string narrow;
        bool roundTrips;
    };
    const Case cases[] = {
        {L"Lettre \u00E9\u00E0\u00E7", "Lettre \xE9\xE0\xE7", true},
        {L"\u20AC\u0153\u2019\u00C9", "\x80\x9C\x92\xC9", true},
        {L"\u0101", "\x1A", false}, // best fit would give a
        {L"\uFF41", "\x1A", false}, // full-width a
        {L"\u2212", "\x1A", false}, // minus sign, best fit -
        {L"\u0410", "\x1A", false}, // Cyrillic A
        {L"", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        EXPECT_EQ(fw::FromWide(c.wide), c.narrow);
        if (c.roundTrips) {
            EXPECT_EQ(fw::ToWide(c.narrow), c.wide);
        }
    }
    // Text for people to read writes "?" as Windows does.
    EXPECT_EQ(fw::FromWide(L"C:\\\u03A9\u00E9\u0101", '?'), "C:\\?\xE9?");
}

} // namespace
} // namespace fwtest
