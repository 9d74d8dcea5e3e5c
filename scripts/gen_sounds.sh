#!/usr/bin/env bash
# Makes the five sound cues in modules/media/ from synthesised tones, all in
# A minor so that they sit together and over the background music:
#   00.mp3  background: a calm pad (A C E G B) with a slow four-note bell
#           motif, 8 s, looping without a seam
#   01.wav  power-on: a rising A-E-A bell arpeggio over a soft swell
#   02.wav  page change: a soft airy swish with a faint upward glide
#   03.wav  link: a bright two-note chime (B5, E6)
#   04.wav  click: a short, soft tick
# Every cue is normalised to the same loudness (K-weighted, loudest 400 ms),
# the background music a few dB below it, with peaks at most -1 dBFS.
# Needs sox and lame (scripts/setup installs them). The output is the same
# on every run.
# Usage: scripts/gen_sounds.sh [OUTPUT_DIR] (default modules/media)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-modules/media}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

LOOP_RATE=44100 # the mp3
CUE_RATE=22050  # the wav cues
LOOP_SECONDS=8
CUE_LOUDNESS=-20 # dB, K-weighted RMS of the loudest 400 ms
LOOP_LOUDNESS=-27
PEAK_LIMIT=-1 # dBFS
MP3_KBPS=64

# sox in repeatable mode (fixed dither seed), quiet; intermediates in float.
# sox clips even float files at full scale: every tone starts HEADROOM below
# it, and finish sets the level at the end.
sx() { sox -R -q "$@"; }
FLOAT=(-e floating-point -b 32)
HEADROOM=-20

# tone OUT RATE SECONDS WAVE FREQ GAIN_DB [EFFECT…]
tone() {
  local o=$1 rate=$2 seconds=$3 wave=$4 freq=$5 gain=$6
  shift 6
  sx -n -r "$rate" -c 1 "${FLOAT[@]}" "$o" synth "$seconds" "$wave" "$freq" \
    gain "$(awk -v g="$gain" -v h="$HEADROOM" 'BEGIN { print g + h }')" "$@"
}

# noise OUT RATE SECONDS COLOUR GAIN_DB [EFFECT…]
noise() {
  local o=$1 rate=$2 seconds=$3 colour=$4 gain=$5
  shift 5
  sx -n -r "$rate" -c 1 "${FLOAT[@]}" "$o" synth "$seconds" "$colour" \
    gain "$(awk -v g="$gain" -v h="$HEADROOM" 'BEGIN { print g + h }')" "$@"
}

# bell OUT RATE FREQ SECONDS DECAY_SECONDS GAIN_DB: a sine with a softer
# octave partial, struck and dying away exponentially (100 dB per DECAY).
bell() {
  local o=$1 rate=$2 freq=$3 seconds=$4 decay=$5 gain=$6
  local octave
  octave=$(awk -v f="$freq" 'BEGIN { printf "%.3f", 2 * f }')
  tone "$o.1.wav" "$rate" "$decay" sine "$freq" 0 fade l 0.004 "$decay" "$decay"
  tone "$o.2.wav" "$rate" "$decay" sine "$octave" -14 fade l 0.002 "$decay" "$(awk -v d="$decay" 'BEGIN { print d / 2 }')"
  sx -m -v 1 "$o.1.wav" -v 1 "$o.2.wav" "${FLOAT[@]}" "$o" gain "$gain" trim 0 "$seconds"
}

# at IN OUT SECONDS: IN delayed by SECONDS of silence.
at() { sx "$1" "${FLOAT[@]}" "$2" pad "$3"; }

# space IN OUT TAIL_SECONDS EFFECT…: the effects on IN with TAIL_SECONDS of
# silence after it to ring into (in two runs: sox misjudges the length of a
# padded or reverberated stream and warns about a trim that comes after).
space() {
  local in=$1 o=$2 tail=$3
  shift 3
  sx "$in" "${FLOAT[@]}" "$work/space.wav" pad 0 "$tail"
  sx "$work/space.wav" "${FLOAT[@]}" "$o" "$@"
}

# cut IN OUT START LENGTH FADE_OUT: LENGTH seconds from START, faded out.
cut() { sx "$1" "${FLOAT[@]}" "$2" trim "$3" "$4" fade q 0 "$4" "$5"; }

