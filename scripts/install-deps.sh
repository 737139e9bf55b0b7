#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing. The fonts: DejaVu
# for pictures, WenQuanYi Micro Hei for the CJK captions of forms saved in those code pages.
# Qt Designer's development files (qt6-tools-dev and the OpenGL ones its CMake package needs)
# build the Designer plugin and its tests; designer-qt6, xdotool, x11-apps (xwd) and netpbm are
# for scripts/designer-picture.sh; valgrind counts instructions for `make bench-count`.
set -euo pipefail
pkgs=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev libsqlite3-dev uuid-dev
      qt6-base-dev ccache libcli11-dev nlohmann-json3-dev locales clang libclang-rt-14-dev
      clang-format-14
      xvfb xauth fonts-dejavu-core fonts-wqy-microhei libexpat1-dev
      qt6-tools-dev libqt6opengl6-dev designer-qt6 xdotool x11-apps netpbm valgrind)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-format tests run under a German locale (decimal comma): make sure it exists.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
    $sudo_cmd locale-gen >/dev/null
fi
