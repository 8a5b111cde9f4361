#!/usr/bin/env bash
# Installe ce qui manque, construit (tout avertissement est une erreur) et lance tous les tests,
# puis tout le programme et ses tests, hors bout en bout, sous AddressSanitizer et
# UndefinedBehaviorSanitizer (les fenêtres sur la plateforme offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run package test

jobs=$(nproc)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDO_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDO_WERROR=ON \
      -DVARDO_SANITIZE=ON -DVARDO_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs" -LE e2e