# mix OUT IN…: the inputs summed at their own levels.
mix() {
  local o=$1
  shift
  local inputs=()
  for f in "$@"; do inputs+=(-v 1 "$f"); done
  sx -m "${inputs[@]}" "${FLOAT[@]}" "$o"
}

# figure FILE FIELD: one figure from sox's statistics ("RMS lev dB", "Pk lev dB").
figure() { sx "$1" -n stats 2>&1 | awk -v field="$2" 'index($0, field) == 1 { print $NF }'; }

# loudness FILE: K-weighted RMS level in dB of the loudest 400 ms window
# (shorter sounds count as 400 ms with silence after them).
loudness() {
  local f=$1 length best=-200
  length=$(soxi -D "$f")
  sx "$f" "${FLOAT[@]}" "$work/k.wav" highpass 60 treble 4 1500
  if awk -v l="$length" 'BEGIN { exit !(l < 0.4) }'; then
    awk -v r="$(figure "$work/k.wav" 'RMS lev dB')" -v l="$length" \
      'BEGIN { printf "%.2f", r + 10 * log(l / 0.4) / log(10) }'
    return
  fi
  local start
  for start in $(awk -v l="$length" 'BEGIN { for (s = 0; s + 0.4 <= l + 1e-9; s += 0.1) print s }'); do
    local level
    level=$(sx "$work/k.wav" -n trim "$start" 0.4 stats 2>&1 | awk 'index($0, "RMS lev dB") == 1 { print $NF }')
    best=$(awk -v a="$best" -v b="$level" 'BEGIN { print (b > a ? b : a) }')
  done
  echo "$best"
}

# finish IN OUT RATE TARGET_DB: 16-bit mono at RATE, at TARGET_DB loudness
# unless that would push the peak above PEAK_LIMIT.
finish() {
  local in=$1 o=$2 rate=$3 target=$4 level peak gain
  sx "$in" "${FLOAT[@]}" -r "$rate" -c 1 "$work/f.wav"
  level=$(loudness "$work/f.wav")
  peak=$(figure "$work/f.wav" 'Pk lev dB')
  gain=$(awk -v t="$target" -v l="$level" -v p="$peak" -v m="$PEAK_LIMIT" \
    'BEGIN { g = t - l; if (p + g > m) g = m - p; printf "%.2f", g }')
  sx "$work/f.wav" -b 16 -e signed-integer "$o" gain "$gain"
}

# 00: background music ----------------------------------------------------
# Every pad frequency is a whole multiple of 1/8 Hz and every tremolo rate a
# whole number of cycles in 8 s, so the dry pad repeats exactly every 8 s.
# Three cycles go through the reverb; the middle one, whose reverb tail comes
# from an identical cycle before it, is the loop.
r=$LOOP_RATE
cycles=$((3 * LOOP_SECONDS))
p="$work/pad"
tone "$p.1.wav" $r $cycles sine 110 -4 tremolo 0.125 30      # A2
tone "$p.2.wav" $r $cycles sine 164.75 -9 tremolo 0.25 40    # E3
tone "$p.3.wav" $r $cycles triangle 220 -14 tremolo 0.125 50 # A3
tone "$p.4.wav" $r $cycles sine 220.25 -12                   # A3, a slow beat against it
tone "$p.5.wav" $r $cycles sine 261.625 -14 tremolo 0.375 50 # C4
tone "$p.6.wav" $r $cycles sine 329.625 -16 tremolo 0.125 60 # E4
tone "$p.7.wav" $r $cycles sine 392 -19 tremolo 0.25 60      # G4
tone "$p.8.wav" $r $cycles sine 493.875 -21 tremolo 0.375 60 # B4
mix "$p.wav" "$p".[1-8].wav

# The motif: one bell every 2 s, each dying away before the next.
b="$work/motif"
n=0
for freq in 659.255 493.883 523.251 391.995; do # E5 B4 C5 G4
  bell "$b.$n.wav" $r $freq 2 2 -15
  n=$((n + 1))
done
sx "$b".[0-3].wav "${FLOAT[@]}" "$b.cycle.wav"
sx "$b.cycle.wav" "$b.cycle.wav" "$b.cycle.wav" "${FLOAT[@]}" "$b.wav"

