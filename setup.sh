#!/usr/bin/env bash
# Velkora set-up: installs what is missing (Debian 12, as root), builds, then starts the
# program ("start") or runs the whole test suite ("test").
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-translations-l10n libfontconfig-dev
  libfluidsynth-dev timgm6mb-soundfont fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei
  fonts-liberation2 fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# VELKORA_JOBS limits the parallel compiles and tests (a shared or small machine); every core
# without it.
jobs=${VELKORA_JOBS:-$(nproc)}
if ! [[ "$jobs" =~ ^[1-9][0-9]*$ ]]; then
  echo "VELKORA_JOBS must be a whole number of at least 1" >&2
  exit 2
fi
case "${1:-}" in
  start)
    install_missing
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$jobs"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/velkora
    fi
    exec ./build/velkora
    ;;
  test)
    install_missing
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELKORA_TESTS=ON \
      -DVELKORA_SANITIZE=ON >/dev/null
    cmake --build build-test -j"$jobs"
    cd build-test
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: ./setup.sh start|test" >&2
    exit 2
    ;;
esac
