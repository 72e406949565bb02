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

} // namespace

TEST(manual, names_every_key_and_every_panel_control) {
#ifdef _WIN32
    const fs::path path = test_data_dir() / "docs" / "manual.adoc"; // copied by tests/windows.cmake
#else
    const fs::path path = test_data_dir().parent_path() / "docs" / "manual.adoc";
#endif
    // {plus} written out: the keys with a "+" are written kbd:[Ctrl+{plus}]
    // (a bare "++" would start a passthrough)
    const std::string manual = replaced(read_file(path.string()), "{plus}", "+");
    ASSERT_NE(manual.find("= hudwright(1)"), std::string::npos) << "no manual read";
    std::vector<std::string> forms;
    for (const key_row& row : key_table) forms.push_back("kbd:[" + std::string(label_of(row).s) + "]");
    for (const panel_row& row : panel_table) forms.push_back("[[panel-" + std::string(row.name) + "]]");
    for (const std::string& form : forms)
        EXPECT_NE(manual.find(form), std::string::npos) << "the manual has no " << form;
}

// Each key row's label stands once in --help, as a whole name in the keys'
// column ("Ctrl+Z" is not found inside "Ctrl+Shift+Z"), and no line is wider
// than a terminal's 80 columns (up to where the manual is: a folder's path
// is as long as it is).
TEST(help, lists_every_key_row_once_within_79_columns) {
    const std::string help = stderr_of([] { print_help(stderr); });
    std::istringstream lines(help);
    std::vector<std::string> names; // every name in the keys' column, split at ", "
    for (std::string line; std::getline(lines, line) && !line.starts_with("The manual");) {
        EXPECT_LE(line.size(), 79u) << line;
        if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
        const std::string column = line.substr(2, line.find("  ", 2) - 2);
        std::istringstream split(replaced(column, ", ", "\n"));
        for (std::string name; std::getline(split, name);) names.push_back(name);
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
    // the files made in a fresh folder, the program first (none: where it is
    // not known; a name ending in / is a folder), and what --help says ("@":
    // the folder)
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"build/hudwright", "build/hudwright.html", "build/hudwright.1"},
         "The manual (made from docs/manual.adoc in the sources):\n  @/build/hudwright.html\n  man -l "
         "@/build/hudwright.1\n"},
        {{"usr/bin/hudwright", "usr/share/doc/hudwright/hudwright.html"},
         "The manual: man hudwright, or @/usr/share/doc/hudwright/hudwright.html\n"},
        {{"usr/bin/hudwright", "usr/share/man/man1/hudwright.1"}, "The manual: man hudwright\n"},
        {{"build/hudwright", "build/hudwright.html/"}, "The manual: man hudwright\n"}, // a folder named so
        {{}, "The manual: man hudwright\n"},
    };
    for (auto& [files, says] : rows) {
        temp_dir dir;
        for (const std::string& f : files) {
            const fs::path p = fs::path(dir.path) / f;
            fs::create_directories(f.ends_with('/') ? p : p.parent_path());
            if (!f.ends_with('/')) write_file(p.string(), "x");
        }
        const fs::path program = files.empty() ? fs::path() : fs::path(dir.path) / files[0];
        EXPECT_EQ(manual_place(program.parent_path()), replaced(says, "@", dir.path))
            << (files.empty() ? "the program's folder not known" : files.back());
    }
}
#endif
