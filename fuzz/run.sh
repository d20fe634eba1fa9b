#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for N
# seconds (default 20) on a copy of its corpus, so that a run does not grow the
# committed corpus. Fails when any target finds a crash, a leak or a timeout;
# the input that did it is kept in build-fuzz/fuzz-findings/<target>/.
#
#   fuzz/run.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
# Seconds one input may take before libFuzzer calls it a finding.
input_timeout=${FUZZ_INPUT_TIMEOUT:-10}
build=build-fuzz
targets=(utf8_to_gbk_fuzzer gbk_to_utf8_fuzzer keyword_encoding_fuzzer row_scan_fuzzer regex_object_fuzzer utf8_parts_fuzzer)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DFUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

# Longest input per target: pages may be long, the other inputs are texts a
# person types or a pattern with a short subject.
max_len() {
    case "$1" in
        utf8_to_gbk_fuzzer | gbk_to_utf8_fuzzer | row_scan_fuzzer) echo 65536 ;;
        regex_object_fuzzer) echo 5120 ;;
        *) echo 4096 ;;
    esac
}

work="$build/fuzz-work"
findings="$build/fuzz-findings"
failed=()
for target in "${targets[@]}"; do
    rm -rf "${work:?}/$target"
    mkdir -p "$work/$target" "$findings/$target"
    cp fuzz/corpus/"$target"/* "$work/$target"/
    dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    echo "== $target: ${seconds}s"
    # One job: the machine is shared. A single input that takes 10 s is a
    # finding of its own, the window would hang that long.
    if ! "$build/bin/$target" "$work/$target" "${dict[@]}" \
            -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout="$input_timeout" \
            -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$findings/$target/" 2>"$work/$target.log"; then
        failed+=("$target")
        tail -n 60 "$work/$target.log"
    fi
    grep -E '^(#[0-9]+.*DONE|Done [0-9]+ runs|stat::number_of_executed_units|stat::average_exec_per_sec)' \
        "$work/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: crash found by: ${failed[*]} (inputs in $findings/)" >&2
    exit 1
fi
echo "fuzz: no crash in ${#targets[@]} targets"
