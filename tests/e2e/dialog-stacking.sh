#!/usr/bin/env bash
# Dialogs stay with the editor under a real window manager (openbox): a toolbar dialog opens
# inside the frame, stays above it after a click on the frame's disabled document window, which
# also gives the dialog the keyboard back, and is minimised together with the frame.
#
# usage (under xvfb-run): dialog-stacking.sh VIMLAHTML TOOLBAR_POSITIONS GRAB_WINDOW [ARTIFACTS]
set -euo pipefail

program=$1
positions_helper=$2
grab=$3
failure_picture=${4:-$PWD}/stacking-failure.png
source "$(dirname "$0")/lib.sh"
use_private_home

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
trap 'kill $wm_pid 2>/dev/null || true; cleanup' EXIT
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 wm_running || fail "openbox did not start"

cp "$program" "$work/app/vimlahtml"
printf ' 11\r\nDejaVu Sans Mono\r\n\r\n' >"$work/app/vimlahtml.ini"
"$positions_helper" >"$work/positions" || fail "the toolbar positions could not be found"
(cd "$work" && exec "$work/app/vimlahtml" >"$work/program.log" 2>&1) &
program_pid=$!
main_window_shown

# The managed windows from the bottom of the stack to the top, as decimal ids.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //; s/,/ /g' |
        xargs -n 1 printf '%d\n'
}
stacked_above() {
    local order
    order=$(stacking)
    (($(grep -nx "$1" <<<"$order" | cut -d: -f1) > $(grep -nx "$2" <<<"$order" | cut -d: -f1)))
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y $WIDTH $HEIGHT"; }
hidden() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

step "a toolbar dialog opens inside the frame"
position=$(awk -F '\t' '$3 == "Infoga länk" { print $1, $2; exit }' "$work/positions")
[[ -n $position ]] || fail "no toolbar button for the link dialog"
# shellcheck disable=SC2086 # x and y are two words
show_window "Länk" xdotool mousemove --window "$main" $position click 1
read -r fx fy fw fh <<<"$(geometry "$main")"
read -r dx dy dw dh <<<"$(geometry "$dialog")"
((dx >= fx && dy >= fy && dx + dw <= fx + fw && dy + dh <= fy + fh)) ||
    fail "the dialog ($dx,$dy ${dw}x$dh) opened outside the frame ($fx,$fy ${fw}x$fh)"
stacked_above "$dialog" "$main" || fail "the dialog opened behind the frame"

step "a click on the disabled document window"
xdotool mousemove --window "$main" $((fw / 2)) $((fh - 60)) click 1
sleep 0.5
stacked_above "$dialog" "$main" || fail "the click on the frame hid the dialog"
wait_for 5 active_is "$dialog" || fail "the dialog did not come to the front"

step "the dialog is minimised with the frame"
xdotool windowminimize "$main"
wait_for 5 hidden "$dialog" || fail "the dialog stayed on the screen without its frame"
echo "dialog stacking: all checks passed"
