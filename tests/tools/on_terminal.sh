#!/bin/sh
# SPDX-License-Identifier: MIT
# on_terminal.sh COMMAND...: runs COMMAND with a terminal as its standard
# output and error; what it writes there comes out on standard output.
command=""
for argument in "$@"; do command="$command '$argument'"; done
exec script -qec "$command" /dev/null
