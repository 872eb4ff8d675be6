#!/usr/bin/env bash
# Builds the Debian package from the build folder into a throw-away folder (never into the build
# folder, which other tests read), then checks its control fields and file list, runs the
# unpacked programs, simulates installing it with apt-get and, where lintian is installed,
# wants no error from it.
# Usage: debian_package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
source "$(dirname "$0")/../support/checks.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/out/lorvanta_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "no single package: ${debs[*]}"; exit 1; }
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lorvanta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
[ "$(field Section)" = sound ] || fail "Section: $(field Section)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] \
  || fail "Architecture: $(field Architecture)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
description=$(field Description)
[[ $description == *$'\n'* ]] || fail "no long description"
# A list separator or an overlong line is a description put together wrongly.
if [[ $description == *';'* ]] \
  || awk 'length > 80 { found = 1 } END { exit !found }' <<< "$description"; then
  fail "description garbled: $description"
fi
# dpkg-shlibdeps found the libraries the programs link, with versions.
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6widgets6 libmpg123-0 libsdl2; do
  [[ $depends =~ (^|, )$library[^,]*\(\>= ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/files"
expected=(
  ./usr/bin/lorvanta
  ./usr/bin/lorvanta-list
  ./usr/lib/lorvanta/mpegdll.so
  ./usr/share/applications/lorvanta.desktop
  ./usr/share/icons/hicolor/scalable/apps/lorvanta.svg
  ./usr/share/icons/hicolor/48x48/apps/lorvanta.png
  ./usr/share/metainfo/org.lorvanta.lorvanta.metainfo.xml
  ./usr/share/mime/packages/lorvanta.xml
  ./usr/share/man/man1/lorvanta.1.gz
  ./usr/share/man/man1/lorvanta-list.1.gz
  ./usr/share/lorvanta/help/index.html
  ./usr/share/doc/lorvanta/copyright
  ./usr/share/doc/lorvanta/changelog.gz
)
for file in "${expected[@]}"; do
  grep -qxF "$file" "$work/files" || fail "missing $file"
done
outside=$(grep -v '^\./usr/' "$work/files" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The unpacked programs run, and the player is stripped.
dpkg-deb -x "$deb" "$work/root"
[ "$("$work/root/usr/bin/lorvanta-list" --version)" = "lorvanta-list $version" ] \
  || fail "the packaged lorvanta-list does not run"
[ "$(QT_QPA_PLATFORM=none "$work/root/usr/bin/lorvanta" --version)" = "lorvanta $version" ] \
  || fail "the packaged lorvanta does not run"
if file "$work/root/usr/bin/lorvanta" | grep -q 'not stripped'; then
  fail "the packaged player is not stripped"
fi

# apt would install it here: every dependency resolves (a simulation, nothing is changed).
apt-get install --simulate -q "$deb" > "$work/apt.log" 2>&1 \
  && grep -q '^Inst lorvanta ' "$work/apt.log" \
  || fail "apt-get cannot install the package: $(tail -5 "$work/apt.log")"

if command -v lintian > /dev/null; then
  lintian --tag-display-limit 0 "$deb" > "$work/lintian.log" 2>&1 || true
  if grep -q '^E:' "$work/lintian.log"; then
    fail "lintian: $(grep '^E:' "$work/lintian.log")"
  fi
else
  echo "lintian is not installed: not run"
fi

finish "debian package"
