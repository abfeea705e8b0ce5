// Packs one resource file for the program: `pack [--dib] IN OUT`.
// --dib: IN is a .bmp file; its file header is left out, so that what is
// packed is the bitmap as a BITMAP resource holds it.
#include "framework/packing/Packing.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kBitmapFileHeader = 14;

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

int main(int argc, char** argv) {
    bool dib = argc == 4 && std::string_view(argv[1]) == "--dib";
    if (argc != 3 + dib) {
        std::cerr << "usage: pack [--dib] IN OUT\n";
        return 2;
    }
    try {
        std::string data = ReadFile(argv[1 + dib]);
        if (dib) {
            if (data.size() < kBitmapFileHeader || data.compare(0, 2, "BM") != 0)
                throw std::runtime_error(std::string(argv[2]) + " is not a .bmp file");
            data.erase(0, kBitmapFileHeader);
        }
        std::string packed = packing::Pack(data);
        if (packing::Unpack(packed) != data)
            throw std::runtime_error("packing does not give the data back");
        std::ofstream out(argv[2 + dib], std::ios::binary);
        out << packed;
        if (!out.flush())
            throw std::runtime_error(std::string("cannot write ") + argv[2 + dib]);
    } catch (const std::exception& e) {
        std::cerr << "pack: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
