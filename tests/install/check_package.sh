#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a scratch folder and checks its fields, its dependencies, its
# file list and its copyright file.
set -euo pipefail
build=$1
version=$2
# shellcheck source=tests/install/common.sh
source "$(dirname "$0")/common.sh"
make_scratch
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$scratch/cpack.log")"
deb=$scratch/quillarc_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillarc ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version)"
[ "$(field Section)" = web ] || fail "section $(field Section)"
[[ "$(field Maintainer)" == *\<*@*\> ]] || fail "maintainer $(field Maintainer)"
[ -n "$(field Description | sed -n 2p)" ] || fail "no long description"
homepage=$(field Homepage)
[[ "$homepage" == https://* ]] || fail "homepage '$homepage'"

# Computed from the linked libraries (libqt6gui6 also holds the JPEG and GIF readers, libgumbo1
# is the HTML parser that reads a user's page), the face the windows' texts are set in, and the
# WebP and SVG readers.
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libgumbo1 libstdc++6 libc6 fonts-paratype \
    qt6-image-formats-plugins libqt6svg6; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "no dependency on $library in: $depends"
done
# Every dependency must be a package this Debian has (they are all installed here).
for package in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/|.*//' | xargs); do
    dpkg-query -W "$package" >/dev/null 2>&1 || fail "dependency $package is not known"
done

expected=(/usr/bin/quillarc
    "/usr/share/applications/$id.desktop"
    "/usr/share/metainfo/$id.metainfo.xml"
    /usr/share/doc/quillarc/copyright
    "/usr/share/icons/hicolor/scalable/apps/$id.svg")
for size in "${icon_sizes[@]}"; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
listing=$(dpkg-deb -c "$deb")
actual=$(echo "$listing" | awk '$1 !~ /^d/ {print substr($6, 2)}' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "file list differs:
$(diff <(echo "$wanted") <(echo "$actual"))"
echo "$listing" | grep -q '^-rwxr-xr-x root/root .* ./usr/bin/quillarc$' ||
    fail "the program is not an executable owned by root"
echo "$listing" | grep -q '^-rw-r--r-- root/root .* ./usr/share/doc/quillarc/copyright$' ||
    fail "the copyright file is not a readable file owned by root"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quillarc/copyright >"$scratch/copyright" ||
    fail "cannot read the copyright file from the package"
check_copyright "$scratch/copyright" "$homepage"
echo "package $(basename "$deb"), $(stat -c %s "$deb") bytes, depends on: $depends"
