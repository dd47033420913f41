#!/usr/bin/env bash
# Times the npm package gcode-parser 2.2.0 (a G-code parser for Node.js) on
# the two 30,000-record programs of bench_parser, then bench_parser's cutting
# parse of the same files, and prints how many times faster ours is.
#   benches/peer_gcode_parser.sh [BUILD_DIR...]      (default: build)
# With several build folders (before and after a change, say) each one's
# bench_parser is timed in the same run; the first writes the programs.
# The package is installed into a temporary folder for this run only.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -gt 0 ] || set -- "$root/build"
for build in "$@"; do
  [ -x "$build/bin/bench_parser" ] || { echo "no $build/bin/bench_parser: build it first" >&2; exit 2; }
done
command -v node >/dev/null && command -v npm >/dev/null || { echo "node and npm are needed" >&2; exit 2; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$1/bin/bench_parser" --programs-to="$tmp"
(cd "$tmp" && npm install --silent --no-audit --no-fund --no-save gcode-parser@2.2.0 >/dev/null)

cat >"$tmp/peer.js" <<'JS'
// Median of 9 timed runs (after 2 unmeasured ones) of reading the file and
// parsing it into words, as the cutting parse reads its file every time.
const fs = require('fs');
const { parseStringSync } = require('gcode-parser');
const file = process.argv[2];
const times = [];
let lines = 0;
for (let k = 0; k < 11; ++k) {
  const t0 = process.hrtime.bigint();
  lines = parseStringSync(fs.readFileSync(file, 'utf8')).length;
  const t1 = process.hrtime.bigint();
  if (k >= 2) times.push(Number(t1 - t0) / 1e6);
}
times.sort((a, b) => a - b);
console.log(times[4].toFixed(3), lines);
JS

ours() {
  # real time in ms (the benchmark reports in ms)
  "$1/bin/bench_parser" --benchmark_filter="^BM_ParseMain$2/" --benchmark_format=csv 2>/dev/null |
    awk -F, '/_median"?,/ { print $3 }'
}
printf '%-8s %10s %10s %8s  %s\n' program "peer ms" "ours ms" ratio build
for kind in Integer Decimal; do
  file="$tmp/int.nc"
  [ "$kind" = Decimal ] && file="$tmp/dec.nc"
  read -r peer lines < <(node "$tmp/peer.js" "$file")
  for build in "$@"; do
    mine="$(ours "$build" "$kind")"
    awk -v k="$kind" -v p="$peer" -v m="$mine" -v b="$build" \
      'BEGIN { printf "%-8s %10.3f %10.3f %7.1fx  %s\n", k, p, m, p / m, b }'
  done
done
