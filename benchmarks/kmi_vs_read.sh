#!/bin/sh
# Times `zelvora-cli kmi` over a whole demo meeting day against a process that only reads the
# three record files (cat), as whole processes; the bet-line run should cost at most 3x the read.
# Usage: kmi_vs_read.sh PATH/TO/zelvora-cli [RUNS]
set -eu
cli=$1
runs=${2:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" demo "$work/day" >/dev/null

elapsed_ms() {  # command... : average wall time of one run in milliseconds
    start=$(date +%s%N)
    i=0
    while [ "$i" -lt "$runs" ]; do
        "$@" >/dev/null
        i=$((i + 1))
    done
    end=$(date +%s%N)
    echo $(( (end - start) / runs / 1000 ))
}

read_us=$(elapsed_ms cat "$work/day/bvo_den1.bv2" "$work/day/bvo_den2.bv2" "$work/day/bvo_uma.bv2")
kmi_us=$(elapsed_ms "$cli" --data-dir "$work/day" kmi "$work/all.kmi")
echo "read three files: ${read_us} us per process"
echo "kmi, all races:   ${kmi_us} us per process"
awk -v k="$kmi_us" -v r="$read_us" 'BEGIN { printf "ratio: %.2f\n", k / r }'
