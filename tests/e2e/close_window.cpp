// close_window.cpp - asks a window to close the way a window manager's close
// button does: a WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. The test
// X server runs no window manager, and xdotool can only destroy windows.
//
//   close_window WINDOW-ID      (uses $DISPLAY; exit 1 when it cannot)
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close_window WINDOW-ID\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    Window w = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    XEvent e{};
    e.xclient.type         = ClientMessage;
    e.xclient.window       = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format       = 32;
    e.xclient.data.l[0]    = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1]    = CurrentTime;
    Status ok              = XSendEvent(d, w, False, NoEventMask, &e);
    XSync(d, False);
    XCloseDisplay(d);
    return ok ? 0 : 1;
}
