#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: only missing packages are fetched, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev libqt5charts5-dev
  libqt5svg5-dev qttools5-dev qttools5-dev-tools libqt5opengl5-dev
  qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qtquick-layouts qml-module-qtquick-dialogs qml-module-qtquick-window2
  qml-module-qtcharts qml-module-qttest qml-module-qtqml-models2
  qml-module-qt-labs-platform qml-module-qt-labs-settings
  libfftw3-dev libeigen3-dev libalglib-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils libgl1-mesa-dri libglx-mesa0 libegl-mesa0 mesa-utils
  python3-pyvisa python3-pyvisa-py
  qttranslations5-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
