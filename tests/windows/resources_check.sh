#!/bin/sh
# resources_check.sh ZIP VERSION ICONS - what hudwright.exe in the zip holds
# besides its code, read out of it as Windows reads it (icoutils' wrestool):
# - its icon, the only one, named SDL_app (SDL's window class loads it by that
#   name), at 16 to 256 pixels, its 32x32 and 48x48 pixel for pixel the desktop
#   icons in ICONS (desktop/icons, which the install check proves are the
#   artwork's): one drawing, not a copy;
# - its version information, the fixed numbers and the file's and product's
#   version texts all VERSION;
# - its manifest, well-formed, with the version, per-monitor DPI awareness
#   (PerMonitorV2 falling back to PerMonitor, and true/pm for earlier Windows)
#   and no elevation.
# Prints what it found; fails on the first that is missing or wrong.
set -eu
zip=$1 version=$2 icons=$3
name=$(basename "$zip" .zip)
fail() { echo "FAIL: $*" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
exe="$dir/$name/hudwright.exe"
[ -f "$exe" ] || fail "no hudwright.exe in $zip"
list=$(wrestool -l "$exe") || fail "wrestool cannot read the resources of hudwright.exe"
echo "$list"

# ---- the icon --------------------------------------------------------------------
[ "$(echo "$list" | grep -c -- '--type=14 ')" = 1 ] || fail "hudwright.exe holds no icon, or more than one"
echo "$list" | grep -qi -- "--type=14 --name='SDL_app'" || fail "the icon is not named SDL_app, so the window does not show it"
wrestool -x -t14 -o "$dir/exe.ico" "$exe" || fail "cannot extract the icon"
sizes=$(icotool -l "$dir/exe.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=32.*/\1x\2/p' | sort -n | tr '\n' ' ')
echo "icon sizes (32 bits): $sizes"
for want in 16x16 32x32 48x48 256x256; do
    case " $sizes" in *" $want "*) ;; *) fail "the icon has no 32-bit $want image (it has: $sizes)" ;; esac
done
mkdir "$dir/icons"
icotool -x -o "$dir/icons" "$dir/exe.ico" || fail "cannot read the icon's images"
for side in 32 48; do
    image=$(ls "$dir"/icons/*_"${side}x${side}x32.png")
    differ=$(compare -metric AE "$image" "$icons/${side}x${side}.png" null: 2>&1) ||
        fail "the ${side}x${side} icon is not the desktop's ($differ pixels differ)"
done

# ---- the version -----------------------------------------------------------------
echo "$list" | grep -q -- '--type=16 ' || fail "hudwright.exe holds no version information"
wrestool -x --raw -t16 -o "$dir/version.bin" "$exe" || fail "cannot extract the version information"
# VS_VERSIONINFO: the fixed part at byte 40 (after the key "VS_VERSION_INFO"),
# its signature, then the file's and the product's versions as two 32-bit
# numbers each, the higher 16 bits first in each: read as 16-bit numbers,
# minor, major, fourth, third.
[ "$(od -An -tx4 -j40 -N4 "$dir/version.bin" | tr -d ' ')" = feef04bd ] || fail "the version information has no fixed part"
want=$(echo "$version" | awk -F. '{ printf "%d %d %d %d", $2, $1, $4, $3 }')
for at in 48 56; do
    got=$(od -An -tu2 -j$at -N8 "$dir/version.bin" | awk '{ $1 = $1; print }')
    [ "$got" = "$want" ] || fail "the version numbers at byte $at are ($got), not $version's ($want)"
done
texts=$(strings -el -n 3 "$dir/version.bin") # (a version may be as short as 1.0)
for key in FileVersion ProductVersion; do
    got=$(echo "$texts" | sed -n "/^$key\$/{n;p;q}")
    [ "$got" = "$version" ] || fail "$key is '$got', not $version"
done
echo "version: $version ($(echo "$texts" | sed -n '/^ProductName$/{n;p;q}'))"

# ---- the manifest ----------------------------------------------------------------
echo "$list" | grep -q -- '--type=24 --name=1 ' || fail "hudwright.exe holds no application manifest"
wrestool -x --raw -t24 -o "$dir/manifest.xml" "$exe" || fail "cannot extract the manifest"
xmllint --noout "$dir/manifest.xml" || fail "the manifest is not well-formed XML"
value() { xmllint --xpath "string(//*[local-name()='$1']${2:-})" "$dir/manifest.xml"; }
[ "$(value dpiAwareness)" = "PerMonitorV2, PerMonitor" ] || fail "dpiAwareness is '$(value dpiAwareness)'"
[ "$(value dpiAware)" = "true/pm" ] || fail "dpiAware is '$(value dpiAware)'"
[ "$(value requestedExecutionLevel /@level)" = asInvoker ] || fail "the manifest asks for elevation"
dots=$(echo "$version" | awk -F. '{ printf "%d.%d.%d.%d", $1, $2, $3, $4 }')
[ "$(value assemblyIdentity /@version)" = "$dots" ] || fail "the manifest's version is '$(value assemblyIdentity /@version)', not $dots"
echo "manifest: DPI awareness $(value dpiAwareness), version $dots"
echo "PASS: hudwright.exe's icon, version and manifest"