mix "$work/music.wav" "$p.wav" "$b.wav"
space "$work/music.wav" "$work/music-wet.wav" 0 lowpass 2800 reverb 70 60 100 100 10
sx "$work/music-wet.wav" "${FLOAT[@]}" "$work/music-loop.wav" trim $LOOP_SECONDS $LOOP_SECONDS
finish "$work/music-loop.wav" "$work/00.wav" $r $LOOP_LOUDNESS
lame --quiet --noreplaygain -m m -b $MP3_KBPS "$work/00.wav" "$out/00.mp3"

# 01: power-on ---------------------------------------------------------------
r=$CUE_RATE
bell "$work/on.a.wav" $r 440 1.5 1.6 0           # A4
bell "$work/on.e.wav" $r 659.255 1.4 1.5 -2      # E5
bell "$work/on.a2.wav" $r 880 1.3 1.4 -4         # A5
at "$work/on.e.wav" "$work/on.e-at.wav" 0.11
at "$work/on.a2.wav" "$work/on.a2-at.wav" 0.22
tone "$work/on.s1.wav" $r 1.5 sine 220 -10 fade q 0.35 1.5 1.1     # A3 swell
tone "$work/on.s2.wav" $r 1.5 sine 329.628 -13 fade q 0.35 1.5 1.1 # E4 swell
mix "$work/on.wav" "$work/on.a.wav" "$work/on.e-at.wav" "$work/on.a2-at.wav" \
  "$work/on.s1.wav" "$work/on.s2.wav"
space "$work/on.wav" "$work/on-wet.wav" 1 lowpass 5000 reverb 50 50 80 100 0
cut "$work/on-wet.wav" "$work/on-cut.wav" 0 1.5 0.3
finish "$work/on-cut.wav" "$out/01.wav" $r $CUE_LOUDNESS

# 02: page change ------------------------------------------------------------
noise "$work/pg.n.wav" $r 0.28 pinknoise -6 sinc 1200-6000 fade q 0.1 0.28 0.18
tone "$work/pg.g.wav" $r 0.2 sine 659.255:880 -12 fade q 0.03 0.2 0.17 # E5 up to A5
mix "$work/pg.wav" "$work/pg.n.wav" "$work/pg.g.wav"
space "$work/pg.wav" "$work/pg-wet.wav" 0.5 reverb 20 50 40 100 0
cut "$work/pg-wet.wav" "$work/pg-cut.wav" 0 0.3 0.05
finish "$work/pg-cut.wav" "$out/02.wav" $r $CUE_LOUDNESS

# 03: link -------------------------------------------------------------------
bell "$work/ln.1.wav" $r 987.767 0.6 0.8 0 # B5
bell "$work/ln.2.wav" $r 1318.51 0.5 0.7 -2 # E6
at "$work/ln.2.wav" "$work/ln.2-at.wav" 0.09
mix "$work/ln.wav" "$work/ln.1.wav" "$work/ln.2-at.wav"
space "$work/ln.wav" "$work/ln-wet.wav" 0.5 lowpass 6000 reverb 30 50 50 100 0
cut "$work/ln-wet.wav" "$work/ln-cut.wav" 0 0.6 0.1
finish "$work/ln-cut.wav" "$out/03.wav" $r $CUE_LOUDNESS

# 04: click ------------------------------------------------------------------
tone "$work/ck.t.wav" $r 0.05 sine 1760 0 fade l 0.001 0.05 0.05            # A6
noise "$work/ck.n.wav" $r 0.012 whitenoise -14 sinc 2500-7000 fade l 0.0005 0.012 0.012
mix "$work/ck.wav" "$work/ck.t.wav" "$work/ck.n.wav"
finish "$work/ck.wav" "$out/04.wav" $r $CUE_LOUDNESS

printf '00.mp3  %6d bytes  %5.2f s before encoding\n' "$(wc -c < "$out/00.mp3")" "$(soxi -D "$work/00.wav")"
for f in 01.wav 02.wav 03.wav 04.wav; do
  printf '%s  %6d bytes  %5.2f s\n' "$f" "$(wc -c < "$out/$f")" "$(soxi -D "$out/$f")"
done
