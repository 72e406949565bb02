#!/bin/sh
# zip_check.sh ZIP VERSION - the Windows zip as a user gets it: one folder with
# hudwright.exe, the manual (hudwright.html), README.txt and LICENSE.txt,
# nothing else; the program is a windowed 64-bit one that imports only DLLs
# every Windows has; the two texts have Windows line ends, the README and the
# manual name the version, the README the manual, and the licence SDL's and
# stb_image's.
set -eu
zip=$1 version=$2
name=$(basename "$zip" .zip)
fail() { echo "FAIL: $*" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
got=$(cd "$dir" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
[ "$got" = "./$name/LICENSE.txt ./$name/README.txt ./$name/hudwright.exe ./$name/hudwright.html " ] || fail "the zip holds $got"
exe="$dir/$name/hudwright.exe"
head=$(x86_64-w64-mingw32-objdump -p "$exe")
echo "$head" | grep -q '^Subsystem.*(Windows GUI)' || fail "hudwright.exe is no windowed program"
echo "$head" | grep -q '^Magic.*020b' || fail "hudwright.exe is no 64-bit program"
dlls=$(echo "$head" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
other=$(echo $dlls | tr ' ' '\n' | grep -vxE '(advapi32|gdi32|kernel32|msvcrt|user32|winmm|shell32|ole32)\.dll') &&
    fail "hudwright.exe needs $other (all it needs: $dlls)"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q ' \.debug_' && fail "hudwright.exe is not stripped"
for t in README.txt LICENSE.txt; do
    [ "$(tr -cd '\n' <"$dir/$name/$t" | wc -c)" = "$(tr -cd '\r' <"$dir/$name/$t" | wc -c)" ] ||
        fail "$t has lines without CR LF"
done
grep -q "^Hudwright $version for Windows" "$dir/$name/README.txt" || fail "README.txt does not name version $version"
grep -q "hudwright.html in this folder" "$dir/$name/README.txt" || fail "README.txt does not point to the manual"
grep -q "<title>hudwright(1)" "$dir/$name/hudwright.html" && grep -q "The manual of Hudwright $version," "$dir/$name/hudwright.html" ||
    fail "hudwright.html is not the manual of version $version"
grep -q "GNU LESSER GENERAL PUBLIC LICENSE" "$dir/$name/LICENSE.txt" || fail "LICENSE.txt lacks SDL's LGPL"
grep -q "ALTERNATIVE A - MIT License" "$dir/$name/LICENSE.txt" || fail "LICENSE.txt lacks stb_image's licence"
echo "PASS: $name.zip"
