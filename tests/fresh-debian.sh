#!/usr/bin/env bash
# The README's test command on a truly fresh Debian 12: a minimal system made by debootstrap (no
# make, no compiler, no sudo), the committed tree copied in, the command run as root in a chroot,
# and the time it took. Slow (it installs Qt and builds everything), so not part of CI.
#
# usage (as root): tests/fresh-debian.sh [CHROOT_FOLDER] [COMMAND]
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-/var/tmp/vimla-debian12}
command=${2:-./test}

if [[ ! -x $root/bin/sh ]]; then
    command -v debootstrap >/dev/null || apt-get install -y debootstrap
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
rm -rf "$root/src"
mkdir -p "$root/src"
git -C "$source" archive HEAD | tar -x -C "$root/src"
cp /etc/resolv.conf "$root/etc/resolv.conf"

mounted=()
cleanup() {
    local folder
    for folder in "${mounted[@]}"; do umount -l "$root$folder" || true; done
}
trap cleanup EXIT
for folder in /proc /sys /dev /dev/pts; do
    mount --bind "$folder" "$root$folder"
    mounted=("$folder" "${mounted[@]}") # the last mounted goes first
done

started=$SECONDS
status=0
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
    /bin/sh -c "cd /src && $command" || status=$?
took=$((SECONDS - started))
echo "fresh Debian 12: '$command' ended with status $status after $((took / 60)) min $((took % 60)) s"
exit $status
