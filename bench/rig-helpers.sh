# Shared by the benchmarks that mount the damaged-media rig: they set $rig (the rig program),
# $config (its configuration) and $work (a scratch folder with an empty mnt/) first.

mount_rig() {
    "$rig" "$config" "$work/mnt" -f >/dev/null 2>&1 &
    for _ in $(seq 500); do mountpoint -q "$work/mnt" && return; sleep 0.01; done
    echo "the rig did not mount" >&2; exit 1
}
unmount_rig() { fusermount3 -u "$work/mnt"; wait; }
# Bytes a ddrescue mapfile does not mark as rescued ("+").
ddrescue_lost() {
    local sum=0 position size status first=1
    while read -r position size status; do
        [[ $position == \#* || -z $status ]] && continue
        if (( first )); then first=0; continue; fi
        [[ $status != "+" ]] && sum=$(( sum + size ))
    done < "$1"
    echo "$sum"
}
