# shellcheck shell=bash
# Sourced by the end-to-end scripts: a temporary folder removed on exit, the program stopped if a
# step fails, polling waits, windows found by their titles, and failures that keep the screen.
# Before sourcing, set `failure_picture` and `grab` (the screen-grabbing helper).
: "${DISPLAY:?needs an X server: run under xvfb-run}"
export QT_QPA_PLATFORM=xcb
started=$SECONDS
work=$(mktemp -d "${TMPDIR:-/tmp}/vimla-e2e.XXXXXX")
program_pid=

cleanup() {
    if [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    chmod -R u+w "$work" || true # a folder of the program may have been made read-only
    rm -rf "$work"
}
trap cleanup EXIT

# The program keeps its settings and recovery copies under a home of the test's own, with the
# program's folder and any further folders named.
use_private_home() {
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/app" "$@"
    chmod 700 "$XDG_RUNTIME_DIR"
}

step() { echo "-- $* ($((SECONDS - started)) s)"; }

fail() {
    echo "FAIL: $*" >&2
    if [[ -n $program_pid ]] && ! kill -0 "$program_pid" 2>/dev/null; then
        echo "the program is no longer running" >&2
    fi
    if [[ -s $work/program.log ]]; then
        echo "what the program wrote:" >&2
        cat "$work/program.log" >&2
    fi
    if "${grab:?}" "${failure_picture:?}" 2>/dev/null; then
        echo "the screen at the failure: $failure_picture" >&2
    fi
    exit 1
}

# Runs a check until it succeeds or the seconds run out.
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

keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 25 -- "$1"; }

# Sets `main` once the program's main window is shown, and gives it the keyboard.
main_window_shown() {
    wait_for 20 window_shown "Vimlaskolans HTML-editor" || fail "the main window was never shown"
    main=$(window_named "Vimlaskolans HTML-editor")
    timeout 5 xdotool windowfocus --sync "$main" || fail "the main window did not take the keyboard"
}

# Shows a window by an action that is harmless to repeat (a toolbar dialog exists only once) and
# waits until it is shown and has the keyboard.
show_window() {
    local title=$1
    shift
    local attempt
    for attempt in 1 2 3; do
        "$@"
        if wait_for 5 window_shown "$title"; then
            dialog=$(window_named "$title")
            wait_for 3 focus_is "$dialog" || timeout 5 xdotool windowfocus --sync "$dialog" ||
                fail "\"$title\" never got the keyboard"
            return
        fi
        echo "   \"$title\" did not show yet (attempt $attempt)"
    done
    fail "\"$title\" was never shown"
}

open_menu_item() {
    local key=$1 title=$2
    # Escape first: a menu left open by a lost key would swallow the next access key.
    show_window "$title" bash -c "xdotool key Escape Escape; xdotool key alt+a; sleep 0.3; xdotool key $key"
}

quit_by_menu() {
    keys Escape alt+a
    sleep 0.3
    keys a
    wait_for 10 program_ended || fail "the program is still running after \"Avsluta\""
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    ((status == 0)) || fail "the program ended with status $status"
}
