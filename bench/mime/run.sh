#!/usr/bin/env bash
# Builds and runs the MIME benchmark, then Python's email package over the same generated messages.
# Usage: bench/mime/run.sh [build dir]   (default: build-bench-mime next to the sources, Release)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=${1:-$root/build-bench-mime}
[ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORLANDA_GUI=OFF >/dev/null
cmake --build "$dir" --target bench_mime -j2 >/dev/null
corpus=$(mktemp)
trap 'rm -f "$corpus" "$corpus.idx"' EXIT
"$dir/bench/mime/bench_mime" "$corpus"
python3 "$root/bench/mime/python_email.py" "$corpus"
