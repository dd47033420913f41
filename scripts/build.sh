#!/usr/bin/env bash
# Configures and builds one build tree.
#   scripts/build.sh            -> build/       (normal)
#   scripts/build.sh sanitize   -> build-asan/  (AddressSanitizer + UndefinedBehaviorSanitizer)
#   scripts/build.sh normal TARGET...   builds only those targets
# JOBS sets the number of compile jobs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="${1:-normal}"
[ $# -gt 0 ] && shift
# One job more than cores keeps them busy while another job waits on the disk.
jobs="${JOBS:-$(( $(nproc 2>/dev/null || echo 2) + 1 ))}"
targets=()
for t in "$@"; do
  targets+=(--target "$t")
done

case "$kind" in
  normal)   dir="$root/build";      flags=(-DTOVREL_SANITIZE=OFF) ;;
  sanitize) dir="$root/build-asan"; flags=(-DTOVREL_SANITIZE=ON -DTOVREL_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac

generator=()
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$dir" "${generator[@]}" "${flags[@]}"
fi
cmake --build "$dir" -j "$jobs" "${targets[@]}"
