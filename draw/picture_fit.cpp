// picture_fit.cpp - a picture from outside fitted to the preview over the
// built-in background; the area average that shrinks a screenshot. See
// picture_fit.h.
//
// The area average works in exact integers. Along x, measured in units of
// 1/(source width * destination width) of the picture's width, a source
// pixel is dw units long and a destination pixel sw units: the share of
// source pixel sx in destination pixel dx is the overlap of
// [sx*dw, (sx+1)*dw) and [dx*sw, (dx+1)*sw), and a destination pixel's
// shares add up to sw. The same along y. Each source row is summed across
// once into its destination columns (at most 255 * sw a channel), those
// sums are summed down into the destination row (at most 255 * sw * sh, 64
// bits) and divided, rounded, by sw * sh.
#include "draw/picture_fit.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Which source pixels a destination pixel covers and by how much: for each
// destination pixel its first source pixel and its shares, in order.
struct spans {
    std::vector<int> first, count;
    std::vector<uint32_t> share;
};

spans spans_of(int source, int dest) {
    spans s;
    s.first.resize(static_cast<size_t>(dest));
    s.count.resize(static_cast<size_t>(dest));
    const int64_t sw = source, dw = dest;
    for (int64_t d = 0; d < dw; d++) {
        const int64_t from = d * sw, to = from + sw; // in 1/(sw*dw) units
        const int64_t first = from / dw, last = (to - 1) / dw;
        s.first[static_cast<size_t>(d)] = static_cast<int>(first);
        s.count[static_cast<size_t>(d)] = static_cast<int>(last - first + 1);
        for (int64_t k = first; k <= last; k++) {
            const int64_t lo = k * dw > from ? k * dw : from, hi = (k + 1) * dw < to ? (k + 1) * dw : to;
            s.share.push_back(static_cast<uint32_t>(hi - lo));
        }
    }
    return s;
}

// All of from with its corner at to's corner, cut at to's edges.
void blit_at_corner(SDL_Surface* from, SDL_Surface* to) {
    SDL_Rect corner = {0, 0, 0, 0};
    SDL_BlitSurface(from, nullptr, to, &corner);
}

} // namespace

bool screen_shaped(int w, int h) {
    return h > 0 && std::llabs(3LL * w - 4LL * h) * 100 <= 4LL * h;
}

picture_fit fit_of(int w, int h, int into_w, int into_h) {
    const bool larger = w >= into_w && h >= into_h && (w > into_w || h > into_h);
    if (!larger) return fit_as_is;
    return screen_shaped(w, h) ? fit_shrunk : fit_stretched;
}

bool area_average(SDL_Surface* picture, SDL_Surface* into, const std::atomic<bool>* stop) {
    if (!picture || !into || into->format->BytesPerPixel != 4 || picture->w <= 0 || picture->h <= 0)
        return false;
    const int sw = picture->w, sh = picture->h, dw = into->w, dh = into->h;
    // one source row at a time as 0x00RRGGBB, converted by SDL's own blit
    SDL_Surface* row = SDL_CreateRGBSurface(SDL_SWSURFACE, sw, 1, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    if (!row) return false;
    const spans across = spans_of(sw, dw), down = spans_of(sh, dh);
    std::vector<uint32_t> sums(static_cast<size_t>(dw) * 3);  // one source row summed into the columns
    std::vector<uint64_t> total(static_cast<size_t>(dw) * 3); // a destination row
    const uint64_t whole = uint64_t(sw) * uint64_t(sh);
    size_t down_share    = 0;
    for (int dy = 0; dy < dh; dy++) {
        if (stop && stop->load()) break; // a row of an 8K picture's is 18 source rows
        std::fill(total.begin(), total.end(), 0);
        for (int k = 0; k < down.count[dy]; k++) {
            SDL_Rect part = {0, static_cast<Sint16>(down.first[dy] + k), static_cast<Uint16>(sw), 1};
            SDL_Rect at   = {0, 0, 0, 0};
            SDL_BlitSurface(picture, &part, row, &at);
            const auto* p       = static_cast<const Uint32*>(row->pixels);
            size_t across_share = 0;
            for (int dx = 0; dx < dw; dx++) {
                uint32_t r = 0, g = 0, b = 0;
                for (int j = 0; j < across.count[dx]; j++) {
                    const Uint32 v   = p[across.first[dx] + j];
                    const uint32_t w = across.share[across_share++];
                    r += (v >> 16 & 0xFF) * w;
                    g += (v >> 8 & 0xFF) * w;
                    b += (v & 0xFF) * w;
                }
                sums[3 * dx] = r, sums[3 * dx + 1] = g, sums[3 * dx + 2] = b;
            }
            const uint64_t w = down.share[down_share++];
            for (size_t i = 0; i < sums.size(); i++) total[i] += sums[i] * w;
        }
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(into->pixels) + dy * into->pitch);
        for (int dx = 0; dx < dw; dx++) {
            auto level = [&](int c) { return static_cast<Uint8>((total[3 * dx + c] + whole / 2) / whole); };
            out[dx]    = SDL_MapRGB(into->format, level(0), level(1), level(2));
        }
    }
    SDL_FreeSurface(row);
    return !(stop && stop->load());
}

SDL_Surface* fit_picture(SDL_Surface* picture, SDL_Surface* under, int w, int h,
                         const std::atomic<bool>* stop) {
    if (!picture || !under) return nullptr;
    const SDL_PixelFormat* f = under->format;
    SDL_Surface* shown =
        f->palette || f->BytesPerPixel < 2
            ? SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0)
            : SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
    if (!shown) return nullptr;
    blit_at_corner(under, shown);
    if (fit_of(picture->w, picture->h, w, h) != fit_as_is) {
        SDL_Surface* scaled = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        const bool done     = scaled && area_average(picture, scaled, stop);
        if (done) blit_at_corner(scaled, shown);
        if (scaled) SDL_FreeSurface(scaled);
        if (!done) {
            SDL_FreeSurface(shown);
            return nullptr;
        }
    } else {
        blit_at_corner(picture, shown);
    }
    return shown;
}
