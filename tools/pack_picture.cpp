// pack_picture.cpp - the build's packer: turns one BMP of assets/ into a C++
// source that holds it in the stored form as a constant array.
//
//   pack_picture <picture.bmp> <bNAME> <out.cpp>
//
// The BMP is first rewritten in the canonical form that SDL 1.2 decodes (see
// bmp.h), so a picture saved by any paint program packs the same way as one
// made by draw_art. Writes nothing and fails on a file it cannot read.
#include "bmp.h"
#include "pictures/store_form.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: pack_picture <picture.bmp> <bNAME> <out.cpp>\n");
        return 2;
    }
    std::string in = argv[1], name = argv[2], out = argv[3];
    std::vector<unsigned char> file;
    picture p;
    std::string error;
    if (!read_whole_file(in, file)) {
        std::fprintf(stderr, "pack_picture: cannot read %s\n", in.c_str());
        return 1;
    }
    if (!read_bmp(file, p, error)) {
        std::fprintf(stderr, "pack_picture: %s: %s\n", in.c_str(), error.c_str());
        return 1;
    }
    std::vector<unsigned char> bmp = write_bmp(p); // always of even length
    std::vector<unsigned char> stored(bmp.size());
    store_form(bmp.data(), bmp.size(), stored.data());

    std::string text = "// " + name + ": " + in + " (" + std::to_string(p.w) + "x" + std::to_string(p.h) +
                       ", " + std::to_string(p.bits) + " bits) in its stored form.\n" +
                       "// Made by pack_picture at build time; change the BMP, not this file.\n" +
                       "#include \"assets/pictures.h\"\n\n" + "extern const unsigned char " + name + "[] = {";
    char hex[8];
    for (size_t i = 0; i < stored.size(); i++) {
        std::snprintf(hex, sizeof hex, "%s%u,", i % 24 == 0 ? "\n" : "", stored[i]);
        text += hex;
    }
    text += "\n};\nextern const size_t " + name + "_size = " + std::to_string(stored.size()) + ";\n";
    if (!write_whole_file(out, std::vector<unsigned char>(text.begin(), text.end()))) {
        std::fprintf(stderr, "pack_picture: cannot write %s\n", out.c_str());
        std::remove(out.c_str());
        return 1;
    }
    return 0;
}
