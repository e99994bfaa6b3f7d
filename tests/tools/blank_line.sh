#!/bin/sh
# SPDX-License-Identifier: MIT
# blank_line.sh N: a line of N blanks, then one ordinary query.
head -c "$1" /dev/zero | tr '\0' ' '
printf '\ngain 030EA10 30\n'
