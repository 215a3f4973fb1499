#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# sonarel-cli through a pipe: "-" reads the recording from standard input on info, f0 and
# stats with the same output as the file; failures name what they could not read; the bash
# completion loads and completes.
# Usage: standard_input_test.py SONAREL_CLI
import os
import subprocess
import sys
import tempfile

from cli_fixtures import write_wave

CLI = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(words, stdin=b""):
    return subprocess.run([CLI] + words, input=stdin, capture_output=True)


folder = tempfile.mkdtemp(prefix="sonarel-stdin-")
voice = os.path.join(folder, "voice.wav")
write_wave(voice, 11025, 1.5, 120, 180)
sound = open(voice, "rb").read()

for words in (["info"], ["f0", "--frames"], ["stats", "--from", "0.2", "--format", "json"]):
    from_file = run(words[:1] + [voice] + words[1:])
    from_pipe = run(words[:1] + ["-"] + words[1:], stdin=sound)
    check(from_pipe.returncode == 0, f"{words} from a pipe: {from_pipe.stderr}")
    expected = from_file.stdout.replace(voice.encode(), b"-")  # the JSON names the file
    check(from_pipe.stdout == expected, f"{words}: the pipe's output differs from the file's")

# Not a WAVE file on the pipe: status 1, the message names standard input and the reason.
bad = run(["stats", "-"], stdin=b"not a sound")
check(bad.returncode == 1 and bad.stdout == b"", f"garbage on the pipe: {bad.returncode}")
check(b"standard input is not a WAVE file" in bad.stderr, f"garbage on the pipe: {bad.stderr}")
# Nothing left behind of the copy.
leftover = [n for n in os.listdir(os.environ.get("TMPDIR", "/tmp")) if n.startswith("sonarel-stdin-")
            and not os.path.isdir(os.path.join(os.environ.get("TMPDIR", "/tmp"), n))]
check(not leftover, f"copies of standard input left behind: {leftover}")
# Subcommands that do not read a pipe refuse "-" as a usage error or a missing file.
check(run(["export", "f0", "-", "--out", os.path.join(folder, "x")]).returncode == 2, "export -")
missing = run(["spectrum", os.path.join(folder, "none.wav")])
check(missing.returncode == 1 and b"none.wav does not exist" in missing.stderr,
      f"a missing file: {missing.stderr}")
check(run(["stats", voice, "--from", "2"]).returncode == 2, "a range after the end")

script = run(["completion", "bash"]).stdout.decode()
completion = os.path.join(folder, "completion.bash")
open(completion, "w").write(script)
offered = subprocess.run(["bash", "-c", f"""source {completion}
COMP_WORDS=(sonarel-cli spe); COMP_CWORD=1; _sonarel_cli; echo "${{COMPREPLY[*]}}"
COMP_WORDS=(sonarel-cli f0 x.wav --method ''); COMP_CWORD=4; _sonarel_cli; echo "${{COMPREPLY[*]}}"
COMP_WORDS=(sonarel-cli lpc x.wav --to-s); COMP_CWORD=3; _sonarel_cli; echo "${{COMPREPLY[*]}}"
"""], capture_output=True, text=True).stdout.splitlines()
check(offered == ["spectrum spectrogram", "ac cc srpd amdf rapt", "--to-sample"],
      f"completion offers {offered}")
check(run(["completion", "zsh"]).returncode == 2, "completion of another shell")

for failure in failures:
    print("FAIL:", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
