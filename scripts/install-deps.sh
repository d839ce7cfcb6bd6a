#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev       # Qt 6 Core, Widgets, DBus, Test
    libgtest-dev libgmock-dev libbenchmark-dev      # GoogleTest and Google Benchmark
    xvfb xauth trayer x11-utils xdotool             # end-to-end runs under Xvfb with a tray host
    dbus-x11                                        # a session bus for the end-to-end runs
    trash-cli libglib2.0-bin bfs findutils          # Trash checks and the benchmark's rivals
    clang libclang-rt-14-dev                        # the libFuzzer targets
    clang-format
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
