#!/usr/bin/env bash
# Scanner throughput on a generated mbox held in the page cache, beside grep, ripgrep and the memchr floor.
#   bench/scan/run.sh BUILD_DIR [MEGABYTES]   (the corpus goes to bench/out/, which is not committed)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:?build directory}
megabytes=${2:-600}
bench=$build/bench/scan/bench_scan
corpus=$root/bench/out/scan-corpus.mbox
mkdir -p "$root/bench/out"
[ -s "$corpus" ] || "$bench" generate "$corpus" "$megabytes"
cat "$corpus" > /dev/null
echo "corpus $(stat -c %s "$corpus") bytes, load $(cut -d' ' -f1-3 /proc/loadavg)"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Output goes to a file: GNU grep stops at the first match when it writes to /dev/null.
best() { local t b=999; for _ in 1 2 3; do t=$( { /usr/bin/time -f %e "$@" >"$out"; } 2>&1 ); b=$(echo "$t $b" | awk '{print ($1<$2)?$1:$2}'); done; echo "$b"; }
size=$(stat -c %s "$corpus")
for tool in grep rg; do
  secs=$(best "$tool" -c '^From ' "$corpus")
  printf '%-9s messages %s  %.3f s  %.2f GB/s\n' "$tool" "$("$tool" -c '^From ' "$corpus")" "$secs" \
    "$(echo "$size $secs" | awk '{print $1/$2/1e9}')"
done
"$bench" floor "$corpus"
"$bench" floor-read "$corpus"
"$bench" mapped "$corpus"
"$bench" buffered "$corpus"
echo "peak memory (KiB): mapped $( { /usr/bin/time -f %M "$bench" mapped "$corpus" >/dev/null; } 2>&1 )," \
     "buffered $( { /usr/bin/time -f %M "$bench" buffered "$corpus" >/dev/null; } 2>&1 )"
