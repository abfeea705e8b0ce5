// Setting a value it already holds changes and notifies nothing; a real
// change notifies once, before the setter returns.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/graphics/GraphicsObjects.h"
#include "framework/widgets/Image.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/Panel.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;
using NotificationTest = FormTest;

TEST_F(NotificationTest, EditSetTextNotifiesRealChangesOnlyAndAtOnce) {
    for (bool withWindow : {false, true}) {
        SCOPED_TRACE(withWindow ? "with its window" : "before its window exists");
        auto* edit = Add<fw::TCustomEdit>(form, 8, withWindow ? 40 : 8, 120, 21);
        if (withWindow)
            ShowForm();
        std::vector<std::string> seen;
        edit->OnChange = [&](TComponent*) { seen.push_back(edit->Text()); };
        edit->SetText("abc");
        EXPECT_EQ(seen, std::vector<std::string>{"abc"});
        edit->SetText("abc");
        edit->SetCaption("abc");
        EXPECT_EQ(seen.size(), 1u);
        edit->SetCaption("abd");
        EXPECT_EQ(seen, (std::vector<std::string>{"abc", "abd"}));
        guitest::Pump(); // no late echo of the edit's own change notice
        EXPECT_EQ(seen.size(), 2u);
    }
}

TEST_F(NotificationTest, SetTextInsideOnChangeNestsOneLevel) {
    auto* edit = Add<fw::TCustomEdit>(form, 8, 8, 120, 21);
    ShowForm();
    std::vector<std::string> seen;
    int depth = 0, deepest = 0;
    edit->OnChange = [&](TComponent*) {
        deepest = std::max(deepest, ++depth);
        std::string text = edit->Text();
        seen.push_back(text);
        std::transform(text.begin(), text.end(), text.begin(), ::toupper);
        if (depth < 4) // bounded, should a same-value SetText ever notify
            edit->SetText(text);
        --depth;
    };
    edit->SetText("ab");
    edit->SetSelection(2, 0);
    guitest::Type(edit->Handle(), L"c");
    EXPECT_EQ(seen, (std::vector<std::string>{"ab", "AB", "ABc", "ABC"}));
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(edit->Text(), "ABC");
}

TEST_F(NotificationTest, LabelWithTheSameCaptionRepaintsNothing) {
    auto* label = Add<fw::TLabel>(form, 8, 8, 100, 17);
    label->SetCaption("Lettre");
    ShowForm();
    HWND window = form->Handle();
    ValidateRect(window, nullptr);
    label->SetCaption("Lettre");
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    label->SetCaption("Chiffre");
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(NotificationTest, SettersGivenTheValueHeldRepaintNothing) {
    auto* image = Add<fw::TImage>(form, 8, 40, 32, 32);
    auto* panel = Add<fw::TPanel>(form, 8, 80, 100, 40);
    const std::pair<const char*, std::function<void()>> sameValues[] = {
        {"Image.Stretch", [=] { image->SetStretch(image->Stretch()); }},
        {"Image.Center", [=] { image->SetCenter(image->Center()); }},
        {"Image.Transparent", [=] { image->SetTransparent(image->Transparent()); }},
        {"Panel.ParentColor", [=] { panel->SetParentColor(panel->ParentColor()); }},
        {"Panel.ParentFont", [=] { panel->SetParentFont(panel->ParentFont()); }},
    };
    ShowForm();
    for (const auto& [name, setSame] : sameValues) {
        SCOPED_TRACE(name);
        guitest::Pump();
        ValidateRect(form->Handle(), nullptr);
        ValidateRect(panel->Handle(), nullptr);
        setSame();
        EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE));
        EXPECT_FALSE(GetUpdateRect(panel->Handle(), nullptr, FALSE));
    }
    image->SetStretch(!image->Stretch()); // a new value still shows
    EXPECT_TRUE(GetUpdateRect(form->Handle(), nullptr, FALSE));
}

// For each attribute: copying equal attributes notifies nothing, copying
// one different attribute notifies exactly once, setting it again nothing.
template <class T>
void CheckOneNoticePerRealChange(
    const std::vector<std::pair<const char*, std::function<void(T&)>>>& changes) {
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        T target, source;
        int notices = 0;
        target.OnChange = [&] { ++notices; };
        target.Assign(source);
        EXPECT_EQ(notices, 0);
        change(source);
        target.Assign(source);
        EXPECT_EQ(notices, 1);
        target.Assign(source);
        change(target);
        EXPECT_EQ(notices, 1);
    }
}

TEST(GraphicsObjects, FontNotifiesOncePerRealChange) {
    CheckOneNoticePerRealChange<fw::TFont>({
        {"Name", [](fw::TFont& f) { f.SetName("Arial"); }},
        {"Height", [](fw::TFont& f) { f.SetHeight(-20); }},
        {"Size", [](fw::TFont& f) { f.SetSize(14); }},
        {"Style", [](fw::TFont& f) { f.SetStyle(fw::fsBold | fw::fsItalic); }},
        {"Color", [](fw::TFont& f) { f.SetColor(fw::clRed); }},
        {"Charset", [](fw::TFont& f) { f.SetCharset(0); }},
    });
}

TEST(GraphicsObjects, PenAndBrushNotifyOncePerRealChange) {
    CheckOneNoticePerRealChange<fw::TPen>({
        {"Color", [](fw::TPen& p) { p.SetColor(fw::clRed); }},
        {"Width", [](fw::TPen& p) { p.SetWidth(3); }},
        {"Style", [](fw::TPen& p) { p.SetStyle(fw::psDash); }},
    });
    CheckOneNoticePerRealChange<fw::TBrush>({
        {"Color", [](fw::TBrush& b) { b.SetColor(fw::clRed); }},
        {"Style", [](fw::TBrush& b) { b.SetStyle(fw::bsClear); }},
    });
}

// The attributes are copied into the control's own font, which its window then
// draws with; a later change to the given font does nothing.
TEST_F(NotificationTest, SetFontCopiesTheAttributesIntoTheWindowsFont) {
    auto* edit = Add<fw::TCustomEdit>(form, 8, 8, 120, 21);
    ShowForm();
    auto windowFace = [edit] {
        LOGFONTW font{};
        GetObjectW(HFONT(SendMessageW(edit->Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::wstring(font.lfFaceName);
    };
    ASSERT_NE(windowFace(), L"Courier New");
    fw::TFont font;
    font.SetName("Courier New");
    edit->SetFont(font);
    font.SetName("Arial");
    guitest::Pump();
    EXPECT_EQ(windowFace(), L"Courier New");
    EXPECT_EQ(edit->Font().Name(), "Courier New");
}

} // namespace
} // namespace fwtest
