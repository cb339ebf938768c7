#!/usr/bin/env bash
# Chinese typed through the system's input method reaches the practice box: a private
# Xvfb server and D-Bus session, fcitx5 with Rime's Quick5 (速成) schema, and the tutor
# with Qt's fcitx5 front end. On the letter keys, xdotool types the Quick codes of 速
# and 成 (Y L and I S, each closed with the space bar, which takes the first
# candidate); "複 製" then copies the box, and the X clipboard must hold two Chinese
# characters, the input method's commits, and none of the letters typed.
#
#   ime-fcitx5.sh PROGRAM OUT_DIR
#
# Needs the Debian packages of the real-window test (xvfb, xauth, xdotool, xclip) and
# fcitx5, fcitx5-frontend-qt6, fcitx5-rime, rime-data-quick5, dbus-daemon, dbus-bin.
set -euo pipefail

[ $# -eq 2 ] || {
    echo "usage: $0 PROGRAM OUT_DIR" >&2
    exit 2
}
program=$(realpath "$1")
out=$(realpath -m "$2")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ -z "${BREVIK_IME_INSIDE:-}" ]; then
    for tool in xvfb-run xauth xdotool xclip dbus-run-session dbus-send fcitx5 fcitx5-remote; do
        command -v "$tool" >/dev/null || fail "$tool is missing (Debian packages xvfb, xauth, xdotool, xclip, " \
            "dbus-daemon, dbus-bin, fcitx5)"
    done
    plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
    [ -f "$plugins/platforminputcontexts/libfcitx5platforminputcontextplugin.so" ] ||
        fail "Qt 6 has no fcitx5 front end in $plugins (Debian package fcitx5-frontend-qt6)"
    if [ ! -f /usr/share/rime-data/quick5.schema.yaml ] || [ -z "$(ls /usr/lib/*/fcitx5/rime.so 2>/dev/null)" ]; then
        fail "no Rime Quick5 for fcitx5 (Debian packages fcitx5-rime, rime-data-quick5)"
    fi
    [ -x "$program" ] || fail "no program at $program"
    mkdir -p "$out"
    export BREVIK_IME_INSIDE=1
    exec timeout -k 5 170 xvfb-run -a -n $((200 + RANDOM % 700)) -e "$out/xvfb.log" -s "-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$program" "$out"
fi

export LC_ALL=C.UTF-8
# The input method's own settings and Rime's compiled tables stay in the build tree,
# away from the user's; once compiled they are kept for the next run.
export HOME=$out/home XDG_CONFIG_HOME=$out/home/.config XDG_DATA_HOME=$out/home/.local/share
export XDG_RUNTIME_DIR=$out/run
mkdir -p "$XDG_CONFIG_HOME/fcitx5" "$XDG_DATA_HOME/fcitx5/rime" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'EOF'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=rime

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=rime
Layout=

[GroupOrder]
0=Default
EOF
cat >"$XDG_DATA_HOME/fcitx5/rime/default.custom.yaml" <<'EOF'
patch:
  schema_list:
    - schema: quick5
EOF

x() { timeout 10 "$@"; }
pids=()
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap finish EXIT
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

fcitx5 --disable=wayland,waylandim >"$out/fcitx5.log" 2>&1 </dev/null &
pids+=($!)
on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.fcitx.Fcitx5 2>/dev/null | grep -q true
}
wait_for on_bus || fail "fcitx5 did not start: $(tail -n 5 "$out/fcitx5.log")"

QT_IM_MODULE=fcitx QT_QPA_PLATFORM=xcb "$program" >"$out/brevik.log" 2>&1 </dev/null &
pids+=($!)
win=$(x xdotool search --sync --onlyvisible --name '^Brevik輸入法$') || fail "no window captioned Brevik輸入法"
click() { x xdotool mousemove --window "$win" "$1" "$2" click 1; }

click 300 312 # Text1
rime_on() {
    x fcitx5-remote -o
    [ "$(x fcitx5-remote -n)" = rime ]
}
wait_for rime_on || fail "fcitx5 did not switch the practice box to Rime: $(x fcitx5-remote -n)"
echo "fcitx5 serves the practice box with $(x fcitx5-remote -n)"

# Rime compiles its tables when it first starts; until then the letters pass through
# as they are. So: try, and on plain letters clear the box ("重設") and try again.
for try in $(seq 30); do
    click 552 312 # Command2 "重設": empties Text1 and puts the focus there
    x xdotool type --delay 60 yl
    x xdotool key space
    x xdotool type --delay 60 is
    x xdotool key space
    sleep 0.3
    click 48 312 # Command1 "複 製"
    sleep 0.3
    x xclip -o -selection clipboard >"$out/clipboard.txt" 2>/dev/null </dev/null || true
    grep -qP '^\p{Han}{2}$' "$out/clipboard.txt" && break
    echo "try $try: the clipboard holds '$(cat "$out/clipboard.txt")'; Rime may not be ready yet"
    sleep 1
done
grep -qP '^\p{Han}{2}$' "$out/clipboard.txt" ||
    fail "the clipboard holds '$(cat "$out/clipboard.txt")', not two characters from the input method"
x import -window "$win" "$out/brevik-fcitx5.png" 2>/dev/null || true
echo "typed Y L, space, I S, space through fcitx5 Quick5; the clipboard holds $(cat "$out/clipboard.txt")"
