#!/bin/sh
# Installs a built tree into a temporary prefix and checks the desktop integration is laid out:
# the program, its desktop entry (valid, opening files with AUTOSTART), its icons and its file types.
# Usage: check-install.sh BUILD_DIR   (the program must be built; nothing is rebuilt)
set -eu

build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

share=$prefix/share
desktop=$share/applications/zel.desktop
mime=$share/mime/packages/zel.xml

[ -x "$prefix/bin/zel" ] || fail "bin/zel is missing or not executable"
[ -f "$desktop" ] || fail "share/applications/zel.desktop is missing"
[ -f "$mime" ] || fail "share/mime/packages/zel.xml is missing"
for size in 16 22 24 32 48 64; do
    icon=$share/icons/hicolor/${size}x${size}/apps/zel.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    [ "$(od -An -c -j1 -N3 "$icon" | tr -d ' ')" = PNG ] || fail "the ${size}x${size} icon is not a PNG"
    [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')" = " 0 0 0 $size 0 0 0 $size" ] \
        || fail "the ${size}x${size} icon has another size"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects zel.desktop"
grep -qx 'Exec=zel AUTOSTART %f' "$desktop" || fail "the Exec line does not pass a file as AUTOSTART <path>"
grep -qx 'Icon=zel' "$desktop" || fail "the desktop entry does not use the installed icon"

# Every file type declared is one the desktop entry opens, and the other way round.
declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime" | sort)
opened=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
[ -n "$declared" ] || fail "zel.xml declares no type"
[ "$declared" = "$opened" ] || fail "types declared ($declared) differ from types opened ($opened)"

# The direct install refreshed the caches; they prove the XML was read and the association made.
globs=$share/mime/globs2
[ -f "$globs" ] || fail "update-mime-database did not run on the install"
# Patterns without the case-sensitive flag match SHOP.ZELDB and shop.zeldb alike.
for pair in "application/x-zel-database:*.zeldb" "application/x-zel-backup:*.zelbk" \
            "application/x-zel-product-database:*.zelpd"; do
    awk -F: -v type="${pair%%:*}" -v glob="${pair#*:}" '$2 == type && $3 == glob && NF == 3 { found = 1 }
        END { exit !found }' "$globs" || fail "the MIME database has no case-blind pattern ${pair#*:} for ${pair%%:*}"
done
cache=$share/applications/mimeinfo.cache
[ -f "$cache" ] || fail "update-desktop-database did not run on the install"
for type in $declared; do
    grep -q "^$type=.*zel.desktop" "$cache" || fail "$type is not associated with zel.desktop"
done

echo "install layout OK"
