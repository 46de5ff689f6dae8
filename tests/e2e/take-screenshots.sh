#!/usr/bin/env bash
# Photographs the windows shown in the README into docs/: the real program under a real X server
# at 100 % and at 200 % scaling, each window opened and filled in with the keyboard as a pupil
# would. Not part of the test run: run it after a window changes its look.
#
# usage: tests/e2e/take-screenshots.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

if [[ ${2:-} != --inside ]]; then
    for helper in app/vimlahtml tests/e2e/vimla_toolbar_positions tests/e2e/vimla_grab_window; do
        [[ -x $build/$helper ]] || { echo "build the tests first: $build/$helper is missing" >&2; exit 1; }
    done
    for scale in 1 2; do
        xvfb-run -a -s "-screen 0 $((1280 * scale))x$((800 * scale))x24 -noreset" \
            env QT_SCALE_FACTOR=$scale "$0" "$build" --inside "$scale"
    done
    ls -l "$root/docs"
    exit 0
fi

scale=$3
suffix=$([[ $scale == 2 ]] && echo -200 || true)
grab=$build/tests/e2e/vimla_grab_window
failure_picture=$PWD/screenshot-failure.png
source "$here/lib.sh"
export HOME=$work/elev XDG_RUNTIME_DIR=$work/runtime
pictures=$HOME/hemsida/bilder
mkdir -p "$pictures" "$XDG_RUNTIME_DIR" "$work/app"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$root/tests/dialogs/fixtures/blue.gif" "$pictures/kvall.gif"
cp "$root/tests/dialogs/fixtures/red.gif" "$pictures/sol.gif"
cp "$build/app/vimlahtml" "$work/app/"
printf ' 11\r\nDejaVu Sans Mono\r\n\r\n' >"$work/app/vimlahtml.ini"
"$build/tests/e2e/vimla_toolbar_positions" >"$work/positions"

start() {
    (cd "$pictures" && exec "$work/app/vimlahtml" >"$work/program.log" 2>&1) &
    program_pid=$!
    main_window_shown
}
stop() {
    kill "$program_pid" && wait "$program_pid" || true
    program_pid=
}
click_button() {
    local position
    position=$(awk -F '\t' -v name="$1" -v s="$scale" '$3 == name { print $1 * s, $2 * s; exit }' \
        "$work/positions") # the helper measures in scaled pixels, xdotool in the screen's
    # shellcheck disable=SC2086 # x and y are two words
    xdotool mousemove --window "$main" $position click 1
}
# usage: shoot NAME WINDOW-ID
shoot() {
    xdotool mousemove 0 0 # no hover
    sleep 0.5             # let everything be drawn
    "$grab" "$root/docs/$1$suffix.png" "$2" || fail "$1 was not photographed"
}

step "the main window with a page"
start
type_text $'<HTML>\n<HEAD>\n<TITLE>Min första sida</TITLE>\n</HEAD>\n<BODY>\n<H1>Välkommen!</H1>'
type_text $'\n<P>Här skriver jag om <B>min skola</B>.\n</BODY>\n</HTML>'
shoot main-window "$main"
stop

step "the new-document dialog"
start
show_window "Nytt dokument" click_button "Nytt dokument"
type_text "Min första sida"
keys Tab && type_text "white"
keys Tab Tab && type_text "black"
keys Tab && type_text "blue"
keys Tab && type_text "red"
shoot new-document "$dialog"
stop
[[ $scale == 2 ]] && exit 0 # the README shows only these two at 200 %

step "the table dialog"
start
show_window "Tabell" click_button "Infoga tabell"
type_text "3"
keys Tab && type_text "2"
keys Tab && type_text "1"
keys Tab && type_text "80"
keys Tab ctrl+a && type_text "center"
shoot table-dialog "$dialog"
stop

step "the image dialog"
start
show_window "Bild" click_button "Infoga bild"
keys Tab && type_text "200"
keys Tab Tab && type_text "0"
keys Tab Tab Tab Tab Tab Down # the second picture in the list
shoot image-dialog "$dialog"
stop

step "the frame-set dialog of two rows of two frames"
start
show_window "Ramar - Frames" click_button "Ramar"
show_window "Ramförslag 3" keys Tab Down Down space
keys Tab ctrl+a && type_text "25"
keys Tab Tab ctrl+a && type_text "30"
shoot frame-set-dialog "$dialog"
stop
