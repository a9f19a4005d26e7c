#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test.
#   scripts/test.sh              plain build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=OFF
build_dir=build
if [[ "${1:-}" == "--sanitize" ]]; then
  sanitize=ON
  build_dir=build-asan
fi

scripts/setup.sh
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAVO_WERROR=ON -DZAVO_SANITIZE=$sanitize
cmake --build "$build_dir" -j2
ctest --test-dir "$build_dir" -j2 --output-on-failure
