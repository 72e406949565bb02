// window.cpp - the editor's window: opened at a zoom, the editor's 320x320
// picture shown in it pixel for pixel (zoom 1) or in N x N squares, pointer
// positions mapped between the two.
#include "editor/window.h"
#include "editor/state.h"

#include "editor/display_guard.h"

#include <algorithm>
#include <cstring>

namespace {

int side(int zoom) {
    return screen_side * zoom;
}

int clamp_zoom(int zoom) {
    return std::clamp(zoom, zoom_min, zoom_max);
}

int current_zoom(const window_state& window) {
    return window.zoom > zoom_min ? window.zoom : zoom_min;
}

// SDL's window, w x h; then the display guarded again (SDL 1.2 makes its
// handlers anew with a window, SDL2 may too: editor/display_guard.h).
SDL_Surface* new_window(editor& ed, int w, int h) {
    SDL_Surface* window = SDL_SetVideoMode(w, h, 32, 0);
    if (window) guard_display(ed);
    return window;
}

SDL_Surface* window_mode(editor& ed, int zoom) {
    return new_window(ed, side(zoom), side(zoom));
}

// A 320x320 surface in the pixel format of `like` (the window's): what the
// editor draws on when the window is zoomed, and the copy of what it shows.
SDL_Surface* own_screen(const SDL_Surface* like) {
    const SDL_PixelFormat* f = like->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, screen_side, screen_side, f->BitsPerPixel, f->Rmask, f->Gmask,
                                f->Bmask, f->Amask);
}

bool same_format(const SDL_Surface* a, const SDL_Surface* b) {
    const SDL_PixelFormat &f = *a->format, &g = *b->format;
    return f.BytesPerPixel == g.BytesPerPixel && f.Rmask == g.Rmask && f.Gmask == g.Gmask &&
           f.Bmask == g.Bmask && !f.palette && !g.palette;
}

// The upper left 320x320 (or less) of `from` onto `to`, pixel for pixel when
// both have one format, converted by SDL otherwise.
void copy_picture(SDL_Surface* from, SDL_Surface* to) {
    const int w = std::min({from->w, to->w, screen_side}), h = std::min({from->h, to->h, screen_side});
    if (!same_format(from, to)) {
        SDL_Rect part = {0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)}, corner = {0, 0, 0, 0};
        SDL_BlitSurface(from, &part, to, &corner);
        return;
    }
    SDL_LockSurface(from);
    SDL_LockSurface(to);
    for (int y = 0; y < h; y++)
        std::memcpy(static_cast<Uint8*>(to->pixels) + y * to->pitch,
                    static_cast<const Uint8*>(from->pixels) + y * from->pitch,
                    static_cast<size_t>(w) * from->format->BytesPerPixel);
    SDL_UnlockSurface(to);
    SDL_UnlockSurface(from);
}

// Row y of `from` as a row of zoom x zoom squares of `to`, from its left
// edge, cut at `to`'s edges. Both have one pixel format.
void magnify_row(const SDL_Surface* from, SDL_Surface* to, int zoom, int y) {
    const int bpp  = from->format->BytesPerPixel;
    const int cols = std::min(static_cast<int>(from->w), (to->w + zoom - 1) / zoom);
    const int wide = std::min(cols * zoom, static_cast<int>(to->w)); // in `to`'s pixels
    const Uint8* s = static_cast<const Uint8*>(from->pixels) + y * from->pitch;
    Uint8* first   = static_cast<Uint8*>(to->pixels) + y * zoom * to->pitch;
    if (bpp == 4) {
        const Uint32* p = reinterpret_cast<const Uint32*>(s);
        Uint32* d       = reinterpret_cast<Uint32*>(first);
        for (int x = 0, dx = 0; x < cols; x++)
            for (int k = 0; k < zoom && dx < wide; k++) d[dx++] = p[x];
    } else {
        for (int dx = 0; dx < wide; dx++) std::memcpy(first + dx * bpp, s + dx / zoom * bpp, bpp);
    }
    // the other rows of the squares repeat the first
    for (int k = 1; k < zoom && y * zoom + k < to->h; k++)
        std::memcpy(first + k * to->pitch, first, static_cast<size_t>(wide) * bpp);
}

