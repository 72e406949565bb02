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
// read once, so the import ends in linear time. It does not open or close the
// file and never writes a home.
#include "model/import.h"

#include <cerrno>
#include <utility>

namespace {

// A character beyond ASCII in a UTF-16 file: no digit, no blank, no line end.
constexpr int other_character = 0x7F;

// The file's characters, one at a time, in whichever form it is written.
class text_reader {
  public:
    explicit text_reader(FILE* in) : in_(in) {
        // a byte-order mark, if any: up to three bytes read ahead, and those
        // that are no mark read again
        auto ahead = [&] {
            const int c = std::getc(in_);
            if (c != EOF) start_[ahead_++] = static_cast<unsigned char>(c);
            return c;
        };
        const int first = ahead();
        if (first == 0xEF || first == 0xFF || first == 0xFE) ahead();
        if (first == 0xEF && ahead_ == 2 && start_[1] == 0xBB) ahead();
        if (ahead_ == 2 && first == 0xFF && start_[1] == 0xFE) form_ = utf16le, next_ = 2;
        if (ahead_ == 2 && first == 0xFE && start_[1] == 0xFF) form_ = utf16be, next_ = 2;
        if (ahead_ == 3 && start_[2] == 0xBF) next_ = 3; // EF BB BF: UTF-8's
    }
    int get() {
        if (back_ != none) return std::exchange(back_, none);
        if (form_ == bytes) return byte();
        const int a = byte(), b = a == EOF ? EOF : byte();
        if (a == EOF) return EOF;
        if (b == EOF) return other_character; // a last odd byte
        const int unit = form_ == utf16le ? a | b << 8 : a << 8 | b;
        return unit < 0x80 ? unit : other_character;
    }
    void unget(int c) { back_ = c; }
    int peek() {
        back_ = get();
        return back_;
    }
    int error() const { return error_; }

  private:
    static constexpr int none = -2;
    int byte() {
        if (next_ < ahead_) return start_[next_++];
        const int c = std::getc(in_);
        if (c == EOF && std::ferror(in_) && !error_) error_ = errno ? errno : EIO;
        return c;
    }
    FILE* in_;
    enum { bytes, utf16le, utf16be } form_ = bytes;
    unsigned char start_[3]                = {};
    int ahead_ = 0, next_ = 0, back_ = none, error_ = 0;
};

bool is_blank(int c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool is_line_end(int c) {
    return c == '\n' || c == '\r' || c == EOF;
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

import_report import_base_code(FILE* in, layout& m) {
    import_report r{};
    if (!in) return r;
    text_reader t(in);
    while (t.peek() != EOF) {
        r.lines++;
        if (read_line(t, m) == line_other && r.skipped++ == 0) r.first_skipped = r.lines;
        // the line end: CR LF is one
        if (t.get() == '\r' && t.peek() == '\n') t.get();
    }
    r.error = t.error() ? t.error() : std::ferror(in) ? EIO : 0;
    return r;
}
