#!/usr/bin/env bash
# Measures collecting a marked folder against `find DIR -type f | wc -l` and prints a table.
#   bench/collect.sh [RUNS]    (default 5 runs per measurement)
# With MILLION=1 it also collects a folder of 1,000,000 files on tmpfs and reports the peak
# memory of that collection (needs about 1.5 GiB of memory for the files themselves).
set -euo pipefail

runs=${1:-5}
here=$(cd "$(dirname "$0")/.." && pwd)
work=${BENCH_DIR:-/tmp/quorvex-collect}
build=$here/build/bench

cmake --preset release -S "$here" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target quorvex_collect_bench >/dev/null
collect=$build/bin/quorvex_collect_bench

rm -rf "$work" && mkdir -p "$work"
trap 'rm -rf "$work" /dev/shm/quorvex-collect-$$' EXIT

# FOLDERS folders of FILES empty files each below $1/tree.
make_tree() {
    local root=$1/tree folders=$2 files=$3
    mkdir -p "$root"
    for d in $(seq "$folders"); do
        mkdir "$root/folder$d"
        (cd "$root/folder$d" && seq -f 'file%g.dat' "$files" | xargs touch)
    done
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now() { date +%s.%N; }
time_find() { local s; s=$(now); find "$1" -type f | wc -l >/dev/null; echo "$(now) - $s" | bc -l; }
# find made to look at every file's size, as the collection must for its total.
time_find_sizes() {
    local s; s=$(now); find "$1" -type f -printf '%s\n' | wc -l >/dev/null; echo "$(now) - $s" | bc -l
}

make_tree "$work" 1000 100
find "$work/tree" -type f | wc -l >/dev/null
"$collect" "$work/tree" >/dev/null
for _ in $(seq "$runs"); do
    time_find "$work/tree" >>"$work/find"
    time_find_sizes "$work/tree" >>"$work/find-sizes"
    "$collect" "$work/tree" | awk '{ print $2 }' >>"$work/quorvex"
done
q=$(median <"$work/quorvex")
f=$(median <"$work/find")
printf '| %-46s | %10s | %10s | %7s |\n' "measurement (median of $runs)" quorvex find ratio
printf '| %-46s | %10s | %10s | %7s |\n' "----" "----" "----" "----"
fs=$(median <"$work/find-sizes")
printf '| %-46s | %10.3f | %10.3f | %7.2f |\n' "100,000 files in 1,000 folders, seconds" "$q" "$f" "$(echo "$q / $f" | bc -l)"
printf '| %-46s | %10.3f | %10.3f | %7.2f |\n' "  against find -printf '%s' (sizes read too)" "$q" "$fs" "$(echo "$q / $fs" | bc -l)"

if [[ "${MILLION:-0}" == 1 ]]; then
    shm=/dev/shm/quorvex-collect-$$
    make_tree "$shm" 1000 1000
    read -r entries seconds kib < <("$collect" "$shm/tree")
    printf '| %-46s | %10s | %10s | %7s |\n' "1,000,000 files: entries, seconds, peak MiB" \
        "$entries" "$seconds" "$((kib / 1024))"
fi
