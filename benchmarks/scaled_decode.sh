#!/usr/bin/env bash
# How far the outputs move when JPEG photographs are decoded at 1/2, 1/4 or 1/8
# while they are read: builds a set of 15 real photographs of 1 to 48 megapixels,
# landscapes and portraits (one turned by its EXIF tag), and runs
# benchmarks/decode/comparedecode.cpp on it, which compares each with its
# natural-size decode (the preview's grey levels; the output's pixels under the
# threshold, Floyd-Steinberg and blue noise, both fits, whole and framed).
#   benchmarks/scaled_decode.sh [BUILD_DIR]
# The photographs are KDE Plasma's wallpapers (Debian package
# plasma-workspace-wallpapers, installed here when missing); the 12, 24 and
# 48-megapixel ones are enlarged from them with ImageMagick, and a few are cut to
# sizes that are not multiples of 8; two more, apart, are the hardest case. PHOTOS_KEEP=FOLDER
# keeps the set there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
if [[ ! -x $build/benchmarks/comparedecode ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVANE_TESTS=OFF \
        -DBRIVANE_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --target comparedecode >/dev/null
fi
wallpapers=/usr/share/wallpapers
if [[ ! -d $wallpapers/Shell ]]; then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends plasma-workspace-wallpapers imagemagick >/dev/null
fi

set_dir=${PHOTOS_KEEP:-$(mktemp -d)}
[[ -n ${PHOTOS_KEEP:-} ]] || trap 'rm -rf "$set_dir"' EXIT
mkdir -p "$set_dir"
image() { echo "$wallpapers/$1/contents/images/$2"; }
convert() { /usr/bin/convert "$@"; } # the packaged ImageMagick, whatever PATH holds

# As shipped: ten landscapes of 4.1 megapixels and one of 14.7.
for name in BytheWater ColdRipple ColorfulCups DarkestHour EveningGlow Grey Kite OneStandsOut summer_1am; do
    cp "$(image "$name" 2560x1600.jpg)" "$set_dir/${name,,}.jpg"
done
cp "$(image Shell 5120x2880.jpg)" "$set_dir/shell.jpg"
# Cut or resized, sides not multiples of 8: 1.0-megapixel landscape, 1.6-megapixel portrait.
convert "$(image FallenLeaf 2560x1600.jpg)" -resize '1283x802!' -quality 92 "$set_dir/fallenleaf-1mp.jpg"
convert "$(image Path 2560x1600.jpg)" -crop 1003x1597+700+0 +repage -quality 92 "$set_dir/path-portrait.jpg"
# Enlarged: a 12-megapixel portrait, a 48-megapixel landscape (8000 x 6000).
convert "$(image Grey 2560x1600.jpg)" -crop 1200x1600+600+0 +repage -resize '3000x4000!' -quality 90 \
    "$set_dir/grey-portrait-12mp.jpg"
convert "$(image EveningGlow 2560x1600.jpg)" -crop 2133x1600+200+0 +repage -resize '8000x6000!' -quality 90 \
    "$set_dir/eveningglow-48mp.jpg"
# 24 megapixels stored landscape, tagged to be turned a quarter: shown as a portrait.
convert "$(image Shell 5120x2880.jpg)" -crop 3840x2880+640+0 +repage -resize '5657x4243!' -quality 90 \
    "$set_dir/shell-turned.jpg"
python3 - "$set_dir/shell-turned.jpg" <<'EOF'
import struct, sys
path = sys.argv[1]
data = open(path, 'rb').read()
# An APP1 segment with a one-entry IFD: Orientation = 6 (turn a quarter clockwise).
tiff = b'II*\x00' + struct.pack('<IH', 8, 1) + struct.pack('<HHIHH', 0x0112, 3, 1, 6, 0) + struct.pack('<I', 0)
payload = b'Exif\x00\x00' + tiff
at = 4 + struct.unpack('>H', data[4:6])[0] if data[2:4] == b'\xff\xe0' else 2 # after JFIF's APP0
open(path, 'wb').write(data[:at] + b'\xff\xe1' + struct.pack('>H', len(payload) + 2) + payload + data[at:])
EOF
mv "$set_dir/shell-turned.jpg" "$set_dir/shell-24mp-portrait.jpg"

"$build/benchmarks/comparedecode" "$set_dir"/*.jpg
# The hardest case, apart: fine texture at 2605 x 1703, whose 1/8 (325 x 212) is
# barely twice the preview and whose blocks straddle the preview's.
mkdir -p "$set_dir/hardest"
for name in OneStandsOut Path; do
    convert "$(image "$name" 2560x1600.jpg)" -resize '2605x1703!' -quality 90 "$set_dir/hardest/${name,,}-2605.jpg"
done
echo
"$build/benchmarks/comparedecode" "$set_dir"/hardest/*.jpg
