#include "framework/layout/LayoutParser.h"
#include "NestedLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace layout {
namespace {

struct ErrorCase {
    const char* name;
    std::string text;
    int line;
    const char* gist; // must appear in the message
};

// Keeps the test names readable in CTest's listing.
void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << c.name;
}

// Wraps property lines into a root object: its header is line 1.
std::string InObject(const std::string& lines) {
    return "object A: TA\n" + lines + "end\n";
}

class LayoutErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(LayoutErrors, NameFileLineAndFault) {
    const ErrorCase& c = GetParam();
    try {
        ParseLayout(c.text, "form.layout");
        FAIL() << "accepted: " << c.text;
    } catch (const ParseError& error) {
        const std::string what = error.what();
        const std::string prefix = "form.layout:" + std::to_string(c.line) + ": ";
        EXPECT_EQ(what.substr(0, prefix.size()), prefix) << what;
        EXPECT_NE(what.find(c.gist), std::string::npos) << what;
    }
}

const ErrorCase kStructure[] = {
    {"EmptyFile", "", 1, "empty layout"},
    {"OnlyComments", "# nothing\n\n", 3, "empty layout"},
    {"PropertyBeforeObject", "Caption = 'x'\n", 1, "expected 'object', found 'Caption'"},
    {"EndBeforeObject", "end\n", 1, "expected 'object', found 'end'"},
    {"MissingColon", "object A TA\nend\n", 1, "expected ':' after the object name 'A'"},
    {"MissingClass", "object A:\nend\n", 1, "expected a class name after ':', found end of line"},
    {"KeywordAsName", "object end: TA\nend\n", 1, "expected an object name"},
    {"DottedObjectName", "object A.B: TA\nend\n", 1, "dotted name 'A.B'"},
    {"TextAfterClass", "object A: TA x\nend\n", 1, "after the class name 'TA', found 'x'"},
    {"MissingEnd", "object A: TA\n  Left = 1\n", 3, "missing 'end' of object 'A' (line 1)"},
    {"MissingOuterEnd", "object A: TA\n  object B: TB\n  end\n", 4, "missing 'end' of object 'A'"},
    {"TextAfterEnd", "object A: TA\nend x\n", 2, "expected end of line after 'end', found 'x'"},
    {"SecondRoot", "object A: TA\nend\n\nobject B: TB\nend\n", 4, "text after the end of the root"},
    {"StrayBracket", InObject("  ]\n"), 2, "expected a property, 'object' or 'end', found ']'"},
    {"DuplicateObject", "object A: TA\n  object B: TB\n  end\n  object B: TB\n  end\nend\n", 4,
     "duplicate object name 'B' (first at line 2)"},
    {"DuplicateIgnoresCase", "object Form1: TForm1\n  object form1: TLabel\n  end\nend\n", 2,
     "duplicate object name 'form1' (first at line 1)"},
    {"DuplicateProperty", InObject("  Left = 1\n  Top = 2\n  left = 3\n"), 4,
     "duplicate property 'left' (first at line 2)"},
    {"PropertyAfterChild", InObject("  object B: TB\n  end\n  Left = 1\n"), 4,
     "property 'Left' after the child objects of 'A'"},
    {"TooDeep", Nested(kMaxDepth + 1), kMaxDepth + 1, "nested more than 64 deep"},
};

const ErrorCase kProperties[] = {
    {"MissingEquals", InObject("  Left 5\n"), 2, "expected '=' after the property 'Left'"},
    {"MissingValue", InObject("  Left =\n"), 2, "expected a value for 'Left', found end of line"},
    {"TwoOnALine", InObject("  Left = 1 Top = 2\n"), 2,
     "expected end of line after the value of 'Left', found 'Top'"},
    {"DottedIdentifier", InObject("  Color = cl.Red\n"), 2, "dotted name 'cl.Red'"},
    {"KeywordValue", InObject("  ActivePage = end\n"), 2, "expected a value for 'ActivePage'"},
    {"TrailingDot", InObject("  Font. = 1\n"), 2, "bad name 'Font.'"},
    {"UnterminatedSet", InObject("  Style = [fsBold\n"), 2, "expected ',' or ']'"},
    {"NumberInSet", InObject("  Style = [1]\n"), 2, "expected a set element in 'Style', found '1'"},
    {"TrailingComma", InObject("  Style = [a,]\n"), 2, "expected a set element"},
    {"UnexpectedCharacter", InObject("  Left = @\n"), 2, "unexpected character '@'"},
    {"AccentInName", InObject("  Légende = 1\n"), 2, "unexpected character 'é' (U+00E9)"},
    {"ControlCharacter", InObject(std::string("  Left = \x01\n")), 2,
     "unexpected character U+0001"},
};

const ErrorCase kNumbers[] = {
    {"Suffix", InObject("  Left = 12px\n"), 2, "bad number '12px'"},
    {"Fraction", InObject("  Left = 1.5\n"), 2, "bad number '1.5'"},
    {"BadHex", InObject("  Color = $G1\n"), 2, "bad number '$G1'"},
    {"EmptyHex", InObject("  Color = 0x\n"), 2, "bad number '0x'"},
    {"NegativeHex", InObject("  Color = -$1\n"), 2, "bad number '-'"},
    {"TooBig", InObject("  Left = 2147483648\n"), 2, "'2147483648' is out of 32-bit range"},
    {"TooSmall", InObject("  Left = -2147483649\n"), 2, "out of 32-bit range"},
    {"HexTooBig", InObject("  Color = $100000000\n"), 2, "out of 32-bit range"},
    {"VeryLong", InObject("  Left = " + std::string(500, '9') + "\n"), 2,
     "'9999999999999999999999999999999999999999...' is out of 32-bit range"},
};

const ErrorCase kStrings[] = {
    {"Unterminated", InObject("  Caption = 'abc\n"), 2, "unterminated string"},
    {"UnterminatedCrLf", "object A: TA\r\n  Caption = 'abc\r\nend\r\n", 2, "unterminated string"},
    {"UnterminatedAtEnd", "object A: TA\n  Caption = 'abc", 2, "unterminated string"},
    {"LoneDoubledQuote", InObject("  Caption = 'it''s\n"), 2, "unterminated string"},
    {"NotInCp1252", InObject("  Caption = 'ā'\n"), 2,
     "character 'ā' (U+0101) cannot be written in Windows-1252"},
    {"Emoji", InObject("  Hint = 'ok 😀'\n"), 2, "character '😀' (U+1F600) cannot be written"},
    {"C1Control", InObject("  Hint = '\xC2\x81'\n"), 2, "control character U+0081 in string"},
    {"NulInString", InObject(std::string("  Hint = 'a\0b'\n", 15)), 2, "control character U+0000"},
    {"InvalidUtf8InString", InObject("  Hint = '\xC3('\n"), 2, "invalid UTF-8"},
    {"InvalidUtf8InComment", InObject("  # caf\xE9\n"), 2, "invalid UTF-8"},
    {"InvalidUtf8Outside", InObject("  \xFF\n"), 2, "invalid UTF-8"},
};

std::string CaseName(const testing::TestParamInfo<ErrorCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Structure, LayoutErrors, testing::ValuesIn(kStructure), CaseName);
INSTANTIATE_TEST_SUITE_P(Properties, LayoutErrors, testing::ValuesIn(kProperties), CaseName);
INSTANTIATE_TEST_SUITE_P(Numbers, LayoutErrors, testing::ValuesIn(kNumbers), CaseName);
INSTANTIATE_TEST_SUITE_P(Strings, LayoutErrors, testing::ValuesIn(kStrings), CaseName);

} // namespace
} // namespace layout
