#!/bin/sh
# Kills the data operations with SIGKILL at random moments and checks, after each kill,
# what a new start finds: a database that passes the restore check, a counter above every
# saved number, no number saved twice, a readable logo, a usable backup copy and no
# leftover partial copies. Then starts pairs of workers at once on a new data folder: only
# one may hold the data folder.
#
#   tests/tools/kill_loop.sh <build folder> [kills per operation]
#
# Slow on purpose; not part of ctest. Build the worker first:
#   cmake --build <build folder> --target tools_safety_worker
set -u
build=${1:?build folder}
kills=${2:-20}
worker="$build/tests/tools_safety_worker"
[ -x "$worker" ] || { echo "no $worker: build the target tools_safety_worker" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data"
backups="$work/backups"
faults=0
total=0

random_delay() {
    # 20 to 800 ms
    awk -v seed="$(od -An -N4 -tu4 /dev/urandom)" 'BEGIN { srand(seed); printf "%.3f", 0.02 + rand() * 0.78 }'
}

for operation in save delete company backup restore; do
    rm -rf "$work/data" "$backups"
    operation_faults=0
    i=0
    while [ "$i" -lt "$kills" ]; do
        "$worker" "$operation" "$backups" >"$work/run.log" 2>&1 &
        pid=$!
        sleep "$(random_delay)"
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        if grep -q FAULT "$work/run.log"; then
            echo "$operation kill $i: $(grep FAULT "$work/run.log" | head -1)"
            operation_faults=$((operation_faults + 1))
        fi
        if ! "$worker" check "$backups" >"$work/check.log" 2>&1; then
            echo "$operation kill $i: $(grep FAULT "$work/check.log" | head -1)"
            operation_faults=$((operation_faults + 1))
        fi
        i=$((i + 1))
    done
    echo "$operation: $kills kills, $operation_faults faults"
    faults=$((faults + operation_faults))
    total=$((total + kills))
done

# Two starts at the same moment on a new data folder: one works, the other leaves at once.
pairs=$((kills / 2 + 1))
pair_faults=0
i=0
while [ "$i" -lt "$pairs" ]; do
    rm -rf "$work/data" "$backups"
    "$worker" save "$backups" >"$work/a.log" 2>&1 &
    a=$!
    "$worker" save "$backups" >"$work/b.log" 2>&1 &
    b=$!
    sleep 1
    a_running=0; b_running=0
    kill -0 "$a" 2>/dev/null && a_running=1
    kill -0 "$b" 2>/dev/null && b_running=1
    kill -9 "$a" "$b" 2>/dev/null
    wait "$a" 2>/dev/null
    wait "$b" 2>/dev/null
    if [ $((a_running + b_running)) -ne 1 ]; then
        echo "pair $i: $((a_running + b_running)) workers held the data folder"
        pair_faults=$((pair_faults + 1))
    fi
    if ! "$worker" check "$backups" >"$work/check.log" 2>&1; then
        echo "pair $i: $(grep FAULT "$work/check.log" | head -1)"
        pair_faults=$((pair_faults + 1))
    fi
    i=$((i + 1))
done
echo "paired starts: $pairs pairs, $pair_faults faults"
faults=$((faults + pair_faults))

echo "total: $total kills and $pairs paired starts, $faults faults"
[ "$faults" -eq 0 ]
