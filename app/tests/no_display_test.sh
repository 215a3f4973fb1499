#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built workstation with an empty environment (no display, no platform chosen):
# --help and --version answer as usual, and a plain start says in one line that a display
# is needed, with status 1, instead of Qt's abort.
set -uo pipefail
sonarel=$1
failed=0
check() {  # check NAME EXPECTED_STATUS PATTERN ARGUMENTS...
  local name=$1 status=$2 pattern=$3
  shift 3
  local out
  out=$(env -i "$sonarel" "$@" 2>&1)
  local got=$?
  if [ "$got" -ne "$status" ] || ! grep -qE -- "$pattern" <<<"$out"; then
    echo "FAIL $name: status $got (expected $status), output:"
    echo "$out"
    failed=1
  fi
}
check help 0 '--screenshots <DIR>' --help
check version 0 '^Sonarel 0\.' --version
check no-display 1 '^sonarel needs a display.*sonarel-cli.*--screenshots.*QT_QPA_PLATFORM=offscreen\.$'
lines=$(env -i "$sonarel" 2>&1 | wc -l)
if [ "$lines" -ne 1 ]; then
  echo "FAIL no-display: $lines lines instead of one"
  failed=1
fi
exit $failed
