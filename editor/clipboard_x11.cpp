// clipboard_x11.cpp - the clipboard on X11 (see clipboard.h): a connection of
// the program's own, opened at the first copy with the libX11 that SDL
// loaded, whose unmapped window owns CLIPBOARD and answers for it.
//
// The answers follow the ICCCM: a request for another selection, for a time
// before the window took it, or after it was lost, is refused (SelectionNotify
// with no property); a requestor that names no property gets the target as
// its property; MULTIPLE converts each pair of its list and marks those it
// cannot. The text is never larger than a request (no INCR). The hand-over
// is freedesktop's: CLIPBOARD_MANAGER converted to SAVE_TARGETS, with the
// targets to save listed on the window, then the manager's own requests served
// until it answers or hand_over_ms have passed.
#include "editor/clipboard.h"
#include "editor/state.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11) && !defined(_WIN32)

#include "editor/display_guard.h"

#include <X11/Xatom.h>
#include <chrono>
#include <dlfcn.h>
#include <poll.h>

namespace {

struct atom_row {
    clip_atom atom;
    const char* name;
};
// clang-format off
constexpr atom_row atom_names[] = {
    {atom_clipboard,    "CLIPBOARD"},
    {atom_targets,      "TARGETS"},
    {atom_multiple,     "MULTIPLE"},
    {atom_timestamp,    "TIMESTAMP"},
    {atom_utf8_string,  "UTF8_STRING"},
    {atom_text,         "TEXT"},
    {atom_atom_pair,    "ATOM_PAIR"},
    {atom_manager,      "CLIPBOARD_MANAGER"},
    {atom_save_targets, "SAVE_TARGETS"},
    {atom_time_mark,    "HUDWRIGHT_TIME"},
    {atom_save_list,    "HUDWRIGHT_SAVE_TARGETS"},
};
// clang-format on
static_assert(std::size(atom_names) == clip_atom_count);
constexpr bool atoms_in_order() {
    for (int i = 0; i < clip_atom_count; i++)
        if (atom_names[i].atom != i) return false;
    return true;
}
static_assert(atoms_in_order(), "one name for every clip_atom, in its order");

// How long the copy waits for the server's time before it takes the
// selection at CurrentTime instead.
constexpr int server_time_ms = 1000;

// Xlib's calls, from the libX11 that SDL loaded.
struct xlib {
    decltype(&XOpenDisplay) open_display;
    decltype(&XCloseDisplay) close_display;
    decltype(&XInternAtoms) intern_atoms;
    decltype(&XCreateSimpleWindow) create_simple_window;
    decltype(&XSelectInput) select_input;
    decltype(&XChangeProperty) change_property;
    decltype(&XGetWindowProperty) get_window_property;
    decltype(&XFree) free;
    decltype(&XSetSelectionOwner) set_selection_owner;
    decltype(&XGetSelectionOwner) get_selection_owner;
    decltype(&XConvertSelection) convert_selection;
    decltype(&XSendEvent) send_event;
    decltype(&XPending) pending;
    decltype(&XNextEvent) next_event;
    decltype(&XFlush) flush;
    bool ok;
};

template <class F> void find(void* lib, F& f, const char* name, bool& ok) {
    f  = reinterpret_cast<F>(dlsym(lib, name));
    ok = ok && f;
}

xlib calls(void* lib) {
    xlib x{};
    x.ok = lib != nullptr;
    if (!lib) return x;
    find(lib, x.open_display, "XOpenDisplay", x.ok);
    find(lib, x.close_display, "XCloseDisplay", x.ok);
    find(lib, x.intern_atoms, "XInternAtoms", x.ok);
    find(lib, x.create_simple_window, "XCreateSimpleWindow", x.ok);
    find(lib, x.select_input, "XSelectInput", x.ok);
    find(lib, x.change_property, "XChangeProperty", x.ok);
    find(lib, x.get_window_property, "XGetWindowProperty", x.ok);
    find(lib, x.free, "XFree", x.ok);
    find(lib, x.set_selection_owner, "XSetSelectionOwner", x.ok);
    find(lib, x.get_selection_owner, "XGetSelectionOwner", x.ok);
    find(lib, x.convert_selection, "XConvertSelection", x.ok);
    find(lib, x.send_event, "XSendEvent", x.ok);
    find(lib, x.pending, "XPending", x.ok);
    find(lib, x.next_event, "XNextEvent", x.ok);
    find(lib, x.flush, "XFlush", x.ok);
    return x;
}

Display* display_of(const clipboard& c) {
    return static_cast<Display*>(c.display);
}

Atom atom(const clipboard& c, clip_atom a) {
    return c.atoms[a];
}

// The text, or what else the target asks for, in the requestor's property;
// false for a target there is no answer to.
bool convert(const xlib& x, const clipboard& c, Window to, Atom target, Atom property) {
    Display* d  = display_of(c);
    auto put_32 = [&](Atom type, const long* data, int n) {
        x.change_property(d, to, property, type, 32, PropModeReplace,
                          reinterpret_cast<const unsigned char*>(data), n);
    };
    auto put_text = [&](Atom type) {
        x.change_property(d, to, property, type, 8, PropModeReplace,
                          reinterpret_cast<const unsigned char*>(c.text), static_cast<int>(c.length));
    };
    if (target == atom(c, atom_targets)) {
        const long targets[] = {static_cast<long>(atom(c, atom_targets)),
                                static_cast<long>(atom(c, atom_multiple)),
                                static_cast<long>(atom(c, atom_timestamp)),
                                static_cast<long>(atom(c, atom_utf8_string)),
                                static_cast<long>(XA_STRING),
                                static_cast<long>(atom(c, atom_text))};
        put_32(XA_ATOM, targets, static_cast<int>(std::size(targets)));
    } else if (target == atom(c, atom_timestamp)) {
        const long since = static_cast<long>(c.since);
        put_32(XA_INTEGER, &since, 1);
    } else if (target == atom(c, atom_utf8_string)) {
        put_text(atom(c, atom_utf8_string));
    } else if (target == XA_STRING || target == atom(c, atom_text)) {
        put_text(XA_STRING); // the codes are ASCII: Latin-1 alike
    } else {
        return false;
    }
    return true;
}

// MULTIPLE: the requestor's property lists pairs of a target and a property;
// each is converted, and a pair that cannot be has its property replaced by
// None in the list written back.
bool convert_multiple(const xlib& x, const clipboard& c, Window to, Atom property) {
    Display* d      = display_of(c);
    Atom type       = None;
    int format      = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    if (x.get_window_property(d, to, property, 0, 1024, False, AnyPropertyType, &type, &format, &n, &after,
                              &data) != Success ||
        !data)
        return false;
    const bool pairs = format == 32 && n % 2 == 0;
    long* list       = reinterpret_cast<long*>(data); // format 32 comes as longs
    for (unsigned long i = 0; pairs && i < n; i += 2) {
        const Atom target = static_cast<Atom>(list[i]), into = static_cast<Atom>(list[i + 1]);
        if (target == atom(c, atom_multiple) || into == None || !convert(x, c, to, target, into))
            list[i + 1] = None;
    }
    if (pairs) x.change_property(d, to, property, type, 32, PropModeReplace, data, static_cast<int>(n));
    x.free(data);
    return pairs;
}

void answer(const xlib& x, const clipboard& c, const XSelectionRequestEvent& r) {
    XEvent reply{};
    XSelectionEvent& n = reply.xselection;
    n.type             = SelectionNotify;
    n.display          = r.display;
    n.requestor        = r.requestor;
    n.selection        = r.selection;
    n.target           = r.target;
    n.time             = r.time;
    n.property         = None;
    const bool ours    = c.owned && r.owner == c.window && r.selection == atom(c, atom_clipboard) &&
                      (r.time == CurrentTime || r.time >= c.since);
    // a requestor that names no property (an obsolete one) gets the target
    const Atom property = r.property != None ? r.property : r.target;
    if (ours && (r.target == atom(c, atom_multiple)
                     ? r.property != None && convert_multiple(x, c, r.requestor, property)
                     : convert(x, c, r.requestor, r.target, property)))
        n.property = property;
    x.send_event(display_of(c), r.requestor, False, NoEventMask, &reply);
}

void handle(const xlib& x, clipboard& c, const XEvent& e) {
    if (e.type == SelectionRequest)
        answer(x, c, e.xselectionrequest);
    else if (e.type == SelectionClear && e.xselectionclear.window == c.window &&
             e.xselectionclear.selection == atom(c, atom_clipboard))
        c.owned = false; // another program copied: given up
}

// Serves the connection's events until `done` takes one (true), or until ms
// have passed (false).
template <class Done> bool serve_until(const xlib& x, clipboard& c, int ms, Done done) {
    using clock      = std::chrono::steady_clock;
    const auto until = clock::now() + std::chrono::milliseconds(ms);
    Display* d       = display_of(c);
    for (;;) {
        while (x.pending(d) > 0) {
            XEvent e;
            x.next_event(d, &e);
            if (done(e)) return true;
            handle(x, c, e);
        }
        x.flush(d);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - clock::now()).count();
        if (left <= 0) return false;
        pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left)); // a signal's EINTR: round again
    }
}

