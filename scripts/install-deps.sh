#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the game need, and only those
# that are missing, so that a second run costs nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache make pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins
  # Speech offline, no daemon: the flite engine. Qt6TextToSpeech's CMake package needs
  # Qt6QmlIntegration, which only qt6-declarative-dev brings.
  qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  libgl-dev libxkbcommon-dev
  fonts-thai-tlwg fonts-dejavu-core libthai0
  xvfb xdotool x11-utils desktop-file-utils
  pulseaudio  # the speech test's private sound server
  poppler-utils  # the worksheet test reads its PDF back; make screenshots draws a printed page
  libbenchmark-dev clang libclang-rt-14-dev
  libxtst-dev  # the start-up probe clicks the splash through XTEST
  dpkg-dev appstream lintian
  librsvg2-bin  # the icon's sizes from its scalable picture
  perl  # pod2man: the manual page from its POD source
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
