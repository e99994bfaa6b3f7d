#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders each man page with man -l and fails on any warning of the formatter
# or on a page that renders empty.
set -euo pipefail
status=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  lines=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | wc -l)
  if [ -n "$warnings" ] || [ "$lines" -lt 20 ]; then
    echo "FAIL: $page ($lines lines):"
    echo "$warnings"
    status=1
  fi
done
exit $status
