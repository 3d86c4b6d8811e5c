#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The set-up waits for another package manager's lock, up to its bound, with a clear message.
# A lock on a file of its own stands in for the package manager's.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
lock=$(mktemp)
trap 'rm -f "$lock"' EXIT
package_locks=("$lock")
lock_wait=20

flock "$lock" sleep 1 &
sleep 0.5
message=$(wait_for_package_manager 2>&1)
grep -q "holds $lock. Waiting up to 20 s" <<<"$message" || { echo "no waiting message: $message"; exit 1; }
grep -q "going on" <<<"$message" || { echo "did not go on: $message"; exit 1; }
wait

lock_wait=1
flock "$lock" sleep 5 &
sleep 0.5
if message=$( (wait_for_package_manager) 2>&1); then
    echo "went on while the lock was held: $message"
    exit 1
fi
grep -q "still busy after 1 s" <<<"$message" || { echo "no message of the bound: $message"; exit 1; }
kill $!
