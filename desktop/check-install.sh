#!/usr/bin/env bash
# Installs the tutor from a build tree into a scratch prefix and checks it the way a
# desktop will find it: the menu entry and the software-centre description pass their
# validators, the entry starts the installed program, and its icon is in the hicolor
# theme at every size, each image drawn at that size.
#
#   check-install.sh BUILD_DIR PREFIX APP_ID SIZE...
set -euo pipefail

[ $# -ge 4 ] || {
    echo "usage: $0 BUILD_DIR PREFIX APP_ID SIZE..." >&2
    exit 2
}
build=$1 prefix=$2 id=$3
shift 3

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null ||
        { echo "FAIL: $tool is missing (Debian packages desktop-file-utils, appstream)" >&2 && exit 1; }
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

echo "desktop-file-validate $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate"
echo "appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The tree as a whole: the description's launchable names the installed entry.
echo "appstreamcli validate-tree --no-net $prefix"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
exec_name=$(key Exec)
exec_name=${exec_name%% *}
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program in $prefix/bin"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), expected $id"

# A PNG's width and height are the two big-endian 32-bit numbers at bytes 16 to 23.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*2^24+$2*2^16+$3*2^8+$4, $5*2^24+$6*2^16+$7*2^8+$8 }'; }
for size in "$@"; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "no icon at $icon"
        continue
    fi
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
    got=$(png_size "$icon")
    [ "$got" = "${size}x${size}" ] || fail "$icon is $got, not ${size}x${size}"
done

[ "$status" -eq 0 ] && echo "installed tree in $prefix is complete and valid"
exit "$status"
