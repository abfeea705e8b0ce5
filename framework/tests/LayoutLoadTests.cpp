// Layouts build forms: classes by name, properties through their setters
// in file order, handlers by name, faults reported as "file:line: message";
// and their 96-dpi pixels are the screen's own at 96 dpi.
#include "FormTest.h"

#include "framework/widgets/CustomEdit.h"
#include "framework/core/Dpi.h"
#include "framework/loading/LayoutLoader.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include "framework/layout/LayoutParser.h"

#include <string>
#include <vector>

namespace fwtest {

using guitest::FormTest;
using guitest::ScreenPixel;
namespace {

using fw::TComponent;

// A form whose handlers layouts can bind by name.
class TLayoutForm : public fw::TForm {
public:
    using TForm::TForm;

    void Load(std::string_view text) {
        fw::HandlerTable handlers;
        handlers.Add("EditChange", this, &TLayoutForm::EditChange);
        handlers.Add("EditKeyPress", this, &TLayoutForm::EditKeyPress);
        handlers.Add("ShapeMouseDown", this, &TLayoutForm::ShapeMouseDown);
        fw::LoadLayout(*this, layout::ParseLayout(text, "test.layout"), handlers, "test.layout");
    }
    template <class T> T* Find(std::string_view name) { return fw::As<T>(FindComponent(name)); }

