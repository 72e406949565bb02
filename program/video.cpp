// video.cpp - SDL's video subsystem on a driver that opens a window.
#include "program/video.h"

#include "editor/display_guard.h"

#include <SDL.h>
#include <cstdlib>

namespace {

bool set(const char* value) {
    return value && value[0] != '\0';
}

} // namespace

const char* window_driver(const char* sdl_videodriver, const char* display, const char* wayland_display) {
    if (set(sdl_videodriver)) return "";
    if (set(display)) return "x11";
    if (set(wayland_display)) return "wayland";
    return nullptr;
}

video_start start_video() {
#if !defined(_WIN32) && !defined(__APPLE__) // their SDL has the system's own window drivers, and no text ones
    const char* driver =
        window_driver(std::getenv("SDL_VIDEODRIVER"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    if (!driver) return video_no_display;
    if (driver[0] != '\0') setenv("SDL_VIDEODRIVER", driver, 1);
    guard_x11_errors();
#endif
    return SDL_Init(SDL_INIT_VIDEO) == 0 ? video_started : video_failed;
}
