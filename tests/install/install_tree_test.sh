#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks the tree a desktop expects, that the
# installed lorvanta-list runs, and that the installed player finds its decoder library in
# lib/lorvanta/ (and fails to without it, so that the check can fail at all).
# Usage: install_tree_test.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/checks.sh"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

expected=(
  bin/lorvanta
  bin/lorvanta-list
  lib/lorvanta/mpegdll.so
  share/lorvanta/help/index.html
  share/applications/lorvanta.desktop
  share/metainfo/org.lorvanta.lorvanta.metainfo.xml
  share/mime/packages/lorvanta.xml
  share/icons/hicolor/scalable/apps/lorvanta.svg
  share/man/man1/lorvanta.1.gz
  share/man/man1/lorvanta-list.1.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/lorvanta.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
for program in bin/lorvanta bin/lorvanta-list; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done
# The decoder library is the player's own: not in bin/, not on the system's library path.
[ ! -e "$prefix/bin/mpegdll.so" ] || fail "mpegdll.so installed beside the programs"
# Every help page of the source tree is installed.
for page in "$(dirname "$0")"/../../help/*.html; do
  [ -f "$prefix/share/lorvanta/help/$(basename "$page")" ] || fail "help page $(basename "$page")"
done

# The installed companion reads a list.
printf '#EXTM3U\r\n#EXTINF:1,One\r\none.mp3\r\n' > "$work/list.m3u8"
out=$("$prefix/bin/lorvanta-list" dump "$work/list.m3u8") || fail "installed lorvanta-list failed"
case $out in
  '{"type":"m3u",'*'"title":"One"'*) ;;
  *) fail "unexpected dump: $out" ;;
esac

# Starts the installed player without a display for a moment; prints what it said on stderr.
run_player() {
  local home=$work/home-$1
  mkdir -p "$home"
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy "$prefix/bin/lorvanta" 2> "$work/player-$1.err" &
  local pid=$!
  sleep 3
  kill -TERM "$pid" 2>/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  cat "$work/player-$1.err"
}
if run_player installed | grep -q 'mpegdll.so:'; then
  fail "the installed player did not find lib/lorvanta/mpegdll.so"
fi
mv "$prefix/lib/lorvanta/mpegdll.so" "$work/"
if ! run_player without | grep -q 'mpegdll.so:'; then
  fail "the player without its decoder library did not say so"
fi

finish "install tree"
