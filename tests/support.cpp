// support.cpp - shared helpers of the test suite.
#include "support.h"

#include "model/hex.h"
#include "model/export.h"
#include "model/import.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <random>
#include <iterator>
#include <atomic>
#ifdef _WIN32
#include <windows.h>
#else
#include <malloc.h>
#include <sys/resource.h>
#endif

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // not every compiler ships its header
extern "C" size_t __sanitizer_get_allocated_size(const volatile void* p);
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*on_malloc)(const volatile void*, size_t),
                                                         void (*on_free)(const volatile void*));
#define HUDWRIGHT_ASAN 1
#endif

namespace fs = std::filesystem;

temp_dir::temp_dir() : previous(fs::current_path().string()) {
    // a new folder in the temp folder (TMPDIR, or on Windows the user's)
    std::random_device random;
    fs::path made;
    do made = fs::temp_directory_path() / ("hudwright-test-" + std::to_string(random()));
    while (!fs::create_directory(made));
    fs::current_path(path = made.string());
}

temp_dir::~temp_dir() {
    fs::current_path(previous);
    std::error_code ec; // a test may have made the directory read-only
    fs::permissions(path, fs::perms::owner_all, ec);
    fs::remove_all(path, ec);
}

environment_kept::environment_kept(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        was.emplace_back(name, value ? value : "\x01");
    }
}

environment_kept::~environment_kept() {
    for (auto& [name, value] : was) {
#ifdef _WIN32
        _putenv_s(name.c_str(), value == "\x01" ? "" : value.c_str());
#else
        value == "\x01" ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
#endif
    }
}

std::string read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

layout home_layout() {
    layout m{};
    start_layout(m);
    return m;
}

layout imported(const std::string& text, layout m, import_report* report) {
    const import_report r = import_base_code(text.data(), text.size(), m);
    if (report) *report = r;
    return m;
}

#ifndef _WIN32
long live_heap_bytes() {
#ifdef HUDWRIGHT_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long>(mallinfo2().uordblks);
#endif
}

namespace {

#ifdef HUDWRIGHT_ASAN
// The bytes of the blocks taken since the hooks were installed, less those
// freed since (older blocks freed bring it below 0), and its most.
std::atomic<long> held{0}, most_held{0};

void on_malloc(const volatile void*, size_t n) {
    const long now = held += long(n);
    for (long most = most_held; now > most && !most_held.compare_exchange_weak(most, now);) {
    }
}

void on_free(const volatile void* p) {
    held -= long(__sanitizer_get_allocated_size(p)); // still allocated while the hook runs
}
#endif

} // namespace

long peak_memory_growth(const std::function<void()>& body) {
#ifdef HUDWRIGHT_ASAN
    static bool hooked = __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free) != 0;
    if (!hooked) return -1;
    const long start = held;
    most_held        = start;
    body();
    return most_held - start;
#else
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    body();
    getrusage(RUSAGE_SELF, &after);
    return (after.ru_maxrss - before.ru_maxrss) * 1024;
#endif
}

long open_descriptors() {
    return std::distance(fs::directory_iterator("/proc/self/fd"), {});
}

int open_temporary_files() {
    int n = 0;
    std::error_code ec;
    for (auto& e : fs::directory_iterator("/proc/self/fd"))
        n += fs::read_symlink(e.path(), ec).string().ends_with(" (deleted)");
    return n;
}
#endif

fs::path test_data_dir() {
#ifdef _WIN32
    wchar_t program[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, program, MAX_PATH);
    return fs::path(std::wstring(program, n)).parent_path() / "testdata";
#else
    return fs::path(__FILE__).parent_path();
#endif
}

namespace {

// Sets the environment variable name to value unless it is set already.
void set_env_default(const char* name, const char* value) {
#ifdef _WIN32
    if (!std::getenv(name)) _putenv_s(name, value);
#else
    setenv(name, value, 0);
#endif
}

} // namespace

bool start_headless(editor& ed, int zoom) {
    set_env_default("SDL_VIDEODRIVER", "dummy");
    set_env_default("SDL_AUDIODRIVER", "dummy");
    if (!start_up(ed, zoom)) return false;
    ed.clock.frame_delay_ms = ed.clock.screen_delay_ms = 0;
    return true;
}

bool start_editor_headless(editor& ed, int zoom) {
    if (!start_headless(ed, zoom)) return false;
    ed.clock.manual_clock = true;
    ed.clock.now_ms       = 0; // time passes only where a test says so
    start_editor_state(ed);
    return true;
}

