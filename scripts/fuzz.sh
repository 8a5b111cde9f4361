#!/bin/sh
# Fuzzes the INI reader for a bounded time (default 60 s) or number of inputs, whichever ends
# first, then replays everything it kept under AddressSanitizer and UndefinedBehaviorSanitizer.
# The search runs without the sanitizers, several times faster, so it covers more ground; a fault
# that only the sanitizers see is caught by the replay. Every crashing input is kept in
# tests/data/persist/crashers/, which the persistence tests replay.
#   scripts/fuzz.sh [seconds] [inputs]
set -eu
seconds="${1:-60}"
inputs="${2:--1}"
root="$(cd "$(dirname "$0")/.." && pwd)"
corpus="$root/build/fuzz-corpus"
artifacts="$root/build/fuzz-artifacts"
seeds="$root/tests/data/persist/seeds"
crashers="$root/tests/data/persist/crashers"

build_target() {  # build folder, sanitizers ON/OFF
  cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVARDO_FUZZ=ON -DVARDO_GUI=OFF -DVARDO_BENCH=OFF \
    -DVARDO_TESTS=OFF -DVARDO_SANITIZE="$2" >/dev/null
  # The compiler reads the coverage ignore list, ninja does not track it.
  if [ "$root/tests/fuzz/coverage_ignore.txt" -nt "$1/tests/fuzz/persist_fuzz" ]; then
    ninja -C "$1" -t clean >/dev/null
  fi
  ninja -C "$1" -j2 persist_fuzz
}
build_target "$root/build/fuzz" OFF
build_target "$root/build/fuzz-sanitize" ON
mkdir -p "$corpus" "$artifacts" "$crashers"

status=0
"$root/build/fuzz/tests/fuzz/persist_fuzz" -max_total_time="$seconds" -runs="$inputs" \
  -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$corpus" "$seeds" || status=$?
echo "fuzz: replaying $(ls "$corpus" | wc -l) kept inputs under the sanitizers"
"$root/build/fuzz-sanitize/tests/fuzz/persist_fuzz" -runs=0 -timeout=10 \
  -artifact_prefix="$artifacts/" "$corpus" "$seeds" || status=$?

found=0
for crash in "$artifacts"/crash-* "$artifacts"/timeout-* "$artifacts"/oom-*; do
  [ -e "$crash" ] || continue
  cp "$crash" "$crashers/"
  found=$((found + 1))
done
echo "fuzz: $found crashing input(s) kept in tests/data/persist/crashers"
exit "$status"
