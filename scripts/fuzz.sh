#!/bin/sh
# Fuzzes the INI reader and the store's load for a bounded time (default 60 s) and keeps every
# crashing input in tests/data/persist/crashers/, which the persistence tests replay.
set -eu
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVARDO_FUZZ=ON -DVARDO_GUI=OFF -DVARDO_BENCH=OFF \
  -DVARDO_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
ninja -C "$build" -j2 persist_fuzz
mkdir -p "$build/corpus" "$build/artifacts" "$root/tests/data/persist/crashers"
status=0
"$build/tests/fuzz/persist_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$build/corpus" "$root/tests/data/persist/seeds" || status=$?
found=0
for crash in "$build"/artifacts/crash-* "$build"/artifacts/timeout-* "$build"/artifacts/oom-*; do
  [ -e "$crash" ] || continue
  cp "$crash" "$root/tests/data/persist/crashers/"
  found=$((found + 1))
done
echo "fuzz: $found crashing input(s) kept in tests/data/persist/crashers"
exit "$status"
