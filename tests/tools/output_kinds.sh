#!/bin/sh
# SPDX-License-Identifier: MIT
# output_kinds.sh CASE TOOL FOLDER: runs `TOOL export … --output X` where X
# is a device, a pipe, a link or a file with metadata of its own (CASE), and
# checks that X is still what it was and got the content. Exit 77: the case
# needs root.
set -u
case_name=$1 tool=$2 folder=$3/$1
rm -rf "$folder" && mkdir -p "$folder/sub" && cd "$folder" || exit 1
fail() { echo "$case_name: $*" >&2; exit 1; }
needs_root() { [ "$(id -u)" = 0 ] || exit 77; }
export_to() { "$tool" export --horizontal 030EA10 --vertical 020EA05 --format csv --output "$1"; }
no_temporary_left() { ! find . -name '*.tmp*' | grep -q . || fail "temporary file left behind"; }

case $case_name in
  fifo)
    mkfifo pipe
    timeout 20 cat pipe >received &
    export_to pipe || fail "export failed"
    wait
    [ -p pipe ] || fail "the FIFO was replaced"
    [ "$(wc -l <received)" = 362 ] || fail "the reader got $(wc -l <received) lines" ;;
  dev_null)
    export_to /dev/null || fail "export failed"
    [ -c /dev/null ] || fail "/dev/null is no longer a device" ;;
  device)
    needs_root
    mknod null c 1 3
    export_to null || fail "export failed"
    [ -c null ] || fail "the device was replaced" ;;
  full_device)
    needs_root
    mknod full c 1 7
    export_to full 2>errors && fail "a write to a full device succeeded"
    grep -q "cannot write 'full': No space left on device" errors || fail "message: $(cat errors)"
    [ -c full ] || fail "the device was replaced" ;;
  links)
    echo old >sub/data.csv
    ln -s sub/data.csv one
    ln -s one chain
    ln -s sub/new.csv dangling
    for link in one chain dangling; do export_to $link || fail "export to $link failed"; done
    [ -L one ] && [ -L chain ] && [ -L dangling ] || fail "a link was replaced"
    [ "$(sed -n 2p sub/data.csv)" = "angle,horizontal_loss_db,vertical_loss_db" ] ||
      fail "the linked file was not written"
    cmp -s sub/data.csv sub/new.csv || fail "the dangling link's file differs" ;;
  link_loop)
    ln -s a b && ln -s b a
    export_to a 2>errors && fail "a link loop was written"
    grep -q "Too many levels of symbolic links" errors || fail "message: $(cat errors)"
    [ -L a ] || fail "the link was replaced" ;;
  mode_and_owner)
    echo old >out.csv
    chmod 0640 out.csv
    [ "$(id -u)" = 0 ] && chown 4242:4343 out.csv
    before=$(stat -c '%a %u %g' out.csv)
    export_to out.csv || fail "export failed"
    [ "$(stat -c '%a %u %g' out.csv)" = "$before" ] ||
      fail "mode, owner, group: $before became $(stat -c '%a %u %g' out.csv)" ;;
  hard_link)
    echo old >first.csv
    ln first.csv second.csv
    export_to first.csv || fail "export failed"
    cmp -s first.csv second.csv || fail "the second link kept the old content"
    [ "$(stat -c %h first.csv)" = 2 ] || fail "the links were separated" ;;
  *) fail "unknown case" ;;
esac
no_temporary_left