std::string trimmed(const char* name) {
    std::string s = name;
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::vector<std::string> changes(const layout& m) {
    std::vector<std::string> out;
    auto note = [&](bool changed, const char* name, const char* what, const std::string& v) {
        if (changed) out.push_back(trimmed(name) + " " + what + "=" + v);
    };
    for (const element_row& row : element_table) {
        const SDL_Rect &p = m.elements[row.id].pos, &h = m.elements[row.id].home;
        note(p.x != h.x, row.name, "x", std::to_string(p.x));
        note(p.y != h.y, row.name, "y", std::to_string(p.y));
    }
    for (const scale_row& row : scale_table)
        note(m.scales[row.id].value != m.scales[row.id].home, row.name, "scale",
             std::to_string(m.scales[row.id].value));
    for (const color_row& row : color_table) {
        const SDL_Color &c = m.colors[row.id].value, &h = m.colors[row.id].home;
        note(c.r != h.r || c.g != h.g || c.b != h.b, row.name, "colour",
             hex_string(uint32_t(c.r << 16 | c.g << 8 | c.b), 6).s);
    }
    return out;
}

std::string picture_file(picture_kind kind, int w, int h, const std::function<Uint32(int, int)>& colour) {
    std::vector<unsigned char> rgb;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            for (int shift : {16, 8, 0}) rgb.push_back(static_cast<unsigned char>(colour(x, y) >> shift));
    std::string out;
    auto add = [](void* to, void* data, int n) {
        static_cast<std::string*>(to)->append(static_cast<char*>(data), n);
    };
    switch (kind) {
    case picture_bmp: stbi_write_bmp_to_func(add, &out, w, h, 3, rgb.data()); break;
    case picture_png: stbi_write_png_to_func(add, &out, w, h, 3, rgb.data(), w * 3); break;
    case picture_jpeg: stbi_write_jpg_to_func(add, &out, w, h, 3, rgb.data(), 95); break;
    case picture_unknown: break;
    }
    return out;
}

namespace {

// Bits into bytes from the lowest bit up, as deflate writes them.
struct bit_writer {
    std::string bytes;
    unsigned pending = 0;
    int count        = 0;
    void put(unsigned bits, int n) {
        for (int i = 0; i < n; i++) {
            pending |= (bits >> i & 1) << count;
            if (++count == 8) bytes += char(pending), pending = 0, count = 0;
        }
    }
    void code(unsigned c, int n) { // a Huffman code: its highest bit first
        for (int i = n - 1; i >= 0; i--) put(c >> i & 1, 1);
    }
    void literal(unsigned v) { v < 144 ? code(0x30 + v, 8) : code(0x190 + v - 144, 9); }
    // length bytes (3 to 258) copied from one byte back
    void repeat(int length) {
        static const int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        int k                   = 28;
        while (base[k] > length) k--;
        const int symbol = 257 + k, extra = k < 8 || k == 28 ? 0 : (k - 4) / 4;
        symbol < 280 ? code(symbol - 256, 7) : code(0xC0 + symbol - 280, 8);
        put(unsigned(length - base[k]), extra);
        code(0, 5); // distance 1
    }
};

void put32(std::string& s, uint32_t v) {
    for (int shift : {24, 16, 8, 0}) s += char(v >> shift);
}

std::string chunk(const char* type, const std::string& data) {
    uint32_t table[256];
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++) c = c & 1 ? 0xEDB88320u ^ c >> 1 : c >> 1;
        table[n] = c;
    }
    std::string s, body = type + data;
    put32(s, uint32_t(data.size()));
    uint32_t crc = 0xFFFFFFFFu;
    for (char b : body) crc = table[(crc ^ uint8_t(b)) & 0xFF] ^ crc >> 8;
    put32(body, crc ^ 0xFFFFFFFFu);
    return s + body;
}

} // namespace

