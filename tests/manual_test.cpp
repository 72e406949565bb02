// manual_test.cpp - the user's texts against the tables they describe: the
// manual (docs/manual.adoc) names every row of the key table as kbd:[LABEL]
// and has the anchor [[panel-NAME]] of every panel control (the forms
// docs/HACKING.md gives); --help lists every key row within its width; and
// --help's last line names the manual where it is.
#include "editor/keys.h"
#include "editor/panel.h"
#include "program/options.h"
#include "support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// text with every from written as to.
std::string replaced(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(from, at)) != std::string::npos; at = next + from.size())
        out.append(text, at, next - at).append(to);
    return out.append(text, at);
}

// The manual's source with {plus} written out: the keys with a "+" are
// written kbd:[Ctrl+{plus}] (a bare "++" would start a passthrough).
std::string manual_source() {
#ifdef _WIN32
    const fs::path path = test_data_dir() / "docs" / "manual.adoc"; // copied by tests/windows.cmake
#else
    const fs::path path = test_data_dir().parent_path() / "docs" / "manual.adoc";
#endif
    return replaced(read_file(path.string()), "{plus}", "+");
}

std::string help_text() {
    std::FILE* f = std::tmpfile();
    if (!f) return {};
    print_help(f);
    std::string text(static_cast<std::size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    text.resize(std::fread(text.data(), 1, text.size(), f));
    std::fclose(f);
    return text;
}

} // namespace

TEST(manual, names_every_key_and_every_panel_control) {
    const std::string manual = manual_source();
    ASSERT_NE(manual.find("= hudwright(1)"), std::string::npos) << "no manual read";
    for (const key_row& row : key_table) {
        const std::string form = "kbd:[" + std::string(label_of(row).s) + "]";
        EXPECT_NE(manual.find(form), std::string::npos) << "the manual names no " << form;
    }
    for (const panel_row& row : panel_table) {
        const std::string form = "[[panel-" + std::string(row.name) + "]]";
        EXPECT_NE(manual.find(form), std::string::npos) << "the manual has no " << form;
    }
}

// Each key row's label stands once in --help, as a whole name in the keys'
// column ("Ctrl+Z" is not found inside "Ctrl+Shift+Z"), and no line is wider
// than a terminal's 80 columns (up to where the manual is: a folder's path
// is as long as it is).
TEST(help, lists_every_key_row_once_within_79_columns) {
    const std::string help = help_text();
    std::istringstream lines(help);
    std::vector<std::string> names; // every name in the keys' column, split at ", "
    for (std::string line; std::getline(lines, line) && !line.starts_with("The manual");) {
        EXPECT_LE(line.size(), 79u) << line;
        if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
        const std::string column = line.substr(2, line.find("  ", 2) - 2);
        for (std::size_t from = 0;;) {
            const std::size_t comma = column.find(", ", from);
            names.push_back(column.substr(from, comma - from));
            if (comma == std::string::npos) break;
            from = comma + 2;
        }
    }
    for (const key_row& row : key_table)
        EXPECT_EQ(std::count(names.begin(), names.end(), label_of(row).s), 1) << label_of(row).s << " in\n"
                                                                              << help;
}

#ifndef _WIN32 // Windows' --help names the HTML beside hudwright.exe, where the zip puts it
// Where --help sends the reader: the manual beside the program (a build
// folder), the installed manual page and the HTML of the installation, or
// the manual page alone.
TEST(help, names_the_manual_where_it_is) {
    struct row {
        const char* what;
        std::vector<const char*> files; // made in a fresh folder; a name ending in / is a folder
        const char* program_dir;        // in that folder; null: not known
        const char* says;               // "@" stands for the fresh folder
    };
    const row rows[] = {
        {"a build folder",
         {"build/hudwright", "build/hudwright.html", "build/hudwright.1"},
         "build",
         "The manual (made from docs/manual.adoc in the sources):\n  @/build/hudwright.html\n  man -l "
         "@/build/hudwright.1\n"},
        {"installed with its HTML",
         {"usr/bin/hudwright", "usr/share/doc/hudwright/hudwright.html"},
         "usr/bin",
         "The manual: man hudwright, or @/usr/share/doc/hudwright/hudwright.html\n"},
        {"installed without",
         {"usr/bin/hudwright", "usr/share/man/man1/hudwright.1"},
         "usr/bin",
         "The manual: man hudwright\n"},
        {"a folder named like the manual",
         {"build/hudwright", "build/hudwright.html/"},
         "build",
         "The manual: man hudwright\n"},
        {"where the program is not known", {}, nullptr, "The manual: man hudwright\n"},
    };
    for (const row& r : rows) {
        temp_dir dir;
        for (const char* f : r.files) {
            const fs::path p = fs::path(dir.path) / f;
            fs::create_directories(std::string(f).ends_with('/') ? p : p.parent_path());
            if (!std::string(f).ends_with('/')) write_file(p.string(), "x");
        }
        const std::string want = replaced(r.says, "@", dir.path);
        EXPECT_EQ(manual_place(r.program_dir ? fs::path(dir.path) / r.program_dir : fs::path()), want)
            << r.what;
    }
}
#endif
