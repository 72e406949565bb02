// import.cpp - the base code import: reads "%08X %04X" code lines from
// basecode.txt and sets every layout value whose RAM offset a line names.
//
// The scanner is the scan format's own, written out so that it can recover:
// field 1 is up to eight hexadecimal digits after any white space, then any
// white space (possibly none), field 2 up to four digits, then any white space.
// An overlong field leaves its further digits to start the next field. A line
// that cannot be read whole (a comment, a stray word, a truncated last line)
// is skipped to its end and nothing of it is applied; every failed read moves
// on by at least one character, so the import always ends in linear time.
// It does not open or close the file and never writes a home.
#include "model/import.h"

namespace {

bool is_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int hex_digit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Skips white space; the first other character stays unread.
void skip_space(FILE* in) {
    int c;
    while ((c = std::getc(in)) != EOF && is_space(c)) {
    }
    if (c != EOF) std::ungetc(c, in);
}

// Reads up to width hexadecimal digits after any white space. False, with
// nothing of the field consumed but white space, when no digit comes.
bool scan_hex(FILE* in, int width, uint32_t& out) {
    skip_space(in);
    uint32_t v = 0;
    int n      = 0;
    while (n < width) {
        int c = std::getc(in);
        int d = hex_digit(c);
        if (d < 0) {
            if (c != EOF) std::ungetc(c, in);
            break;
        }
        v = (v << 4) | static_cast<uint32_t>(d);
        n++;
    }
    out = v;
    return n > 0;
}

// Drops the rest of the line; a carriage return ends a line too.
void skip_line(FILE* in) {
    int c;
    while ((c = std::getc(in)) != EOF && c != '\n' && c != '\r') {
    }
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

void import_base_code(FILE* in, layout& m) {
    if (!in) return;
    while (!std::feof(in) && !std::ferror(in)) {
        uint32_t address = 0, value = 0;
        if (!scan_hex(in, 8, address) || !scan_hex(in, 4, value)) {
            skip_line(in);
            continue;
        }
        apply_code(m, normalize_offset(address), value);
        skip_space(in); // the line end; meets end of file after the last line
    }
}
