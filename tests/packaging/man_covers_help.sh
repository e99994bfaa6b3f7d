#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when an option (--name) or a command that PROGRAM prints in its --help
# is not in its man page source PAGE. Words after PAGE go before --help (the
# viewer's help follows its language; the man page is the English one).
set -euo pipefail
program=$1
page=$2
shift 2

# No display: a desktop program must answer --help without one.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$program" "$@" --help 2>/dev/null) || true
if ! grep -q "Usage:" <<<"$help"; then
  echo "$program --help printed no usage text"
  exit 1
fi

options=$(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u)
commands=$(awk '/^Commands:/ { listing = 1; next } /^[^ ]/ { listing = 0 }
                listing && /^  [a-z]/ { print $1 }' <<<"$help")
status=0
for option in $options; do
  if ! grep -qE -- "(^|[^a-zA-Z0-9-])$option([^a-zA-Z0-9-]|$)" "$page"; then
    echo "FAIL: $page lacks the option $option"
    status=1
  fi
done
for command in $commands; do
  if ! grep -qE "^\*$command\*" "$page"; then
    echo "FAIL: $page lacks the command $command (a line beginning *$command*)"
    status=1
  fi
done
[ $status -eq 0 ] && echo "$page covers $(wc -w <<<"$options") options and $(wc -w <<<"$commands") commands"
exit $status
