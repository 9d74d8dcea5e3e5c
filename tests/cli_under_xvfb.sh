#!/usr/bin/env bash
# The command line as a user runs it, from a copy of the program with the
# virtual keyboard: the README's examples exactly as written there, with their
# captures and files checked; then a command issued while the window runs on
# a virtual X server, which is refused and changes nothing, and the same
# command once the window has closed.
# Usage: cli_under_xvfb.sh PATH/TO/q3config README.md
set -euo pipefail
build_bin=$(dirname "$(readlink -f "$1")")
readme=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/program" "$work/run" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
cp "$build_bin/q3config" "$work/program/"
cp -r "$build_bin/modules" "$work/program/"
# A user's tree: every profile saved once, a fresh macro library.
rm -f "$work/program/modules/setting/p"[0-9]*.bin "$work/program/modules/macro/"*
for n in 1 2 3; do cp "$work/program/modules/setting/pD.bin" "$work/program/modules/setting/p$n.bin"; done
cd "$work/run"

# Every q3config of the examples drives the virtual keyboard and captures
# its reports in its own file.
calls=0
q3config() {
  calls=$((calls + 1))
  "$work/program/q3config" "$@" --virtual-keyboard --capture "capture-$calls.txt"
}
examples=$(sed -n '/<!-- command-line examples -->/,/<!-- end of command-line examples -->/p' "$readme" |
  sed -n 's/^    //p')
[ "$(echo "$examples" | wc -l)" -eq 3 ] || fail "README examples: $examples"
while IFS= read -r example; do
  echo "+ $example"
  eval "$example" || fail "exit code $? from: $example"
done <<< "$examples"

# 1: profile 2 chosen (command 21 with profile index 1), then its lighting read.
grep -q ' cmd feature-out 00 21 01 00 00 00 55 AA 00$' capture-1.txt || fail "switch: $(cat capture-1.txt)"
# 2: the virtual keyboard starts as a new keyboard (02 3F 04 00 07 E0 3C): wave
# (02), brightness 7 of 7 (63 = 3F), speed 2, right, loop (07), back-light
# bytes E0 3C kept.
grep -q ' cmd feature-in 00 88 02 3F 04 00 07 E0 3C$' capture-2.txt || fail "factory lighting: $(cat capture-2.txt)"
grep -q ' cmd feature-out 00 08 02 3F 02 00 07 E0 3C$' capture-2.txt || fail "lighting: $(cat capture-2.txt)"
grep -q ' cmd feature-out 00 30 00 00 00 00 55 AA 00$' capture-2.txt || fail "colours: $(cat capture-2.txt)"
grep -q '^ledType=2, 63, 2, 0, 7, 224, 60$' "$work/program/modules/setting/p1.bin" ||
  fail "profile 1 after lighting: $(grep ledType "$work/program/modules/setting/p1.bin")"
# 3: three exports, byte copies of the profile files, nothing sent.
for n in 1 2 3; do
  cmp "profile-$n.pf" "$work/program/modules/setting/p$n.bin" || fail "backup of profile $n"
  if grep -q ' feature-out 00 [0-7]' "capture-$((2 + n)).txt"; then fail "export $n wrote to the keyboard"; fi
done

# The window runs: a command is refused and changes nothing.
state() { md5sum "$work/program/modules/setting/"*.bin "$work/program/modules/macro/"*; }
export PROGRAM="$work/program/q3config"
xvfb-run -a -s "-screen 0 1280x800x24" bash -euo pipefail -c '
  "$PROGRAM" --virtual-keyboard --capture window.txt 2> window.log &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name "^Q3 Keyboard Configurator$" > /dev/null
  sleep 1
  md5sum "$(dirname "$PROGRAM")"/modules/setting/*.bin "$(dirname "$PROGRAM")"/modules/macro/* > before.txt
  set +e
  "$PROGRAM" lighting --speed 5 --virtual-keyboard --capture refused.txt > refused.out 2> refused.err
  echo $? > refused.code
  set -e
  md5sum "$(dirname "$PROGRAM")"/modules/setting/*.bin "$(dirname "$PROGRAM")"/modules/macro/* > after.txt
  kill -TERM "$pid"
  wait "$pid"
'
[ "$(cat refused.code)" = 1 ] || fail "command beside the window: exit $(cat refused.code)"
[ "$(wc -l < refused.err)" = 1 ] || fail "refusal: $(cat refused.err)"
grep -q "is running with the data in" refused.err || fail "refusal: $(cat refused.err)"
[ ! -e refused.txt ] || fail "the refused command opened the keyboard: $(cat refused.txt)"
cmp before.txt after.txt || fail "files changed while the command was refused"
# The window gone, the same command runs.
"$work/program/q3config" lighting --speed 5 --virtual-keyboard --capture accepted.txt ||
  fail "command after the window closed"
# (a new virtual keyboard: its factory record with speed 5)
grep -q ' cmd feature-out 00 08 02 3F 05 00 07 E0 3C$' accepted.txt || fail "after the window: $(cat accepted.txt)"
echo "command line: README examples and the window's guard passed"
