#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Validates AppStream metainfo offline. appstreamcli fails on warnings too;
# here only errors (and a validator that did not report) fail.
set -uo pipefail
report=$(appstreamcli validate --no-net "$1" 2>&1)
echo "$report"
grep -q "Validation" <<<"$report" || exit 1
! grep -q "^E:" <<<"$report"
