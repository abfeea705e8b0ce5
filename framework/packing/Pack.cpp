// The packing, for the build's resource packer and the tests: the program
// itself only unpacks (Unpack.cpp).
#include "framework/packing/Packing.h"

#include "framework/layout/Exception.h"
#include "framework/packing/Format.h"

#include <cstdint>
#include <vector>

namespace packing {

namespace {

constexpr int kChainTries = 256; // a deeper search finds little more in these files
constexpr std::size_t kHashBits = 14;

void PutLength(std::string& out, std::size_t extra) {
    for (; extra >= 255; extra -= 255)
        out += char(255);
    out += char(extra);
}

void PutSequence(std::string& out, std::string_view literals, std::size_t copy,
                 std::size_t distance) {
    std::size_t copyCode = copy ? copy - kMinCopy : 0;
    out += char((std::min<std::size_t>(literals.size(), 15) << 4) |
                std::min<std::size_t>(copyCode, 15));
    if (literals.size() >= 15)
        PutLength(out, literals.size() - 15);
    out += literals;
    if (!copy)
        return;
    out += char(distance & 0xFF);
    out += char(distance >> 8);
    if (copyCode >= 15)
        PutLength(out, copyCode - 15);
}

std::uint32_t HashAt(std::string_view data, std::size_t at) {
    std::uint32_t word = std::uint32_t(std::uint8_t(data[at])) |
                         std::uint32_t(std::uint8_t(data[at + 1])) << 8 |
                         std::uint32_t(std::uint8_t(data[at + 2])) << 16 |
                         std::uint32_t(std::uint8_t(data[at + 3])) << 24;
    return (word * 2654435761u) >> (32 - kHashBits);
}

// Greedy: at each place, the longest earlier copy found along the hash chain.
class Packer {
public:
    explicit Packer(std::string_view data)
        : data_(data), head_(std::size_t(1) << kHashBits, kNone), previous_(data.size(), kNone) {}

    std::string Run() {
        std::string out;
        std::uint32_t size = std::uint32_t(data_.size());
        for (int shift = 0; shift < 32; shift += 8)
            out += char((size >> shift) & 0xFF);
        std::size_t literalsFrom = 0;
        for (std::size_t at = 0; at < data_.size();) {
            auto [length, distance] = LongestCopy(at);
            if (length < kMinCopy) {
                Remember(at++);
                continue;
            }
            PutSequence(out, data_.substr(literalsFrom, at - literalsFrom), length, distance);
            for (std::size_t end = at + length; at < end;)
                Remember(at++);
            literalsFrom = at;
        }
        // Nothing after a last copy: a packing cut short then always has
        // fewer bytes than it announces.
        if (literalsFrom < data_.size())
            PutSequence(out, data_.substr(literalsFrom), 0, 0);
        return out;
    }

private:
    static constexpr std::size_t kNone = SIZE_MAX;

    void Remember(std::size_t at) {
        if (at + kMinCopy > data_.size())
            return;
        std::uint32_t hash = HashAt(data_, at);
        previous_[at] = head_[hash];
        head_[hash] = at;
    }

    std::pair<std::size_t, std::size_t> LongestCopy(std::size_t at) const {
        std::size_t best = 0, bestDistance = 0;
        if (at + kMinCopy > data_.size())
            return {0, 0};
        std::size_t candidate = head_[HashAt(data_, at)];
        for (int tries = kChainTries; candidate != kNone && tries > 0; --tries) {
            if (at - candidate > kMaxDistance)
                break;
            std::size_t length = 0;
            while (at + length < data_.size() && data_[candidate + length] == data_[at + length])
                ++length;
            if (length > best) {
                best = length;
                bestDistance = at - candidate;
            }
            candidate = previous_[candidate];
        }
        return {best, bestDistance};
    }

    std::string_view data_;
    std::vector<std::size_t> head_;
    std::vector<std::size_t> previous_;
};

} // namespace

std::string Pack(std::string_view data) {
    if (data.size() > UINT32_MAX)
        throw fw::Exception("packed data: larger than 4 GiB");
    return Packer(data).Run();
}

} // namespace packing