    std::vector<std::string> changes;
    std::vector<std::string> presses;

private:
    void EditChange(TComponent* sender) {
        changes.push_back(static_cast<TControl*>(sender)->Text());
    }
    void EditKeyPress(TComponent*, char& key) {
        if (key == 'x')
            key = 0;
    }
    void ShapeMouseDown(TComponent* sender, fw::TMouseButton, fw::TShiftState, int x, int y) {
        presses.push_back(sender->Name() + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

constexpr char kLayout[] = R"(object TestForm: TForm
  Left = 40
  Top = 40
  Width = 420
  Height = 320
  Caption = 'Été'
  Font.Name = 'Arial'
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 250
    Height = 120
    Font.Height = -14
    Font.Size = 12
    object Edit1: TEdit
      Left = 10
      Top = 20
      Width = 150
      Height = 25
      OnChange = EditChange
      Text = 'première'
      OnKeyPress = EditKeyPress
      Font.Size = 12
      Font.Height = -14
    end
    object Edit2: TEdit
      Top = 60
      Text = 'seconde'
      OnChange = EditChange
    end
  end
  object Shape1: TShape
    Left = 300
    Top = 8
    Width = 40
    Height = 30
    OnMouseDown = ShapeMouseDown
  end
end
)";
class LayoutTest : public testing::Test {
protected:
    void TearDown() override {
        TComponent::Free(form);
        guitest::Pump();
    }
    TLayoutForm* form = new TLayoutForm(fw::Application());
};

TEST_F(LayoutTest, BuildsTheFormThroughSettersInFileOrder) {
    form->Load(kLayout);
    auto* panel = form->Find<fw::TPanel>("Panel1");
    auto* edit = form->Find<fw::TCustomEdit>("Edit1");
    auto* shape = form->Find<fw::TShape>("Shape1");
    ASSERT_TRUE(panel && edit && shape);
    EXPECT_EQ(form->Name(), "TestForm");
    EXPECT_EQ(edit->Owner(), form);
    EXPECT_EQ(edit->Parent(), panel);
    EXPECT_EQ(shape->Parent(), form);
    EXPECT_EQ(form->Width(), 420);
    EXPECT_EQ(form->Caption(), "\xC9t\xE9"); // UTF-8 in the file, 1252 here
    // Handlers bound before a text see it; bound after, they do not.
    EXPECT_EQ(form->changes, std::vector<std::string>{"premi\xE8re"});
    EXPECT_EQ(form->Find<fw::TCustomEdit>("Edit2")->Text(), "seconde");
    // Font.Size and Font.Height set one value: the later line wins.
    EXPECT_EQ(edit->Font().Height(), -14);
    EXPECT_EQ(panel->Font().Height(), -16);
    EXPECT_EQ(edit->Font().Name(), "Arial"); // from the form, through the panel

    form->Show();
    guitest::Pump();
    edit->SetText("");
    guitest::Type(edit->Handle(), L"xyx");
    EXPECT_EQ(edit->Text(), "y"); // the bound key handler took the key by reference
    guitest::Click(form->Handle(), 310, 20);
    EXPECT_EQ(form->presses, std::vector<std::string>{"Shape1 10,12"});
}

TEST_F(LayoutTest, PixelsAt96DpiAreScreenPixels) {
    ASSERT_EQ(fw::ScreenDpi(), 96);
    for (int pixels : {0, 1, -11, 21, 569, 1024})
        EXPECT_EQ(fw::ScaleTo(pixels, fw::ScreenDpi()), pixels);
    form->Load(kLayout);
    form->Show();
    guitest::Pump();
    auto* edit = form->Find<fw::TCustomEdit>("Edit1");
    RECT formRect, editRect;
    GetWindowRect(form->Handle(), &formRect);
    GetWindowRect(edit->Handle(), &editRect);
    EXPECT_EQ(formRect.left, 40);
    EXPECT_EQ(formRect.right - formRect.left, 420);
    EXPECT_EQ(formRect.bottom - formRect.top, 320);
    EXPECT_EQ(editRect.right - editRect.left, 150);
    EXPECT_EQ(editRect.bottom - editRect.top, 25);
    MapWindowPoints(nullptr, form->Find<fw::TPanel>("Panel1")->Handle(),
                    reinterpret_cast<POINT*>(&editRect), 2);
    EXPECT_EQ(editRect.left, 10);
    EXPECT_EQ(editRect.top, 20);
}

TEST_F(LayoutTest, NamesAreTheSameWhateverTheirCase) {
    form->Load(R"(object TestForm: TForm
  caption = 'x'
  FONT.name = 'Arial'
  object Panel1: tpanel
    left = 8
    Color = CLRED
    Visible = TRUE
    object Edit1: TEDIT
      onchange = editchange
      Text = 'y'
    end
  end
  OBJECT Shape1: TShape
    Shape = STCIRCLE
    Pen.Style = PSDASH
  End
end
)");
    EXPECT_EQ(form->Caption(), "x");
    EXPECT_EQ(form->Font().Name(), "Arial");
    auto* panel = form->Find<fw::TPanel>("PANEL1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Left(), 8);
    EXPECT_EQ(panel->Color(), fw::clRed);
    EXPECT_EQ(form->changes, std::vector<std::string>{"y"});
    EXPECT_EQ(form->Find<fw::TShape>("shape1")->Shape(), fw::stCircle);
}

TEST_F(LayoutTest, AutoSizedEditIsOneLineOfItsFontHigh) {
    form->Load(R"(object TestForm: TForm
  object Edit1: TEdit
    Height = 60
    AutoSize = True
    Font.Height = -14
  end
  object Edit2: TEdit
    Top = 80
    Height = 60
    AutoSize = False
  end
end
)");
    form->Show();
    guitest::Pump();
    auto* edit = form->Find<fw::TCustomEdit>("Edit1");
    auto lineHeight = [edit] {
        HDC dc = GetDC(edit->Handle());
        SelectObject(dc, HFONT(SendMessageW(edit->Handle(), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        ReleaseDC(edit->Handle(), dc);
        return int(metrics.tmHeight);
    };
    int small = edit->Height();
    EXPECT_GT(small, lineHeight());
    EXPECT_LT(small, 2 * lineHeight());
    edit->Font().SetHeight(-28); // the height follows a later font
    EXPECT_GT(edit->Height(), lineHeight());
    EXPECT_LT(edit->Height(), 2 * lineHeight());
    EXPECT_GT(edit->Height(), small);
    EXPECT_EQ(form->Find<fw::TCustomEdit>("Edit2")->Height(), 60);
}

TEST(LayoutErrors, NameTheFaultWithFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object F: TForm\n  object X: TNope\n  end\nend\n",
         "test.layout:2: unknown class 'TNope'"},
        {"object F: TForm\n  Colour = clRed\nend\n",
         "test.layout:2: unknown property 'Colour' of class TForm"},
        {"object F: TForm\n  Font.Nom = 'Arial'\nend\n",
         "test.layout:2: unknown property 'Font.Nom' of class TForm"},
        {"object F: TForm\n  OnShow = FormShow\nend\n",
         "test.layout:2: no event handler named 'FormShow'"},
        {"object F: TForm\n  object E: TEdit\n    Left = 1\n    OnKeyPress = EditChange\n"
         "  end\nend\n",
         "test.layout:4: handler 'EditChange' cannot serve OnKeyPress"},
        {"object F: TForm\n  Caption = 'x'\n  Menu = MainMenu1\nend\n",
         "test.layout:3: no component named 'MainMenu1'"},
        {"object F: TForm\n  object L: TLabel\n    object E: TEdit\n    end\n  end\nend\n",
         "test.layout:3: 'L' cannot hold the control 'E'"},
        {"object F: TPanel\nend\n", "test.layout:1: this form is not of class 'TPanel'"},
        {"object F: TForm\n  Position = poNowhere\nend\n",
         "test.layout:2: 'poNowhere' is not a value of Position"},
        {"object F: TForm\n  BorderIcons = [biMinimize, biClose]\nend\n",
         "test.layout:2: 'biClose' is not a member of BorderIcons"},
        {"object F: TForm\n  BorderIcons = biMinimize\nend\n",
         "test.layout:2: BorderIcons expects a set such as [a, b]"},
        {"object F: TForm\n  Menu = P\n  object P: TPanel\n  end\nend\n",
         "test.layout:2: 'P' cannot be used as Menu"},
        // An object is not a value, nor a value an object.
        {"object F: TForm\n  Font = 'Arial'\nend\n",
         "test.layout:2: unknown property 'Font' of class TForm"},
        {"object F: TForm\n  Caption.Size = 8\nend\n",
         "test.layout:2: unknown property 'Caption' of class TForm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto* form = new TLayoutForm(fw::Application());
        try {
            form->Load(c.text);
            ADD_FAILURE() << "no error";
        } catch (const layout::ParseError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        TComponent::Free(form);
    }
}

} // namespace
} // namespace fwtest