std::string flat_png(int w, int h, int bits, bool alpha, Uint32 colour) {
    const int channels = alpha ? 4 : 3, bytes = bits / 8;
    std::string pixel; // the first pixel of a row, big-endian
    for (int c = 0; c < channels; c++)
        for (int b = 0; b < bytes; b++) pixel += char(c == 3 ? 0xFF : colour >> (16 - 8 * c));
    const long zeros = long(w - 1) * channels * bytes;
    bit_writer z;
    z.put(1, 1); // the last block,
    z.put(1, 2); // of fixed Huffman codes
    uint32_t a = 1, b = 0;
    for (int y = 0; y < h; y++) {
        const std::string start = '\x01' + pixel; // the filter: the difference from the left
        for (char c : start) z.literal(uint8_t(c)), a = (a + uint8_t(c)) % 65521, b = (b + a) % 65521;
        b         = uint32_t((b + uint64_t(zeros % 65521) * a) % 65521);
        long left = zeros;
        if (left > 0) z.literal(0), left--;
        while (left >= 3) {
            int n = int(std::min(left, 258L));
            if (left - n > 0 && left - n < 3) n -= 3; // never 1 or 2 left behind
            z.repeat(n);
            left -= n;
        }
        while (left-- > 0) z.literal(0);
    }
    z.code(0, 7); // the block's end
    if (z.count) z.bytes += char(z.pending);
    std::string header, deflated = "\x78\x01" + z.bytes;
    put32(deflated, b << 16 | a);
    put32(header, uint32_t(w));
    put32(header, uint32_t(h));
    header += {char(bits), char(alpha ? 6 : 2), 0, 0, 0};
    return "\x89PNG\r\n\x1A\n" + chunk("IHDR", header) + chunk("IDAT", deflated) + chunk("IEND", "");
}

Uint32 pixel_at(const SDL_Surface* s, int x, int y) {
    Uint32 v = 0; // this machine is little-endian
    std::memcpy(&v, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    return v;
}

bool same_pixels(const SDL_Surface* a, const SDL_Surface* b) {
    bool same = a->w == b->w && a->h == b->h && a->format->BitsPerPixel == b->format->BitsPerPixel;
    for (int y = 0; same && y < a->h; y++)
        same = !std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                            static_cast<const Uint8*>(b->pixels) + y * b->pitch,
                            a->w * a->format->BytesPerPixel);
    return same;
}

SDL_Surface* copy_of(SDL_Surface* s) {
    return SDL_ConvertSurface(s, s->format, SDL_SWSURFACE);
}

