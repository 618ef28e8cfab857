#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch folder whose bin folder cannot be written, as under /usr, and starts
# the installed program twice as an unprivileged user with an empty home, on the offscreen
# platform. Each time it must come up, stay up without a word on its error output until it is
# closed, and end normally. The first start shows the welcome window and, on closing, leaves
# the first-run marker in the user's data folder and nothing in bin; the second start finds
# that marker and shows no welcome window.
set -euo pipefail
build=$1
closer=$2
# shellcheck source=tests/install/common.sh
source "$(dirname "$0")/common.sh"
make_scratch
chmod 755 "$scratch"
install_into "$build" "$scratch/root"
# The user must be able to read the closer, wherever the build folder is.
install -m 644 "$closer" "$scratch/close_windows.so"
closer=$scratch/close_windows.so
bin=$scratch/root/usr/bin
chmod a-w "$bin"
home=$scratch/home
runtime=$scratch/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    # root writes anywhere; the user of a desktop does not.
    chown nobody:nogroup "$home" "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

# A build with AddressSanitizer wants its runtime loaded before the closer, and keeps the
# sanitizer settings the run was given.
preload=$closer
asan=$(ldd "$bin/quillarc" | awk '/libasan/ { print $3 }')
[ -z "$asan" ] || preload="$asan $closer"
sanitizer_settings=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizer_settings+=("$name=${!name}")
done

# start N: runs the program until the closer ends it; leaves the windows it showed in
# $home/shown-N.
start() {
    local run=$1 output=$scratch/output-$1
    # The preload goes to the program alone, not to the tools that start it.
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        QT_QPA_PLATFORM=offscreen QUILLARC_TEST_REPORT="$home/shown-$run" "${sanitizer_settings[@]}" \
        timeout --signal=KILL 40 "${as_user[@]}" env LD_PRELOAD="$preload" "$bin/quillarc" >"$output" 2>&1 &
    local pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "start $run: the program ended at once: $(cat "$output")"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "start $run: ended with status $status: $(cat "$output")"
    # The offscreen platform itself says once that it keeps no size hints; a desktop's does.
    local printed
    printed=$(grep -vxF "This plugin does not support propagateSizeHints()" "$output" || true)
    [ -z "$printed" ] || fail "start $run: the program printed: $printed"
    [ -f "$home/shown-$run" ] || fail "start $run: the program never came up"
    grep -qx Mainfrm "$home/shown-$run" || fail "start $run: no main window"
    grep -qx Form4 "$home/shown-$run" || fail "start $run: no Quick Start window"
}

start 1
grep -qx Form1 "$home/shown-1" || fail "first start shows no welcome window"
[ "$(ls -A "$bin")" = quillarc ] || fail "the program wrote into its bin folder: $(ls -A "$bin")"
markers=$(find "$home" -name hasran.txt)
[ -n "$markers" ] || fail "closing the welcome window left no first-run marker in the home folder"
[[ "$markers" == "$home/.local/share/"* ]] || fail "the first-run marker is not in the data folder: $markers"
[ "$(od -An -tx1 "$markers" | xargs)" = "59 65 73 0d 0a" ] || fail "marker holds: $(od -c "$markers")"

start 2
! grep -qx Form1 "$home/shown-2" || fail "second start shows the welcome window again"
echo "started twice from the installed layout; marker at ${markers#"$home"/}"
