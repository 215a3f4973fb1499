#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# sonarel-cli report-pdf as a user runs it: the default pages, chosen pages with their
# numbers, Letter paper, and the refusals' exit statuses. Needs sox and poppler-utils.
set -euo pipefail
cli=$1
for tool in sox pdfinfo pdftotext; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 0; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -n -r 11025 -b 16 -c 1 "$work/wv002.wav" synth 3 sawtooth 120:220 lowpass 2500 vol 0.6
fail() { echo "FAIL: $*"; exit 1; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

"$cli" report-pdf "$work/wv002.wav" "$work/all.pdf" >/dev/null || fail "default report"
[ "$(pages "$work/all.pdf")" = 12 ] || fail "12 display pages by default"
pdftotext "$work/all.pdf" - | grep -q "File: 002" || fail "the file number in the header"
pdfinfo "$work/all.pdf" | grep -q "^Author: *Sonarel" || fail "the author"

"$cli" report-pdf "$work/wv002.wav" "$work/two.pdf" --pages "Vowel Space,0" --page-numbers \
  --gray --paper letter >/dev/null || fail "chosen pages"
[ "$(pages "$work/two.pdf")" = 2 ] || fail "two pages"
pdftotext -f 1 -l 1 "$work/two.pdf" - | grep -q "Audio Signal" || fail "the window's order"
pdftotext -f 2 -l 2 "$work/two.pdf" - | grep -q "Page 2/2" || fail "page numbers"
pdfinfo "$work/two.pdf" | grep -q "612 x 792 pts" || fail "Letter paper"

status=0
"$cli" report-pdf "$work/wv002.wav" "$work/x.pdf" --pages Nonsense 2>"$work/err" || status=$?
[ "$status" = 2 ] && grep -q "There is no page called Nonsense" "$work/err" || fail "unknown page"
status=0
"$cli" report-pdf "$work/none.wav" "$work/x.pdf" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "a missing file exits 1"
[ ! -e "$work/x.pdf" ] || fail "nothing written on a refusal"
"$cli" report-pdf --help | grep -q "usage: sonarel-cli report-pdf" || fail "help"
echo "report-pdf: all checks passed"
