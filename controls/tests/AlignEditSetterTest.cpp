// The mode setters: the invariants between MultiLine, ExitOnReturn and
// WordWrap, line breaks dropped when leaving multi-line mode, and setters
// that change nothing when given the value already held.
#include "AlignEditFixture.h"

#include <functional>
#include <vector>

using namespace fw;

namespace {

using Step = std::function<void(TAlignEdit&)>;

Step MultiLine(bool value) {
    return [value](TAlignEdit& e) { e.SetMultiLine(value); };
}
Step ExitOnReturn(bool value) {
    return [value](TAlignEdit& e) { e.SetExitOnReturn(value); };
}
Step WordWrap(bool value) {
    return [value](TAlignEdit& e) { e.SetWordWrap(value); };
}

struct ModeCase {
    const char* name;
    std::vector<Step> steps;
    bool multiLine, exitOnReturn, wordWrap;
};

// A property that marks the current window: a re-created window lacks it.
constexpr wchar_t kMark[] = L"AlignEditTestMark";

} // namespace

TEST_F(AlignEditTest, ModeSettersKeepTheirInvariants) {
    const ModeCase cases[] = {
        {"multi-line on", {MultiLine(true)}, true, false, false},
        {"multi-line on clears exit-on-return",
         {ExitOnReturn(true), MultiLine(true)},
         true,
         false,
         false},
        {"exit-on-return on clears multi-line",
         {MultiLine(true), ExitOnReturn(true)},
         false,
         true,
         false},
        {"exit-on-return on keeps word wrap",
         {WordWrap(true), ExitOnReturn(true)},
         false,
         true,
         true},
        {"word wrap on switches multi-line on", {WordWrap(true)}, true, false, true},
        {"word wrap on clears exit-on-return",
         {ExitOnReturn(true), WordWrap(true)},
         true,
         false,
         true},
        {"word wrap off leaves multi-line on",
         {WordWrap(true), WordWrap(false)},
         true,
         false,
         false},
        {"word wrap off switches a cleared multi-line on again",
         {WordWrap(true), ExitOnReturn(true), WordWrap(false)},
         true,
         false,
         false},
        {"multi-line off clears word wrap",
         {WordWrap(true), MultiLine(false)},
         false,
         false,
         false},
        {"exit-on-return off leaves the rest",
         {ExitOnReturn(true), ExitOnReturn(false)},
         false,
         false,
         false},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* field = new TAlignEdit(form);
        field->SetParent(form);
        for (const Step& step : c.steps)
            step(*field);
        EXPECT_EQ(field->MultiLine(), c.multiLine);
        EXPECT_EQ(field->ExitOnReturn(), c.exitOnReturn);
        EXPECT_EQ(field->WordWrap(), c.wordWrap);
        EXPECT_FALSE(field->MultiLine() && field->ExitOnReturn());
        TComponent::Free(field);
    }
}

TEST_F(AlignEditTest, LeavingMultiLineModeDropsEachCarriageReturnWithTheCharacterAfterIt) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"ab\r\ncd", "abcd"}, {"a\r\nb\r\nc", "abc"}, {"ab\r", "ab"}, {"\rxy", "y"},
        {"a\r\n\r\nb", "ab"}, {"\r\n", ""},           {"abc", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text of " << std::string(c.before).size() << " bytes");
        edit->SetMultiLine(true);
        edit->SetText(c.before);
        ASSERT_EQ(edit->Text(), c.before);
        int changes = 0;
        edit->OnChange = [&](TComponent*) { ++changes; };

        edit->SetMultiLine(false);

        EXPECT_EQ(edit->Text(), c.after);
        EXPECT_EQ(changes, std::string(c.before) == c.after ? 0 : 1);
        edit->OnChange = nullptr;
    }
}

TEST_F(AlignEditTest, SettingTheValueAlreadyHeldChangesAndNotifiesNothing) {
    const std::pair<const char*, Step> cases[] = {
        {"alignment", [](TAlignEdit& e) { e.SetAlignment(e.Alignment()); }},
        // A carriage return left in a one-line text stays: nothing is stripped.
        {"multi-line", MultiLine(false)},
        {"exit-on-return", ExitOnReturn(false)},
        {"word wrap", WordWrap(false)},
        {"text", [](TAlignEdit& e) { e.SetText(e.Text()); }},
        {"colours",
         [](TAlignEdit& e) {
             e.SetColorOnFocus(e.ColorOnFocus());
             e.SetColorOnNoFocus(e.ColorOnNoFocus());
         }},
    };
    edit->SetText("a\rb");
    FocusEdit();
    for (const auto& [name, step] : cases) {
        SCOPED_TRACE(name);
        HWND window = edit->Handle();
        SetPropW(window, kMark, HANDLE(1));
        int changes = 0, enters = 0;
        edit->OnChange = [&](TComponent*) { ++changes; };
        edit->OnEnter = [&](TComponent*) { ++enters; };

        step(*edit);
        guitest::Pump();

        EXPECT_EQ(edit->Handle(), window);
        EXPECT_TRUE(GetPropW(edit->Handle(), kMark)); // still the same window
        EXPECT_EQ(edit->Text(), "a\rb");
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(enters, 0);
        RemovePropW(window, kMark);
    }
}
