#include "framework/layout/Cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace layout {
namespace {

TEST(Cp1252, MapsTheCharactersOfFrenchTextsToTheirBytes) {
    const std::map<char32_t, unsigned char> expected = {
        {U'A', 0x41}, {U'\t', 0x09}, {U'\u00A0', 0xA0}, {U'é', 0xE9}, {U'ê', 0xEA},
        {U'ÿ', 0xFF}, {U'€', 0x80},  {U'Œ', 0x8C},      {U'œ', 0x9C}, {U'Ÿ', 0x9F},
        {U'’', 0x92}, {U'…', 0x85},  {U'«', 0xAB},      {U'»', 0xBB},
    };
    for (const auto& [c, byte] : expected) {
        EXPECT_EQ(ToCp1252(c), byte) << CodePointName(c);
    }
}

TEST(Cp1252, RefusesCharactersOutsideTheCodePageInsteadOfApproximatingThem) {
    for (char32_t c : {U'ā', U'Ā', U'\u0080', U'\u009F', U'☃', U'\uFFFD', U'😀', U'\u2010'}) {
        EXPECT_FALSE(ToCp1252(c)) << CodePointName(c);
    }
}

// Every byte is the image of exactly one code point, as in Windows' own table.
TEST(Cp1252, IsAOneToOneMappingOntoAllBytes) {
    std::map<unsigned char, char32_t> sources;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (const auto byte = ToCp1252(c)) {
            EXPECT_TRUE(sources.emplace(*byte, c).second) << "byte " << int(*byte) << " twice";
        }
    }
    EXPECT_EQ(sources.size(), 256u);
}

TEST(Utf8, DecodesSequencesOfEveryLength) {
    const std::map<std::string, char32_t> samples = {
        {"A", U'A'},
        {"\xC3\xA9", U'é'},
        {"\xE2\x82\xAC", U'€'},
        {"\xF0\x9F\x98\x80", U'😀'},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
    };
    for (const auto& [bytes, c] : samples) {
        const std::string text = bytes + "z";
        std::size_t pos = 0;
        EXPECT_EQ(DecodeUtf8(text, pos), c) << CodePointName(c);
        EXPECT_EQ(pos, bytes.size());
        EXPECT_EQ(EncodeUtf8(c), bytes);
    }
}

TEST(Utf8, RefusesMalformedSequencesAndAlwaysMovesOn) {
    const char* const samples[] = {
        "\x80",             // lone continuation byte
        "\xC3",             // cut at the end of the text
        "\xC3(",            // missing continuation
        "\xE2\x82",         // cut three-byte sequence
        "\xC0\xAF",         // overlong '/'
        "\xE0\x80\xAF",     // overlong, three bytes
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xFF",
    };
    for (const char* sample : samples) {
        const std::string text = sample;
        std::size_t pos = 0;
        EXPECT_FALSE(DecodeUtf8(text, pos)) << testing::PrintToString(text);
        EXPECT_GE(pos, 1u);
        EXPECT_LE(pos, text.size());
    }
}

} // namespace
} // namespace layout
