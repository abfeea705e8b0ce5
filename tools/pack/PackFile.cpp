// Packs one resource file for the program: `pack [--dib | --layout] IN OUT`.
// --dib: IN is a .bmp file; its file header is left out, so that what is
// packed is the bitmap as a BITMAP resource holds it.
// --layout: IN is a layout's text; what is packed is its compiled form, so
// that the program reads it without a parser. A fault in the text fails the
// build with the parser's "file:line: message".
#include "framework/layout/LayoutBinary.h"
#include "framework/layout/LayoutParser.h"
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

std::string BitmapAsResource(std::string file, const char* path) {
    if (file.size() < kBitmapFileHeader || file.compare(0, 2, "BM") != 0)
        throw std::runtime_error(std::string(path) + " is not a .bmp file");
    return file.erase(0, kBitmapFileHeader);
}

std::string CompiledLayout(const std::string& text, const char* path) {
    const layout::Object tree = layout::ParseLayout(text, path);
    std::string compiled = layout::Serialize(tree);
    if (layout::Deserialize(compiled, path) != tree)
        throw std::runtime_error(std::string("the compiled form of ") + path +
                                 " does not give the layout back");
    return compiled;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 4 ? argv[1] : "";
    const bool dib = mode == "--dib";
    const bool layoutText = mode == "--layout";
    const int in = argc - 2;
    if (argc != 3 + (dib || layoutText)) {
        std::cerr << "usage: pack [--dib | --layout] IN OUT\n";
        return 2;
    }
    try {
        std::string data = ReadFile(argv[in]);
        if (dib)
            data = BitmapAsResource(std::move(data), argv[in]);
        else if (layoutText)
            data = CompiledLayout(data, argv[in]);
        std::string packed = packing::Pack(data);
        if (packing::Unpack(packed) != data)
            throw std::runtime_error("packing does not give the data back");
        std::ofstream out(argv[in + 1], std::ios::binary);
        out << packed;
        if (!out.flush())
            throw std::runtime_error(std::string("cannot write ") + argv[in + 1]);
    } catch (const std::exception& e) {
        std::cerr << "pack: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
