// image_store.cpp - unpacks the built-in pictures to temporary files and
// decodes them from there.
//
// Each unpacking reads and writes whole buffers (one fwrite of the stored
// bytes, one fread, one fwrite of the BMP) instead of a seek per byte pair, so
// all twenty pictures unpack in a few milliseconds. Which picture is which,
// and their start-up order, is pictures.cpp's business.
#include "shell/image_store.h"

#include <vector>

FILE* neformattedpas(FILE* in) {
    std::vector<unsigned char> stored;
    bool read = std::fseek(in, 0, SEEK_END) == 0;
    long n    = read ? std::ftell(in) : -1;
    read      = n >= 0 && std::fseek(in, 0, SEEK_SET) == 0;
    if (read) {
        stored.resize(static_cast<size_t>(n));
        read = stored.empty() || std::fread(stored.data(), 1, stored.size(), in) == stored.size();
    }
    std::fclose(in);
    if (!read) return nullptr;

    std::vector<unsigned char> bmp(stored.size());
    size_t m  = unstore_form(stored.data(), stored.size(), bmp.data());
    FILE* out = std::tmpfile();
    if (!out) return nullptr;
    if ((m > 0 && std::fwrite(bmp.data(), 1, m, out) != m) || std::fflush(out) != 0) {
        std::fclose(out);
        return nullptr;
    }
    return out; // not rewound: positioned after its last byte
}

image_stream unpack_image(const unsigned char* stored, size_t n) {
    FILE* in = std::tmpfile();
    if (!in) return {nullptr, nullptr};
    if (n > 0 && std::fwrite(stored, 1, n, in) != n) {
        std::fclose(in);
        return {nullptr, nullptr};
    }
    FILE* file = neformattedpas(in); // closes in, which removes it
    if (!file) return {nullptr, nullptr};
    std::fseek(file, 0, SEEK_SET);
    SDL_RWops* rw = SDL_RWFromFP(file, 0); // freeing rw leaves file open
    if (!rw) {
        std::fclose(file);
        return {nullptr, nullptr};
    }
    return {file, rw};
}

SDL_Surface* load_image(const unsigned char* stored, size_t n) {
    image_stream s = unpack_image(stored, n);
    if (!s.file) return nullptr;
    SDL_Surface* surface = SDL_LoadBMP_RW(s.rw, 0);
    SDL_FreeRW(s.rw);
    std::fclose(s.file); // removes the temporary file
    return surface;
}

SDL_Surface* decode_stream(image_stream& s) {
    if (!s.file || !s.rw) return nullptr;
    std::fseek(s.file, 0, SEEK_SET);
    return SDL_LoadBMP_RW(s.rw, 0);
}

void enable_pixel_alpha(SDL_Surface* s) {
    if (!s) return;
    s->format->Amask  = 0xFF000000;
    s->format->Ashift = 24;
    // SDL leaves Aloss at 8 for a format without alpha; the generic blitters
    // shift the alpha byte by it, so it must go to 0 with the mask.
    s->format->Aloss = 0;
    SDL_SetAlpha(s, SDL_SRCALPHA, 255);
}
