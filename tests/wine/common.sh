# SPDX-License-Identifier: MIT
# Sourced by the tests of the real program under Wine: checks counted, waiting, starting a
# Windows program and driving its window by mouse and keys, in the X display, window manager and
# Wine prefix that the caller set up.
wine=/usr/lib/wine/wine64
drive=$WINEPREFIX/drive_c
title='Cylinder-to-Barrel Ratio v.3'
passes=0
failures=0

check() { # what is checked, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        echo "PASS   $what"
        passes=$((passes + 1))
    else
        echo "FAIL!  $what"
        failures=$((failures + 1))
    fi
}
within() { # seconds, then a command retried until it succeeds
    local end=$((SECONDS + $1))
    shift
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.3
    done
}
# Starts a Windows program, given as a Unix or Windows path, and waits for its window; sets
# $window, $program. What Wine says of it goes to $WINEPREFIX/program.log.
launch() {
    # In a shell of its own, which and not this one reports a program killed at the session's end.
    bash -c '"$@"; exit $?' - "$wine" "$@" >/dev/null 2>"$WINEPREFIX/program.log" &
    program=$!
    within 60 xdotool search --onlyvisible --name "^$title\$" >"$WINEPREFIX/window" ||
        { echo "FAIL!  no window within a minute of starting $*"; exit 1; }
    window=$(head -n1 "$WINEPREFIX/window")
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
}
size() { xwininfo -id "$window" | sed -n 's/^ *Width: //p; s/^ *Height: //p' | paste -sd x; }
width_is() { [ "$(size | cut -dx -f1)" = "$1" ]; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
visible() { xdotool search --onlyvisible --name '' | wc -l; }
# The first menu ("File") opened by the mouse; once it shows, keys move on from it. The menu bar
# is the window's height less the client area's 6210 twips, 414 pixels.
menu() {
    local before
    before=$(visible)
    click 12 $((($(size | cut -dx -f2) - 414) / 2))
    within 10 eval '[ "$(visible)" -gt "$before" ]'
    keys "$@"
}
keys() { xdotool key --delay 80 "$@"; }
exits() { # with status 0
    within 30 eval '! kill -0 $program' || return 1
    wait "$program" || { echo "       exit status $?"; return 1; }
}
closed() { keys alt+F4 && exits; }
holds() { [ "$(od -An -c "$1" | tr -s ' ')" = "$(printf '%s' "$2" | od -An -c | tr -s ' ')" ]; }
# Whoever owns the prefix: the user folder Wine made for them.
local_appdata() { find "$drive/users" -mindepth 3 -maxdepth 3 -path '*/AppData/Local' ! -path '*/Public/*' | head -n1; }
# A folder of the prefix made read-only for everyone, root included: a read-only bind mount of
# itself, until unprotect. Needs the right to mount (root).
protect() { mount --bind "$1" "$1" && mount -o remount,ro,bind "$1"; }
unprotect() { umount "$1"; }
# The notices of a copy, portable or installed, with the Qt kit it was built from (tests/wine/notices).
has_notices() {
    "$(dirname "${BASH_SOURCE[0]}")/notices" "$1" "$2" >"$WINEPREFIX/notices.log" ||
        { grep FAIL "$WINEPREFIX/notices.log"; false; }
}
ends() {
    echo "$passes passed, $failures failed"
    [ $failures = 0 ]
}
