#!/usr/bin/env bash
# What a frame costs on a 48-megapixel photograph (8000 x 6000 JPEG): wall time
# and peak memory of "brivane convertir" without a frame, with a frame, with the
# margins trimmed and with a quarter turn, proportions kept or not. Each run
# decodes the photograph, so the decode dominates; the differences are the frame's.
#   benchmarks/frame_cost.sh [path/to/brivane]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
brivane=${1:-$root/build/release/src/brivane}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A photograph-like picture: smooth light with a busy middle, so JPEG keeps it large.
convert -size 8000x6000 gradient:'#d0c8b0-#302820' \
    \( -size 2000x1500 plasma:fractal -resize 3000x2000! \) -geometry +2500+2000 -composite \
    -quality 90 "$work/photo.jpg"

printf '%-34s %8s %10s\n' "run" "time (s)" "peak (MB)"
run() {
    local name=$1
    shift
    local best=
    for _ in 1 2 3; do
        /usr/bin/time -f '%e %M' -o "$work/t" "$brivane" convertir "$work/photo.jpg" -o "$work/out.89i" "$@" >/dev/null
        read -r seconds kb <"$work/t"
        if [[ -z $best ]] || awk "BEGIN{exit !($seconds < ${best%% *})}"; then best="$seconds $kb"; fi
    done
    read -r seconds kb <<<"$best"
    printf '%-34s %8s %10d\n' "$name" "$seconds" $((kb / 1024))
}
run "whole picture"
run "frame 3000 x 2000" --cadre 2500,2000,3000,2000
run "whole picture, proportions" --proportions
run "frame, proportions" --proportions --cadre 2500,2000,3000,2000
run "margins trimmed" --rogner
run "quarter turn and frame" --rotation 90 --cadre 2000,2500,2000,3000
