#!/usr/bin/env bash
# Times "brivane convertir" on 30 and 300 JPEG photographs of 1600 x 1200, all in
# one run on the same files: one worker (-j 1), the default (one per core),
# ImageMagick's mogrify in one process, and the floor: a bare libjpeg-turbo decode
# of the same files in one process on one core (at full size, and at 1/4, the scale
# the converter decodes these at: the entropy decoding no scale removes). Wall and CPU (user + sys) times,
# the best of several rounds (each command once a round), as the machine may be busy.
#   benchmarks/compare_parallel.sh [BUILD_DIR]
# BUILD_DIR holds src/brivane and benchmarks/decodejpeg (built here when missing;
# by default a Release build under build/release). BRIVANE_PHOTOS names a folder of
# 1600 x 1200 JPEG photographs to copy (by default made by ImageMagick);
# ROUNDS sets the rounds (5 by default); BRIVANE_BEFORE names another brivane (an
# older build) measured in the same run on the same files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
rounds=${ROUNDS:-5}

if [[ ! -x $build/src/brivane || ! -x $build/benchmarks/decodejpeg ]]; then
    "$root/scripts/deps"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANE_TESTS=OFF \
        -DBRIVANE_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --target brivane decodejpeg >/dev/null
fi
brivane=$build/src/brivane
decode=$build/benchmarks/decodejpeg
for tool in /usr/bin/convert /usr/bin/mogrify /usr/bin/time; do
    [[ -x $tool ]] || { echo "Il manque $tool (paquets imagemagick et time)." >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/base"
if [[ -n ${BRIVANE_PHOTOS:-} ]]; then
    cp "$BRIVANE_PHOTOS"/*.jpg "$work/base/"
else
    for i in 0 1 2 3 4; do
        /usr/bin/convert -seed "$i" -size 1600x1200 plasma:fractal -quality 90 "$work/base/$i.jpg"
    done
fi
bases=("$work"/base/*.jpg)

# Times a command (the arguments after the key) and keeps, under that key, the best
# wall time and the best CPU time so far, in seconds: "wall cpu".
declare -A results
measure() {
    local key=$1 w u s wall=999999 cpu=999999
    shift
    rm -rf "$work/out" && mkdir "$work/out"
    read -r w u s < <(/usr/bin/time -f '%e %U %S' "$@" 2>&1 >/dev/null | tail -n 1)
    [[ -n ${results[$key]:-} ]] && read -r wall cpu <<<"${results[$key]}"
    results[$key]="$(awk -v a="$wall" -v b="$w" 'BEGIN { print (b < a ? b : a) }') $(awk -v a="$cpu" -v b="$u" -v c="$s" 'BEGIN { print (b + c < a ? b + c : a) }')"
}

# Pads to a width in characters, not bytes (the labels have accents).
pad() {
    local text=$1
    while ((${#text} < $2)); do text+=" "; done
    echo "$text"
}
printf '| %s | %7s | %7s | %7s | %7s |\n' "$(pad "" 44)" "30 mur" "30 CPU" "300 mur" "300 CPU"
printf '|%s|\n' "----------------------------------------------|---------|---------|---------|---------"
for n in 30 300; do
    rm -rf "$work/photos" && mkdir "$work/photos"
    for ((i = 0; i < n; ++i)); do
        cp "${bases[i % ${#bases[@]}]}" "$work/photos/photo$(printf %03d "$i").jpg"
    done
    photos=("$work"/photos/*.jpg)
    # Round after round, each command once a round: a machine that slows down for a
    # while slows them all alike. The short runs take three times the rounds.
    for ((r = 0; r < (n < 100 ? 3 * rounds : rounds); ++r)); do
        measure "decode,$n" "$decode" "${photos[@]}"
        measure "quart,$n" "$decode" 1/4 "${photos[@]}"
        measure "j1,$n" "$brivane" convertir -j 1 -o "$work/out" "${photos[@]}"
        measure "defaut,$n" "$brivane" convertir -o "$work/out" "${photos[@]}"
        if [[ -n ${BRIVANE_BEFORE:-} ]]; then
            measure "avantj1,$n" "$BRIVANE_BEFORE" convertir -j 1 -o "$work/out" "${photos[@]}"
            measure "avantdefaut,$n" "$BRIVANE_BEFORE" convertir -o "$work/out" "${photos[@]}"
        fi
    done
    # ImageMagick is some twenty times slower: one round is enough.
    measure "magick,$n" /usr/bin/mogrify -path "$work/out" -format pbm -resize '160x100!' \
        -threshold 50% "${photos[@]}"
    [[ $(find "$work/out" -name '*.pbm' | wc -l) -eq $n ]] || { echo "mogrify : sorties incomplètes." >&2; exit 1; }
done
row() {
    read -r w30 c30 <<<"${results[$1,30]}"
    read -r w300 c300 <<<"${results[$1,300]}"
    printf '| %s | %7.2f | %7.2f | %7.2f | %7.2f |\n' "$(pad "$2" 44)" "$w30" "$c30" "$w300" "$c300"
}
row decode "décodage seul, libjpeg-turbo, 1 cœur"
row quart "décodage seul au 1/4 (le plancher)"
if [[ -n ${BRIVANE_BEFORE:-} ]]; then
    row avantj1 "avant : brivane convertir -j 1"
    row avantdefaut "avant : brivane convertir (défaut)"
fi
row j1 "brivane convertir -j 1"
row defaut "brivane convertir (défaut : $(nproc) cœurs)"
row magick "ImageMagick mogrify, 1 processus"
