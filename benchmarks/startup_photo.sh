#!/usr/bin/env bash
# The window's start-up with a 12-megapixel photograph (4000 x 3000 JPEG) on the
# command line: from starting the process to the window's first paint, which shows
# the converted picture (start-up converts before showing), and the peak memory.
# Each program given is run ROUNDS times (7 by default) side by side, offscreen;
# the best and the median time.
#   benchmarks/startup_photo.sh [BRIVANE...]     (default: build/release/src/brivane)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=("$@")
[[ ${#programs[@]} -gt 0 ]] || programs=("$root/build/release/src/brivane")
rounds=${ROUNDS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A real photograph when KDE's wallpapers are there (plasma-workspace-wallpapers),
# enlarged; a photograph-like picture otherwise.
shell=/usr/share/wallpapers/Shell/contents/images/5120x2880.jpg
if [[ -f $shell ]]; then
    /usr/bin/convert "$shell" -crop 3840x2880+640+0 +repage -resize '4000x3000!' -quality 90 "$work/photo.jpg"
else
    /usr/bin/convert -size 4000x3000 gradient:'#d0c8b0-#302820' \( -size 1000x750 plasma:fractal \
        -resize 2000x1500! \) -geometry +1000+750 -composite -quality 90 "$work/photo.jpg"
fi

printf '%-44s %9s %11s %10s\n' "program" "best (ms)" "median (ms)" "peak (MB)"
for program in "${programs[@]}"; do
    times=()
    peak=0
    for ((r = 0; r < rounds; ++r)); do
        start=$(date +%s%N)
        painted=$(env QT_QPA_PLATFORM=offscreen BRIVANE_STARTUP_TIMING=1 XDG_CONFIG_HOME="$work/config" \
            /usr/bin/time -f '%M' -o "$work/memory" "$program" "$work/photo.jpg" 2>/dev/null | tail -n 1)
        times+=($(((painted - start) / 1000000)))
        kb=$(<"$work/memory")
        ((kb > peak)) && peak=$kb
    done
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    printf '%-44s %9d %11d %10d\n' "$program" "${sorted[0]}" "${sorted[$((rounds / 2))]}" $((peak / 1024))
done
