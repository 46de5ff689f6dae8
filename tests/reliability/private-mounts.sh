#!/bin/sh
# Runs the failed saves of tst_faultinjection ($1) on a full disk and a read-only folder of their
# own: a 64 KB and a 1 MB tmpfs in a private mount namespace, which vanish with it. Needs root.
if [ "$(id -u)" -ne 0 ] || ! command -v unshare >/dev/null; then
    echo "not root or no unshare: the full disk and read-only folder tests did not run"
    exit 77
fi
full=$(mktemp -d) && readonly=$(mktemp -d) || exit 1
trap 'rmdir "$full" "$readonly"' EXIT
# shellcheck disable=SC2016 # the inner shell expands its own variables
VIMLA_PRIVATE_FULL_DISK=$full VIMLA_PRIVATE_READ_ONLY_FOLDER=$readonly \
    unshare -m --propagation private sh -c '
        mount -t tmpfs -o size=64k tmpfs "$VIMLA_PRIVATE_FULL_DISK" &&
        mount -t tmpfs -o size=1m tmpfs "$VIMLA_PRIVATE_READ_ONLY_FOLDER" || exit 77
        exec "$0" failedSave' "$1"
status=$?
[ $status -ne 77 ] || echo "no private mounts here: the full disk and read-only folder tests did not run"
exit $status
