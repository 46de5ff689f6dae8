#!/usr/bin/env bash
# A pupil's session with the real program under a real X server: a new page from the new-document
# dialog, a heading, a list, a link and a table, saved with "Spara som...", shown in a browser,
# then "Avsluta". The saved file is compared byte for byte, and the browser's arguments checked.
#
# The program runs from a copy in a temporary folder, with a settings file beside it that names
# a stub browser, so nothing in the build folder or the user's home is read or changed.
#
# Keys reach the dialogs through their Tab order and the menu through its access keys. Toolbar
# buttons take no focus, so they are clicked at the positions that toolbar_positions finds for
# their accessible names. Every wait polls with a time limit; a failure saves the screen.
#
# usage (under xvfb-run): pupil-flow.sh VIMLAHTML TOOLBAR_POSITIONS GRAB_WINDOW [ARTIFACT_FOLDER]
set -euo pipefail

program=$1
positions_helper=$2
grab=$3
failure_picture=${4:-$PWD}/e2e-failure.png
source "$(dirname "$0")/lib.sh"
use_private_home "$work/site"

click_button() {
    local position
    position=$(awk -F '\t' -v name="$1" '$3 == name { print $1, $2; exit }' "$work/positions")
    [[ -n $position ]] || fail "no toolbar button is called \"$1\""
    # shellcheck disable=SC2086 # x and y are two words
    xdotool mousemove --window "$main" $position click 1
}

open_dialog() { show_window "$2" click_button "$1"; }

# After a dialog's button: the dialog is gone and the editor has the keyboard again.
dialog_closed() {
    wait_for 5 window_gone "$1" || fail "\"$1\" stayed open"
    wait_for 5 focus_is "$main" || fail "the main window did not get the keyboard back after \"$1\""
}

# A file dialog is modal and hands the keyboard back through the window manager, which this X
# server does not run; give it back as a window manager would.
file_dialog_closed() {
    wait_for 5 window_gone "$1" || fail "\"$1\" stayed open"
    timeout 5 xdotool windowfocus --sync "$main" || fail "the main window did not take the keyboard"
}

step "start the program from its own folder, with a stub browser in the settings"
# A Swedish keyboard, as the pupil has: xdotool then finds å, ä and ö on keys of their own. Without
# it, xdotool lends a spare key to each such letter and takes it back at once, and a busy program
# that reads the key late reads nothing.
setxkbmap se || echo "   no Swedish keyboard layout; Swedish letters may be lost under load"
cp "$program" "$work/app/vimlahtml"
cat >"$work/browser.sh" <<EOF
#!/bin/sh
printf '%s\n' "\$#" "\$@" > "$work/browser-args.tmp" && mv "$work/browser-args.tmp" "$work/browser-args.txt"
EOF
chmod +x "$work/browser.sh"
printf ' 11\r\nDejaVu Sans Mono\r\n%s\r\n' "$work/browser.sh" >"$work/app/vimlahtml.ini"
"$positions_helper" >"$work/positions" || fail "the toolbar positions could not be found"
(cd "$work" && exec "$work/app/vimlahtml" >"$work/program.log" 2>&1) &
program_pid=$!
main_window_shown

step "a new page from the new-document dialog"
open_dialog "Nytt dokument" "Nytt dokument"
type_text "Vår sida" # the title field has the focus
keys Tab && type_text "white"
keys Tab Tab # the background picture is locked while a colour is chosen
type_text "black"
keys Tab && type_text "blue"
keys Tab && type_text "red"
keys Tab space # OK
dialog_closed "Nytt dokument"

step "a heading between the body tags"
keys ctrl+Home Down Down Down Down Down
type_text "Välkommen"
keys shift+Home
click_button "Rubrik 1"
keys Return

step "a numbered list of two items"
open_dialog "Infoga lista" "Lista"
keys Down # "Numrerad"
keys Tab && type_text "2"
keys Tab space
dialog_closed "Lista"
keys Return

step "a link"
open_dialog "Infoga länk" "Länk"
type_text "sida2.html"
keys Tab && type_text "Nästa sida"
keys Tab space
dialog_closed "Länk"
keys Return

step "a table of two rows and two columns"
open_dialog "Infoga tabell" "Tabell"
type_text "2"
keys Tab && type_text "2"
keys Tab && type_text "1"
keys Tab && type_text "100"
keys Tab ctrl+a && type_text "center"
keys Tab space
dialog_closed "Tabell"

step "save with \"Spara som...\""
saved=$work/site/sida.html
open_menu_item p "Spara som"
type_text "$saved" # into "Filnamn:", which has the focus
keys Return
file_dialog_closed "Spara som"
wait_for 5 test -f "$saved" || fail "nothing was saved"

step "preview in the browser"
click_button "Visa i webbläsaren"
wait_for 10 test -f "$work/browser-args.txt" || fail "the browser was not started"
printf '%s\n' 1 "$saved" >"$work/expected-args.txt"
cmp -s "$work/expected-args.txt" "$work/browser-args.txt" ||
    fail "the browser got other arguments: $(cat "$work/browser-args.txt")"

step "quit with \"Avsluta\""
quit_by_menu

step "the saved file, byte for byte"
expected_lines=(
    '<HTML>'
    '<HEAD>'
    '<TITLE>Vår sida</TITLE>'
    '</HEAD>'
    '<BODY BGCOLOR="white" TEXT="black" LINK="blue" VLINK="red">'
    '<H1>Välkommen</H1>'
    '<OL>'
    '   <LI>'
    '   <LI>'
    '</OL>'
    '<A HREF="sida2.html">Nästa sida</A>'
    '<TABLE BORDER="1" WIDTH="100%">'
    '<TR>'
    '     <TD ALIGN="center" >'
    '     <TD ALIGN="center" >'
    '</TR>'
    '<TR>'
    '     <TD ALIGN="center" >'
    '     <TD ALIGN="center" >'
    '</TR>'
    '</TABLE>'
    '</BODY>'
    '</HTML>'
)
# One byte per character in the Windows code page, and CR LF after every line, the last included.
printf '%s\r\n' "${expected_lines[@]}" | iconv -f UTF-8 -t WINDOWS-1252 >"$work/expected.html"
if ! cmp "$work/expected.html" "$saved"; then
    diff <(cat -A "$work/expected.html") <(cat -A "$saved") >&2 || true
    fail "the saved file differs from what the pupil wrote"
fi

echo "pupil flow passed in $((SECONDS - started)) s"
