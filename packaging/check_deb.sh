#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 root the way a player
# would (apt-get install ./quilloro_*.deb, which fetches the dependencies),
# then checks that the menu entry, icon and metadata are where the desktop
# looks, and that the installed window starts for a new user and keeps that
# user's data in ~/.local/share/quilloro. Needs root and Debian's archive.
# usage: check_deb.sh PACKAGE.deb [ROOT]   (ROOT is made with debootstrap when missing)
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/tmp/quilloro-deb-root}
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp "$deb" "$root/tmp/"
# The dynamic loader finds the programs' library folder ($ORIGIN) through /proc.
mountpoint -q "$root/proc" || { mount -t proc proc "$root/proc" && trap 'umount "$root/proc"' EXIT; }
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq "/tmp/$(basename "$deb")"

echo "== What the desktop finds"
in_root dpkg -L quilloro | grep -E 'applications/.*\.desktop$|metainfo/|icons/hicolor/(48x48|scalable)/|man6/'
in_root sh -c 'grep -l "^Exec=quilloro$" /usr/share/applications/*.desktop' || fail "no menu entry"
in_root sh -c 'grep -q "^Categories=Game;CardGame;" /usr/share/applications/*quilloro*.desktop' || fail "not in the Games menu"

echo "== The programs"
in_root quilloro --version
in_root quilloro-cli games | head -3
in_root sh -c 'id player >/dev/null 2>&1 || useradd -m player'
started=$(in_root su player -c 'cd && QT_QPA_PLATFORM=offscreen QUILLORO_REPORT_START=1 quilloro 2>/dev/null')
[[ $started == shown* ]] || fail "the window did not start: $started"
in_root su player -c 'printf "end\n" | quilloro-cli play --game 0 --number 7' | tail -1
in_root su player -c 'ls ~/.local/share/quilloro ~/.local/share/quilloro/DATA'
[ -z "$(in_root find /usr/share/quilloro /usr/bin /usr/lib/quilloro -newer "/tmp/$(basename "$deb")")" ] ||
  fail "the player's run wrote under /usr"
echo "installed from the package and played: ok"
