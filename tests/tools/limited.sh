#!/bin/sh
# SPDX-License-Identifier: MIT
# limited.sh MEMORY_KB FILE_KB COMMAND...: runs COMMAND with its address space
# and the size of any file it writes limited, as on a small machine with a
# full disk ("-" leaves a limit off). A write beyond the file limit fails
# with EFBIG instead of killing the process.
memory=$1 file=$2
shift 2
[ "$memory" = - ] || ulimit -v "$memory" || exit 90
[ "$file" = - ] || ulimit -f "$((file * 2))" || exit 90
trap '' XFSZ
exec "$@"
