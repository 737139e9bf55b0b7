#!/usr/bin/env bash
# Instructions one window resize costs, up to the window painted: Kelvane through its public API
# against a QGridLayout with its painting held, the same N framed panels (qt_resize_count), each
# side counted by callgrind over a number of resizes after a few to settle. Unlike CPU time, the
# count does not move with what else the machine is doing. It does move with the process's
# random hash seed, which lays Qt's heap out differently: Kelvane's window paints up to 3 % more
# instructions at 1 000 panels in some processes. So each side runs RUNS times (default 3) and
# the median counts, with the spread between the runs beside it.
#
# usage: scripts/count-resize-instructions.sh [N ...]     (default: 100 1000 5000 20000)
#        BUILD=dir picks the build (default build); `make bench-count` builds it first.
#        RUNS=n processes a side (default 3).
set -euo pipefail
shopt -s inherit_errexit  # a failed run inside $(...) stops the count, not just that run

if [ "${1:-}" = "-h" ] || [ "${1:-}" = "--help" ]; then
    sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
    exit 0
fi
build=${BUILD:-build}
counter="$build/bin/qt_resize_count"
[ -x "$counter" ] || { echo "no $counter: build first (make bench-count)" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is missing (make deps installs it)" >&2; exit 2; }
[ $# -gt 0 ] || set -- 100 1000 5000 20000
runs=${RUNS:-3}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "RUNS is not a number of runs: $runs" >&2; exit 2; }
for n in "$@"; do
    [[ "$n" =~ ^[1-9][0-9]*$ ]] || { echo "not a number of panels: $n" >&2; exit 2; }
done

# Fewer resizes where each costs more: the count per resize hardly varies between them.
resizes_for() {
    if [ "$1" -le 1000 ]; then echo 20; elif [ "$1" -le 5000 ]; then echo 8; else echo 4; fi
}

# Instructions per resize of one side in one process, from callgrind's "Collected" line.
count_once() {
    local side=$1 n=$2 r=$3 out total
    out=$(QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null \
        '--toggle-collect=*kv_counted_resize*' "$counter" "$side" "$n" "$r" 2>&1) || {
        echo "$out" >&2
        echo "qt_resize_count $side $n $r failed" >&2
        exit 1
    }
    total=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' <<<"$out")
    [ -n "$total" ] || { echo "no count from callgrind for $side $n" >&2; exit 1; }
    echo $((total / r))
}

# "median spread" of one side over the runs; spread is (max - min) / median.
count() {
    local side=$1 n=$2 r=$3 i counts=()
    for ((i = 0; i < runs; i++)); do counts+=("$(count_once "$side" "$n" "$r")"); done
    printf '%s\n' "${counts[@]}" | sort -n | awk '{ c[NR] = $1 }
        END { m = c[int((NR + 1) / 2)]; printf "%d %.1f%%\n", m, 100 * (c[NR] - c[1]) / m }'
}

printf '%8s %16s %7s %18s %7s %8s\n' N "Kelvane (instr)" spread "QGrid held (instr)" spread ratio
for n in "$@"; do
    r=$(resizes_for "$n")
    echo "counting $n panels, $r resizes a side, $runs runs..." >&2
    kelvane=$(count kelvane "$n" "$r")
    grid=$(count grid "$n" "$r")
    read -r k ks <<<"$kelvane"
    read -r g gs <<<"$grid"
    awk -v n="$n" -v k="$k" -v ks="$ks" -v g="$g" -v gs="$gs" \
        'BEGIN { printf "%8d %16d %7s %18d %7s %8.3f\n", n, k, ks, g, gs, k / g }'
done
