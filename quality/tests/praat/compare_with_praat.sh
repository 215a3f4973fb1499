#!/usr/bin/env bash
# Compares our jitter (PPQ5) and shimmer (EPQ11) with Praat's jitter (ppq5) and shimmer
# (apq11) on the graded synthetic vowels, and prints both side by side with the Spearman
# rank correlation of each pair. Praat runs as a black box on the same files.
# Usage: quality/tests/praat/compare_with_praat.sh [BUILD_DIR]   (default build-test)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
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

python3 - "$dir/voices.txt" "$dir/ours.txt" "$dir/praat.txt" <<'PY'
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
jit = spearman([float(ours[n][0]) for n in names], [float(praat[n][0]) for n in names])
shi = spearman([float(ours[n][1]) for n in names], [float(praat[n][1]) for n in names])
print(f"Spearman rank correlation: jitter {jit:.3f}, shimmer {shi:.3f} ({len(names)} voices)")
PY
