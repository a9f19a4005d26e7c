#!/usr/bin/env bash
# The codec against Caucho's Hessian for Java in one run: builds what is needed in build/ and
# prints the median messages per second of both sides and their ratios.
#   scripts/bench-java.sh [java_compare options, e.g. --rounds 21]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target java_compare -j2 >/dev/null
exec build/bench/java_compare --java "$(command -v java)" \
  --classpath build/bench/java_classes:/usr/share/java/hessian.jar --work-dir build/bench "$@"
