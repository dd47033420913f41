#!/usr/bin/env bash
# Keeps the C++ sources in the layout of .clang-format.
#   scripts/format.sh [--check]   lists every file that drifts from it; fails if any does
#   scripts/format.sh --fix       rewrites those files in place
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:---check}"

if ! command -v clang-format >/dev/null 2>&1; then
  echo "format.sh: clang-format not found (scripts/setup.sh installs it)" >&2
  exit 2
fi

cd "$root"
mapfile -t files < <(find src tests tools benches fuzz -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)

case "$mode" in
  --fix)
    clang-format -i "${files[@]}"
    ;;
  --check)
    # One clang-format for the whole tree: a process per file takes longer
    # than the formatting itself.
    report="$(clang-format --dry-run --Werror "${files[@]}" 2>&1 >/dev/null || true)"
    mapfile -t drifting < <(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
    if [ ${#drifting[@]} -gt 0 ]; then
      printf 'not formatted: %s\n' "${drifting[@]}"
      echo "format.sh: ${#drifting[@]} of ${#files[@]} files drift from .clang-format (scripts/format.sh --fix)" >&2
      exit 1
    fi
    echo "format.sh: ${#files[@]} files formatted"
    ;;
  *)
    echo "usage: $0 [--check|--fix]" >&2
    exit 2
    ;;
esac
