#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS
# (default 60), JOBS of them at once (default: as many as there are cores).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Prints per target the executions, executions per second and whether it
# found anything. Every input that crashed, hung (10 s), ran out of memory or
# made a sanitizer report is copied into tests/data/fuzz/<target>/, where the
# replay test keeps running it; the script then fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
jobs="${JOBS:-$(nproc 2>/dev/null || echo 2)}"
dir="$root/build-fuzz"

all=(fuzz_parse_main fuzz_parse_preview fuzz_parse_edit fuzz_parse_lib
     fuzz_config_xml fuzz_file_xml fuzz_thc_xml fuzz_library fuzz_editor_text fuzz_copy_names)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ not found (scripts/setup.sh installs clang)" >&2
  exit 2
fi

if [ ! -f "$dir/CMakeCache.txt" ]; then
  flags=(-DCMAKE_CXX_COMPILER=clang++ -DTOVREL_FUZZ=ON -DTOVREL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  command -v ninja >/dev/null 2>&1 && flags+=(-G Ninja)
  command -v ccache >/dev/null 2>&1 && flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$dir" "${flags[@]}" >/dev/null
fi
cmake --build "$dir" --target fuzz_all -j "$jobs"

seeds_of() {
  local target="$1"
  case "$target" in
    fuzz_parse_*)
      echo "$root/fuzz/seeds/nc" "$root/template/ncfile"
      [ -d "$root/../shared/corpus" ] && echo "$root/../shared/corpus"
      ;;
    fuzz_library) echo "$root/fuzz/seeds/library" ;;
    fuzz_editor_text)
      echo "$root/fuzz/seeds/editor_text" "$root/template/ncfile"
      ;;
    *) echo "$root/fuzz/seeds/${target#fuzz_}" ;;
  esac
  [ -d "$root/tests/data/fuzz/$target" ] && echo "$root/tests/data/fuzz/$target"
  return 0
}

# Its own sanitizer settings, whatever the test command exported before.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Each target is one process: run as many at once as there are cores, then
# report them in order.
run_one() {
  local target="$1"
  local corpus="$dir/corpus/$target" findings="$dir/findings/$target" log="$dir/logs/$target.log"
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings" "$dir/logs"
  # shellcheck disable=SC2046
  "$dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -close_fd_mask=1 -artifact_prefix="$findings/" \
    "$corpus" $(seeds_of "$target") >"$log" 2>&1 || true
}
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_one "$target" &
  running=$((running + 1))
done
wait || true

status=0
printf '%-20s %12s %10s  %s\n' target executions "per s" found
for target in "${targets[@]}"; do
  findings="$dir/findings/$target"
  log="$dir/logs/$target.log"
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  [ -n "$execs" ] || execs="$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
  found="no"
  if [ -n "$(ls -A "$findings")" ]; then
    found="YES: $(ls "$findings" | tr '\n' ' ')(log: $log)"
    mkdir -p "$root/tests/data/fuzz/$target"
    cp "$findings"/* "$root/tests/data/fuzz/$target/"
    status=1
  fi
  printf '%-20s %12s %10s  %s\n' "$target" "${execs:-?}" "${rate:-?}" "$found"
done
exit $status
