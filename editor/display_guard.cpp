// display_guard.cpp - Xlib's error handlers for the window destroyed and the
// display lost (see display_guard.h).
#include "editor/display_guard.h"

#include "editor/unsaved.h"

#include <SDL_syswm.h>

#if defined(__linux__) && !defined(SDL_VIDEO_DRIVER_X11)
#error "SDL_syswm.h has no X11 here: the X11 development files (libx11-dev) are needed"
#endif

#if defined(SDL_VIDEO_DRIVER_X11) && !defined(_WIN32)

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

// Xlib's calls, from the libX11 that SDL loaded; none when SDL's driver is not
// X11. XSetIOErrorExitHandler came with libX11 1.7 (Debian 12 has 1.8).
struct xlib_calls {
    decltype(&XSetErrorHandler) set_error_handler;
    decltype(&XSetIOErrorHandler) set_io_error_handler;
    decltype(&XSetIOErrorExitHandler) set_io_error_exit_handler;
};

xlib_calls loaded_xlib(int how = RTLD_NOLOAD) {
    xlib_calls x{};
    void* lib = dlopen("libX11.so.6", RTLD_LAZY | how);
    if (!lib) return x;
    x.set_error_handler = reinterpret_cast<decltype(x.set_error_handler)>(dlsym(lib, "XSetErrorHandler"));
    x.set_io_error_handler =
        reinterpret_cast<decltype(x.set_io_error_handler)>(dlsym(lib, "XSetIOErrorHandler"));
    x.set_io_error_exit_handler =
        reinterpret_cast<decltype(x.set_io_error_exit_handler)>(dlsym(lib, "XSetIOErrorExitHandler"));
    if (how == RTLD_NOLOAD) dlclose(lib); // SDL keeps it loaded; one loaded here stays
    return x;
}

int on_x_error(Display*, XErrorEvent* e) {
    // The window destroyed: what draws into it or moves the pointer in it
    // fails until the editor sees the window's DestroyNotify.
    if (e->error_code == BadWindow || e->error_code == BadDrawable) return 0;
    std::fprintf(stderr, "hudwright: an X request failed (error %d, request %d.%d); going on\n",
                 e->error_code, e->request_code, e->minor_code);
    return 0;
}

// Xlib's own lines about the lost connection are left out: the exit handler
// says why.
int on_io_error(Display*) {
    return 0;
}

// Must not return: the changes not saved are kept (the layout is all in
// memory) and the program ends with status 1 at once, without SDL - also when
// the run was ending already: it ends otherwise now.
void on_display_lost(Display* display, void* ed) {
    // The dead connection's descriptor is let go: the process may have no
    // other left for the file.
    close(ConnectionNumber(display));
    std::fprintf(stderr, "hudwright: ended: the connection to the display was lost\n");
    keep_unsaved_changes(*static_cast<editor*>(ed));
    std::fflush(nullptr);
    _exit(1);
}

bool x11_info(SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWMInfo(&info) == 1 && info.subsystem == SDL_SYSWM_X11 && info.info.x11.display;
}

void set_error_handlers(const xlib_calls& x) {
    if (x.set_error_handler) x.set_error_handler(on_x_error);
    // without an exit handler to say why and keep the work, Xlib's own handler stays
    if (x.set_io_error_handler && x.set_io_error_exit_handler) x.set_io_error_handler(on_io_error);
}

} // namespace

void guard_x11_errors() {
    const char* driver  = std::getenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    if ((driver && driver[0] && std::strcmp(driver, "x11") != 0) || !display || !display[0]) return;
    set_error_handlers(loaded_xlib(0));
}

void guard_display(editor& ed) {
    SDL_SysWMinfo info;
    if (!x11_info(info)) return;
    const xlib_calls x = loaded_xlib();
    set_error_handlers(x);
    // Classic SDL 1.2 draws through a second connection: whichever notices first
    if (x.set_io_error_exit_handler)
        for (Display* display : {info.info.x11.display, info.info.x11.gfxdisplay})
            if (display) x.set_io_error_exit_handler(display, on_display_lost, &ed);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void guard_connection(editor& ed, void* display) {
    const xlib_calls x = loaded_xlib();
    if (x.set_io_error_exit_handler)
        x.set_io_error_exit_handler(static_cast<Display*>(display), on_display_lost, &ed);
}

bool window_destroyed(const SDL_Event& e) {
    if (e.type != SDL_SYSWMEVENT || !e.syswm.msg || e.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& x = e.syswm.msg->event.xevent;
    SDL_SysWMinfo info;
    if (x.type != DestroyNotify || !x11_info(info)) return false;
    return x.xdestroywindow.window == info.info.x11.window ||
           x.xdestroywindow.window == info.info.x11.wmwindow;
}

#else

void guard_x11_errors() {}

void guard_display(editor&) {}

void guard_connection(editor&, void*) {}

bool window_destroyed(const SDL_Event&) {
    return false;
}

#endif
