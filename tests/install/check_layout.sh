#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch folder and checks what a desktop finds there: the menu entry and the
# software-centre metadata pass their validators, the icon is there in every size, and the
# copyright file and the metadata give the program's licence.
set -euo pipefail
build=$1
version=$2
# shellcheck source=tests/install/common.sh
source "$(dirname "$0")/common.sh"
make_scratch
install_into "$build" "$scratch"
usr=$scratch/usr

[ -x "$usr/bin/quillarc" ] || fail "no program in bin"

desktop=$usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
complaints=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry: $complaints"
[ -z "$complaints" ] || fail "desktop entry: $complaints"
for line in "Name=Quillarc 2" "Exec=quillarc" "Icon=$id" "Categories=Development;WebDevelopment;"; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks '$line'"
done
[ "$(grep -c '^Comment=.' "$desktop")" -eq 1 ] || fail "desktop entry needs one Comment"

metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "metainfo does not validate: $report"
# The one note allowed: the id has capitals, which stay, as desktops know the program by it.
notes=$(grep -E '^[EWIP]: ' <<<"$report" | grep -vxE "P: $id:[0-9]+: cid-contains-uppercase-letter $id" || true)
[ -z "$notes" ] || fail "metainfo validates with notes: $notes"
grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
    fail "metainfo does not give the licence GPL-3.0-or-later"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the desktop entry"
grep -qF "<binary>quillarc</binary>" "$metainfo" || fail "metainfo does not provide the program"

# width and height from a PNG's header
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || return 1
    od -An -tu4 --endian=big -j 16 -N 8 "$1" | xargs
}
for size in "${icon_sizes[@]}"; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no $size pixel icon"
    actual=$(png_size "$icon") || fail "$icon is no PNG"
    [ "$actual" = "$size $size" ] || fail "$size pixel icon is $actual"
done
svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
grep -q "<svg" "$svg" || fail "no scalable icon"

homepage=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$metainfo")
[ -n "$homepage" ] || fail "metainfo gives no homepage"
check_copyright "$usr/share/doc/quillarc/copyright" "$homepage"
echo "layout, desktop entry, metainfo, ${#icon_sizes[@]} icon sizes and copyright file fine"
