#!/usr/bin/env bash
# Measures what a damaged medium costs: quorvex-rescue (with and without its sector pass)
# against GNU ddrescue -d run on each file, over the damaged-media rig serving files with bad
# sectors whose failing reads take FAIL_MS milliseconds (default 200), as a drive retrying a bad
# sector does. Prints seconds, failing read calls (the rig's counters) and bytes lost.
#   bench/damage.sh            (one run: the slow reads make every run take minutes)
# The last row counts the bytes the rig cannot read through any read: the sectors under its bad
# bytes.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
work=${BENCH_DIR:-/tmp/quorvex-damage}
build=$here/build/bench
fail_us=$(( ${FAIL_MS:-200} * 1000 ))

if ! [ -r /dev/fuse ] || ! command -v fusermount3 >/dev/null || ! command -v ddrescue >/dev/null; then
    echo "skipped: FUSE or ddrescue is not available here"; exit 0
fi
cmake --preset release -S "$here" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target quorvex-rescue quorvex_rig >/dev/null
rescue=$build/bin/quorvex-rescue
rig=$build/tests/quorvex_rig

rm -rf "$work" && mkdir -p "$work/mnt"
trap 'fusermount3 -u "$work/mnt" 2>/dev/null || true; rm -rf "$work"' EXIT

# A 64 MiB image with bad runs from one sector to 100 KiB, twenty 5,000-byte texts with 904
# unreadable bytes each, and a 4,097-byte photo whose last byte is unreadable.
config=$work/rig.conf
{
    echo "file disk.img 64M 3"
    offset=1000000
    for length in 512 3000 4096 4096 9000 40960 102400 700 12288 2048; do
        echo "bad disk.img $offset $length"
        offset=$(( offset + 5000000 + length * 7 ))
    done
    for n in $(seq 20); do
        echo "file texts/t$n.txt 5000 $n"
        echo "bad texts/t$n.txt $(( n * 173 % 4000 )) 904"
    done
    echo "file photo.jpg 4097 99"
    echo "bad photo.jpg 4096 1"
} > "$config"
files=$(awk '$1 == "file" { print $2 }' "$config")
for name in $files; do echo "directio $name"; echo "failslow $name $fail_us"; done >> "$config"

source "$here/bench/rig-helpers.sh"
# Read calls and failing read calls the rig served, over all files.
read_counts() { awk '{ reads += $1; failed += $2 } END { print reads + 0, failed + 0 }' "$work/mnt/.rig-stats"; }
now() { date +%s.%N; }

measure() {
    local name=$1; shift
    rm -rf "$work/out"; mount_rig; sync
    local start end
    start=$(now); "$rescue" "$@" "$work/mnt" "$work/out" > "$work/$name.out" 2>/dev/null || true; end=$(now)
    echo "$(echo "$end - $start" | bc -l) $(read_counts) $(awk '/^Bytes lost:/ { print $3 }' "$work/$name.out")" > "$work/$name"
    unmount_rig
}
measure quorvex
measure firstpass --no-sector-pass

mount_rig; sync
lost=0; start=$(now)
for name in $files; do
    mkdir -p "$work/dd/$(dirname "$name")"
    ddrescue -q -d "$work/mnt/$name" "$work/dd/$name" "$work/dd/$name.map" || true
    lost=$(( lost + $(ddrescue_lost "$work/dd/$name.map") ))
done
end=$(now)
echo "$(echo "$end - $start" | bc -l) $(read_counts) $lost" > "$work/ddrescue"
unmount_rig

row() { printf '| %-36s | %10s | %10s | %12s | %10s |\n' "$@"; }
show() {
    read -r seconds reads failed lost < "$work/$1"
    row "$2" "$(printf %.1f "$seconds")" "$reads" "$failed" "$lost"
}
row "failing reads take $(( fail_us / 1000 )) ms" seconds "reads" "failed reads" "bytes lost"
row "------------------------------------" ---------- ---------- ------------ ----------
show quorvex "quorvex-rescue"
show firstpass "quorvex-rescue --no-sector-pass"
show ddrescue "ddrescue -d, each file"
# What the rig cannot read at all: every 512-byte sector that holds a bad byte, cut at the
# file's end (the bad runs of one file do not touch each other).
unreadable=$(awk '$1 == "file" { size[$2] = $3 + 0; if ($3 ~ /M$/) size[$2] = $3 * 1048576 }
    $1 == "bad" { first = int($3 / 512) * 512; last = int(($3 + $4 + 511) / 512) * 512
                  if (last > size[$2]) last = size[$2]; total += last - first }
    END { print total }' "$config")
row "sectors holding a bad byte" "" "" "" "$unreadable"
