#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix puts every file in its place,
# the menu entry starts the program, and settings saved by a user who cannot write the program's
# folder go to that user's configuration folder, leaving the installed file as it was.
#
# usage (under xvfb-run): installed-program.sh BUILD_FOLDER [ARTIFACT_FOLDER]
set -euo pipefail

build=$1
artifacts=${2:-$PWD}
: "${DISPLAY:?needs an X server: run under xvfb-run}"
export QT_QPA_PLATFORM=xcb
started=$SECONDS

work=$(mktemp -d "${TMPDIR:-/tmp}/vimla-install.XXXXXX")
prefix=$work/prefix
program_pid=
cleanup() {
    if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    chmod -R u+w "$work" # the program's folder may have been made read-only
    rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $* ($((SECONDS - started)) s)"; }

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/program.log ]] && cat "$work/program.log" >&2
    if [[ -n ${grab:-} ]] && "$grab" "$artifacts/e2e-install-failure.png" 2>/dev/null; then
        echo "the screen at the failure: $artifacts/e2e-install-failure.png" >&2
    fi
    exit 1
}

wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
window_shown() { [[ -n $(window_named "$1") ]]; }
window_gone() { [[ -z $(window_named "$1") ]]; }
focus_is() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

step "install into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "$(cat "$work/install.log")"
grab=$build/tests/e2e/vimla_grab_window
app_id=se.vimlaskolan.HtmlEditor
desktop_file=$prefix/share/applications/$app_id.desktop
for file in bin/vimlahtml bin/vimlahtml.ini "share/applications/$app_id.desktop" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" "share/metainfo/$app_id.metainfo.xml"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/vimlahtml ]] || fail "the program is not executable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop_file" || fail "the menu entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "the software-centre description is not valid"
fi
installed_settings=$(od -c "$prefix/bin/vimlahtml.ini")

step "start the program from its menu entry, as a user who cannot write the program's folder"
# Root may write anywhere, so root runs it as nobody; anyone else gets a folder without write
# permission.
user_home=$work/home
mkdir -p "$user_home"
run_as=()
if ((EUID == 0)) && command -v runuser >/dev/null; then
    chmod 755 "$work"
    chown nobody "$user_home"
    cp "$XAUTHORITY" "$work/xauthority"
    chown nobody "$work/xauthority"
    export XAUTHORITY=$work/xauthority
    run_as=(runuser -u nobody --)
else
    chmod a-w "$prefix/bin"
fi
command_line=$(sed -n 's/^Exec=//p' "$desktop_file")
[[ -n $command_line ]] || fail "the menu entry has no Exec line"
# shellcheck disable=SC2086 # the Exec line is split into words as a desktop splits it
"${run_as[@]}" env PATH="$prefix/bin:$PATH" HOME="$user_home" XDG_CONFIG_HOME="$user_home/.config" \
    XDG_RUNTIME_DIR="$user_home/runtime" $command_line >"$work/program.log" 2>&1 &
program_pid=$!
wait_for 20 window_shown "Vimlaskolans HTML-editor" || fail "the main window was never shown"
main=$(window_named "Vimlaskolans HTML-editor")
# The installed settings were read: no failure message came up beside the main window.
sleep 0.5
[[ $(xdotool search --onlyvisible --class vimlahtml | wc -l) == 1 ]] || fail "a message came up at start"
timeout 5 xdotool windowfocus --sync "$main" || fail "the main window did not take the keyboard"

step "save settings with text size 14"
xdotool key Escape alt+a
sleep 0.3
xdotool key i
wait_for 5 window_shown "Inställningar" || fail "\"Inställningar\" was never shown"
dialog=$(window_named "Inställningar")
wait_for 3 focus_is "$dialog" || timeout 5 xdotool windowfocus --sync "$dialog"
xdotool key --delay 40 ctrl+a && xdotool type --delay 25 "14"
xdotool key --delay 40 Tab Tab Tab Tab space # past font, browser path and "Bläddra..." to OK
wait_for 5 window_gone "Inställningar" || fail "\"Inställningar\" stayed open"
saved=$(find "$user_home" -name vimlahtml.ini)
[[ -n $saved ]] || fail "the settings were not saved in the user's configuration folder"
printf '14\r\nDejaVu Sans Mono\r\n/usr/bin/xdg-open\r\n' | cmp - "$saved" || fail "saved settings: $(od -c "$saved")"
[[ $(od -c "$prefix/bin/vimlahtml.ini") == "$installed_settings" ]] ||
    fail "the installed settings file was changed"

step "quit with \"Avsluta\""
timeout 5 xdotool windowfocus --sync "$main" || true
xdotool key Escape alt+a
sleep 0.3
xdotool key a
wait_for 10 program_ended || fail "the program is still running after \"Avsluta\""
program_pid=

echo "installed program passed in $((SECONDS - started)) s"
