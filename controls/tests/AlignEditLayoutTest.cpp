// TAlignEdit as a layout names it: the module registers the class and its
// properties, and the setters run in file order.
#include "AlignEditFixture.h"
#include "controls/AlignEditModule.h"
#include "framework/loading/HandlerTable.h"
#include "framework/loading/LayoutLoader.h"

#include "framework/layout/LayoutParser.h"

using namespace fw;

namespace {

constexpr char kLayout[] = R"(object Form: TForm
  Width = 300
  Height = 200
  object alEdit1: TAlignEdit
    Left = 8
    Top = 8
    Width = 121
    Height = 119
    Text = 'A'
    Alignment = taCenter
    ColorOnFocus = clYellow
    ColorOnNoFocus = clAqua
    ExitOnReturn = True
    FontOnFocus.Name = 'Arial'
    FontOnFocus.Style = [fsBold]
    FontOnNoFocus.Charset = ANSI_CHARSET
    FontOnNoFocus.Height = -27
    FontOnNoFocus.Name = 'Courier New'
  end
  object memo: TAlignEdit
    Top = 130
    WordWrap = True
  end
end
)";

class AlignEditLayoutTest : public testing::Test {
protected:
    static void SetUpTestSuite() { AlignEdit::Initialize(); }
    static void TearDownTestSuite() { AlignEdit::Finalize(); }

    void SetUp() override {
        form = new TForm(nullptr);
        LoadLayout(*form, layout::ParseLayout(kLayout, "test.layout"), HandlerTable(),
                   "test.layout");
        field = fw::As<TAlignEdit>(form->FindComponent("alEdit1"));
        memo = fw::As<TAlignEdit>(form->FindComponent("memo"));
    }
    void TearDown() override {
        TComponent::Free(form);
        guitest::Pump();
    }

    TForm* form = nullptr;
    TAlignEdit* field = nullptr;
    TAlignEdit* memo = nullptr;
};

} // namespace

TEST_F(AlignEditLayoutTest, PropertiesOfTheLayoutReachTheControl) {
    ASSERT_NE(field, nullptr);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(field->Alignment(), taCenter);
    EXPECT_EQ(field->ColorOnFocus(), clYellow);
    EXPECT_EQ(field->ColorOnNoFocus(), clAqua);
    EXPECT_TRUE(field->ExitOnReturn());
    EXPECT_EQ(field->FontOnFocus().Name(), "Arial");
    EXPECT_EQ(field->FontOnFocus().Style(), TFontStyles(fsBold));
    EXPECT_EQ(field->FontOnNoFocus().Height(), -27);
    EXPECT_EQ(field->FontOnNoFocus().Charset(), 0);
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_TRUE(memo->MultiLine());
}

TEST_F(AlignEditLayoutTest, UnfocusedLookIsShownBeforeAnyFocusChange) {
    EXPECT_EQ(field->Color(), clAqua);
    EXPECT_EQ(field->Font().Name(), "Courier New");
    EXPECT_EQ(field->Font().Height(), -27);
    EXPECT_EQ(field->Font().Charset(), 0);

    form->Show();
    guitest::Pump();
    DWORD style = DWORD(GetWindowLongW(field->Handle(), GWL_STYLE));
    EXPECT_EQ(style & (ES_CENTER | ES_RIGHT), DWORD(ES_CENTER));
    EXPECT_EQ(guitest::WindowText(field->Handle()), L"A");
    EXPECT_FALSE(GetWindowLongW(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL);
}
