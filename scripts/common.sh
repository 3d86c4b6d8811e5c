# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: installs what the build needs, then configures and builds.

packages=(cmake ninja-build g++ pkgconf libxcb1-dev qt6-base-dev qt6-svg-dev qt6-wayland fonts-liberation)

ensure_packages() {
    local missing=()
    for package in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}..."
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

build() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
