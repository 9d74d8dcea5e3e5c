#!/usr/bin/env bash
# The files that present the program to the desktop, as the build makes them:
# the desktop entry (desktop-file-validate) and the AppStream metainfo
# (appstreamcli, no network) pass their validators without a remark, name each
# other and the icon, and name the device table's keyboard (USB 04D9:A1CD) in
# the metainfo's modalias and in the udev rule, which sorts before
# 73-seat-late.rules so that logind sees its "uaccess" tag.
# Usage: desktop_files_valid.sh SOURCE_PACKAGING_DIR BUILD_PACKAGING_DIR
set -euo pipefail
src=$1
out=$2
id=io.github.q3config.q3config
fail() { echo "FAIL: $*" >&2; exit 1; }

report=$(desktop-file-validate "$src/$id.desktop" 2>&1) || fail "desktop entry: $report"
[ -z "$report" ] || fail "desktop entry: $report"
echo "desktop-file-validate $id.desktop: no remarks"

report=$(appstreamcli validate --no-net --pedantic "$out/$id.metainfo.xml" 2>&1) ||
  fail "metainfo: $report"
[ "$(echo "$report" | sed '/^$/d')" = "✔ Validation was successful." ] || fail "metainfo: $report"
echo "appstreamcli validate --no-net --pedantic $id.metainfo.xml: $report"

grep -q "^Icon=$id$" "$src/$id.desktop" || fail "desktop entry does not name the icon $id"
[ -f "$src/$id.svg" ] || fail "no icon $id.svg"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$out/$id.metainfo.xml" ||
  fail "metainfo does not launch $id.desktop"
grep -q "^ *<modalias>usb:v04D9pA1CD\*</modalias>$" "$out/$id.metainfo.xml" ||
  fail "metainfo lacks the keyboard's modalias: $(grep modalias "$out/$id.metainfo.xml")"

rules=("$out"/*.rules)
[ ${#rules[@]} = 1 ] || fail "udev rules: ${rules[*]}"
rule=$(basename "${rules[0]}")
[[ "$rule" < "73-seat-late.rules" ]] || fail "$rule sorts after 73-seat-late.rules"
[ "$(grep -v '^#' "${rules[0]}")" = \
  'SUBSYSTEM=="hidraw", ATTRS{idVendor}=="04d9", ATTRS{idProduct}=="a1cd", TAG+="uaccess"' ] ||
  fail "udev rule: $(cat "${rules[0]}")"
echo "desktop_files_valid: ok"
