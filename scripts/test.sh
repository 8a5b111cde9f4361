#!/usr/bin/env bash
# Installe ce qui manque, construit et lance tous les tests (puis les tests du noyau sous
# AddressSanitizer et UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run package test

jobs=$(nproc)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DVARDO_SANITIZE=ON -DVARDO_GUI=OFF -DVARDO_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
