#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the PitchTier and the TextGrid that sonarel-cli exports in Praat (run as a black box)
# and checks that Praat reads the points and the interval boundaries that sonarel-cli prints.
# Usage: praat_files_test.py SONAREL_CLI PRAAT
import csv
import io
import os
import subprocess
import sys
import tempfile

from cli_fixtures import write_wave

CLI, PRAAT = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def cli(words):
    result = subprocess.run([CLI] + words, capture_output=True, text=True)
    check(result.returncode == 0, f"{words}: status {result.returncode}: {result.stderr}")
    return result.stdout


def table(words):
    rows = list(csv.DictReader(io.StringIO(cli(words + ["--format", "csv"]))))
    check(rows, f"{words}: no rows")
    return rows


def praat(script_text, folder):
    script = os.path.join(folder, "read.praat")
    with open(script, "w") as f:
        f.write(script_text)
    result = subprocess.run([PRAAT, "--run", script], capture_output=True, text=True)
    check(result.returncode == 0, f"praat: {result.stderr}")
    return result.stdout.splitlines()


def runs(starts, labels, end):
    """Intervals of equal neighbouring labels, frame i from starts[i] to starts[i + 1]."""
    out = []
    for i, label in enumerate(labels):
        stop = starts[i + 1] if i + 1 < len(starts) else end
        if out and out[-1][2] == label:
            out[-1][1] = stop
        else:
            out.append([starts[i], stop, label])
    return out


def close(a, b):
    return abs(a - b) < 1e-6


def check_pitch_tier(wav, folder):
    target = os.path.join(folder, "f0.PitchTier")
    cli(["export", "pitchtier", wav, "--out", target])
    lines = praat(f'Read from file: "{target}"\n'
                  "n = Get number of points\nwriteInfoLine: n\n"
                  "for i to n\n  t = Get time from index: i\n  v = Get value at index: i\n"
                  '  appendInfoLine: fixed$(t, 9), " ", fixed$(v, 6)\nendfor\n', folder)
    voiced = [r for r in table(["f0", wav, "--frames"]) if float(r["f0_Hz"]) > 0]
    check(int(lines[0]) == len(voiced), f"PitchTier: Praat reads {lines[0]} points, "
                                        f"f0 prints {len(voiced)} voiced frames")
    for line, row in zip(lines[1:], voiced):
        time, value = map(float, line.split())
        check(close(time, float(row["time_s"])) and abs(value - float(row["f0_Hz"])) < 6e-4,
              f"PitchTier point {line} against {row}")


def check_text_grid(wav, folder, segments_expected):
    target = os.path.join(folder, "grid.TextGrid")
    cli(["export", "textgrid", wav, "--out", target])
    lines = praat(f'Read from file: "{target}"\n'
                  "tiers = Get number of tiers\nwriteInfoLine: tiers\n"
                  "for tier to tiers\n  name$ = Get tier name: tier\n"
                  "  n = Get number of intervals: tier\n"
                  '  appendInfoLine: name$, " ", n\n'
                  "  for i to n\n    start = Get start time of interval: tier, i\n"
                  "    stop = Get end time of interval: tier, i\n"
                  "    label$ = Get label of interval: tier, i\n"
                  '    appendInfoLine: fixed$(start, 9), " ", fixed$(stop, 9), " ", label$\n'
                  "  endfor\nendfor\n", folder)
    tiers = {}
    at = 1
    for _ in range(int(lines[0])):
        name, count = lines[at].split()
        rows = [line.split() for line in lines[at + 1:at + 1 + int(count)]]
        tiers[name] = [[float(r[0]), float(r[1]), r[2] if len(r) > 2 else ""] for r in rows]
        at += 1 + int(count)
    duration = float(cli(["info", wav]).split("duration: ")[1].split()[0])

    frames = table(["f0", wav, "--frames"])
    voicing = runs([float(r["time_s"]) for r in frames],
                   ["voiced" if float(r["f0_Hz"]) > 0 else "unvoiced" for r in frames], duration)
    check(len(tiers.get("voicing", [])) == len(voicing),
          f"voicing tier: {tiers.get('voicing')} against {voicing}")
    for read, expected in zip(tiers.get("voicing", []), voicing):
        check(close(read[0], expected[0]) and close(read[1], expected[1]) and
              read[2] == expected[2], f"voicing interval {read} against {expected}")
    speech = tiers.get("speech", [])
    check(speech and close(speech[0][0], 0) and close(speech[-1][1], duration),
          f"speech tier spans the recording: {speech}")
    check(all(i[2] in ("speech", "silence") for i in speech), f"speech labels: {speech}")
    if not segments_expected:
        check("segments" not in tiers, "a voice recording has no segments tier")
        return tiers
    quality = table(["quality", wav])
    starts = {}
    for r in quality:
        starts[r["segment"]] = (float(r["segment_start_s"]),
                                float(r["segment_start_s"]) + float(r["segment_length_s"]))
    labelled = [i for i in tiers.get("segments", []) if i[2]]
    check(len(labelled) == len(starts), f"segments tier: {labelled} against {starts}")
    for interval in labelled:
        start, stop = starts.get(interval[2], (-1, -1))
        check(abs(interval[0] - start) < 1e-5 and abs(interval[1] - stop) < 1e-5,
              f"segment {interval} against {start}..{stop}")
    return tiers


def main():
    folder = tempfile.mkdtemp(prefix="sonarel-praat-")
    voice = os.path.join(folder, "voice.wav")
    write_wave(voice, 11025, 2.0, 120, 200, pause=(0.8, 1.1))
    check_pitch_tier(voice, folder)
    tiers = check_text_grid(voice, folder, False)
    check(len(tiers.get("voicing", [])) >= 3, f"the pause shows in the voicing tier: {tiers}")
    check(any(i[2] == "silence" for i in tiers.get("speech", [])), "the pause is silence")

    quality = os.path.join(folder, "quality.wav")
    write_wave(quality, 44100, 2.5, 150, 160, pause=(1.0, 1.3))
    check_text_grid(quality, folder, True)

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
