# SPDX-License-Identifier: GPL-3.0-or-later
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

# check_copyright FILE HOMEPAGE: the package's copyright file is in Debian's machine-readable
# format, names where the source is, and puts every file under the GPL, version 3 or later.
check_copyright() {
    local file=$1 homepage=$2
    [ -f "$file" ] || fail "no copyright file"
    local format="Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    [ "$(head -n 1 "$file")" = "$format" ] || fail "copyright file begins: $(head -n 1 "$file")"
    grep -qxF "Upstream-Name: Quillarc 2" "$file" || fail "copyright file does not name Quillarc 2"
    grep -qxF "Source: $homepage" "$file" || fail "copyright file does not give the source $homepage"
    # Paragraphs are separated by empty lines; the first line of each names it.
    local files licence
    files=$(awk 'BEGIN { RS = ""; FS = "\n" } $1 == "Files: *"' "$file")
    [ -n "$files" ] || fail "copyright file has no paragraph for every file"
    grep -qE '^Copyright: [0-9]{4}.* The Quillarc developers$' <<<"$files" ||
        fail "copyright file: no copyright of the Quillarc developers for every file"
    grep -qxF "License: GPL-3+" <<<"$files" || fail "copyright file does not put every file under GPL-3+"
    licence=$(awk 'BEGIN { RS = ""; FS = "\n" } $1 == "License: GPL-3+"' "$file")
    [ -n "$licence" ] || fail "copyright file has no GPL-3+ paragraph"
    for words in "either version 3 of the License, or" "(at your option) any later version." \
        '"/usr/share/common-licenses/GPL-3"'; do
        grep -qF "$words" <<<"$licence" || fail "copyright file's GPL-3+ paragraph lacks '$words'"
    done
    # A paragraph's text goes on in lines that begin with a space.
    local unindented
    unindented=$(awk 'NR > 1 && !/^ /' <<<"$licence")
    [ -z "$unindented" ] || fail "copyright file: GPL-3+ text not indented: $unindented"
}

# Used by the scripts that source this file.
# shellcheck disable=SC2034
readonly id=org.example.Quillarc
# shellcheck disable=SC2034
readonly icon_sizes=(16 24 32 48 64 128 256)
