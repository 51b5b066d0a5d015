#!/usr/bin/env bash
# Runs the benchmarks and prints, last, one Markdown table: each screen's paint at device pixel
# ratio 1, 2 and 3 and ChooseQuestion (Google Benchmark, REPETITIONS runs of each; median and
# range of their means), then start-up to the first painted screen and peak memory as paired
# ratios against a bare window painting the intro's texts, which the targets hold against, and
# a bare Qt window painting one line (RUNS rounds, the programs taking turns; see
# startup_pairs.cpp), with the system's fonts and again with a large collection of fonts
# (bench/fetch-fonts.sh; LARGE_FONTS=0 skips it, and so does a failed download).
# Offscreen platform; the paints are seeded, so every run paints the same questions.
set -euo pipefail
build="${1:-build-bench}"
rounds="${RUNS:-100}"
repetitions="${REPETITIONS:-10}"
bench="$build/bench"
export QT_QPA_PLATFORM=offscreen

quiet() {  # Qt's notes on the offscreen platform, which say nothing about the program
    grep -v -e 'does not support propagateSizeHints' -e 'XDG_RUNTIME_DIR not set' >&2 || true
}

csv="$(mktemp)"
trap 'rm -f "$csv"' EXIT
"$bench/merrowby_bench" --benchmark_repetitions="$repetitions" --benchmark_min_time=0.1 \
    --benchmark_display_aggregates_only=true --benchmark_out="$csv" --benchmark_out_format=csv 2> >(quiet)

startup() {  # condition -> table rows
    "$bench/merrowby_startup_pairs" "$rounds" 1.05 1.1 "$1" "$bench/merrowby_startup_probe" \
        "bare window painting the intro's texts=$bench/bare_text_window_probe" "bare window=$bench/bare_window_probe"
}
families() {
    "$bench/bare_window_probe" --count-families 2> >(quiet)
}
rows="$(startup "$(families) font families")"
if [ "${LARGE_FONTS:-1}" = 0 ]; then
    echo "The start-up with a large font collection is skipped (LARGE_FONTS=0)." >&2
elif ! bench/fetch-fonts.sh "$build/fonts"; then
    echo "The start-up with a large font collection is skipped: its fonts could not be downloaded." >&2
else
    export FONTCONFIG_FILE="$(realpath "$build/fonts/fonts.conf")"
    rows+=$'\n'"$(startup "$(families) font families")"
    unset FONTCONFIG_FILE
fi

echo
echo "$(nproc) cores, load average $(cut -d ' ' -f 1-3 /proc/loadavg), offscreen platform, RelWithDebInfo;" \
     "paints: median and range of $repetitions runs' means; start-up: $rounds rounds"
echo
echo "| what | median | min to max | target |"
echo "|---|---|---|---|"
# The repetitions' means, one row per benchmark: name, median, min, max, label.
awk -F, '
    function describe(name, ratio,   what) {
        what = name
        sub(/^BM_/, "", what); sub(/\/.*$/, "", what)
        if (what == "PaintIntro") what = "paint, intro screen"
        else if (what == "PaintScatterQuestionWithHint") what = "paint, scatter plot question with its hint"
        else if (what == "PaintHistogramQuestion") what = "paint, histogram question"
        else if (what == "PaintThreeBoxPlotQuestion") what = "paint, three-box plot question"
        else if (what == "PaintAboutPage") what = "paint, About page"
        else if (what == "ChooseQuestionWithOneOpenLeftOf300") what = "`ChooseQuestion`, one open question left of 300, random mode"
        if (ratio != "") what = what ", device pixel ratio " ratio
        return what
    }
    /_(mean|median|stddev|cv)"?,/ { next }
    /^"BM_/ {
        name = $1; gsub(/"/, "", name)
        ratio = ""; if (match(name, /\/[0-9]+$/)) ratio = substr(name, RSTART + 1)
        base = name; sub(/\/[0-9]+$/, "", base)
        key = base "/" ratio
        if (!(key in count)) { order[++n] = key; what[key] = describe(name, ratio); ratioOf[key] = ratio }
        values[key, ++count[key]] = $3
        label = $8; gsub(/"/, "", label); if (label != "") labels[key] = label
    }
    END {
        for (i = 1; i <= n; ++i) {
            key = order[i]; m = count[key]
            for (j = 1; j <= m; ++j) v[j] = values[key, j]
            for (j = 2; j <= m; ++j) { x = v[j]; for (k = j - 1; k >= 1 && v[k] > x; --k) v[k + 1] = v[k]; v[k + 1] = x }
            median = m % 2 ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
            target = key !~ /^BM_Paint/ ? "under 10 us" : ratioOf[key] == 1 ? "at most 300 us" : "at most 2 ms"
            text = what[key]; if (key in labels) text = text " (" labels[key] ")"
            printf "| %s | %.1f us | %.1f to %.1f us | %s |\n", text, median, v[1], v[m], target
        }
    }' "$csv"
echo "$rows"
