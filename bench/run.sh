#!/usr/bin/env bash
# Measures quorvex-rescue against cp and GNU ddrescue and prints a table of medians. The
# rescue flushes its destination's file system before it reports files as copied, so cp is
# timed with the same flush (sync -f) after it.
#   bench/run.sh [RUNS]        (default 11 runs per measurement)
# Needs about 3 GiB free under BENCH_DIR (default /tmp/quorvex-bench); with MILLION=1 it also
# rescues 1,000,000 entries on tmpfs (about 3 GiB of memory). The rig measurement runs
# only where the damaged-media rig can mount (FUSE usable, fusermount3 installed).
set -euo pipefail

runs=${1:-11}
here=$(cd "$(dirname "$0")/.." && pwd)
work=${BENCH_DIR:-/tmp/quorvex-bench}
build=$here/build/bench

cmake --preset release -S "$here" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target quorvex-rescue quorvex_rig >/dev/null
rescue=$build/bin/quorvex-rescue
rig=$build/tests/quorvex_rig

rm -rf "$work" && mkdir -p "$work"
trap 'fusermount3 -u "$work/mnt" 2>/dev/null || true; rm -rf "$work" /dev/shm/quorvex-bench-$$' EXIT

now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Runs the command line after the one in $prepare (not timed) and prints the seconds it took.
timed() { eval "$prepare"; sync; local start; start=$(now); eval "$1" >/dev/null 2>&1 || true; echo "$(now) - $start" | bc -l; }
# Times two commands in turns, after one round that is not counted (it takes the first touch
# of fresh memory), and keeps each one's median in $work/NAME.q and $work/NAME.cp.
pair() {
    local name=$1 ours=$2 theirs=$3
    timed "$ours" >/dev/null; timed "$theirs" >/dev/null
    : > "$work/$name.ours"; : > "$work/$name.theirs"
    for _ in $(seq "$runs"); do
        timed "$ours" >> "$work/$name.ours"; timed "$theirs" >> "$work/$name.theirs"
    done
    median < "$work/$name.ours" > "$work/$name.q"; median < "$work/$name.theirs" > "$work/$name.cp"
}
row() { printf '| %-44s | %12s | %12s | %8s |\n' "$@"; }

# (a) One 1 GiB file read from the page cache.
mkdir -p "$work/a/src"
head -c 1G /dev/urandom > "$work/a/src/big.bin"
cat "$work/a/src/big.bin" > /dev/null
prepare='rm -rf "$work/a/dst"; mkdir -p "$work/a/dst"'
pair a '"$rescue" "$work/a/src" "$work/a/dst" big.bin' 'cp "$work/a/src/big.bin" "$work/a/dst/big.bin" && sync -f "$work/a/dst"'
cmp "$work/a/src/big.bin" "$work/a/dst/big.bin"
rm -rf "$work/a"

# (b) 10,000 files of 4 KiB in 100 folders, in the folder given.
# Each run writes a folder of its own: ext4 skips inodes freed in the last half minute, and
# deleting the last copy before each run would measure that search instead of the copy.
many_files() {
    local base=$1 name=$2 folder file
    for folder in $(seq 100); do
        mkdir -p "$base/src/f$folder"
        for file in $(seq 100); do head -c 4096 /dev/urandom > "$base/src/f$folder/$file"; done
    done
    round=0
    prepare='round=$((round + 1)); dst=$base/dst$round'
    pair "$name" '"$rescue" "$base/src" "$dst"' 'cp -r "$base/src" "$dst" && sync -f "$dst"'
    diff -r "$base/src" "$base/dst$((round - 1))"
    # With a job file every done mark waits for the destination's data to reach the disk.
    pair "${name}j" '"$rescue" --job "$dst.job" "$base/src" "$dst"' 'cp -r "$base/src" "$dst" && sync -f "$dst"'
    diff -r "$base/src" "$base/dst$((round - 1))"
    rm -rf "$base"
}
many_files "$work/b" b
shm=$(df --output=fstype /dev/shm 2>/dev/null | tail -1 || true)
[ "$shm" = tmpfs ] && many_files "/dev/shm/quorvex-bench-$$" bt

echo
row "measurement (median of $runs)" "quorvex" "reference" "ratio"
row "--------------------------------------------" "------------" "------------" "--------"
aq=$(cat "$work/a.q"); acp=$(cat "$work/a.cp")
row "(a) 1 GiB cached, MB/s (quorvex vs cp)" "$(echo "1073.741824 / $aq" | bc -l | xargs printf %.0f)" \
    "$(echo "1073.741824 / $acp" | bc -l | xargs printf %.0f)" "$(echo "$acp / $aq" | bc -l | xargs printf %.2f)"
