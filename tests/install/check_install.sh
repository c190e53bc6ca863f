#!/usr/bin/env bash
# Installs the build into a staging prefix and checks what a Linux system gets:
# the layout, the desktop entry and AppStream file (validated), the icons, the
# manual pages, the programs' manners on the command line, and a player with a
# fresh home who starts the installed window and plays a deal to its end, with
# every file landing under ~/.local/share/quilloro and nothing under the prefix.
# usage: check_install.sh BUILD_DIR INSTALLED_WINDOW_TEST APP_ID ICON_NAME
set -euo pipefail
build=$1 window_test=$2 app_id=$3 icon=$4

stage=$(mktemp -d /tmp/quilloro-install-test.XXXXXX)
trap 'chmod -R u+w "$stage"; rm -rf "$stage"' EXIT
prefix=$stage/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$stage/install.log" || { cat "$stage/install.log"; fail "cmake --install"; }

echo "== Layout"
for file in bin/quilloro bin/quilloro-cli lib/quilloro/libquilloro.so \
    share/quilloro/GAMES.DAT share/quilloro/Images/CB001C.bmp share/quilloro/Resources/POINTERS.TXT \
    share/quilloro/Demos/G0000.GAM share/quilloro/SOUNDS/Splash.wav \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$icon.svg share/man/man6/quilloro.6.gz share/man/man6/quilloro-cli.6.gz; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
for folder in Help Strings; do
  [ -n "$(ls -A "$prefix/share/quilloro/$folder")" ] || fail "empty share/quilloro/$folder"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "missing the ${size} px icon"
done
[ -x "$prefix/bin/quilloro" ] && [ -x "$prefix/bin/quilloro-cli" ] || fail "the programs are not executable"
# Only data under share/quilloro: no programs, no library, no player data, no build stamps.
strays=$(find "$prefix/share/quilloro" \( -type f -perm -u+x -o -name '*.so' -o -name DATA -o -name 'QLRV*' \
         -o -name '.copied' -o -name Icons \) -print)
[ -z "$strays" ] || fail "does not belong under share/quilloro: $strays"
readelf -d "$prefix/bin/quilloro" | grep -q 'R.*PATH.*\[\$ORIGIN/../lib/quilloro\]' || fail "quilloro does not find its library"
if readelf -d "$prefix/bin/quilloro" "$prefix/bin/quilloro-cli" | grep -q "$build"; then fail "a build path leaked into RUNPATH"; fi
zcat "$prefix/share/man/man6/quilloro.6.gz" | grep -q '^\.TH QUILLORO 6' || fail "quilloro.6"

echo "== desktop-file-validate and appstreamcli validate"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "^Icon=$icon$" "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry names another icon"

# Everything under the prefix with its size and time, to compare after the player's run.
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$stage/before"
chmod -R a-w "$prefix"

echo "== Command-line manners (no display)"
# expect STATUS STREAM COMMAND...: runs the command, checks its status, keeps its output in $out.
expect() {
  local status=$1 stream=$2; shift 2
  set +e
  if [ "$stream" = out ]; then out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>/dev/null)
  else out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1 >/dev/null); fi
  local got=$?
  set -e
  [ "$got" = "$status" ] || fail "$* gave status $got, not $status: $out"
}
one_line() { [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || fail "not one line: $out"; }
expect 0 out "$prefix/bin/quilloro" --help;       [[ $out == "usage: quilloro "* ]] || fail "quilloro --help: $out"
expect 0 out "$prefix/bin/quilloro" --version;    [[ $out == "quilloro "[0-9]* ]] || fail "quilloro --version: $out"
expect 2 err "$prefix/bin/quilloro" --fullscreen; one_line; [[ $out == *"unknown option --fullscreen"* ]] || fail "$out"
expect 2 err "$prefix/bin/quilloro" --home;       one_line
expect 0 out "$prefix/bin/quilloro-cli" --help;   [[ $out == *"record-demo"* ]] || fail "quilloro-cli --help: $out"
expect 0 out "$prefix/bin/quilloro-cli" -h
expect 0 out "$prefix/bin/quilloro-cli" --version; [[ $out == "quilloro-cli "[0-9]* ]] || fail "$out"
expect 0 out "$prefix/bin/quilloro-cli" play --help; [[ $out == *"--number G"* ]] || fail "quilloro-cli play --help: $out"
expect 0 out "$prefix/bin/quilloro-cli" help games
expect 2 err "$prefix/bin/quilloro-cli" games --colour red; one_line; [[ $out == *"unknown option --colour"* ]] || fail "$out"
expect 2 err "$prefix/bin/quilloro-cli" params;   one_line; [[ $out == *"--game"* ]] || fail "$out"
expect 2 err "$prefix/bin/quilloro-cli" deal --game; one_line
expect 2 err "$prefix/bin/quilloro-cli" nonsense; one_line
expect 2 err "$prefix/bin/quilloro-cli" --bogus;  one_line
expect 2 err "$prefix/bin/quilloro-cli";          one_line

echo "== A player with a fresh home"
home=$stage/home
mkdir "$home"
data=$home/.local/share/quilloro
player() { env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$@"; }
# The installed window starts, reads the installed data and shows its catalogue.
started=$(player QUILLORO_REPORT_START=1 timeout 120 "$prefix/bin/quilloro") || fail "the installed window did not start"
[[ $started == shown* ]] || fail "the installed window did not show its catalogue: $started"
[ -f "$data/DATA/CFG.DAT" ] || fail "no preferences under $data/DATA"
[ -f "$data/QLRV0310.DAT" ] || fail "no version marker under $data"
# The installed command-line program books under the same folder.
printf 'end\n' | player "$prefix/bin/quilloro-cli" play --game 0 --number 1 >"$stage/cli.out" || fail "quilloro-cli play"
grep -q '^lost' "$stage/cli.out" || fail "quilloro-cli did not book the abandoned game: $(cat "$stage/cli.out")"
# The window, driven with the mouse, plays FreeCell deal 1 to its end.
player QUILLORO_PREFIX="$prefix" timeout 300 "$window_test"
for file in CFG.DAT STAT.DAT STAT_LOG.DAT; do
  [ -f "$data/DATA/$file" ] || fail "no $file under $data/DATA"
done
grep -q '0000000000001' "$data/DATA/STAT_LOG.DAT" || fail "the won deal is not in the result log"

echo "== Nothing written under the prefix"
chmod -R u+w "$prefix"
snapshot >"$stage/after"
diff "$stage/before" "$stage/after" >&2 || fail "the player's run changed the installation"
echo "installed, validated and played: ok"
