#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints its figures (medians of several runs).
set -euo pipefail
build=${1:-build}
bench="$build/bench"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# figure <name> <runs> <command...>: the median of one RESULT line over several runs
figure() {
    local name=$1 runs=$2; shift 2
    for _ in $(seq "$runs"); do "$@" 2>/dev/null | awk -v n="$name" '$1=="RESULT" && $2==n {print $3}'; done | median
}

echo "== Start-up to first paint (median of 15 runs)"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
bare=$(figure startup-bare 15 "$bench/bench_editor" startup-bare)
textbox=$(figure startup-textbox 15 "$bench/bench_editor" startup-textbox)
editor=$(figure startup-editor 15 "$bench/bench_editor" startup-editor)
echo "empty QMainWindow: $bare ms"
echo "QMainWindow with a menu and a plain text box: $textbox ms"
echo "editor: $editor ms (ratio to the text-box window $(ratio "$editor" "$textbox"), to the empty one $(ratio "$editor" "$bare"))"

# A page of HTML repeated up to the size wanted, CR LF line breaks.
make_html() {
    local megabytes=$1 out=$2
    python3 - "$megabytes" "$out" <<'PY'
import sys
size = int(sys.argv[1]) * 1024 * 1024
line = b'<P>Vimlaskolan \xe5\xe4\xf6 <A HREF="sida2.html">N\xe4sta sida</A> <B>fet</B> text</P>\r\n'
with open(sys.argv[2], 'wb') as f:
    f.write(line * (size // len(line)))
PY
}
# Each file figure twice in the same run: the text box as it is, and with its colours, line
# numbers and hints left out (VIMLA_PLAIN_EDITOR=1), alternating so both meet the same load.
for mb in 10 50; do
    make_html "$mb" "$work/doc$mb.html"
    echo "== ${mb} MB HTML file (median of 5 runs; plain text box / full, ratio)"
    for name in open-and-show open-and-show-cpu save peak-memory; do
        plain=$(VIMLA_PLAIN_EDITOR=1 figure "$name" 5 "$bench/bench_editor" open "$work/doc$mb.html")
        full=$(figure "$name" 5 "$bench/bench_editor" open "$work/doc$mb.html")
        echo "$name: $plain / $full ($(ratio "$full" "$plain"))"
    done
done
echo "== A key typed at the top of the 10 MB file, until painted (median of 3 runs of 21 keys)"
for name in key slowest-key; do
    plain=$(VIMLA_PLAIN_EDITOR=1 figure "$name" 3 "$bench/bench_editor" keys "$work/doc10.html")
    full=$(figure "$name" 3 "$bench/bench_editor" keys "$work/doc10.html")
    echo "$name: $plain / $full"
done
echo "== Markup hints for a 100 KB page: $(figure hints-100KB 3 "$bench/bench_editor" hints) ms"
echo "== Qt's QSyntaxHighlighter attached to the 10 MB file: $(figure highlighter-attach 1 "$bench/bench_editor" highlighter "$work/doc10.html") ms"

echo "== A key typed at the end of a 1 MB line (median of 3 runs)"
for how in open paste; do
    echo "key-after-$how: $(figure "key-after-$how" 3 "$bench/bench_editor" typing-after "$how") ms"
done

echo "== Keys typed into a 10 MB unsaved text while recovery copies are written (median of 3 runs)"
for run in 1 2 3; do "$bench/bench_editor" typing-with-copies 10 2>/dev/null >"$work/typing$run"; done
for name in key-median-without-copies key-slowest-without-copies key-median-with-copies \
    key-95th-with-copies key-slowest-with-copies longest-other-work-with-copies; do
    echo "$name: $(cat "$work"/typing? | awk -v n="$name" '$1=="RESULT" && $2==n {print $3}' | median) ms"
done

# Other benchmarks of the build folder print their own figures.
for other in "$bench"/bench_*; do
    [ -f "$other" ] && [ -x "$other" ] && [ "$(basename "$other")" != bench_editor ] || continue
    echo "== $(basename "$other")"
    "$other" 2>&1 | grep -E 'RESULT|msecs|ms' || true
done