// The server's time now: an empty append to a property of the window, whose
// PropertyNotify carries it (CurrentTime if it does not come).
Time server_time(const xlib& x, clipboard& c) {
    x.change_property(display_of(c), c.window, atom(c, atom_time_mark), XA_STRING, 8, PropModeAppend, nullptr,
                      0);
    Time t = CurrentTime;
    serve_until(x, c, server_time_ms, [&](const XEvent& e) {
        if (e.type != PropertyNotify || e.xproperty.window != c.window ||
            e.xproperty.atom != atom(c, atom_time_mark))
            return false;
        t = e.xproperty.time;
        return true;
    });
    return t;
}

// The connection and its window, at the first copy; null, or why not.
const char* connect(editor& ed) {
    clipboard& c = ed.codes.clip;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display)
        return "the window is on no X11 display";
    void* lib    = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD); // SDL's; held until the connection closes
    const xlib x = calls(lib);
    if (!x.ok) {
        if (lib) dlclose(lib);
        return "libX11 is not loaded";
    }
    Display* d = x.open_display(DisplayString(info.info.x11.display));
    if (!d) {
        dlclose(lib);
        return "the X server took no second connection";
    }
    c.library = lib;
    c.display = d;
    guard_connection(ed, d);
    c.window = x.create_simple_window(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
    x.select_input(d, c.window, PropertyChangeMask);
    char* names[clip_atom_count];
    for (const atom_row& row : atom_names) names[row.atom] = const_cast<char*>(row.name);
    Atom atoms[clip_atom_count] = {};
    x.intern_atoms(d, names, clip_atom_count, False, atoms);
    for (int i = 0; i < clip_atom_count; i++) c.atoms[i] = atoms[i];
    return nullptr;
}

} // namespace

