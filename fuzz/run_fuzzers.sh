#!/usr/bin/env bash
# Runs the fuzz targets one after another, niced, for a fixed time each, and
# prints each target's executions per second and total executions.
#   fuzz/run_fuzzers.sh BUILD_DIR [SECONDS] [TARGET...]
# BUILD_DIR was configured with CC=clang-14 CXX=clang++-14 -DKORVEL_BUILD_FUZZERS=ON.
# Corpora grow in BUILD_DIR/fuzz-work/<target>/corpus; the committed seeds in
# fuzz/corpus/<target> are only read. Crashing inputs land in
# BUILD_DIR/fuzz-work/<target>/artifacts.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")" && pwd)"
build_dir="$(cd "$1" && pwd)"
seconds="${2:-600}"
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(dds_fuzz arguments_fuzz settings_fuzz model_obj_fuzz model_gltf_fuzz demo_fuzz)
fi

export LSAN_OPTIONS="suppressions=$source_dir/assimp_leaks.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for target in "${targets[@]}"; do
    work="$build_dir/fuzz-work/$target"
    mkdir -p "$work/corpus" "$work/artifacts"
    options=(-max_total_time="$seconds" -close_fd_mask=1 -print_final_stats=1
             -artifact_prefix="$work/artifacts/")
    # The model importer library crashes on some damaged files (its own
    # faults); fork mode records those and keeps going.
    case "$target" in
        model_*) options+=(-fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1) ;;
    esac
    echo "== $target (${seconds}s)"
    nice -n 10 "$build_dir/fuzz/$target" "${options[@]}" "$work/corpus" \
        "$source_dir/corpus/$target" >"$work/log.txt" 2>&1 || echo "$target stopped: see $work/log.txt"
    grep -E "stat::(number_of_executed_units|average_exec_per_sec)|DONE|exiting" "$work/log.txt" || true
    tail -n 3 "$work/log.txt" | grep -E "^#" || true
    echo "artifacts: $(ls "$work/artifacts" | wc -l)"
done
