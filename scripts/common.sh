# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: installs what the build needs, then configures and builds.

packages=(cmake ninja-build g++ pkgconf libxcb1-dev qt6-base-dev qt6-svg-dev qt6-wayland fonts-liberation)

# Packages named after --no-recommends are installed without their recommendations.
ensure_packages() {
    local missing=() bare=() plain=1
    for package in "${packages[@]}" "$@"; do
        [ "$package" = --no-recommends ] && { plain=0; continue; }
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' && continue
        if [ $plain = 1 ]; then missing+=("$package"); else bare+=("$package"); fi
    done
    [ ${#missing[@]} -eq 0 ] && [ ${#bare[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        [ ${#missing[@]} -gt 0 ] && echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        [ ${#bare[@]} -gt 0 ] && echo "  sudo apt-get install -y --no-install-recommends ${bare[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ${bare[*]}..."
    apt-get update -qq
    export DEBIAN_FRONTEND=noninteractive
    [ ${#missing[@]} -eq 0 ] || apt-get install -y -qq "${missing[@]}" >/dev/null
    [ ${#bare[@]} -eq 0 ] || apt-get install -y -qq --no-install-recommends "${bare[@]}" >/dev/null
}

build() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
