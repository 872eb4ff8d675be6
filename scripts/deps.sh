#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need; quiet when all are there.
set -euo pipefail
packages=(
  cmake ninja-build pkgconf g++ qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev
  libqt6multimediawidgets6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav libmpg123-dev libsdl2-dev libjpeg62-turbo-dev
  libgif-dev libjpeg-turbo-progs libasound2-dev libasound2-plugins libpulse-dev
  libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-base-apps alsa-utils libgtest-dev libgmock-dev
  libbenchmark-dev xvfb xauth xdotool pulseaudio pulseaudio-utils mpg123 mpv lame twolame sox
  ffmpeg imagemagick espeak-ng python3 fonts-dejavu-core qt6-translations-l10n clang libclang-rt-14-dev
  librsvg2-bin desktop-file-utils appstream shared-mime-info libglib2.0-bin file
  dbus-daemon man-db dpkg-dev lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
