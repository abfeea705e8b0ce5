#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace braille {

// A dot number outside 1..6: a fault of the caller. It holds no text of its
// own to format, so it brings nothing of the runtime's error classes along.
class DotOutOfRange : public std::exception {
public:
    const char* what() const noexcept override { return "Braille dot outside 1..6"; }
};

// The raised dots of one Braille cell. Dots 1-2-3 are the left column from top to
// bottom, dots 4-5-6 the right column. Stored as a 6-bit mask (bit n-1 = dot n), so a
// pair of cells makes a 12-bit key.
class DotSet {
public:
    static constexpr int kDotCount = 6;
    static constexpr unsigned kMaskLimit = 1u << kDotCount;

    constexpr DotSet() = default;

    // Bits above dot 6 are dropped.
    static constexpr DotSet FromMask(unsigned mask) {
        DotSet set;
        set.mask_ = static_cast<std::uint8_t>(mask & (kMaskLimit - 1));
        return set;
    }

    constexpr unsigned Mask() const { return mask_; }
    constexpr bool Has(int dot) const { return (mask_ & Bit(dot)) != 0; }
    constexpr bool Empty() const { return mask_ == 0; }

    // A copy with the given dot raised or lowered.
    constexpr DotSet With(int dot, bool raised) const {
        return FromMask(raised ? (mask_ | Bit(dot)) : (mask_ & ~Bit(dot)));
    }

    // The way cells are written in the alphabet's tables: "1 2 4", or "none".
    std::string ToString() const {
        if (Empty())
            return "none";
        std::string text;
        for (int dot = 1; dot <= kDotCount; ++dot) {
            if (!Has(dot))
                continue;
            if (!text.empty())
                text += ' ';
            text += static_cast<char>('0' + dot);
        }
        return text;
    }

    friend constexpr bool operator==(DotSet, DotSet) = default;

private:
    static constexpr unsigned Bit(int dot) {
        if (dot < 1 || dot > kDotCount)
            throw DotOutOfRange();
        return 1u << (dot - 1);
    }

    std::uint8_t mask_ = 0;
};

// A cell written as in the alphabet's tables: "4 6", "1 2 3 4 5 6" or "none". Dots go
// in ascending order, one blank apart; anything else fails to compile.
consteval DotSet Dots(std::string_view written) {
    if (written == "none")
        return DotSet{};
    DotSet set;
    int previous = 0;
    for (std::size_t i = 0; i < written.size(); i += 2) {
        const int dot = written[i] - '0';
        if (dot <= previous || dot > DotSet::kDotCount)
            throw "dots must be 1..6 in ascending order";
        if (i + 1 < written.size() && written[i + 1] != ' ')
            throw "dots must be one blank apart";
        set = set.With(dot, true);
        previous = dot;
    }
    if (set.Empty() || written.back() == ' ')
        throw "write an empty cell as none";
    return set;
}

} // namespace braille
