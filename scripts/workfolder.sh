#!/usr/bin/env bash
# Prepares the working folder the program runs in (default: work/ at the
# repository root). Seeds it from template/ and the drawn icons; never
# overwrites or deletes what is already there. TOVREL_BUILD names the build
# tree whose drawn icons are taken (default: build/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="${1:-$root/work}"

mkdir -p "$work/ncfile" "$work/.tovrelcnc" "$work/ravok/.tovrelcnc" "$work/ravok/icon"
cp -rn "$root/template/." "$work/"
icons="${TOVREL_BUILD:-$root/build}/src/resources/generated/icon"
if [ -d "$icons" ]; then
  cp -n "$icons/"*.png "$work/ravok/icon/" 2>/dev/null || true
fi
echo "$work"
