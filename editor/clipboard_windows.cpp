// clipboard_windows.cpp - the clipboard on Windows (see clipboard.h): the
// text with CR LF line ends as CF_UNICODETEXT, owned by SDL's window. Windows
// keeps it when the program ends, so there is nothing to serve or hand over.
#include "editor/clipboard.h"
#include "editor/state.h"

#ifdef _WIN32

#include <SDL_syswm.h>
#include <cstring>
#include <windows.h>

namespace {

// Another program may hold the clipboard open for a moment.
constexpr int open_tries    = 10;
constexpr DWORD open_try_ms = 10;

} // namespace

const char* put_on_clipboard(editor& ed) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || !info.window) return "the program has no window";
    const std::u16string text = windows_text(ed.codes.clip.text, ed.codes.clip.length);
    const size_t bytes        = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory            = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* at                  = memory ? GlobalLock(memory) : nullptr;
    if (!at) {
        if (memory) GlobalFree(memory);
        return "no memory for the text";
    }
    std::memcpy(at, text.c_str(), bytes);
    GlobalUnlock(memory);
    bool open = false;
    for (int i = 0; i < open_tries && !(open = OpenClipboard(info.window)); i++) Sleep(open_try_ms);
    if (!open) {
        GlobalFree(memory);
        return "another program holds the clipboard";
    }
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr; // the clipboard's memory now
    CloseClipboard();
    if (!taken) {
        GlobalFree(memory);
        return "the clipboard refused the text";
    }
    return nullptr;
}

void serve_clipboard(clipboard&) {}
void hand_over_clipboard(clipboard&) {}
void close_clipboard(clipboard&) {}

#endif
