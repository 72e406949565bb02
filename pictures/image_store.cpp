// image_store.cpp - unpacks the built-in pictures to temporary files and
// decodes them from there.
//
// Each unpacking reads and writes whole buffers (one fwrite of the stored
// bytes, one fread, one fwrite of the BMP) instead of a seek per byte pair, so
// all twenty pictures unpack in a few milliseconds. A stream also keeps the
// BMP's bytes in memory, exactly as written to its file, and every decode
// reads them from there: the decode still happens afresh each time, only
// without the file's system calls. Which picture is which, and their start-up
// order, is picture_store.cpp's business.
#include "pictures/image_store.h"
#include "draw/surface_ops.h"

#include "files/file_io.h" // temp_file: in the temp folder on Windows too

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// neformattedpas, also handing back the BMP's bytes (malloc'd) when asked.
FILE* unscramble(FILE* in, unsigned char** bytes, size_t* size) {
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
    FILE* out = temp_file();
    if (!out) return nullptr;
    if ((m > 0 && std::fwrite(bmp.data(), 1, m, out) != m) || std::fflush(out) != 0) {
        std::fclose(out);
        return nullptr;
    }
    if (bytes) {
        *bytes = static_cast<unsigned char*>(std::malloc(m > 0 ? m : 1));
        *size  = m;
        if (!*bytes) {
            std::fclose(out);
            return nullptr;
        }
        if (m > 0) std::memcpy(*bytes, bmp.data(), m);
    }
    return out; // not rewound: positioned after its last byte
}

} // namespace

FILE* neformattedpas(FILE* in) {
    return unscramble(in, nullptr, nullptr);
}

image_stream unpack_image(const unsigned char* stored, size_t n) {
    FILE* in = temp_file();
    if (!in) return {};
    if (n > 0 && std::fwrite(stored, 1, n, in) != n) {
        std::fclose(in);
        return {};
    }
    image_stream s{};
    s.file = unscramble(in, &s.bytes, &s.size); // closes in, which removes it
    if (!s.file) return {};
    std::fseek(s.file, 0, SEEK_SET);
    s.rw = SDL_RWFromFP(s.file, 0); // closing rw leaves file open
    if (!s.rw) {
        close_stream(s);
        return {};
    }
    return s;
}

void close_stream(image_stream& s) {
    // SDL_RWclose, not SDL_FreeRW: on sdl12-compat the latter frees only the
    // SDL 1.2 wrapper and leaks the SDL2 stream beneath. Made with autoclose
    // off, the stream leaves the file open for the fclose after it.
    if (s.rw) SDL_RWclose(s.rw);
    if (s.file) std::fclose(s.file);
    std::free(s.bytes);
    s = {};
}

SDL_Surface* load_image(const unsigned char* stored, size_t n) {
    image_stream s = unpack_image(stored, n);
    if (!s.file) return nullptr;
    SDL_Surface* surface = decode_stream(s);
    close_stream(s); // removes the temporary file
    return surface;
}

SDL_Surface* decode_stream(image_stream& s) {
    if (!s.file || !s.rw) return nullptr;
    if (s.bytes) {
        SDL_RWops* memory = SDL_RWFromConstMem(s.bytes, static_cast<int>(s.size));
        return memory ? SDL_LoadBMP_RW(memory, 1) : nullptr; // 1: frees memory, not the bytes
    }
    std::fseek(s.file, 0, SEEK_SET);
    return SDL_LoadBMP_RW(s.rw, 0);
}

SDL_Surface* enable_pixel_alpha(SDL_Surface* s) {
    if (!s || s->format->BytesPerPixel != 4) return s;
    // Classic SDL 1.2 (before 1.2.50) blits by the format it is given: the mask
    // is written into the picture's own format, which costs nothing - the
    // frame does this for every element it draws.
    if (SDL_Linked_Version()->patch < 50) {
        s->format->Amask  = 0xFF000000;
        s->format->Ashift = 24;
        // SDL leaves Aloss at 8 for a format without alpha; the generic blitters
        // shift the alpha byte by it, so it must go to 0 with the mask.
        s->format->Aloss = 0;
        SDL_SetAlpha(s, SDL_SRCALPHA, 255);
        return s;
    }
    // sdl12-compat blits an SDL2 surface of its own, which never sees a mask
    // set afterwards and would draw the picture opaque: a new surface is made
    // with the alpha mask and the pixels copied into it.
    SDL_Surface* a = with_alpha_mask(s, 0xFF000000);
    if (a) SDL_SetAlpha(a, SDL_SRCALPHA, 255);
    return a;
}

SDL_Surface* in_screen_format(SDL_Surface* picture, SDL_Surface* screen) {
    if (!picture || !screen || !picture->format || !screen->format) return picture;
    if (picture->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY | SDL_RLEACCEL)) return picture;
    SDL_PixelFormat *from = picture->format, *to = screen->format;
    if (to->palette || to->BytesPerPixel < 2) return picture; // a palette screen would map colours
    bool same = !from->palette && from->BitsPerPixel == to->BitsPerPixel && from->Rmask == to->Rmask &&
                from->Gmask == to->Gmask && from->Bmask == to->Bmask && from->Amask == to->Amask;
    if (same) return picture;
    SDL_Surface* converted = SDL_ConvertSurface(picture, to, SDL_SWSURFACE);
    if (!converted) return picture;
    SDL_FreeSurface(picture);
    return converted;
}
