#!/bin/sh
# Installs the Debian packages that building and testing fluac need, if any are
# missing. As root it runs apt-get; otherwise it prints the command to run.
# Usage: scripts/install-deps.sh [extra-package ...]
set -eu

need="g++ cmake make flex bison libgtest-dev lua5.4 clang libclang-rt-dev groff-base dpkg-dev $*"
# fluac-lua and its screenshot comparison with FLUID's own build
need="$need liblua5.4-dev libfltk1.3-dev libpng-dev fluid xvfb xauth fonts-dejavu-core"
# the example applications driven as a person would
need="$need xdotool"
# the Lua module built and installed by luarocks make
need="$need luarocks"
missing=""
for pkg in $need; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "fluac: missing packages:$missing" >&2
    echo "fluac: install them with: sudo apt-get update && sudo apt-get install -y$missing" >&2
    exit 1
fi

echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