// window.screen into the window, zoom times larger; false when the window shows
// it already. Only the rows that differ from window.shown (what the window shows)
// are drawn anew: an idle editor redraws an unchanged picture 22 times a
// second, and magnifying and sending it whole each time would cost as much
// as everything else the editor does.
bool magnify(window_state& window) {
    SDL_Surface *from = window.screen, *to = window.surface;
    if (SDL_LockSurface(to) != 0) return false;
    const bool fresh = !window.shown;
    if (fresh && !(window.shown = own_screen(from))) {
        SDL_UnlockSurface(to);
        return false;
    }
    bool changed           = fresh;
    const int rows         = std::min(static_cast<int>(from->h), (to->h + window.zoom - 1) / window.zoom);
    const size_t row_bytes = static_cast<size_t>(from->w) * from->format->BytesPerPixel;
    for (int y = 0; y < rows; y++) {
        const Uint8* now = static_cast<const Uint8*>(from->pixels) + y * from->pitch;
        Uint8* was       = static_cast<Uint8*>(window.shown->pixels) + y * window.shown->pitch;
        if (!fresh && std::memcmp(now, was, row_bytes) == 0) continue;
        magnify_row(from, to, window.zoom, y);
        std::memcpy(was, now, row_bytes);
        changed = true;
    }
    SDL_UnlockSurface(to);
    return changed;
}

// A new window, or none: what it shows is to be drawn anew, whole.
void forget_shown(window_state& window) {
    if (window.shown) SDL_FreeSurface(window.shown);
    window.shown = nullptr;
}

// The window has lost its picture: the next show sends it whole.
void lose_picture(window_state& window) {
    forget_shown(window);
    window.repaint = true;
}

} // namespace

int fitting_zoom(int w, int h) {
    int zoom = zoom_max;
    while (zoom > zoom_min && (side(zoom) * 4 > h * 3 || side(zoom) > w)) zoom--;
    return zoom;
}

int largest_zoom(int w, int h) {
    if (w <= 0 || h <= 0) return zoom_max;
    int zoom = zoom_max;
    while (zoom > zoom_min && (side(zoom) + window_margin > h || side(zoom) + window_margin > w)) zoom--;
    return std::max(zoom, fitting_zoom(w, h));
}

bool open_window(editor& ed, int zoom) {
    const SDL_VideoInfo* screen = SDL_GetVideoInfo(); // the desktop's size, before the first window
    ed.window.desktop_w         = screen ? screen->current_w : 0;
    ed.window.desktop_h         = screen ? screen->current_h : 0;
    if (zoom == zoom_fit) zoom = fitting_zoom(ed.window.desktop_w, ed.window.desktop_h);
    zoom                = clamp_zoom(zoom);
    SDL_Surface* window = window_mode(ed, zoom);
    if (!window) return false;
    ed.window.zoom    = zoom;
    ed.window.repaint = true;
    ed.window.surface = zoom > zoom_min ? window : nullptr;
    ed.window.screen  = zoom > zoom_min ? own_screen(window) : window;
    return ed.window.screen != nullptr;
}

bool set_zoom(editor& ed, int zoom) {
    const int old = current_zoom(ed.window);
    zoom          = clamp_zoom(zoom);
    if (zoom == old || !ed.window.screen) return zoom == old;
    // the picture so far, kept through the new window
    SDL_Surface* kept = ed.window.screen;
    if (old == zoom_min) {
        kept = own_screen(ed.window.screen);
        if (!kept) return false;
        copy_picture(ed.window.screen, kept);
    }
    const int wanted = zoom;
    lose_picture(ed.window);
    SDL_Surface* window = window_mode(ed, zoom);
    if (!window) window = window_mode(ed, zoom = old);
    ed.window.zoom = zoom;
    if (zoom == zoom_min) { // the editor draws on the window again
        if (window) copy_picture(kept, window);
        SDL_FreeSurface(kept);
        ed.window.screen  = window;
        ed.window.surface = nullptr;
    } else {
        if (window && !same_format(kept, window)) { // not seen: SDL keeps 32 bits in one layout
            SDL_Surface* converted = SDL_ConvertSurface(kept, window->format, SDL_SWSURFACE);
            if (converted) std::swap(kept, converted);
            SDL_FreeSurface(converted);
        }
        ed.window.screen  = kept;
        ed.window.surface = window;
    }
    return zoom == wanted && window != nullptr;
}

