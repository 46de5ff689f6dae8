#!/usr/bin/env bash
# Photographs the windows shown in the README under a real X server, at 100 % and at 200 %
# scaling, into docs/. Not part of the test run: run it after a window changes its look.
#
# usage: tests/e2e/take-screenshots.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
layout_test=$build/tests/e2e/tst_windows
[[ -x $layout_test ]] || { echo "build the tests first: $layout_test is missing" >&2; exit 1; }

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# usage: run SCALE FOLDER
run() {
    xvfb-run -a -s "-screen 0 $((1280 * $1))x$((800 * $1))x24 -noreset" \
        env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" VIMLA_SCREENSHOTS="$2" "$layout_test" controlsShowWhole >/dev/null
}
run 1 "$shots"
run 2 "$shots"
# The README shows these; every window is in $shots to look at.
for shot in main-window new-document table-dialog image-dialog frame-set-dialog \
    main-window-200 new-document-200; do
    cp "$shots/$shot.png" "$root/docs/"
done
ls -l "$root/docs"
