#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked into a scratch root whose
# tree is then made read-only, run by an ordinary user (nobody, when the test
# runs as root) from a scratch directory with a scratch home, with the virtual
# keyboard, on a virtual X server.
#  1. First start: the window appears, titled from the factory settings; on
#     the key page (gaming mode on) Esc becomes B and is applied, and the profile lands in
#     ~/.local/share/q3config beside the settings seeded from the factory
#     copy. A second start meanwhile exits at once, saying one is running,
#     and opens no window. Every shared library the program has loaded comes
#     from a package the .deb depends on, directly or through others.
#  2. With the settings cut short and the first profile overwritten by binary
#     garbage, the program starts, says once on standard error what it
#     replaced, and those files are their factory copies again; the macro
#     files are untouched.
#  3. The installed tree is unchanged, and nothing was written outside the
#     user's data folder and Qt's cache of compiled QML (~/.cache).
# Usage: installed_under_xvfb.sh PACKAGE_DIR (holding q3config_*.deb)
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
debs=("$(readlink -f "$1")"/q3config_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: no package in $1" >&2; exit 1; }
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/run/*.log; do echo "--- $f" >&2; grep -v '^qt.qml.import' "$f" | tail -n 20 >&2; done
  exit 1
}

root=$work/root home=$work/home run=$work/run runtime=$work/runtime
dpkg-deb -x "$deb" "$root"
chmod -R a-w "$root/usr"
mkdir -p "$home" "$run" "$runtime"
chmod 755 "$work"
chmod 700 "$runtime"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown 65534:65534 "$home" "$run" "$runtime"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
tree_state() { (cd "$root" && find . -printf '%p %M %s\n' -type f -exec sha256sum {} + | sort); }
tree_state > "$work/tree-before.txt"

user_data=$home/.local/share/q3config
title="^Q3 Keyboard Configurator$"
# A sanitizer build's settings (scripts/test-sanitized) reach the program too.
# The user may not be able to read the checkout: the leak suppressions it
# names are handed over as a copy in the scratch folder.
sanitizer_env=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  value=${!name:-}
  [ -n "$value" ] || continue
  if [[ $value =~ (^|:)suppressions=([^:]*) ]]; then
    suppressions=${BASH_REMATCH[2]}
    cp "$suppressions" "$work/$name.supp"
    chmod 644 "$work/$name.supp"
    value=${value/suppressions=$suppressions/suppressions=$work/$name.supp}
  fi
  sanitizer_env+=("$name=$value")
done
# Runs SCRIPT as the user in the scratch directory on a virtual X server,
# inside a session bus of its own as a desktop session has one (without one,
# libdbus may start a bus through X11 and write ~/.dbus, where dbus-x11 is
# installed).
session() {
  (cd "$run" && "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" \
      LANG=C.UTF-8 PROGRAM="$root/usr/bin/q3config" TITLE="$title" ${sanitizer_env[@]+"${sanitizer_env[@]}"} \
      dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c "$1")
}

# 1. First start, a key assignment, a second start.
session '
  QML_IMPORT_TRACE=1 "$PROGRAM" --virtual-keyboard 2> first.log &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" > /dev/null
  sleep 3
  click() { xdotool mousemove $1 click 1; sleep 1.5; }
  click "70 200"          # KEY
  click "233 408"         # gaming mode: the key choosers come alive
  click "207 206"         # Esc
  xdotool mousemove 382 332 mousedown 1; sleep 0.3
  for p in "400 300" "450 200" "500 140" "515 123"; do xdotool mousemove $p; sleep 0.2; done
  xdotool mouseup 1; sleep 1
  click "791 122"         # apply
  timeout 10 "$PROGRAM" --virtual-keyboard > second.out 2> second.log && echo $? > second-exit.txt ||
    echo $? > second-exit.txt
  sleep 1
  xdotool search --onlyvisible --name "$TITLE" | wc -l > windows.txt
  awk "{print \$6}" /proc/$pid/maps | grep "\.so" | sort -u > loaded.txt
  kill -TERM $pid
  wait $pid
  echo $? > first-exit.txt
' || fail "first session"
[ "$(cat "$run/first-exit.txt")" = 0 ] || fail "first start: exit code $(cat "$run/first-exit.txt")"
[ "$(cat "$run/second-exit.txt")" = 0 ] || fail "second start: exit code $(cat "$run/second-exit.txt")"
grep -q -x "q3config: already running with the data in $user_data; its window was brought to the front" \
  "$run/second.log" || fail "second start said: $(cat "$run/second.log")"
[ "$(cat "$run/windows.txt")" = 1 ] || fail "$(cat "$run/windows.txt") windows after the second start"
cmp -s "$user_data/setting/apConfig.bin" "$root/usr/share/q3config/modules/setting/apConfigD.bin" ||
  fail "settings not the factory copy"
"${as_user[@]}" test -w "$user_data/setting/apConfig.bin" || fail "the user cannot write the seeded settings"
grep -q '^\[keydefine0\]$' "$user_data/setting/p1.bin" && grep -q '^0=5, 0$' "$user_data/setting/p1.bin" ||
  fail "profile without Esc as B: $(head -c 300 "$user_data/setting/p1.bin")"
[ -n "$(ls "$user_data/macro")" ] || fail "no macro library"
# The QML modules' definitions that the import trace shows read from disk.
grep -o '"/[^"]*/qmldir"' "$run/first.log" | tr -d '"' | sort -u >> "$run/loaded.txt"
grep -q '/QtQuick/qmldir$' "$run/loaded.txt" || fail "no QML import trace: $(tail -n 5 "$run/first.log")"
python3 "$here/depends_closure.py" "$deb" "$run/loaded.txt" || fail "loaded files outside the dependencies"

# 2. Damaged files.
macros_before=$(cd "$user_data/macro" && sha256sum -- *)
"${as_user[@]}" truncate -s 100 "$user_data/setting/apConfig.bin"
"${as_user[@]}" sh -c 'head -c 2000 /dev/urandom > "$1"' sh "$user_data/setting/p1.bin"
session '
  "$PROGRAM" --virtual-keyboard 2> repair.log &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" > /dev/null
  sleep 1
  kill -TERM $pid
  wait $pid
' || fail "start with damaged files"
[ "$(grep -c '^q3config: replaced damaged files' "$run/repair.log")" = 1 ] ||
  fail "repair message: $(cat "$run/repair.log")"
grep -q -x "q3config: replaced damaged files in $user_data: setting/apConfig.bin (factory settings), setting/p1.bin (factory profile)" \
  "$run/repair.log" || fail "repair message: $(grep '^q3config' "$run/repair.log")"
cmp -s "$user_data/setting/apConfig.bin" "$root/usr/share/q3config/modules/setting/apConfigD.bin" ||
  fail "settings not replaced"
# The profile holds the factory key matrix again (the start-up has since
# stored the keyboard's lighting in it; QSettings orders keys its own way).
section() { awk -v s="[$1]" '/^\[/ { on = ($0 == s) } on && NF' "$2" | sort; }
[ -n "$(section keydefine0 "$user_data/setting/p1.bin")" ] &&
  [ "$(section keydefine0 "$user_data/setting/p1.bin")" = \
    "$(section keydefine0 "$root/usr/share/q3config/modules/setting/pD.bin")" ] ||
  fail "profile not replaced: $(head -c 300 "$user_data/setting/p1.bin")"
"${as_user[@]}" test -w "$user_data/setting/p1.bin" || fail "the user cannot write the replaced profile"
[ "$macros_before" = "$(cd "$user_data/macro" && sha256sum -- *)" ] || fail "macros changed"

# 3. Nothing else written.
tree_state > "$work/tree-after.txt"
diff "$work/tree-before.txt" "$work/tree-after.txt" || fail "the installed tree changed"
stray=$(cd "$home" && find . -type f ! -path './.local/share/q3config/*' ! -path './.cache/*')
[ -z "$stray" ] || fail "written outside the user's data folder: $stray"
stray=$(cd "$run" && find . -type f ! -name '*.log' ! -name '*.txt' ! -name '*.out')
[ -z "$stray" ] || fail "written in the start directory: $stray"
[ -z "$(ls "$runtime" | grep q3config || true)" ] || fail "lock left behind: $(ls "$runtime")"
echo "installed_under_xvfb: $(basename "$deb") runs from a read-only tree; the user's files: $(cd "$user_data" && find . -type f | wc -l)"
