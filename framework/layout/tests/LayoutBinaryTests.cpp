#include "framework/layout/LayoutBinary.h"
#include "framework/layout/LayoutParser.h"
#include "NestedLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>

namespace layout {
namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(SIX_SOURCE_DIR) + "/" + path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Object RoundTripped(const Object& tree) {
    return Deserialize(Serialize(tree), "test.layout");
}

// Every kind of value, Windows-1252 bytes beyond ASCII, and lines far apart.
const char* const kEveryKind = "object Form1: TForm1\n"
                               "  Caption = 'Élève : 5 € '' ok'\n"
                               "  Hint = ''\n"
                               "  Left = -11\n"
                               "  Top = 2147483647\n"
                               "  Width = $FFFFFFFF\n"
                               "  Color = clBtnFace\n"
                               "  Font.Style = []\n"
                               "  BorderIcons = [biSystemMenu, biMinimize]\n"
                               "\n\n\n# far below\n"
                               "  object Panel1: TPanel\n"
                               "    object Shape1: TShape\n"
                               "    end\n"
                               "  end\n"
                               "  object Panel2: TPanel\n"
                               "    Caption = 'x'\n"
                               "  end\n"
                               "end\n";

struct Source {
    const char* name;
    std::string text;
};

void PrintTo(const Source& c, std::ostream* out) {
    *out << c.name;
}

class LayoutBinaryRoundTrip : public testing::TestWithParam<Source> {};

TEST_P(LayoutBinaryRoundTrip, GivesBackTheParsedTree) {
    const Object parsed = ParseLayout(GetParam().text, GetParam().name);
    EXPECT_EQ(RoundTripped(parsed), parsed);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutBinaryRoundTrip,
    testing::Values(Source{"Main", SourceFile("app/Main.layout")},
                    Source{"About", SourceFile("controls/About.layout")},
                    Source{"form", SourceFile("framework/layout/fuzz/corpus/form.layout")},
                    Source{"edit", SourceFile("framework/layout/fuzz/corpus/edit.layout")},
                    Source{"crlf", SourceFile("framework/layout/fuzz/corpus/crlf.layout")},
                    Source{"every_kind", kEveryKind}, Source{"deepest", Nested(kMaxDepth)}),
    [](const testing::TestParamInfo<Source>& info) { return std::string(info.param.name); });

// The values at the edges of each encoding: one-byte varints end at 63 and
// -64 once zig-zagged, lengths at 127, and a number takes ten bytes at most.
TEST(LayoutBinary, KeepsEveryNumberTextAndLineExactly) {
    Object object{"O", "TO", std::numeric_limits<int>::max(), {}, {}};
    int line = 0;
    for (std::int64_t number :
         {std::int64_t{0}, std::int64_t{63}, std::int64_t{64}, std::int64_t{-64}, std::int64_t{-65},
          std::int64_t{-1}, std::numeric_limits<std::int64_t>::max(),
          std::numeric_limits<std::int64_t>::min()})
        object.properties.push_back(
            {"N" + std::to_string(line), Value::MakeNumber(number), line++});
    object.properties.push_back({"Zero", Value::MakeString(std::string("a\0b", 3)), 127});
    object.properties.push_back({"High", Value::MakeString("\x80\xE9\xFF"), 128});
    object.properties.push_back({"Long", Value::MakeString(std::string(300, 'x')), 16384});
    object.properties.push_back({"Many", Value::MakeSet(std::vector<std::string>(200, "a")), 5});

    const Object back = RoundTripped(object);
    EXPECT_EQ(back, object);
    EXPECT_EQ(back.properties[7].value.Number(), std::numeric_limits<std::int64_t>::min());
}

TEST(LayoutBinary, SmallNumbersTakeOneByte) {
    const Object with = {"A", "TA", 1, {{"P", Value::MakeNumber(-11), 2}}, {}};
    Object without = with;
    without.properties[0].value = Value::MakeNumber(0);
    EXPECT_EQ(Serialize(with).size(), Serialize(without).size());
}

// Bytes written by hand, to make faults that Serialize never writes.
std::string Varint(std::uint64_t value) {
    std::string bytes;
    for (; value >= 0x80; value >>= 7)
        bytes += static_cast<char>((value & 0x7F) | 0x80);
    return bytes + static_cast<char>(value);
}

std::string Signed(std::int64_t value) {
    return Varint((static_cast<std::uint64_t>(value) << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0));
}

std::string Text(std::string_view text) {
    return Varint(text.size()) + std::string(text);
}

const std::string kHeader(kBinaryHeader);

// The root object "A: TA" at line 1, up to its property count.
const std::string kRootHead = kHeader + Signed(1) + Text("A") + Text("TA");

// A root holding one property at line 3, whose kind byte and value follow.
std::string OneProperty(const std::string& kindAndValue) {
    return kRootHead + Varint(1) + Signed(2) + Text("P") + kindAndValue + Varint(0);
}

// Objects nested `depth` deep, each at the line of its depth.
Object NestedTree(int depth) {
    Object inner{"O" + std::to_string(depth), "TPanel", depth, {}, {}};
    for (int line = depth - 1; line >= 1; --line)
        inner = Object{"O" + std::to_string(line), "TPanel", line, {}, {std::move(inner)}};
    return inner;
}

struct Broken {
    const char* name;
    std::string bytes;
    int line;
    const char* gist; // must appear in the message
};

void PrintTo(const Broken& c, std::ostream* out) {
    *out << c.name;
}

class LayoutBinaryRefusal : public testing::TestWithParam<Broken> {};

TEST_P(LayoutBinaryRefusal, ThrowsAParseErrorWithFileLineAndFault) {
    const Broken& c = GetParam();
    try {
        Deserialize(c.bytes, "main.layout");
        FAIL() << "accepted";
    } catch (const ParseError& error) {
        const std::string what = error.what();
        const std::string prefix = "main.layout:" + std::to_string(c.line) + ": ";
        EXPECT_EQ(what.substr(0, prefix.size()), prefix) << what;
        EXPECT_NE(what.find(c.gist), std::string::npos) << what;
    }
}

const std::uint64_t kHuge = std::uint64_t{1} << 62;
const char* const kPastTheEnd = "a count or length runs past the end of the data";

INSTANTIATE_TEST_SUITE_P(
    Faults, LayoutBinaryRefusal,
    testing::Values(
        Broken{"empty", "", 0, "not a compiled layout"},
        Broken{"text_layout", "object A: TA\nend\n", 0, "not a compiled layout"},
        Broken{"other_version", "LYT\x02" + kRootHead.substr(4) + Varint(0) + Varint(0), 0,
               "not a compiled layout"},
        Broken{"header_only", kHeader, 0, "cut short"},
        Broken{"text_longer_than_data", kHeader + Signed(1) + Varint(3) + "AB", 1, kPastTheEnd},
        Broken{"huge_text", kHeader + Signed(1) + Varint(kHuge), 1, kPastTheEnd},
        Broken{"huge_property_count", kRootHead + Varint(kHuge), 1, kPastTheEnd},
        Broken{"more_properties_than_fit", kRootHead + Varint(2) + std::string(7, '\2'), 1,
               kPastTheEnd},
        Broken{"huge_child_count", kRootHead + Varint(0) + Varint(kHuge), 1, kPastTheEnd},
        Broken{"huge_set", OneProperty('\3' + Varint(kHuge)), 3, kPastTheEnd},
        Broken{"unknown_kind", OneProperty("\4"), 3, "unknown value kind"},
        Broken{"unknown_kind_255", OneProperty("\xFF"), 3, "unknown value kind"},
        Broken{"varint_of_eleven_bytes", kHeader + std::string(10, '\x80') + "\1", 0,
               "number too large"},
        Broken{"varint_past_64_bits", kHeader + std::string(9, '\xFF') + "\2", 0,
               "number too large"},
        Broken{"line_past_the_largest", kHeader + Signed(std::int64_t{1} << 31), 0,
               "line number out of range"},
        Broken{"line_before_the_first", kHeader + Signed(-1), 0, "line number out of range"},
        Broken{"line_far_back", kRootHead + Varint(1) + Signed(std::int64_t{-1} << 62), 1,
               "line number out of range"},
        Broken{"data_after_the_root", Serialize(NestedTree(2)) + "x", 2,
               "data after the end of the root object"},
        Broken{"too_deep", Serialize(NestedTree(kMaxDepth + 1)), kMaxDepth + 1,
               "nested more than 64 deep"}),
    [](const testing::TestParamInfo<Broken>& info) { return std::string(info.param.name); });

// A layout cut anywhere is refused, never read past its end: the sanitizers
// of the host build watch every one of these reads.
TEST(LayoutBinary, RefusesEveryTruncation) {
    for (const char* file : {"controls/About.layout", "framework/layout/fuzz/corpus/form.layout"}) {
        const std::string whole = Serialize(ParseLayout(SourceFile(file), file));
        ASSERT_NO_THROW(Deserialize(whole, file));
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::string cut = whole.substr(0, size);
            EXPECT_THROW(Deserialize(cut, file), ParseError) << file << " cut at " << size;
        }
    }
}

} // namespace
} // namespace layout
