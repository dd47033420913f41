#!/usr/bin/env bash
# Installs what is missing, checks the layout of the sources, builds, checks
# that every include between the libraries runs down (scripts/layers.py), and
# runs every test twice: in the normal build and in the sanitizer build
# (AddressSanitizer + UndefinedBehaviorSanitizer). With clang there, a short
# fuzzing pass follows. JOBS sets how many builds, tests and fuzzers run at once.
#   scripts/test.sh --busy   the same beside one busy loop a core, as on a
#                            machine that other work keeps busy: no check may
#                            depend on the machine's pace.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="${JOBS:-$(nproc 2>/dev/null || echo 2)}"
case "${1:-}" in
  "") busy=0 ;;
  --busy) busy=1 ;;
  *) echo "usage: $0 [--busy]" >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"

loops=()
stop_loops() {
  [ ${#loops[@]} -eq 0 ] && return 0
  kill "${loops[@]}" 2>/dev/null || true
  wait "${loops[@]}" 2>/dev/null || true
  loops=()
}
trap stop_loops EXIT
if [ "$busy" = 1 ]; then
  for _ in $(seq "$(nproc 2>/dev/null || echo 2)"); do
    (while :; do :; done) &
    loops+=($!)
  done
  echo "== ${#loops[@]} busy loops beside the tests =="
fi

export QT_QPA_PLATFORM=offscreen
status=0
# Each step is headed with the minutes and seconds since the start, so a CI
# log tells where the time goes.
begun=$SECONDS
step() { printf '== %s (at %d:%02d) ==\n' "$1" $(((SECONDS - begun) / 60)) $(((SECONDS - begun) % 60)); }

step format
"$root/scripts/format.sh" --check || status=1

step "normal build"
"$root/scripts/build.sh" normal
step layers
(cd "$root/build" && ctest --output-on-failure -L layers) || status=1
# The key roads spend most of their time waiting for the program's window,
# so more of them run at once than there are cores: three a core with the
# normal build, two with the slower sanitizer build.
roads=$((jobs * 3))
step "tests (normal build)"
(cd "$root/build" && ctest --output-on-failure -j "$jobs" -LE 'layers|keyroads') || status=1
step "key roads (normal build)"
(cd "$root/build" && ctest --output-on-failure -j "$roads" -L keyroads) || status=1

step "sanitizer build"
"$root/scripts/build.sh" sanitize
step "tests (AddressSanitizer + UndefinedBehaviorSanitizer)"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$root/build-asan" && ctest --output-on-failure -j "$jobs" -LE 'layers|keyroads') || status=1
step "key roads (sanitizer build)"
(cd "$root/build-asan" && ctest --output-on-failure -j $((jobs * 2)) -L keyroads) || status=1

if command -v clang++ >/dev/null 2>&1; then
  step "fuzzing (20 s per target)"
  "$root/scripts/fuzz.sh" 20 || status=1
fi

step end
exit $status
