// video.h - SDL started for a window, and nothing else of it.
//
// Only the video subsystem is initialised: the program plays no sound, reads
// no joystick and needs no timer (SDL_Delay works without one), and every
// further subsystem costs an idle editor CPU time (SDL's timer thread alone
// wakes hundreds of times a second).
//
// SDL 1.2 chooses a video driver itself when SDL_VIDEODRIVER is unset, and
// without a display it falls back to drawing the window as characters in the
// terminal (aalib, libcaca) or on the console. So when SDL_VIDEODRIVER is
// unset (or empty) the driver is asked for by name: x11 with DISPLAY set,
// else wayland with WAYLAND_DISPLAY set (sdl12-compat has it; classic SDL
// 1.2 then fails with its own reason), else there is no display. A driver the
// user names is taken as it is (SDL_VIDEODRIVER=dummy, =wayland). On Windows
// and macOS SDL's own choice stands: their drivers are the system's windows.
#pragma once

enum video_start { video_started, video_no_display, video_failed };

// The driver to ask SDL for, from the environment's values (null: unset):
// "" when SDL_VIDEODRIVER names one already (SDL takes it from there),
// "x11" or "wayland", or null when there is no display.
const char* window_driver(const char* sdl_videodriver, const char* display, const char* wayland_display);

// SDL_Init(SDL_INIT_VIDEO) on the driver window_driver chooses from this
// process's environment (which it sets). video_failed: SDL_GetError says why.
video_start start_video();
