// read_clipboard.cpp - another Windows program reading the clipboard, for
// e2e_codes under Wine: what hudwright.exe put there as CF_UNICODETEXT, byte
// for byte on standard output (each character below 128 as itself, any other
// as '?'), line ends and all. Status 1 when the clipboard holds no text.
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

int main() {
    _setmode(_fileno(stdout), _O_BINARY); // CR LF as they are
    if (!OpenClipboard(nullptr)) return 1;
    HANDLE text      = GetClipboardData(CF_UNICODETEXT);
    const auto* wide = text ? static_cast<const wchar_t*>(GlobalLock(text)) : nullptr;
    for (const wchar_t* c = wide; c && *c; c++) std::putchar(*c < 128 ? static_cast<char>(*c) : '?');
    if (wide) GlobalUnlock(text);
    CloseClipboard();
    return wide ? 0 : 1;
}
