#!/usr/bin/env bash
# Builds the decoder library and its tests with ThreadSanitizer in build-tsan/ and runs them,
# including the real-time ones. Reports are suppressed only inside libpulse (tsan.supp).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-tsan"
flags="-fsanitize=thread -g"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
ninja -C "$build" -j2 mpegdll decoder_tests decoder_unit_tests decoder_realtime_tests decoder_sdl_tests
export TSAN_OPTIONS="halt_on_error=1 suppressions=$root/tests/decoder/tsan.supp"
for t in decoder_unit_tests decoder_tests decoder_realtime_tests decoder_sdl_tests; do
  "$build/bin/$t" --gtest_brief=1
done
