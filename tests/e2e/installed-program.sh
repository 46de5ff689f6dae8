#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix puts every file in its place,
# the menu entry starts the program, and settings saved by a user who cannot write the program's
# folder go to that user's configuration folder, leaving the installed file as it was.
#
# usage (under xvfb-run): installed-program.sh BUILD_FOLDER [ARTIFACT_FOLDER]
set -euo pipefail

build=$1
grab=$build/tests/e2e/vimla_grab_window
failure_picture=${2:-$PWD}/e2e-install-failure.png
source "$(dirname "$0")/lib.sh"
prefix=$work/prefix

step "install into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "$(cat "$work/install.log")"
app_id=se.vimlaskolan.HtmlEditor
desktop_file=$prefix/share/applications/$app_id.desktop
for file in bin/vimlahtml share/vimlahtml/vimlahtml.ini "share/applications/$app_id.desktop" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" "share/metainfo/$app_id.metainfo.xml"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/vimlahtml ]] || fail "the program is not executable"
if command -v desktop-file-validate >/dev/null; then
    # It reports warnings and hints without failing.
    report=$(desktop-file-validate "$desktop_file" 2>&1) && [[ -z $report ]] ||
        fail "the menu entry is not valid: $report"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "the software-centre description is not valid"
fi
[[ ! -e $prefix/bin/vimlahtml.ini ]] || fail "settings installed beside the program"
installed_settings=$(od -c "$prefix/share/vimlahtml/vimlahtml.ini")

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
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file")
[[ $exec_line == *' %f' ]] || fail "the menu entry does not take a file: Exec=$exec_line"
# Starts the Exec line as a desktop does, %f replaced by the file (or dropped without one).
start_from_menu() {
    local command_line=${exec_line% %f}${1:+ $1}
    # shellcheck disable=SC2086 # the Exec line is split into words as a desktop splits it
    "${run_as[@]}" env PATH="$prefix/bin:$PATH" HOME="$user_home" XDG_CONFIG_HOME="$user_home/.config" \
        XDG_RUNTIME_DIR="$user_home/runtime" $command_line >"$work/program.log" 2>&1 &
    program_pid=$!
}
start_from_menu
main_window_shown
# The installed settings were read: no failure message came up beside the main window.
sleep 0.5
[[ $(xdotool search --onlyvisible --class vimlahtml | wc -l) == 1 ]] || fail "a message came up at start"

step "save settings with text size 14"
open_menu_item i "Inställningar"
keys ctrl+a && type_text "14"
keys Tab Tab Tab Tab space # past font, browser path and "Bläddra..." to OK
wait_for 5 window_gone "Inställningar" || fail "\"Inställningar\" stayed open"
saved=$(find "$user_home" -name vimlahtml.ini)
[[ -n $saved ]] || fail "the settings were not saved in the user's configuration folder"
printf '14\r\nDejaVu Sans Mono\r\n/usr/bin/xdg-open\r\n' | cmp - "$saved" || fail "saved settings: $(od -c "$saved")"
[[ $(od -c "$prefix/share/vimlahtml/vimlahtml.ini") == "$installed_settings" ]] ||
    fail "the installed settings file was changed"

step "quit with \"Avsluta\""
timeout 5 xdotool windowfocus --sync "$main" || true
quit_by_menu

step "open a page named at start, relative to the current folder; change it and save it on leaving"
page=$user_home/sida.html
printf '<P>Hej\r\n' >"$page"
((EUID == 0)) && chown nobody "$page"
cd "$user_home"
start_from_menu sida.html
main_window_shown
type_text "x"
keys alt+a
sleep 0.3
keys a
sleep 0.5
keys Return # "Ja" to saving before the end
wait_for 10 program_ended || fail "the program is still running after \"Avsluta\" and \"Ja\""
program_pid=
printf 'x<P>Hej\r\n\r\n' | cmp - "$page" || fail "the page was not opened at start: $(od -c "$page")"

echo "installed program passed in $((SECONDS - started)) s"
