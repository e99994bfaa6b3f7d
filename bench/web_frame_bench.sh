#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The frame computation at step 2 (030EA10 / 020EA05, azimuth 30°, elevation
# 20°, codes read once per frame) in WebAssembly under Node against the native
# FrameComputation benchmark, in one run; prints both and their ratio (goal:
# WebAssembly at most 1.5 times the native time). Builds what it runs.
# Usage: bench/web_frame_bench.sh [NATIVE_BUILD [WEB_BUILD]] (build, build-web)
set -euo pipefail
native_build=${1:-build}
web_build=${2:-build-web}
export NODE_PATH=/usr/share/nodejs
cmake --build "$native_build" --target veltrisko-bench > /dev/null
cmake --build "$web_build" --target veltrisko-web-frame-bench > /dev/null

# Medians of five repetitions, CPU time in microseconds.
native=$(env -u DISPLAY "$native_build/bin/veltrisko-bench" \
  --benchmark_filter='^FrameComputation/rule:[67]/parsed:1/step:2$' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv \
  2> /dev/null | awk -F, '/_median"/ { split($1, a, "[:/]"); print a[3], $4 }')
web=$(node "$web_build/veltrisko-web-frame-bench.js" | awk '{ split($1, a, ":"); print a[2], $3 }')

echo "frame computation, step 2, median CPU µs (load average $(cut -d' ' -f1 /proc/loadavg))"
printf '%-6s %10s %12s %7s\n' rule native WebAssembly ratio
join <(sort <<< "$native") <(sort <<< "$web") | sort -r |
  awk '{ printf "V%-5s %10.1f %12.1f %6.2fx\n", $1, $2, $3, $3 / $2 }'
