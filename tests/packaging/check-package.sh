#!/bin/sh
# `make package` builds a Debian package with computed dependencies that lintian accepts, and
# the program taken out of it starts, offscreen and on a display, with its files in a temporary
# per-user folder.
set -eu
build=$1
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$work/out/pennywell_1.0.0_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libc6 fonts-liberation libcups2; do
    echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done
# The charts are drawn by the program itself: no chart, OpenGL or QML libraries to install.
for unwanted in charts datavisualization opengl qml quick; do
    echo "$depends" | grep -qi "libqt6$unwanted" && fail "Depends has libqt6$unwanted: $depends"
done
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "no $field"
done

lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
if grep -q '^E:' "$work/lintian.txt"; then
    cat "$work/lintian.txt"
    fail "lintian reports errors"
fi

dpkg-deb -x "$deb" "$work/root"
before=$(find "$work/root" | sort)
mkdir "$work/home"
HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config \
    XDG_RUNTIME_DIR=$work/home QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/pennywell" \
    >"$work/run.log" 2>&1 &
pid=$!
copy=$work/data/pennywell/Sample.bgt
tries=0
while [ ! -f "$copy" ] && [ $tries -lt 300 ]; do
    sleep 0.2
    tries=$((tries + 1))
done
# Still running once its files are in place; the run on a display below waits for the menu.
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    cat "$work/run.log"
    fail "the extracted program did not keep running"
fi
pid=""
# On a real display the menu window comes up, with the window class the desktop entry names.
HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/home \
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$1" >/dev/null 2>&1 &
    app=$!
    tries=0
    # The backdrop and the menu.
    until [ "$(xwininfo -root -tree | grep -c "\"Pennywell Win9\": (")" -ge 2 ] ||
        [ $tries -ge 300 ]; do
        sleep 0.2
        tries=$((tries + 1))
    done
    xwininfo -root -tree >"$2"
    for window in $(sed -n "s/^ *\(0x[0-9a-f]*\) \"Pennywell Win9\": (.*/\1/p" "$2"); do
        xprop -id "$window" _NET_WM_STATE
    done >"$3"
    kill $app
    wait $app 2>/dev/null || true' sh "$work/root/usr/bin/pennywell" "$work/windows.txt" \
    "$work/states.txt"
# xwininfo lists a window as: id "title": ("instance" "class") geometry
class=$(sed -n 's/.*"Pennywell Win9": ("[^"]*" "\([^"]*\)").*/\1/p' "$work/windows.txt" | head -n 1)
[ -n "$class" ] || fail "no menu window on the display"
grep -q "^StartupWMClass=$class\$" "$work/root/usr/share/applications/org.pennywell.Pennywell.desktop" ||
    fail "the desktop entry does not name the menu's window class '$class'"

# One task-bar entry: the backdrop behind the menu asks to be left out, the menu does not.
[ "$(grep -c SKIP_TASKBAR "$work/states.txt")" = 1 ] && [ "$(wc -l <"$work/states.txt")" = 2 ] ||
    fail "not exactly one window of two is left out of the task bar: $(cat "$work/states.txt")"

cmp -s "$copy" "$work/root/usr/share/pennywell/Sample.bgt" ||
    fail "the sample budget was not copied into the per-user folder"
[ "$(find "$work/root" | sort)" = "$before" ] || fail "the program wrote into its installed tree"

exit $failed
