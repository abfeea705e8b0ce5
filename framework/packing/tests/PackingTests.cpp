#include "framework/packing/Packing.h"

#include "framework/layout/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace packing {
namespace {

std::string Noise(std::size_t size, std::uint32_t seed) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        out += char(seed >> 24);
    }
    return out;
}

std::string Repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string ResourceFile(const char* name) {
    std::ifstream in(std::string(SIX_RES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct RoundTrip {
    const char* name;
    std::string data;
};

void PrintTo(const RoundTrip& c, std::ostream* out) {
    *out << c.name;
}

class PackingRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(PackingRoundTrip, UnpacksToWhatWasPacked) {
    const std::string& data = GetParam().data;
    EXPECT_EQ(Unpack(Pack(data)), data);
}

INSTANTIATE_TEST_SUITE_P(
    Data, PackingRoundTrip,
    testing::Values(
        RoundTrip{"empty", ""}, RoundTrip{"one_byte", "a"},
        RoundTrip{"shorter_than_a_copy", "abcabc"}, RoundTrip{"zero_bytes", std::string(100, '\0')},
        // Lengths whose counts end exactly on a 15 or a 255.
        RoundTrip{"literals_15", Noise(15, 1)}, RoundTrip{"literals_270", Noise(270, 2)},
        RoundTrip{"literals_525", Noise(525, 3)},
        RoundTrip{"copy_19", "xy" + std::string(19 + 1, 'z') + "xy"},
        RoundTrip{"copy_274", std::string(274 + 1, 'q')},
        RoundTrip{"long_run", std::string(70000, 'r')}, RoundTrip{"noise", Noise(5000, 4)},
        // Repeats farther apart than a copy reaches.
        RoundTrip{"far_repeat",
                  [] {
                      std::string once = Noise(40000, 5);
                      return once + Noise(30000, 6) + once;
                  }()},
        RoundTrip{"text", Repeated("object Label1: TLabel\n  Left = 8\nend\n", 50)},
        RoundTrip{"banner", ResourceFile("Banner_192.bmp")}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(Packing, TheBannerTakesLessThanAThirdOfItsRoom) {
    for (const char* name : {"Banner.bmp", "Banner_192.bmp"}) {
        std::string data = ResourceFile(name);
        ASSERT_GT(data.size(), 1000u) << name;
        EXPECT_LT(Pack(data).size(), data.size() / 3) << name;
    }
}

TEST(Packing, NoiseGrowsByLittle) {
    std::string data = Noise(10000, 7);
    EXPECT_LE(Pack(data).size(), data.size() + data.size() / 200 + 8);
}

// Each of these is refused, never read or written out of bounds (the native
// build runs with AddressSanitizer).
struct Broken {
    const char* name;
    std::string packed;
};

void PrintTo(const Broken& c, std::ostream* out) {
    *out << c.name;
}

class PackingRefuses : public testing::TestWithParam<Broken> {};

TEST_P(PackingRefuses, BrokenData) {
    EXPECT_THROW(Unpack(GetParam().packed), fw::Exception);
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out += char(b);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Data, PackingRefuses,
    testing::Values(
        Broken{"no_size", Bytes({1, 0})}, Broken{"size_without_data", Bytes({3, 0, 0, 0})},
        Broken{"literals_cut_short", Bytes({3, 0, 0, 0, 0x30, 'a', 'b'})},
        Broken{"more_literals_than_announced", Bytes({1, 0, 0, 0, 0x20, 'a', 'b'})},
        Broken{"copy_from_before_the_start", Bytes({5, 0, 0, 0, 0x10, 'a', 2, 0, 0x00})},
        Broken{"copy_of_distance_zero", Bytes({5, 0, 0, 0, 0x10, 'a', 0, 0, 0x00})},
        Broken{"copy_longer_than_announced", Bytes({4, 0, 0, 0, 0x10, 'a', 1, 0, 0x00})},
        Broken{"distance_cut_short", Bytes({5, 0, 0, 0, 0x10, 'a', 1})},
        Broken{"length_cut_short", Bytes({30, 0, 0, 0, 0x1F, 'a', 1, 0})},
        Broken{"fewer_than_announced", Bytes({9, 0, 0, 0, 0x10, 'a', 1, 0, 0x00})}),
    [](const testing::TestParamInfo<Broken>& info) { return std::string(info.param.name); });

TEST(Packing, EveryCutOfAPackingIsRefused) {
    std::string packed = Pack(Repeated("abcdefgh", 40) + Noise(300, 8) + std::string(600, 'x'));
    for (std::size_t size = 0; size < packed.size(); ++size)
        EXPECT_THROW(Unpack(packed.substr(0, size)), fw::Exception) << "cut at " << size;
}

} // namespace
} // namespace packing
