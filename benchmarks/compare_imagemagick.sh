#!/usr/bin/env bash
# Times "brivane convertir" against ImageMagick on the same 100 photographs of
# 1600 x 1200, side by side in one run: brivane converts them all in one call,
# ImageMagick runs "convert IN -resize 160x100! -threshold 50% OUT.pbm" per picture.
#   benchmarks/compare_imagemagick.sh [path/to/brivane]
# Without a path, brivane is built in Release under build/release.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

brivane=${1:-}
if [[ -z $brivane ]]; then
    "$root/scripts/deps"
    cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBRIVANE_TESTS=OFF -DBRIVANE_BENCHMARKS=OFF >/dev/null
    cmake --build "$root/build/release" --target brivane >/dev/null
    brivane=$root/build/release/src/brivane
fi

# ImageMagick is only the yardstick: installed here if missing, never by the product.
if ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q "install ok installed"; then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends imagemagick
fi
# The packaged program itself, whatever else comes first in PATH.
convert=/usr/bin/convert

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/photos" "$work/brivane" "$work/imagemagick"

echo "Préparation de 100 photos de 1600 x 1200..."
"$convert" -seed 7 -size 1600x1200 plasma:fractal "$work/base.png"
for i in $(seq 0 99); do
    "$convert" "$work/base.png" -roll "+$((i * 16))+$((i * 12))" -modulate "100,$((60 + i % 80)),$((i * 2))" \
        -quality 90 "$work/photos/photo$(printf %03d "$i").jpg"
done

microseconds() { echo "${EPOCHREALTIME/[.,]/}"; }

start=$(microseconds)
"$brivane" convertir -o "$work/brivane" "$work"/photos/*.jpg >/dev/null
brivane_us=$(($(microseconds) - start))

start=$(microseconds)
for photo in "$work"/photos/*.jpg; do
    "$convert" "$photo" -resize '160x100!' -threshold 50% "$work/imagemagick/$(basename "$photo" .jpg).pbm"
done
imagemagick_us=$(($(microseconds) - start))

written_b=$(find "$work/brivane" -name '*.89i' | wc -l)
written_i=$(find "$work/imagemagick" -name '*.pbm' | wc -l)
if [[ $written_b -ne 100 || $written_i -ne 100 ]]; then
    echo "Sorties incomplètes : brivane $written_b, ImageMagick $written_i sur 100." >&2
    exit 1
fi

awk -v b="$brivane_us" -v i="$imagemagick_us" 'BEGIN {
    printf "brivane convertir (100 photos, un appel)       : %6.2f s\n", b / 1e6
    printf "ImageMagick convert (100 photos, un par photo) : %6.2f s\n", i / 1e6
    printf "Rapport : ImageMagick / brivane = %.1f\n", i / b
}'
if ((brivane_us >= imagemagick_us)); then
    echo "brivane n'est pas plus rapide qu'ImageMagick." >&2
    exit 1
fi
