#!/usr/bin/env bash
# Runs the benchmarks: painting and choosing (Google Benchmark), then start-up to the first
# painted screen and peak memory, each against a bare Qt window built the same way.
set -euo pipefail
build="${1:-build}"
runs="${RUNS:-20}"
export QT_QPA_PLATFORM=offscreen

"$build/bench/merrowby_bench" --benchmark_min_time=0.2

measure() {  # program -> median microseconds and median peak KiB over $runs runs
    local program="$1" times=() sizes=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o /tmp/merrowby-bench-rss "$program" 2>/dev/null
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
        sizes+=($(tail -n 1 /tmp/merrowby-bench-rss))
    done
    local t m
    t=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    m=$(printf '%s\n' "${sizes[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "$t $m"
}

read -r merrowby_us merrowby_kb < <(measure "$build/bench/merrowby_startup_probe")
read -r bare_us bare_kb < <(measure "$build/bench/bare_window_probe")
echo
echo "start-up to the first painted screen (median of $runs runs, offscreen):"
printf '  Merrowby     %7.1f ms  %7d KiB peak\n' "$(echo "$merrowby_us / 1000" | bc -l)" "$merrowby_kb"
printf '  bare window  %7.1f ms  %7d KiB peak\n' "$(echo "$bare_us / 1000" | bc -l)" "$bare_kb"
printf '  ratio        %7.2f     %7.2f\n' "$(echo "$merrowby_us / $bare_us" | bc -l)" "$(echo "$merrowby_kb / $bare_kb" | bc -l)"