void close_window(window_state& window) {
    forget_shown(window);
    if (window.zoom > zoom_min && window.screen) SDL_FreeSurface(window.screen);
    window.screen  = nullptr;
    window.surface = nullptr;
}

void zoom_step(editor& ed, int step) {
    const int zoom = current_zoom(ed.window) + step;
    if (step > 0 && zoom > largest_zoom(ed.window.desktop_w, ed.window.desktop_h)) return; // it would not fit
    set_zoom(ed, zoom);
}

void show_screen(window_state& window) {
    const bool zoomed = current_zoom(window) > zoom_min;
    SDL_Surface* to   = zoomed ? window.surface : window.screen;
    if (!window.screen || !to) return;
    if (!zoomed || magnify(window)) {
        SDL_Flip(to);
        window.pictures_sent++;
    }
    window.repaint = zoomed && !window.shown; // zoomed, nothing is sent until the copy is made
}

void event_to_editor(window_state& window, SDL_Event& e) {
    // Classic SDL 1.2 repaints an exposed window from its surface itself;
    // sdl12-compat reports it, and the window is then sent whole again. A
    // window shown again (restored) is sent whole as well.
    if (e.type == SDL_VIDEOEXPOSE ||
        (e.type == SDL_ACTIVEEVENT && e.active.gain && (e.active.state & SDL_APPACTIVE)))
        lose_picture(window);
    const int zoom = current_zoom(window);
    if (zoom == zoom_min) return;
    auto down = [zoom](Uint16& v) { v = static_cast<Uint16>(v / zoom); };
    if (e.type == SDL_MOUSEMOTION) {
        down(e.motion.x);
        down(e.motion.y);
        e.motion.xrel = static_cast<Sint16>(e.motion.xrel / zoom);
        e.motion.yrel = static_cast<Sint16>(e.motion.yrel / zoom);
    } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
        down(e.button.x);
        down(e.button.y);
    }
}

pointer_place move_pointer(window_state& window, int x, int y) {
    const int zoom = current_zoom(window);
    if (zoom == zoom_min) {
        const Uint16 wx = static_cast<Uint16>(x), wy = static_cast<Uint16>(y);
        SDL_WarpMouse(wx, wy);
        if (!window.screen) return {wx, wy};
        return {std::min<int>(wx, window.screen->w - 1), std::min<int>(wy, window.screen->h - 1)};
    }
    // The middle of the pixel's square. Beyond the window's edge the pointer
    // stops at the edge, where SDL stops it at zoom 1.
    const long right = window.surface ? window.surface->w - 1 : side(zoom) - 1;
    const long lower = window.surface ? window.surface->h - 1 : side(zoom) - 1;
    const long wx    = std::clamp(static_cast<long>(x) * zoom + zoom / 2, 0L, right);
    const long wy    = std::clamp(static_cast<long>(y) * zoom + zoom / 2, 0L, lower);
    SDL_WarpMouse(static_cast<Uint16>(wx), static_cast<Uint16>(wy));
    return {static_cast<int>(wx / zoom), static_cast<int>(wy / zoom)};
}

void resize_screen(editor& ed, int w, int h) {
    lose_picture(ed.window);
    SDL_Surface* window = new_window(ed, w, h);
    if (current_zoom(ed.window) == zoom_min)
        ed.window.screen = window;
    else
        ed.window.surface = window;
}
