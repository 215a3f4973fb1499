#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares our jitter (PPQ5) and shimmer (EPQ11) with Praat's jitter (ppq5) and shimmer
# (apq11) on the graded synthetic vowels, and prints both side by side with the Spearman
# rank correlation of each pair. Praat runs as a black box on the same files.
# With --check it fails unless each measure ranks the voices graded in it (the j and m
# series for jitter, the s and m series for shimmer) exactly as Praat does, and all 15
# voices with a rank correlation of at least 0.9 (the s series share one jitter, the j series
# one shimmer, so their order within the series is chance for both analysers).
# Usage: quality/tests/praat/compare_with_praat.sh [--check] [BUILD_DIR]   (default build-test)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
check=0
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi
build="${1:-$root/build-test}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

"$build/quality/tests/sonarel_graded_vowels" "$dir"
praat --run "$here/jitter_shimmer.praat" "$dir" >"$dir/praat.txt"
while read -r name _; do
  # The mean over the frames of the (single) segment, at the per-frame output's precision.
  "$build/cli/sonarel-cli" quality "$dir/$name.wav" |
    awk -v n="$name" '$1 ~ /^[0-9]+$/ && NF == 10 {j += $4; s += $5; k++}
                      END {printf "%s %.4f %.4f\n", n, j / k, s / k}'
done <"$dir/voices.txt" >"$dir/ours.txt"

python3 - "$dir/voices.txt" "$dir/ours.txt" "$dir/praat.txt" "$check" <<'PY'
import sys

def table(path):
    return {row.split()[0]: row.split()[1:] for row in open(path) if row.strip()}

def ranks(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    r = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            r[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return r

def spearman(a, b):
    ra, rb = ranks(a), ranks(b)
    ma, mb = sum(ra) / len(ra), sum(rb) / len(rb)
    cov = sum((x - ma) * (y - mb) for x, y in zip(ra, rb))
    va = sum((x - ma) ** 2 for x in ra) ** 0.5
    vb = sum((y - mb) ** 2 for y in rb) ** 0.5
    return cov / (va * vb)

voices, ours, praat = table(sys.argv[1]), table(sys.argv[2]), table(sys.argv[3])
names = list(voices)
print(f"{'voice':6} {'jitter':>7} {'shimmer':>8} {'snr':>5} | {'PPQ5 %':>7} {'ppq5 %':>7} | "
      f"{'EPQ11 %':>8} {'apq11 %':>8}")
for n in names:
    j, s, snr = voices[n]
    print(f"{n:6} {float(j) * 100:6.2f}% {float(s) * 100:7.1f}% {snr:>5} | "
          f"{float(ours[n][0]):7.3f} {float(praat[n][0]):7.3f} | "
          f"{float(ours[n][1]):8.3f} {float(praat[n][1]):8.3f}")
def rho(column, chosen):
    return spearman([float(ours[n][column]) for n in chosen], [float(praat[n][column]) for n in chosen])

jitter_graded = [n for n in names if n[0] in "jm"]
shimmer_graded = [n for n in names if n[0] in "sm"]
jit, shi = rho(0, names), rho(1, names)
jit_graded, shi_graded = rho(0, jitter_graded), rho(1, shimmer_graded)
print(f"Spearman rank correlation, all {len(names)} voices: jitter {jit:.3f}, shimmer {shi:.3f}")
print(f"Spearman rank correlation, graded voices: jitter {jit_graded:.3f} "
      f"({len(jitter_graded)} voices), shimmer {shi_graded:.3f} ({len(shimmer_graded)} voices)")
if sys.argv[4] == "1" and (jit_graded < 0.999 or shi_graded < 0.999 or jit < 0.9 or shi < 0.9):
    sys.exit("the ranking differs from Praat's")
PY
