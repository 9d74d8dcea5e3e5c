#!/usr/bin/env bash
# The bash completion of the command line, with bash-completion loaded as in
# an interactive shell and the built program on PATH (run from a copy, so its
# macro library is a fresh one): commands, actions, options, effect, media and
# macro names.
# Usage: cli_completion.sh PATH/TO/q3config PATH/TO/q3config.bash-completion
set -uo pipefail
build_bin=$(dirname "$(readlink -f "$1")")
completion=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
cp "$build_bin/q3config" "$work/program/"
cp -r "$build_bin/modules" "$work/program/"
rm -f "$work/program/modules/setting/p"[0-9]*.bin "$work/program/modules/macro/"*
export PATH="$work/program:$PATH"

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

failures=0
# expect "WORD|WORD|…" "EXPECTED COMPLETIONS": completes the last word, the
# words as typed (escapes included).
expect() {
  IFS='|' read -r -a COMP_WORDS <<< "$1"
  [[ $1 == *"|" ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=${1//|/ }
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _q3config
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  local want
  want=$(printf '%s\n' $2 | sed 's/@/ /g' | sort | tr '\n' ' ')
  if [[ $got != "$want" ]]; then
    echo "FAIL: '$1' completes to '$got', expected '$want'" >&2
    failures=$((failures + 1))
  fi
}

expect "q3config|li" "lighting"
expect "q3config|--v" "--virtual-keyboard --version"
expect "q3config|help|" "info profile lighting colors keys macro"
expect "q3config|profile|" "get set export import reset"
expect "q3config|keys|" "list set reset"
expect "q3config|macro|s" "show"
expect "q3config|lighting|--effect|marquee" "marquee marquee-colorful marquee-circle"
expect "q3config|lighting|--effect|user-define-" "user-define-1 user-define-2 user-define-3 user-define-4 user-define-5"
expect "q3config|lighting|--backlight-s" "--backlight-speed"
expect "q3config|lighting|--direction|" "left right"
expect "q3config|lighting|--color|" "0 1 2 3 4 5 6 loop"
expect "q3config|keys|set|A=volume-" "A=volume-up A=volume-down"
expect "q3config|keys|set|Esc=www-f" "Esc=www-forward Esc=www-favorites"
expect "q3config|info|--j" "--json"
expect "q3config|macro|show|Macro.\\ 03" "Macro.\\@030 Macro.\\@031 Macro.\\@032"
[ "$failures" = 0 ] || exit 1
echo "bash completion: passed"
