#include "framework/layout/LayoutParser.h"
#include "NestedLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace layout {
namespace {

using Names = std::vector<std::string>;

Object Parse(std::string_view text) {
    return ParseLayout(text, "test.layout");
}

const char* const kForm = R"(# comment to end of line
object Form1: TForm1
  Caption = 'Sixpointe 1.0 - L''alphabet Braille pour les voyants'
  Width = 569
  Font.Name = 'Tahoma'   # trailing comment
  Font.Height = -11
  BorderIcons = [biSystemMenu, biMinimize]
  Color = clBtnFace
  OnCreate = FormCreate

  object PageControl1: TPageControl
    Left = 8
    ActivePage = TabSheet2
    object TabSheet1: TTabSheet
      Caption = 'Apprentissage'
    end
    object TabSheet2: TTabSheet
    end
  end
  object MainMenu1: TMainMenu
    object Fichier1: TMenuItem
      Caption = '&Fichier'
    end
  end
end
)";

Names PropertyPaths(const Object& object) {
    Names paths;
    for (const Property& property : object.properties) {
        paths.push_back(property.path);
    }
    return paths;
}

Names ChildNames(const Object& object) {
    Names names;
    for (const Object& child : object.children) {
        names.push_back(child.name);
    }
    return names;
}

TEST(LayoutParser, ReadsTheTreeWithPropertiesAndChildrenInFileOrder) {
    const Object form = Parse(kForm);
    EXPECT_EQ(form.name, "Form1");
    EXPECT_EQ(form.className, "TForm1");
    EXPECT_EQ(form.line, 2);
    EXPECT_EQ(PropertyPaths(form), (Names{"Caption", "Width", "Font.Name", "Font.Height",
                                          "BorderIcons", "Color", "OnCreate"}));
    EXPECT_EQ(ChildNames(form), (Names{"PageControl1", "MainMenu1"}));

    const Object& pages = form.children[0];
    EXPECT_EQ(pages.className, "TPageControl");
    EXPECT_EQ(pages.line, 11);
    EXPECT_EQ(PropertyPaths(pages), (Names{"Left", "ActivePage"}));
    EXPECT_EQ(ChildNames(pages), (Names{"TabSheet1", "TabSheet2"}));
    EXPECT_TRUE(pages.children[1].properties.empty());

    const Object& item = form.children[1].children.at(0);
    EXPECT_EQ(item.name, "Fichier1");
    EXPECT_EQ(item.className, "TMenuItem");
    ASSERT_EQ(item.properties.size(), 1u);
    EXPECT_EQ(item.properties[0].value.String(), "&Fichier");
    EXPECT_EQ(item.properties[0].line, 22);
}

TEST(LayoutParser, ReadsEveryKindOfValue) {
    const Object form = Parse(kForm);
    const std::vector<Property>& p = form.properties;
    EXPECT_EQ(p[0].value, Value::MakeString("Sixpointe 1.0 - L'alphabet Braille pour les voyants"));
    EXPECT_EQ(p[0].line, 3);
    EXPECT_EQ(p[1].value, Value::MakeNumber(569));
    EXPECT_EQ(p[3].value.Kind(), ValueKind::Number);
    EXPECT_EQ(p[3].value.Number(), -11);
    EXPECT_EQ(p[4].value.Kind(), ValueKind::Set);
    EXPECT_EQ(p[4].value.Set(), (Names{"biSystemMenu", "biMinimize"}));
    EXPECT_EQ(p[5].value.Kind(), ValueKind::Identifier);
    EXPECT_EQ(p[5].value.Identifier(), "clBtnFace");
    EXPECT_EQ(p[6].value, Value::MakeIdentifier("FormCreate"));
    // A quoted text is never taken for a name, nor a number for a text.
    EXPECT_NE(p[5].value, Value::MakeString("clBtnFace"));
    EXPECT_THROW(p[1].value.String(), fw::LogicError);
}

TEST(LayoutParser, ReadsNumbersInDecimalAndHexUpToTheir32BitLimits) {
    const Object object = Parse("object A: TA\n"
                                "  A = 0\n  B = 2147483647\n  C = -2147483648\n  D = 007\n"
                                "  E = $1F\n  F = 0x1f\n  G = 0XFF\n  H = $FFFFFFFF\n"
                                "  I = $80000005\n  J = -0\n"
                                "end\n");
    const std::vector<std::int64_t> expected = {0,   2147483647,   -2147483648LL, 7, 31, 31,
                                                255, 0xFFFFFFFFLL, 0x80000005LL,  0};
    ASSERT_EQ(object.properties.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(object.properties[i].value, Value::MakeNumber(expected[i]))
            << object.properties[i].path;
    }
}

