// clipboard_manager.cpp - a clipboard manager as small as e2e_codes needs,
// speaking freedesktop's CLIPBOARD_MANAGER handshake the way GNOME's does:
// asked to save (SAVE_TARGETS), it reads the targets the program lists, fetches
// them from CLIPBOARD in one MULTIPLE request, with a target nobody has beside
// them, answers the program, then owns CLIPBOARD itself with the text it took.
//
//   clipboard_manager OUT       prints "ready" once it owns CLIPBOARD_MANAGER;
//                               after a hand-over writes the UTF8_STRING text
//                               to OUT (or "broken: WHY" when the program's
//                               answers were wrong), then serves UTF8_STRING
//                               and TARGETS until it is ended
//   clipboard_manager --silent  owns CLIPBOARD_MANAGER and never answers
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

Display* d;
Window self;

Atom atom(const char* name) {
    return XInternAtom(d, name, False);
}

// A property of w: its type, format and items (longs for format 32).
struct property {
    Atom type  = None;
    int format = 0;
    std::string bytes;
    std::vector<long> items;
};
property read_property(Window w, Atom p) {
    property r;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, p, 0, 65536, False, AnyPropertyType, &r.type, &r.format, &n, &after,
                           &data) != Success ||
        !data)
        return r;
    if (r.format == 8) r.bytes.assign(reinterpret_cast<char*>(data), n);
    if (r.format == 32) r.items.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + n);
    XFree(data);
    return r;
}

template <class Pred> XEvent wait_for(Pred pred) {
    XEvent e;
    do XNextEvent(d, &e);
    while (!pred(e));
    return e;
}

// Answers r: what was asked for is in property, or (None) refused.
void answer(const XSelectionRequestEvent& r, Atom property) {
    XEvent e{};
    e.xselection = {SelectionNotify, 0, True, d, r.requestor, r.selection, r.target, property, r.time};
    XSendEvent(d, r.requestor, False, NoEventMask, &e);
    XFlush(d);
}

// Fetches the program's CLIPBOARD through MULTIPLE; "" and why on failure.
std::string fetch(Window program, Atom listed_in, std::string& why) {
    const Atom utf8 = atom("UTF8_STRING"), targets = atom("TARGETS"), multiple = atom("MULTIPLE");
    const property asked = read_property(program, listed_in);
    if (listed_in != None && !std::ranges::count(asked.items, long(utf8)))
        return why = "UTF8_STRING not among the targets to save", "";
    const Atom into[] = {atom("M_UTF8"), atom("M_STRING"), atom("M_TARGETS"), atom("M_NONE")};
    // each target asked for, and the property it is to go in
    const long pairs[4][2] = {{long(utf8), long(into[0])},
                              {long(XA_STRING), long(into[1])},
                              {long(targets), long(into[2])},
                              {long(atom("NO_SUCH_TARGET")), long(into[3])}};
    const Atom pairs_at    = atom("M_PAIRS");
    XChangeProperty(d, self, pairs_at, atom("ATOM_PAIR"), 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(pairs), 8);
    XConvertSelection(d, atom("CLIPBOARD"), multiple, pairs_at, self, CurrentTime);
    const XEvent n = wait_for([](const XEvent& e) { return e.type == SelectionNotify; });
    if (n.xselection.property != pairs_at) return why = "MULTIPLE refused", "";
    const property back = read_property(self, pairs_at), text = read_property(self, into[0]),
                   latin = read_property(self, into[1]), list = read_property(self, into[2]);
    if (back.items.size() != 8 || back.items[7] != None || back.items[1] != long(into[0]))
        return why = "the pairs written back do not mark the unknown target alone", "";
    if (text.type != utf8 || latin.type != XA_STRING || text.bytes != latin.bytes)
        return why = "UTF8_STRING and STRING differ", "";
    if (list.type != XA_ATOM || !std::ranges::count(list.items, long(utf8)) ||
        !std::ranges::count(list.items, long(XA_STRING)))
        return why = "TARGETS lists no text", "";
    return text.bytes;
}

void serve(const std::string& text, const XSelectionRequestEvent& r) {
    const Atom utf8 = atom("UTF8_STRING"), targets = atom("TARGETS");
    const long list[] = {long(targets), long(utf8)};
    if (r.target == utf8)
        XChangeProperty(d, r.requestor, r.property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
    if (r.target == targets)
        XChangeProperty(d, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(list), 2);
    answer(r, r.target == utf8 || r.target == targets ? r.property : None);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !(d = XOpenDisplay(nullptr))) return 2;
    const bool silent  = std::strcmp(argv[1], "--silent") == 0;
    self               = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    const Atom manager = atom("CLIPBOARD_MANAGER"), save = atom("SAVE_TARGETS");
    XSetSelectionOwner(d, manager, self, CurrentTime);
    if (XGetSelectionOwner(d, manager) != self) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    const XEvent asked = wait_for(
        [&](const XEvent& e) { return e.type == SelectionRequest && e.xselectionrequest.target == save; });
    if (silent)
        for (;;) wait_for([](const XEvent&) { return false; });
    const XSelectionRequestEvent r = asked.xselectionrequest;
    std::string why, text = fetch(r.requestor, r.property, why);
    if (std::FILE* out = std::fopen(argv[1], "wb")) {
        const std::string said = why.empty() ? text : "broken: " + why + "\n";
        std::fwrite(said.data(), 1, said.size(), out);
        std::fclose(out);
    }
    answer(r, r.property);
    XSetSelectionOwner(d, atom("CLIPBOARD"), self, CurrentTime);
    XFlush(d);
    for (;;) {
        const XEvent e = wait_for([](const XEvent& e) { return e.type == SelectionRequest; });
        serve(text, e.xselectionrequest);
    }
}
