#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The frame computation at step 2 (030EA10 / 020EA05, azimuth 30°, elevation
# 20°, codes read once per frame) in WebAssembly under Node against the native
# FrameComputation benchmark, in one run; prints both and their ratio (goal:
# WebAssembly at most 1.5 times the native time). The same for the page's
# whole frame at 1200 x 900 (recorded and turned into WebGL vertex arrays,
# the PageFrame benchmark). Builds what it runs.
# Usage: bench/web_frame_bench.sh [NATIVE_BUILD [WEB_BUILD]] (build, build-web)
set -euo pipefail
native_build=${1:-build}
web_build=${2:-build-web}
export NODE_PATH=/usr/share/nodejs
cmake --build "$native_build" --target veltrisko-bench > /dev/null
cmake --build "$web_build" --target veltrisko-web-frame-bench > /dev/null

# Medians of five repetitions, CPU time in microseconds.
native=$(env -u DISPLAY "$native_build/bin/veltrisko-bench" \
  --benchmark_filter='^(FrameComputation/rule:[67]/parsed:1/step:2|PageFrame/rule:[67])$' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv \
  2> /dev/null | awk -F, '/_median"/ { what = $1 ~ /PageFrame/ ? "page" : "rule"
                                       match($1, /rule:[67]/); print what substr($1, RSTART + 5, 1), $4 }')
web=$(node "$web_build/veltrisko-web-frame-bench.js" | awk '{ split($1, a, ":"); print a[1] a[2], $3 }')

echo "step 2, median CPU µs (load average $(cut -d' ' -f1 /proc/loadavg))"
printf '%-22s %10s %12s %7s\n' "" native WebAssembly ratio
join <(sort <<< "$native") <(sort <<< "$web") | sort -r |
  awk '{ name = ($1 ~ /^page/ ? "page frame V" : "computation V") substr($1, 5)
         printf "%-22s %10.1f %12.1f %6.2fx\n", name, $2, $3, $3 / $2 }'