TEST(LayoutParser, ReadsQuotesEmptyStringsBooleansAndSets) {
    const Object object = Parse("object A: TA\n"
                                "  Caption = ''\n"
                                "  Hint = '''quoted'' # not a comment'\n"
                                "  Text = 'a\tb'\n"
                                "  Visible = False\n"
                                "  Enabled = True\n"
                                "  Font.Style = []\n"
                                "  Anchors = [akLeft]\n"
                                "  FontOnNoFocus.Style = [ fsBold ,fsItalic ]\n"
                                "end");
    const std::vector<Value> expected = {
        Value::MakeString(""),         Value::MakeString("'quoted' # not a comment"),
        Value::MakeString("a\tb"),     Value::MakeIdentifier("False"),
        Value::MakeIdentifier("True"), Value::MakeSet({}),
        Value::MakeSet({"akLeft"}),    Value::MakeSet({"fsBold", "fsItalic"}),
    };
    ASSERT_EQ(object.properties.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(object.properties[i].value, expected[i]) << object.properties[i].path;
    }
    EXPECT_EQ(object.properties[7].path, "FontOnNoFocus.Style");
}

TEST(LayoutParser, ConvertsStringsToWindows1252Bytes) {
    const Object object = Parse("object A: TA\n"
                                "  A = 'Fe&nêtre'\n"
                                "  B = 'Réponse : '\n"
                                "  C = '€'\n"
                                "  D = 'Œuvre œ'\n"
                                "  E = 'Mémoire : 1 000 Ko – « ok »'\n"
                                "end\n");
    const Names expected = {"Fe&n\xEAtre", "R\xE9ponse : ", "\x80", "\x8Cuvre \x9C",
                            "M\xE9moire : 1 000 Ko \x96 \xAB ok \xBB"};
    ASSERT_EQ(object.properties.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(object.properties[i].value.String(), expected[i]) << object.properties[i].path;
    }
}

TEST(LayoutParser, AcceptsWindowsLineEndsAByteOrderMarkAndNoFinalNewline) {
    const Object object =
        Parse("\xEF\xBB\xBF# saved by Notepad\r\nobject A: TA\r\n\r\n  Caption = 'x'\r\n"
              "  object B: TB # child\r\n  end\r\nend # last");
    EXPECT_EQ(object.line, 2);
    ASSERT_EQ(object.properties.size(), 1u);
    EXPECT_EQ(object.properties[0].value.String(), "x");
    EXPECT_EQ(object.properties[0].line, 4);
    ASSERT_EQ(object.children.size(), 1u);
    EXPECT_EQ(object.children[0].line, 5);
}

TEST(LayoutParser, AcceptsNestingUpToTheDepthLimit) {
    const Object root = Parse(Nested(kMaxDepth));
    const Object* object = &root;
    int depth = 1;
    while (!object->children.empty()) {
        object = &object->children[0];
        ++depth;
    }
    EXPECT_EQ(depth, kMaxDepth);
    EXPECT_EQ(object->name, "O" + std::to_string(kMaxDepth - 1));
}

// Cutting a valid layout anywhere, even inside a multi-byte character, must
// give a clean ParseError: the sanitizers catch any read past the end.
TEST(LayoutParser, EveryTruncationParsesOrFailsCleanly) {
    const std::string text = std::string(kForm) + "# é€\n";
    const std::size_t lastEnd = text.rfind("end");
    for (std::size_t size = 0; size < lastEnd + 3; ++size) {
        EXPECT_THROW(Parse(std::string_view(text).substr(0, size)), ParseError) << size;
    }
    for (std::size_t size = lastEnd + 3; size <= text.size(); ++size) {
        const bool insideCharacter = size < text.size() && (text[size] & 0xC0) == 0x80;
        if (insideCharacter) {
            EXPECT_THROW(Parse(std::string_view(text).substr(0, size)), ParseError) << size;
        } else {
            EXPECT_NO_THROW(Parse(std::string_view(text).substr(0, size))) << size;
        }
    }
}

TEST(LayoutParser, ErrorsCarryTheirFileLineAndMessage) {
    try {
        ParseLayout("object A: TA\n  Left = x y\nend\n", "app/Main.layout");
        FAIL() << "no error";
    } catch (const ParseError& error) {
        EXPECT_EQ(error.File(), "app/Main.layout");
        EXPECT_EQ(error.Line(), 2);
        EXPECT_EQ(error.Message(), "expected end of line after the value of 'Left', found 'y'");
        EXPECT_STREQ(
            error.what(),
            "app/Main.layout:2: expected end of line after the value of 'Left', found 'y'");
    }
}

} // namespace
} // namespace layout
