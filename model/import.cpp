// import.cpp - the base code import: reads code lines from basecode.txt and
// sets every layout value whose RAM offset a line names.
//
// The file is read line by line; a line ends at a line feed, a carriage
// return or both. A code line is read strictly, as the export writes it:
// exactly eight hexadecimal digits (the address), one or more blanks, exactly
// four digits (the value), and nothing else but blanks before the line end;
// either case. Anything else on a line - a comment, a digit too many or too
// few, "0x", a letter past f, a second code - makes it a line with text but no
// code: skipped, counted, and never joined to the next, for a misread digit
// would move an element without a word. Lines of blanks are passed over. A
// UTF-8 byte-order mark is dropped; a file that begins with a UTF-16 one
// (Notepad's "Unicode") is read two bytes a character. Every character is
// read once, so the import ends in linear time. It reads bytes the caller
// read (no file is opened here) and never writes a home.
#include "model/import.h"

#include <utility>

namespace {

// A character beyond ASCII in a UTF-16 file: no digit, no blank, no line end.
constexpr int other_character = 0x7F;
constexpr int end_of_text     = -1;

// The file's characters, one at a time, in whichever form it is written.
class text_reader {
  public:
    text_reader(const char* text, size_t len)
        : at_(reinterpret_cast<const unsigned char*>(text)), end_(at_ + len) {
        // a byte-order mark, if any
        const size_t n = len;
        if (n >= 3 && at_[0] == 0xEF && at_[1] == 0xBB && at_[2] == 0xBF)
            at_ += 3; // UTF-8's
        else if (n >= 2 && at_[0] == 0xFF && at_[1] == 0xFE)
            form_ = utf16le, at_ += 2;
        else if (n >= 2 && at_[0] == 0xFE && at_[1] == 0xFF)
            form_ = utf16be, at_ += 2;
    }
    int get() {
        if (back_ != none) return std::exchange(back_, none);
        if (form_ == bytes) return byte();
        const int a = byte(), b = a == end_of_text ? end_of_text : byte();
        if (a == end_of_text) return end_of_text;
        if (b == end_of_text) return other_character; // a last odd byte
        const int unit = form_ == utf16le ? a | b << 8 : a << 8 | b;
        return unit < 0x80 ? unit : other_character;
    }
    void unget(int c) { back_ = c; }
    int peek() {
        back_ = get();
        return back_;
    }

  private:
    static constexpr int none = -2;
    int byte() { return at_ < end_ ? *at_++ : end_of_text; }
    const unsigned char *at_, *end_;
    enum { bytes, utf16le, utf16be } form_ = bytes;
    int back_                              = none;
};

bool is_blank(int c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool is_line_end(int c) {
    return c == '\n' || c == '\r' || c == end_of_text;
}

int hex_digit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void skip_blanks(text_reader& t) {
    int c;
    while (is_blank(c = t.get())) {
    }
    t.unget(c);
}

// Up to width hexadecimal digits, from here; how many were read. The first
// character that is no digit stays unread.
int scan_hex(text_reader& t, int width, uint32_t& out) {
    uint32_t v = 0;
    int n      = 0;
    for (int d; n < width && (d = hex_digit(t.peek())) >= 0; n++) {
        t.get();
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    out = v;
    return n;
}

enum line_kind { line_blank, line_code, line_other };

// Reads one line and applies its code; leaves its line end unread.
line_kind read_line(text_reader& t, layout& m) {
    skip_blanks(t);
    if (is_line_end(t.peek())) return line_blank;
    uint32_t address = 0, value = 0;
    const bool code = scan_hex(t, 8, address) == 8 && is_blank(t.peek()) && (skip_blanks(t), true) &&
                      scan_hex(t, 4, value) == 4 && (skip_blanks(t), is_line_end(t.peek()));
    if (code) {
        apply_code(m, normalize_offset(address), value);
        return line_code;
    }
    while (!is_line_end(t.peek())) t.get(); // the rest of a line that is no code line
    return line_other;
}

} // namespace

uint32_t normalize_offset(uint32_t address) {
    if (address > 0x80FFFFFFu) return address - 0x81000000u;  // 81xxxxxx: 16-bit write
    if (address >= 0x80000000u) return address - 0x80000001u; // 80xxxxxx: 8-bit write, odd offset
    return address;                                           // the bare offset
}

void apply_code(layout& m, uint32_t offset, uint32_t value) {
    // every entry that holds the offset takes the value: one line may set several
    for (const code_entry& c : code_table)
        if (c.offset != 0 && static_cast<uint32_t>(c.offset) == offset) set_code_value(m, c, value);
}

import_report import_base_code(const char* text, size_t len, layout& m) {
    import_report r{};
    text_reader t(text, len);
    while (t.peek() != end_of_text) {
        r.lines++;
        if (read_line(t, m) == line_other && r.skipped++ == 0) r.first_skipped = r.lines;
        // the line end: CR LF is one
        if (t.get() == '\r' && t.peek() == '\n') t.get();
    }
    return r;
}
