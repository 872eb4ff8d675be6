#!/usr/bin/env bash
# Runs every fuzz target of BUILD_DIR (configured with -DLORVANTA_FUZZ=ON) for SECONDS each,
# with the seed lists of fuzz/corpus/ when there are any; stops at the first failure.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: fuzz/run.sh BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
found=0
for target in "$build"/bin/*_fuzz; do
  [ -x "$target" ] || continue
  found=1
  name=$(basename "$target")
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$here/corpus/$name" ] && seeds=("$here/corpus/$name")
  echo "== $name: $seconds s"
  log="$build/fuzz-corpus/$name.log"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "$name failed (log: $log)" >&2
    exit 1
  fi
  grep -E "stat::number_of_executed_units|Done" "$log" || true
done
[ "$found" = 1 ] || { echo "no fuzz targets in $build/bin" >&2; exit 1; }
