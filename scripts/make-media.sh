#!/usr/bin/env bash
# Regenerates the media that the program embeds: resources/pictures/DATA_1.jpg .. DATA_42.jpg,
# resources/sounds/WAVE_UP.wav, WAVE_DOWN.wav and WAVE_ERR.wav. The icon has its own script,
# make-icons.sh.
# The results are committed; building the program needs none of the tools used here.
# Needs: cmake, Qt 6 (Gui), fonts-noto-color-emoji, imagemagick, sox.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pictures="$root/resources/pictures"
sounds="$root/resources/sounds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick 7 calls itself magick; Debian 12 ships version 6 as convert-im6.q16.
convert=$(command -v magick || command -v convert-im6.q16 || command -v convert)

# Pictures, in resource order: animals, fruit, vehicles, toys (Unicode code points).
emoji=(
    1F436 1F431 1F430 1F98A 1F43B 1F43C 1F981 1F42E 1F437 1F438 1F427 1F422 1F418 1F989
    1F34E 1F350 1F34A 1F34B 1F34C 1F349 1F347 1F353 1F352 1F34D
    1F697 1F68C 1F692 1F69C 1F682 2708+FE0F 1F680 1F6B2 26F5 1F681
    1F9F8 26BD 1F388 1FA81 1F3B2 1F9E9 1FA80 1F941
)

cmake -S "$root/resources/tools" -B "$work/tools" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/tools" -j2 >/dev/null
export QT_QPA_PLATFORM=offscreen
"$work/tools/render_media" pictures "$work" "${emoji[@]}"

mkdir -p "$pictures"
for ((n = 1; n <= ${#emoji[@]}; ++n)); do
    # Qt's JPEG writer always subsamples chroma, so ImageMagick writes the 4:4:4 baseline file.
    "$convert" "$work/DATA_$n.png" -strip -sampling-factor 1x1 -density 300 -units PixelsPerInch \
        -interlace none -quality 92 "$pictures/DATA_$n.jpg"
done

# Sounds: 16-bit PCM, two channels, 44100 Hz, at a gentle volume. -R keeps the plucked
# notes' noise the same on every run, -D leaves out dither.
sox_out=(-V1 -R -D -r 44100 -c 2 -b 16 -e signed-integer)
# One plucked note of pitch $2 that rings for 1.4 s, starting $3 seconds into the motif.
note() {
    sox "${sox_out[@]}" -n "$work/$1.wav" synth 1.4 pluck "$2" lowpass 2500 fade q 0.005 1.4 1.3 \
        pad "$3" 0
}

# A motif of plucked notes, 0.3 s apart, with a soft echo; exactly $2 sample frames.
motif() {
    local out=$1 frames=$2
    shift 2
    local files=() start=0
    for pitch in "$@"; do
        note "note_$pitch" "$pitch" "$start"
        files+=("$work/note_$pitch.wav")
        start=$(awk "BEGIN { print $start + 0.3 }")
    done
    sox "${sox_out[@]}" -m "${files[@]}" "$out" vol 0.9 pad 0 1 reverb 30 trim 0 "${frames}s" \
        fade 0 "${frames}s" 0.3
}

mkdir -p "$sounds"
motif "$sounds/WAVE_UP.wav" 113409 C5 E5 G5 C6
motif "$sounds/WAVE_DOWN.wav" 113409 C6 G5 E5 C5
# A short low buzz: a filtered sawtooth that wobbles, in two pulses.
sox "${sox_out[@]}" -n "$sounds/WAVE_ERR.wav" synth 0.5 sawtooth 98 synth 0.5 sawtooth mix 92 \
    lowpass 900 tremolo 9 50 fade 0.02 0.5 0.08 pad 0 0.1 repeat 1 vol 0.3 \
    pad 0 2 trim 0 76121s

echo "media written to $root/resources"
