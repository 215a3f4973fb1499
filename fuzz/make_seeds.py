#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the fuzz targets' seed inputs into fuzz/corpus/. The seeds are small well-formed
# files of each format, and a few near-misses; run again after a format changes.
import os
import shutil
import struct
import subprocess
import sys
import tempfile

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    folder = os.path.join(root, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def chunk(fourcc, body):
    pad = b"\0" if len(body) % 2 else b""
    return fourcc + struct.pack("<I", len(body)) + body + pad


def wave(rate, channels=1, bits=16, samples=64, extra=b"", fmt_tag=1):
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", fmt_tag, channels, rate, rate * block, block, bits)
    data = bytes((i * 37) & 0xFF for i in range(samples * block))
    body = b"WAVE" + chunk(b"fmt ", fmt) + extra + chunk(b"data", data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wave_seeds():
    put("wave_reader_fuzz", "voice_11025.wav", wave(11025))
    put("wave_reader_fuzz", "voice_22050.wav", wave(22050))
    put("wave_reader_fuzz", "quality_44100.wav", wave(44100))
    put("wave_reader_fuzz", "stereo.wav", wave(22050, channels=2))
    put("wave_reader_fuzz", "eight_bit.wav", wave(11025, bits=8))
    put("wave_reader_fuzz", "float.wav", wave(44100, bits=32, fmt_tag=3))
    put("wave_reader_fuzz", "list_chunk.wav",
        wave(11025, extra=chunk(b"LIST", b"INFOISFT" + struct.pack("<I", 3) + b"ab\0\0")))
    put("wave_reader_fuzz", "odd_chunk.wav", wave(22050, extra=chunk(b"junk", b"abc")))
    put("wave_reader_fuzz", "truncated.wav", wave(11025)[:60])


def dbf(records, encoding_flag=0):
    fields = [("CODIGO", "N", 4), ("NOME", "C", 60), ("TIPO", "N", 4), ("DATANASC", "C", 12),
              ("ENDERECO", "C", 60), ("CIDADE", "C", 30), ("ESTADO", "C", 4), ("CEP", "C", 12),
              ("FONER", "C", 14), ("FONEC", "C", 14), ("OBS", "C", 100)]
    record_size = 1 + sum(w for _, _, w in fields)
    header_size = 32 + 32 * len(fields) + 1
    head = struct.pack("<BBBBIHH", 3, 126, 12, 8, len(records), header_size, record_size)
    head += b"\0" * 17 + bytes([encoding_flag]) + b"\0\0"
    for name, kind, width in fields:
        head += name.encode().ljust(11, b"\0") + kind.encode() + b"\0" * 4
        head += bytes([width, 0]) + b"\0" * 14
    head += b"\r"
    body = b""
    for deleted, values in records:
        row = b"*" if deleted else b" "
        for (name, kind, width), value in zip(fields, values):
            raw = value if isinstance(value, bytes) else str(value).encode("utf-8")
            row += raw.rjust(width) if kind == "N" else raw.ljust(width)
        body += row
    return head + body + b"\x1a"


def table_seeds():
    ana = [1, "Ana Souza", 1, "03/04/1980", "Rua A 10", "Recife", "PE", "50000-000",
           "555-0101", "555-0102", "Nodules"]
    kim = [2, "김민지", 2, "11/12/2001", "", "Seoul", "", "", "", "", ""]
    latin = [3, "Jos\xe9 Mu\xf1oz".encode("latin-1"), 0, "", "", "", "", "", "", "", ""]
    put("client_table_fuzz", "empty.dbf", dbf([]))
    put("client_table_fuzz", "two_clients.dbf", dbf([(False, ana), (False, kim)]))
    put("client_table_fuzz", "deleted_row.dbf", dbf([(True, ana), (False, kim)]))
    put("client_table_fuzz", "latin1.dbf", dbf([(False, latin)], encoding_flag=0x57))


def segment_cache(sample_count, segments):
    out = struct.pack("<I", sample_count)  # the length the fuzzer checks against
    out += struct.pack("<Ii", sample_count, len(segments))
    for start, length, frames in segments:
        out += struct.pack("<iii", frames, start, length)
        for measure in range(7):
            out += b"".join(struct.pack("<f", 0.5 + measure + k / 10) for k in range(frames))
    return out


def cache_seeds():
    put("segment_cache_fuzz", "one_segment.dat", segment_cache(44100, [(0, 44100, 2)]))
    put("segment_cache_fuzz", "three_segments.dat",
        segment_cache(132300, [(0, 44100, 2), (44100, 44100, 2), (88200, 30000, 1)]))
    put("segment_cache_fuzz", "empty.dat", segment_cache(1000, []))


def notes_seeds():
    put("notes_preview_fuzz", "plain.rtf",
        rb"{\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\pard Hoarse after work.\par}")
    put("notes_preview_fuzz", "accents.rtf",
        rb"{\rtf1\ansi\pard Rouquid\'e3o leve, voz \'e1spera\par second\par}")
    put("notes_preview_fuzz", "unicode.rtf",
        rb"{\rtf1\ansi\uc1\pard \u44608?\u48124?\u51648? \{braces\} and \\ slash\par}")
    put("notes_preview_fuzz", "hyperlink.rtf",
        rb'{\rtf1\pard see {\field{\*\fldinst HYPERLINK "x"}{\fldrslt here}}\par}')


def config_seeds():
    for name, values in {"language.dat": [2], "two.dat": [1, 0], "big.dat": [-1, 2**31 - 1]}.items():
        put("config_files_fuzz", name, b"".join(struct.pack("<i", v) for v in values))


def recovery_seeds():
    note = b"rate=11025\nkind=0\nfilter=0\ntarget=$DATA/pac001/wv001.wav\n"
    spool = bytes((i * 13) & 0xFF for i in range(400))
    put("recording_recovery_fuzz", "voice.bin", note + b"\0" + spool)
    note = b"rate=44100\nkind=1\nfilter=85\ntarget=$DATA/pac002/qv001.wav\n"
    put("recording_recovery_fuzz", "filtered.bin", note + b"\0" + spool)


def backup_seeds():
    put("restore_journal_fuzz", "moves.txt",
        b"M\tpac001/wv001.wav\trestore-rollback/aside/pac001/wv001.wav\n"
        b"C\tpac001/wv002.wav\nD\tpac002\n")
    put("restore_journal_fuzz", "cut_short.txt", b"M\tpacb.dbf\trestore-rollback/aside/pacb.dbf1\nC\tpac0")
    put("backup_lists_fuzz", "datas.txt", b"wv001.wav;30512345;3221225472\nqv002.wav;30512346;12\n")
    put("backup_lists_fuzz", "p_ok.txt", b"1;2;17;")


def import_seeds():
    # Short tones in the formats import reads through libsndfile, made by sox when present.
    if not shutil.which("sox"):
        return
    formats = {"tone.flac": [], "tone.ogg": [], "tone.aiff": [], "tone24.wav": ["-b", "24"],
               "tonefloat.wav": ["-e", "floating-point", "-b", "32"], "tone.mp3": [],
               "stereo.wav": ["-c", "2"]}
    with tempfile.TemporaryDirectory() as scratch:
        for name, options in formats.items():
            out = os.path.join(scratch, name)
            made = subprocess.run(["sox", "-n", "-r", "8000", *options, out, "synth", "0.05",
                                   "sine", "440"], capture_output=True)
            if made.returncode == 0:
                put("sound_import_fuzz", name, open(out, "rb").read())


if __name__ == "__main__":
    wave_seeds()
    table_seeds()
    cache_seeds()
    notes_seeds()
    config_seeds()
    recovery_seeds()
    backup_seeds()
    import_seeds()
    sys.exit(0)
