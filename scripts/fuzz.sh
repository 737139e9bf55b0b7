#!/usr/bin/env bash
# Runs each fuzz target for SECONDS on its corpus (kept in BUILD/corpus, started from seeds made
# from the sample forms) and prints, per target, its runs, executions per second and findings.
# Exit 1 when any target found a crash, a hang, a leak or a sanitizer report.
set -uo pipefail
build=${1:?usage: fuzz.sh BUILD_DIR SECONDS}
seconds=${2:-60}
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$build/bin"
"$bin/make_seeds" "$build/seeds" "$root/tests/data" "$root/docs" "$root/fuzz/regressions" \
    "$root/apps/qt_designer_example" \
    >/dev/null || exit 2
mkdir -p "$build/logs" "$build/artifacts"
# The font library keeps what it allocates for each font Qt asks it for, unreferenced: its
# leaks, not ours (text in metafiles asks for fonts of many sizes).
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
failed=0
for target in form_file_fuzz ui_form_fuzz settings_fuzz store_fuzz roundtrip_fuzz picture_fuzz; do
    name=${target%_fuzz}
    mkdir -p "$build/corpus/$name"
    log="$build/logs/$name.log"
    # The pictures' seeds are files of their own (fuzz/pictures), not made from the forms.
    seeds="$build/seeds/$name"
    [ "$name" = picture ] && seeds="$root/fuzz/pictures"
    "$bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$build/corpus/$name" "$seeds" \
        >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [ $status -eq 0 ]; then
        echo "fuzz $name: ${runs:-?} runs, ${rate:-?} exec/s, no findings"
    else
        failed=1
        echo "fuzz $name: FOUND A FAULT after ${runs:-?} runs (exit $status); log $log:"
        grep -E "ERROR|SUMMARY|Test unit written|disagree|runtime error" "$log" | head -20
    fi
done
exit $failed