namespace {

// The key a script word names, or SDLK_UNKNOWN.
SDLKey named_key(const std::string& w) {
    if (w.size() == 1 && (std::isdigit(w[0]) || std::islower(w[0]) || w[0] == '=' || w[0] == '-'))
        return static_cast<SDLKey>(w[0]); // SDL 1.2's keys 0-9, a-z, = and - are their characters
    if (w.size() == 3 && w.rfind("KP", 0) == 0 && std::isdigit(w[2]))
        return static_cast<SDLKey>(SDLK_KP0 + w[2] - '0');
    static const std::map<std::string, SDLKey> names = {
        {"Right", SDLK_RIGHT},      {"Left", SDLK_LEFT},           {"Up", SDLK_UP},
        {"Down", SDLK_DOWN},        {"Escape", SDLK_ESCAPE},       {"Enter", SDLK_RETURN},
        {"KPEnter", SDLK_KP_ENTER}, {"Backspace", SDLK_BACKSPACE}, {"Tab", SDLK_TAB},
        {"Space", SDLK_SPACE},      {"LShift", SDLK_LSHIFT},       {"RShift", SDLK_RSHIFT},
        {"LCtrl", SDLK_LCTRL},      {"RCtrl", SDLK_RCTRL},         {"LAlt", SDLK_LALT},
        {"AltGr", SDLK_MODE},       {"Super", SDLK_LSUPER},        {"CapsLock", SDLK_CAPSLOCK},
        {"NumLock", SDLK_NUMLOCK}};
    const auto k = names.find(w);
    return k == names.end() ? SDLK_UNKNOWN : k->second;
}

// What a pointer word does: a press, a release, or a motion, with which button.
struct pointer_verb {
    const char* name;
    bool press, release, motion;
    Uint8 button;
};
constexpr pointer_verb pointer_verbs[] = {
    {"click", true, true, false, SDL_BUTTON_LEFT},    {"press", true, false, false, SDL_BUTTON_LEFT},
    {"release", false, true, false, SDL_BUTTON_LEFT}, {"motion", false, false, true, SDL_BUTTON_LEFT},
    {"rclick", true, true, false, SDL_BUTTON_RIGHT},  {"rpress", true, false, false, SDL_BUTTON_RIGHT}};

// verb:NAME (a control's middle) or verb@X,Y; false when w is neither.
bool push_pointer(const std::string& w, int zoom) {
    const size_t split = w.find_first_of(":@");
    if (split == std::string::npos) return false;
    const std::string verb = w.substr(0, split), where = w.substr(split + 1);
    const auto v = std::find_if(std::begin(pointer_verbs), std::end(pointer_verbs),
                                [&](const pointer_verb& p) { return verb == p.name; });
    int x = 0, y = 0;
    if (w[split] == ':') {
        const auto row = std::find_if(std::begin(panel_table), std::end(panel_table),
                                      [&](const panel_row& r) { return where == r.name; });
        if (row == std::end(panel_table)) return false;
        x = row->box.x + (row->box.w - 1) / 2;
        y = row->box.y + (row->box.h - 1) / 2;
    } else if (std::sscanf(where.c_str(), "%d,%d", &x, &y) != 2) {
        return false;
    }
    if (v == std::end(pointer_verbs)) return false;
    x = x * zoom + zoom - 1; // the last window pixel of the editor pixel's square
    y = y * zoom + zoom - 1;
    if (v->press) push_press(x, y, v->button);
    if (v->release) push_release(x, y, v->button);
    if (v->motion) push_motion(x, y);
    return true;
}

// The window's own events; false when w is none of them.
bool push_window(const std::string& w) {
    SDL_Event e{};
    int width = 0, height = 0;
    if (w == "expose")
        e.type = SDL_VIDEOEXPOSE;
    else if (w == "shown" || w == "hidden")
        e.active = {SDL_ACTIVEEVENT, Uint8(w == "shown"), SDL_APPACTIVE};
    else if (w == "focus")
        e.active = {SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS};
    else if (w == "leave")
        e.active = {SDL_ACTIVEEVENT, 0, SDL_APPMOUSEFOCUS};
    else if (std::sscanf(w.c_str(), "resize@%d,%d", &width, &height) == 2)
        e.resize = {SDL_VIDEORESIZE, width, height};
    else
        return false;
    SDL_PushEvent(&e);
    return true;
}

void push_word(std::string w, int zoom) {
    if (push_pointer(w, zoom) || push_window(w)) return;
    if (w == "quit") return push_quit();
    if (w == "release") return push_release(0, 0);
    int mod                                            = KMOD_NONE;
    static const std::pair<std::string, SDLMod> mods[] = {
        {"Shift+", KMOD_LSHIFT}, {"RShift+", KMOD_RSHIFT}, {"Ctrl+", KMOD_LCTRL}, {"RCtrl+", KMOD_RCTRL}};
    for (bool more = true; more;) {
        more = false;
        for (auto& [prefix, m] : mods)
            if (w.size() > prefix.size() && w.starts_with(prefix)) {
                mod |= m;
                w    = w.substr(prefix.size());
                more = true;
            }
    }
    if (const SDLKey k = named_key(w); k != SDLK_UNKNOWN) return push_key(k, static_cast<SDLMod>(mod));
    throw std::invalid_argument("no such script word: " + w); // fails the test that wrote it
}

} // namespace

void push_script(const std::string& script, int zoom) {
    std::istringstream words(script);
    for (std::string w; words >> w;) push_word(w, zoom);
}

void push_key(SDLKey key, SDLMod mod) {
    SDL_Event e{.key = {SDL_KEYDOWN, 0, SDL_PRESSED, {0, key, mod, 0}}};
    SDL_PushEvent(&e);
}

void push_quit() {
    SDL_Event e{SDL_QUIT};
    SDL_PushEvent(&e);
}

static void push_button(Uint8 type, Uint8 state, int x, int y, Uint8 button) {
    SDL_Event e{.button = {type, 0, button, state, Uint16(x), Uint16(y)}};
    SDL_PushEvent(&e);
}

void push_press(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONDOWN, SDL_PRESSED, x, y, button);
}

void push_release(int x, int y, Uint8 button) {
    push_button(SDL_MOUSEBUTTONUP, SDL_RELEASED, x, y, button);
}

void push_motion(int x, int y) {
    SDL_Event e{.motion = {SDL_MOUSEMOTION, 0, 0, Uint16(x), Uint16(y), 0, 0}};
    SDL_PushEvent(&e);
}

std::string codes_of(const layout& m) {
    char text[export_capacity];
    return std::string(text, format_codes(m, text, sizeof text));
}
