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
    sleep 2
    # A refused start ends by itself with status 3; one still working dies of the kill (137).
    kill -9 "$a" "$b" 2>/dev/null
    wait "$a"; a_status=$?
    wait "$b"; b_status=$?
    refused=0
    [ "$a_status" -eq 3 ] && refused=$((refused + 1))
    [ "$b_status" -eq 3 ] && refused=$((refused + 1))
    if [ "$refused" -ne 1 ]; then
        echo "pair $i: $((2 - refused)) workers held the data folder (status $a_status and $b_status)"
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
