#!/usr/bin/env bash
# Runs the benchmarks built in BUILD_DIR and prints their figures. One line per benchmark below.
set -uo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR}
bin="$build/bin"

run() {
  echo "== $1"
  if [ -x "$bin/$1" ]; then "$bin/$@"; else echo "(not built)"; fi
}

run bench-lists
run bench-mainwindow
run bench-decoder
run bench-folderscan
run bench-htmlview
run bench-richtext
run bench-imaging
run bench-picturepages