const char* put_on_clipboard(editor& ed) {
    clipboard& c = ed.codes.clip;
    if (!c.display)
        if (const char* why = connect(ed)) return why;
    const xlib x = calls(c.library);
    Display* d   = display_of(c);
    const Time t = server_time(x, c);
    x.set_selection_owner(d, atom(c, atom_clipboard), c.window, t);
    c.owned = x.get_selection_owner(d, atom(c, atom_clipboard)) == c.window;
    c.since = t;
    x.flush(d);
    return c.owned ? nullptr : "the X server gave the clipboard to another program";
}

void serve_clipboard(clipboard& c) {
    if (!c.display) return;
    const xlib x = calls(c.library);
    serve_until(x, c, 0, [](const XEvent&) { return false; });
}

void hand_over_clipboard(clipboard& c) {
    if (c.display && c.owned) {
        const xlib x = calls(c.library);
        Display* d   = display_of(c);
        if (x.get_selection_owner(d, atom(c, atom_manager)) != None) {
            const long save[] = {static_cast<long>(atom(c, atom_utf8_string)), static_cast<long>(XA_STRING)};
            x.change_property(d, c.window, atom(c, atom_save_list), XA_ATOM, 32, PropModeReplace,
                              reinterpret_cast<const unsigned char*>(save),
                              static_cast<int>(std::size(save)));
            x.convert_selection(d, atom(c, atom_manager), atom(c, atom_save_targets), atom(c, atom_save_list),
                                c.window, CurrentTime);
            serve_until(x, c, hand_over_ms, [&](const XEvent& e) {
                return e.type == SelectionNotify && e.xselection.selection == atom(c, atom_manager);
            });
        }
    }
    close_clipboard(c);
}

void close_clipboard(clipboard& c) {
    if (!c.display) return;
    calls(c.library).close_display(display_of(c));
    dlclose(c.library);
    c.display = nullptr;
    c.library = nullptr;
    c.owned   = false;
}

#elif !defined(_WIN32)

// Neither X11 nor Windows: no clipboard.
const char* put_on_clipboard(editor&) {
    return "this build knows no clipboard";
}
void serve_clipboard(clipboard&) {}
void hand_over_clipboard(clipboard&) {}
void close_clipboard(clipboard&) {}

#endif
