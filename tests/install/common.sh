# shellcheck shell=bash
# Shared by the install tests: a scratch folder that goes away at the end, and an install of
# the build into a folder as if it were the root of the machine.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Makes the scratch folder $scratch, removed when the script ends.
make_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/quillarc-install.XXXXXX")
    trap 'chmod -R u+w "$scratch" && rm -rf "$scratch"' EXIT
}

# install_into BUILD DESTDIR: what the package would put under /usr.
install_into() {
    DESTDIR=$2 cmake --install "$1" --prefix /usr >/dev/null || fail "cmake --install failed"
}

# Used by the scripts that source this file.
# shellcheck disable=SC2034
readonly id=org.example.Quillarc
# shellcheck disable=SC2034
readonly icon_sizes=(16 24 32 48 64 128 256)
