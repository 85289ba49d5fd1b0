#!/bin/sh
# End to end: the real program on a virtual X server. It checks the window's title, size
# and frame hints, the drawing area's grid, a bar drawn with the mouse, that the pointer
# cannot leave the drawing area while a drag lasts and can once it ends, that the print
# button shows the report, and that the program ends only after the closing question is
# answered with OK.
# usage: e2e_editor_window.sh PERFIL SEND_WINDOW_CLOSE
set -eu

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run is not installed"
    exit 77
fi

if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
    E2E_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

perfil=$1
send_close=$2
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The RGB of one pixel of a screenshot, as "r,g,b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# Pixel (x, y) of the drawing area, which sits at (81, 57) in the window.
expect_drawing_pixel() {
    got=$(pixel "$1" $((81 + $2)) $((57 + $3)))
    [ "$got" = "$4" ] || fail "drawing pixel $2,$3 is $got, expected $4"
}

wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

QT_QPA_PLATFORM=xcb "$perfil" &
pid=$!

window=$(wait_for_window "Editor do Perfil")
[ -n "$window" ] || fail "the editor window never appeared"
sleep 1

size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
[ "$size" = "535x386" ] || fail "the window is $size, expected 535x386"

# A window of fixed size offers the window manager neither resizing nor maximising
# (functions: resize 0x2, maximise 0x10; decorations: resize handles 0x4, maximise 0x40).
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
functions=$(echo "$hints" | cut -d, -f2)
decorations=$(echo "$hints" | cut -d, -f3)
[ $((functions & 0x12)) -eq 0 ] || fail "the window offers resizing or maximising: $hints"
[ $((decorations & 0x44)) -eq 0 ] || fail "the window shows resize or maximise decorations: $hints"

import -window "$window" "$work/start.png"
expect_drawing_pixel "$work/start.png" 0 0 "0,128,0"
expect_drawing_pixel "$work/start.png" 10 10 "0,128,0"
expect_drawing_pixel "$work/start.png" 390 240 "0,128,0"
expect_drawing_pixel "$work/start.png" 5 5 "255,255,255"
expect_drawing_pixel "$work/start.png" 15 20 "255,255,255"
expect_drawing_pixel "$work/start.png" 395 245 "255,255,255"

# The bar tool, then a drag from (100, 100) to (200, 100) on the drawing area.
xdotool mousemove --window "$window" 20 61 click 1
xdotool mousemove --window "$window" 181 157 mousedown 1
xdotool mousemove --window "$window" 231 157 mousemove --window "$window" 281 157 mouseup 1
xdotool mousemove --window "$window" 500 20
sleep 1
import -window "$window" "$work/bar.png"
# The release does not redraw: the red marker of the drag still covers the bar.
expect_drawing_pixel "$work/bar.png" 150 100 "255,0,0"
expect_drawing_pixel "$work/bar.png" 155 90 "255,255,255"
# Refresh shows the bar itself.
xdotool mousemove --window "$window" 20 293 click 1
sleep 1
import -window "$window" "$work/refreshed.png"
expect_drawing_pixel "$work/refreshed.png" 150 100 "0,0,0"
expect_drawing_pixel "$work/refreshed.png" 199 100 "0,0,0"
# The end point is not painted: the grid dot under it shows.
expect_drawing_pixel "$work/refreshed.png" 200 100 "0,128,0"

# The drawing area's on-screen rectangle.
area_x=$(($(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {print $4}') + 81))
area_y=$(($(xwininfo -id "$window" | awk '/Absolute upper-left Y:/ {print $4}') + 57))

# Where the pointer is, as "x,y" on the screen.
pointer() {
    xdotool getmouselocation --shell | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x "," y}'
}

# Moves the pointer to screen (x, y) and checks where it ended up.
expect_pointer_after_move() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    got=$(pointer)
    [ "$got" = "$3" ] || fail "moved to $1,$2 the pointer is at $got, expected $3"
}

# A drag that tries to leave the drawing area: the pointer stays on the area's edge, and
# the program still follows it, so the bar ends where the drag comes back to.
xdotool mousemove --window "$window" $((81 + 300)) $((57 + 200)) mousedown 1
sleep 0.3
expect_pointer_after_move 1279 1023 "$((area_x + 399)),$((area_y + 249))"
expect_pointer_after_move 0 0 "$area_x,$area_y"
expect_pointer_after_move $((area_x + 300)) $((area_y + 50)) "$((area_x + 300)),$((area_y + 50))"
xdotool mouseup 1
sleep 0.3
# Released, the pointer is free again, and moves over the area no longer drag.
expect_pointer_after_move 5 5 "5,5"
xdotool mousemove --window "$window" $((81 + 350)) $((57 + 20))
sleep 0.3
xdotool mousemove --window "$window" 20 293 click 1
sleep 1
import -window "$window" "$work/confined.png"
expect_drawing_pixel "$work/confined.png" 300 120 "0,0,0"
expect_drawing_pixel "$work/confined.png" 300 60 "0,0,0"

# Grabbing a bar with the select tool confines the pointer as well.
xdotool mousemove --window "$window" 20 61 click 1
xdotool mousemove --window "$window" $((81 + 300)) $((57 + 120)) mousedown 1
sleep 0.3
expect_pointer_after_move 0 $((area_y + 100)) "$area_x,$((area_y + 100))"
xdotool mouseup 1
sleep 0.3
expect_pointer_after_move 0 $((area_y + 100)) "0,$((area_y + 100))"

# The print button shows the report's preview, which stays open while the editor closes.
xdotool mousemove --window "$window" 20 261 click 1
[ -n "$(wait_for_window "Perfil")" ] || fail "the print button showed no preview"

# Closing asks first: Cancel keeps the program, OK ends it.
"$send_close" "$window"
question=$(wait_for_window "Confirm")
[ -n "$question" ] || fail "closing did not ask for confirmation"
xdotool windowfocus --sync "$question" key Escape
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended although closing was cancelled"

"$send_close" "$window"
question=$(wait_for_window "Confirm")
[ -n "$question" ] || fail "closing did not ask again"
xdotool windowfocus --sync "$question" key Return
for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after closing was confirmed"
wait "$pid" || fail "the program exited with status $?"
pid=
echo "PASS"
