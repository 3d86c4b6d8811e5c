# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: installs what the build needs, then configures and builds.

packages=(cmake ninja-build g++ pkgconf libxcb1-dev libwayland-dev wayland-protocols qt6-base-dev qt6-base-private-dev qt6-svg-dev
    qt6-wayland fonts-liberation)

# On a fresh desktop, unattended upgrades hold the package manager's locks for minutes. Wait for
# them, up to a bound, instead of failing at once.
lock_wait=600 # seconds
package_locks=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock)

# Which process holds one of the package manager's locks, if any.
lock_holder() {
    lslocks -n -o COMMAND,PID,PATH 2>/dev/null | awk -v locks="${package_locks[*]}" \
        'BEGIN { split(locks, l, " "); for (i in l) held[l[i]] = 1 } held[$NF] { print $1 " (process " $2 ") holds " $NF; exit }'
}

wait_for_package_manager() {
    local holder deadline=$((SECONDS + lock_wait)) waited=0
    while holder=$(lock_holder) && [ -n "$holder" ]; do
        if [ $SECONDS -ge $deadline ]; then
            echo "Another package manager is still busy after $lock_wait s: $holder." >&2
            echo "Run this again once it has finished." >&2
            exit 1
        fi
        [ $waited = 1 ] || echo "Another package manager is busy: $holder. Waiting up to $lock_wait s for it to finish..." >&2
        waited=1
        sleep 1
    done
    [ $waited = 0 ] || echo "The other package manager has finished; going on." >&2
}

# apt itself waits for the dpkg lock as long, should another package manager take it between
# our look and apt's; it does not wait for the lock of the package lists.
apt_get() {
    wait_for_package_manager
    apt-get -o DPkg::Lock::Timeout=$lock_wait "$@"
}

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
    apt_get update -qq
    export DEBIAN_FRONTEND=noninteractive
    [ ${#missing[@]} -eq 0 ] || apt_get install -y -qq "${missing[@]}" >/dev/null
    [ ${#bare[@]} -eq 0 ] || apt_get install -y -qq --no-install-recommends "${bare[@]}" >/dev/null
}

# build DIR [CMAKE_FLAG...]: configures and builds the targets named in build_targets, or all.
build_targets=()
build() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" ${build_targets[@]+--target "${build_targets[@]}"}
}

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
