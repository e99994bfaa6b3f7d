#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command once per screen size, each time on an X server of that size
# of its own under openbox, with settings of its own (a first start).
#   at_screen_sizes.sh WORK_DIR COMMAND...
set -euo pipefail
work=$1
shift
here=$(cd "$(dirname "$0")/../.." && pwd)
for size in 1920x1080 1366x768 1024x768; do
  rm -rf "$work/$size" && mkdir -p "$work/$size"
  echo "screen $size"
  XDG_CONFIG_HOME="$work/$size" xvfb-run -a -s "-screen 0 ${size}x24" \
    "$here/scripts/with-openbox" "$@"
done