bq=$(cat "$work/b.q"); bcp=$(cat "$work/b.cp")
row "(b) 10,000 x 4 KiB, seconds (vs cp -r)" "$(printf %.2f "$bq")" "$(printf %.2f "$bcp")" \
    "$(echo "$bq / $bcp" | bc -l | xargs printf %.2f)"
bjq=$(cat "$work/bj.q"); bjcp=$(cat "$work/bj.cp")
row "    the same with --job (syncs before done)" "$(printf %.2f "$bjq")" "$(printf %.2f "$bjcp")" \
    "$(echo "$bjq / $bjcp" | bc -l | xargs printf %.2f)"
if [ -f "$work/bt.q" ]; then
    btq=$(cat "$work/bt.q"); btcp=$(cat "$work/bt.cp")
    row "    the same on tmpfs (/dev/shm)" "$(printf %.3f "$btq")" "$(printf %.3f "$btcp")" \
        "$(echo "$btq / $btcp" | bc -l | xargs printf %.2f)"
fi

# (d) With MILLION=1: 1,000 folders of 999 empty files on tmpfs (1,000,000 entries, the most a
# selection holds), one run each: time against cp -r, and the peak memory of the rescue.
if [ "${MILLION:-0}" = 1 ] && [ "$shm" = tmpfs ]; then
    million=/dev/shm/quorvex-bench-$$/million
    mkdir -p "$million/src"
    for folder in $(seq 1000); do
        mkdir "$million/src/folder$folder"
        (cd "$million/src/folder$folder" && seq -f 'file%g.dat' 999 | xargs touch)
    done
    sync; start=$(now)
    /usr/bin/time -f %M -o "$work/d.kib" "$rescue" "$million/src" "$million/q" >/dev/null 2>&1 || true
    dq=$(echo "$(now) - $start" | bc -l)
    sync; start=$(now)
    cp -r "$million/src" "$million/cp" && sync -f "$million/cp"
    dcp=$(echo "$(now) - $start" | bc -l)
    [ "$(find "$million/q" -type f | wc -l)" = 999000 ] || echo "(d) the rescue did not copy every file"
    row "(d) 1,000,000 entries on tmpfs, seconds" "$(printf %.2f "$dq")" "$(printf %.2f "$dcp")" \
        "$(echo "$dq / $dcp" | bc -l | xargs printf %.2f)"
    row "    peak memory of the rescue, MiB" "$(( $(tail -1 "$work/d.kib") / 1024 ))" "" ""
    rm -rf "$million"
fi

# (c) A 256 MiB rig file with 20 scattered bad 4 KiB sectors: quorvex-rescue against ddrescue.
if ! [ -r /dev/fuse ] || ! command -v fusermount3 >/dev/null || ! command -v ddrescue >/dev/null; then
    echo "(c) skipped: FUSE or ddrescue is not available here"
    exit 0
fi
config=$work/rig.conf
echo "file disk.img 256M 3" > "$config"
for sector in $(seq 0 19); do echo "bad disk.img $(( (sector * 3271 + 977) * 4096 )) 4096" >> "$config"; done
mkdir -p "$work/mnt"
source "$here/bench/rig-helpers.sh"
failed_reads() { awk '$4 == "disk.img" { print $2 }' "$work/mnt/.rig-stats"; }

: > "$work/c.q"; : > "$work/c.dd"
for _ in $(seq "$runs"); do
    rm -rf "$work/out"; mount_rig; sync
    start=$(now); "$rescue" "$work/mnt" "$work/out" disk.img > "$work/q.out" 2>/dev/null || true; end=$(now)
    lost=$(awk '/^Bytes lost:/ { print $3 }' "$work/q.out")
    echo "$(echo "$end - $start" | bc -l) $(failed_reads) $lost" >> "$work/c.q"; unmount_rig

    rm -f "$work/image" "$work/map"; mount_rig; sync
    start=$(now); ddrescue -q "$work/mnt/disk.img" "$work/image" "$work/map" || true; end=$(now)
    echo "$(echo "$end - $start" | bc -l) $(failed_reads) $(ddrescue_lost "$work/map")" >> "$work/c.dd"; unmount_rig
done
column() { awk -v c="$2" '{ print $c }' "$1" | median; }
row "(c) rig 256 MiB, 20 bad sectors: seconds" "$(column "$work/c.q" 1 | xargs printf %.2f)" \
    "$(column "$work/c.dd" 1 | xargs printf %.2f)" "(ddrescue)"
row "    failed read calls" "$(column "$work/c.q" 2)" "$(column "$work/c.dd" 2)" ""
row "    bytes lost" "$(column "$work/c.q" 3)" "$(column "$work/c.dd" 3)" ""
