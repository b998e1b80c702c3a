#!/usr/bin/env bash
# Measures burning to an image file against copying the same files with `cp -r`, and prints a
# table of medians. The image is flushed to disk before the burn reports its end (libburn's
# stdio drive syncs), so cp is timed with `sync -f` after it.
#   bench/burn.sh [RUNS]       (default 5 runs per measurement)
# Needs about 3 GiB free under BENCH_DIR (default /tmp/quorvex-burn).
set -euo pipefail

runs=${1:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
work=${BENCH_DIR:-/tmp/quorvex-burn}
build=$here/build/bench

cmake --preset release -S "$here" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target quorvex_burn_bench >/dev/null
burn=$build/bin/quorvex_burn_bench

rm -rf "$work" && mkdir -p "$work/src"
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now() { date +%s.%N; }

# 1 GiB: sixteen 60 MiB files and 1,000 files of 40 KiB in 10 folders, read from the cache.
for i in $(seq 16); do head -c 60M /dev/urandom > "$work/src/big$i.bin"; done
for d in $(seq 10); do
    mkdir "$work/src/d$d"
    for f in $(seq 100); do head -c 40K /dev/urandom > "$work/src/d$d/$f.dat"; done
done
cat "$work"/src/*.bin "$work"/src/d*/* > /dev/null

: > "$work/write"; : > "$work/verify"; : > "$work/write-only"; : > "$work/cp"
for round in $(seq 0 "$runs"); do
    rm -f "$work/out.iso"; rm -rf "$work/copy"; sync
    read -r _ write _ verify < <("$burn" "$work/src" "$work/out.iso")
    rm -f "$work/out.iso"; sync
    read -r _ alone _ _ < <("$burn" --no-verify "$work/src" "$work/out.iso")
    sync; start=$(now); cp -r "$work/src" "$work/copy" && sync -f "$work/copy"; copied=$(echo "$(now) - $start" | bc -l)
    [ "$round" = 0 ] && continue
    echo "$write" >> "$work/write"; echo "$verify" >> "$work/verify"
    echo "$alone" >> "$work/write-only"; echo "$copied" >> "$work/cp"
done

cp_s=$(printf '%.3f' "$(median < "$work/cp")")
row() { printf '| %-44s | %12s | %12s | %8s |\n' "$@"; }
ratio() { printf '%.2f' "$(echo "$1 / $cp_s" | bc -l)"; }
row "measurement (median of $runs), seconds" quorvex "cp -r + sync" ratio
row "--------------------------------------------" ------------ ------------ --------
w=$(median < "$work/write-only"); row "1 GiB, 1,016 files: image written" "$w" "$cp_s" "$(ratio "$w")"
w=$(median < "$work/write"); v=$(median < "$work/verify")
row "the same, then read back and compared" "$w + $v" "$cp_s" "$(ratio "$(echo "$w + $v" | bc -l)")"
