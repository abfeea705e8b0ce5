#include "framework/packing/Packing.h"

#include "framework/layout/Exception.h"
#include "framework/packing/Format.h"

#include <cstdint>

namespace packing {

namespace {

[[noreturn]] void Corrupt(const char* what) {
    throw fw::Exception(std::string("packed data: ") + what);
}

class Reader {
public:
    explicit Reader(std::string_view packed) : packed_(packed) {}

    bool AtEnd() const { return at_ == packed_.size(); }

    std::uint8_t Byte() {
        if (AtEnd())
            Corrupt("cut short");
        return std::uint8_t(packed_[at_++]);
    }

    std::size_t Length(std::size_t nibble) {
        if (nibble == 15)
            for (std::uint8_t more = 255; more == 255;)
                nibble += (more = Byte());
        return nibble;
    }

    std::string_view Bytes(std::size_t count) {
        if (count > packed_.size() - at_)
            Corrupt("cut short");
        std::string_view bytes = packed_.substr(at_, count);
        at_ += count;
        return bytes;
    }

private:
    std::string_view packed_;
    std::size_t at_ = 0;
};

} // namespace

std::string Unpack(std::string_view packed) {
    Reader in(packed);
    std::size_t size = 0;
    for (int shift = 0; shift < 32; shift += 8)
        size |= std::size_t(in.Byte()) << shift;
    std::string out;
    out.reserve(size);
    while (!in.AtEnd()) {
        std::uint8_t token = in.Byte();
        std::string_view literals = in.Bytes(in.Length(token >> 4));
        if (literals.size() > size - out.size())
            Corrupt("longer than announced");
        out += literals;
        if (in.AtEnd())
            break;
        std::size_t distance = in.Byte();
        distance |= std::size_t(in.Byte()) << 8;
        std::size_t length = in.Length(token & 15) + kMinCopy;
        if (distance == 0 || distance > out.size())
            Corrupt("a copy from before the start");
        if (length > size - out.size())
            Corrupt("longer than announced");
        // Byte by byte: a copy may overlap the bytes it writes (a run).
        for (std::size_t from = out.size() - distance; length > 0; --length)
            out += out[from++];
    }
    if (out.size() != size)
        Corrupt("shorter than announced");
    return out;
}

} // namespace packing
