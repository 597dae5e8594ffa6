#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tessaly, builds it, and then starts it (run) or tests it (test).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: ./build.sh run|test" >&2
    exit 2
    ;;
esac

packages=(build-essential cmake ninja-build qt6-base-dev libssl-dev libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us libqpdf-dev
    fonts-dejavu-core)
if [ "$mode" = test ]; then
    # Tests check our RTF against a real word processor and pandoc, our PDFs with poppler, the
    # installed menu entry and AppStream data, and the sources' formatting.
    packages+=(libreoffice-writer-nogui pandoc desktop-file-utils appstream poppler-utils clang-format)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

if [ "$mode" = test ]; then
    exec ctest --test-dir build --output-on-failure -j 2
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tessaly is built in build/Tessaly/, but there is no display to show it on."
    echo "Start it from a desktop session with:   build/Tessaly/tessaly"
    echo "or in a virtual display with:           xvfb-run -a build/Tessaly/tessaly   (apt-get install xvfb)"
    exit 1
fi
exec build/Tessaly/tessaly
