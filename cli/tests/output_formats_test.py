#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads back every subcommand's --format csv and --format json output with Python's own csv
# and json modules, and checks that both carry the same table as the text form.
# Usage: output_formats_test.py SONAREL_CLI
import csv
import io
import json
import math
import os
import struct
import subprocess
import sys
import tempfile

from cli_fixtures import write_wave

CLI = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def write_register(path, clients):
    """A dBASE III client register with the workstation's columns."""
    fields = [("CODIGO", "N", 4), ("NOME", "C", 60), ("TIPO", "N", 4), ("DATANASC", "C", 12),
              ("ENDERECO", "C", 60), ("CIDADE", "C", 30), ("ESTADO", "C", 4), ("CEP", "C", 12),
              ("FONER", "C", 14), ("FONEC", "C", 14), ("OBS", "C", 100)]
    record_length = 1 + sum(width for _, _, width in fields)
    header_length = 32 + 32 * len(fields) + 1
    out = struct.pack("<BBBBIHH20x", 3, 125, 1, 1, len(clients), header_length, record_length)
    for name, kind, width in fields:
        out += struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), width, 0)
    out += b"\r"
    for code, name, kind in clients:
        values = {"CODIGO": str(code), "NOME": name, "TIPO": str(kind)}
        out += b" "
        for field, kind_, width in fields:
            text = values.get(field, "").encode()
            out += text.rjust(width) if kind_ == "N" else text.ljust(width)
    out += b"\x1a"
    with open(path, "wb") as f:
        f.write(out)
    with open(path[:-3] + "cpg", "w") as f:
        f.write("UTF-8")


def run(words, status=0):
    result = subprocess.run([CLI] + words, capture_output=True)
    check(result.returncode == status,
          f"{words}: status {result.returncode}, {result.stderr.decode(errors='replace')}")
    return result.stdout.decode()


def read_back(words, rows_expected):
    text = run(words)
    self_text = run(words + ["--format", "text"])
    check(text == self_text, f"{words}: --format text differs from the default")
    table = list(csv.reader(io.StringIO(run(words + ["--format", "csv"]))))
    document = json.loads(run(words + ["--format", "json"]))
    name = words[0]
    check(document["subcommand"] == name, f"{name}: json subcommand {document['subcommand']}")
    check(isinstance(document["fields"], dict) and isinstance(document["units"], dict),
          f"{name}: json fields and units")
    header, body = table[0], table[1:]
    check(all(len(row) == len(header) for row in body), f"{name}: ragged csv")
    if "columns" in document:
        columns = document["columns"]
        check(len(header) == len(columns), f"{name}: csv and json columns differ")
        for column, title in zip(columns, header):
            unit = document["units"].get(column)
            expected = column if unit is None else column + "_" + (
                "percent" if unit == "%" else unit)
            check(title == expected, f"{name}: csv column {title}, json {column} ({unit})")
        check(len(document["rows"]) == len(body), f"{name}: csv and json row counts differ")
        check(all(len(row) == len(columns) for row in document["rows"]), f"{name}: ragged json")
        # Every number reads the same from both.
        for csv_row, json_row in zip(body, document["rows"]):
            for cell, value in zip(csv_row, json_row):
                if isinstance(value, (int, float)) and not isinstance(value, bool):
                    check(math.isclose(float(cell), value, abs_tol=1e-9),
                          f"{name}: {cell} against {value}")
    else:
        check(len(body) == 1, f"{name}: a csv of fields has one row")
        check(len(header) == len(document["fields"]), f"{name}: csv and json fields differ")
    if rows_expected is not None:
        check(len(body) == rows_expected(text), f"{name}: {len(body)} rows for its text")
    return header, body, document


def lines(text):
    return len(text.splitlines())


def main():
    folder = tempfile.mkdtemp(prefix="sonarel-formats-")
    voice = os.path.join(folder, "voice.wav")
    quality = os.path.join(folder, "quality.wav")
    write_wave(voice, 11025, 2.0, 120, 200)
    write_wave(quality, 44100, 2.0, 150, 160)
    data = os.path.join(folder, "data")
    os.makedirs(os.path.join(data, "pac001"))
    write_register(os.path.join(data, "pacb.dbf"), [(1, "Ana, \"Lima\"", 1), (2, "Bo", 0)])
    with open(voice, "rb") as src, open(os.path.join(data, "pac001", "wv001.wav"), "wb") as dst:
        dst.write(src.read())

    read_back(["f0", voice], lines)
    read_back(["f0", voice, "--frames"], lines)
    read_back(["intensity", voice], lines)
    read_back(["intensity", voice, "--frames"], lines)
    _, stats, document = read_back(["stats", voice, "--from", "0.5"], None)
    check(document["units"]["mean_f0"] == "Hz", "stats: mean F0 in Hz")
    check(f"Average F0: {document['fields']['mean_f0']:.2f} Hz" in run(["stats", voice, "--from", "0.5"]),
          "stats: the json mean is the text's")
    read_back(["quality", quality], lambda text: sum(
        1 for line in text.splitlines() if line.startswith("  ") and line.split()[0].isdigit()))
    read_back(["quality-report", quality], None)
    read_back(["formants", voice], lines)
    read_back(["spectrum", voice, "--fft", "256"], lines)
    read_back(["lpc", voice], lines)
    _, clients, document = read_back(["clients", data], lines)
    check(clients[0][1] == "Ana, \"Lima\"", f"clients: the name with a comma and quotes: {clients}")
    check(document["rows"][0][3] == 1 and document["rows"][1][3] == 0, "clients: file counts")
    read_back(["files", data, "1"], lines)
    _, rows, document = read_back(["batch", voice, quality], lambda text: lines(text) - 1)
    check(document["units"]["duration"] == "s", "batch: duration in seconds")

    for words in (["stats", voice], ["batch", voice], ["clients", data]):
        run(words + ["--format", "xml"], status=2)

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
