// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <ostream>
#include <string_view>

#include "core/message.h"

namespace sonarel::cli {

namespace {

// The last line of the help of every subcommand with machine-readable output.
#define SONAREL_FORMAT_HELP \
  "  --format text|csv|json   the output: this text (the default), CSV or JSON\n"

std::vector<Command>& commandList() {
  static std::vector<Command> table = {
      {"info", "info FILE [--kind voice|quality]   format, length and acceptance of a WAVE file",
       "usage: sonarel-cli info FILE [--kind voice|quality]\n"
       "Prints the format fields of a WAVE file, its sample count and duration, and whether\n"
       "it opens as a voice-analysis or a vocal-quality recording. Without --kind a 44100 Hz\n"
       "file is taken as vocal quality and any other rate as voice analysis.\n",
       runInfo},
      {"f0",
       "f0 FILE [--method ac|cc|srpd|amdf|rapt] [--min HZ] [--max HZ] [--kind voice|quality]\n"
       "   [--frames]                        the F0 contour as the F0 export text",
       "usage: sonarel-cli f0 FILE [--method ac|cc|srpd|amdf|rapt] [--min HZ] [--max HZ]\n"
       "                          [--kind voice|quality] [--frames]\n"
       "Computes the F0 contour of a WAVE file and prints the F0 export text: one \"%.03f;\"\n"
       "line per frame, 0.000 for an unvoiced frame.\n"
       "  --method ac   autocorrelation after a 40-2000 Hz band-pass filter, frames every\n"
       "                20 ms (the default)\n"
       "  --method cc   cross-correlation, unfiltered, frames every 20 ms\n"
       "  --method srpd super-resolution pitch determination, frames about every 8 ms\n"
       "  --method amdf average magnitude difference, whole hertz, frames every 10 ms,\n"
       "                searched from max(min - 20, 50) Hz to max\n"
       "  --method rapt normalised cross-correlation with dynamic programming, frames\n"
       "                every 10 ms, always 60-1000 Hz; its diagnostics go to standard error\n"
       "  --min HZ, --max HZ   the F0 range, 70 and 400 by default; checked as the settings\n"
       "                dialog checks them (min at least 50, max at most 1200, min below max)\n"
       "  --kind        how the file is opened (see info); by default from its rate\n"
       "  --frames      print \"time value\" per frame instead, the time in seconds where the\n"
       "                displays put the frame (frame i of n at i/n of the "
       "file)\n" SONAREL_FORMAT_HELP,
       runF0},
      {"intensity",
       "intensity FILE [--kind voice|quality] [--frames]\n"
       "                                     the intensity contour as the intensity export text",
       "usage: sonarel-cli intensity FILE [--kind voice|quality] [--frames]\n"
       "Computes the intensity contour of a WAVE file (dB of Hamming-windowed energy of the\n"
       "raw samples) and prints the intensity export text: 340 \"%.03f;\" lines, one per\n"
       "display column.\n"
       "  --kind        voice: 0.45-ms windows, quality: 0.5-ms windows, both every 0.25 ms;\n"
       "                by default from the file's rate (44100 Hz is quality)\n"
       "  --frames      print the whole contour as \"time value\" lines instead, the time in\n"
       "                seconds where the displays put the frame (frame i of n at i/n of the\n"
       "                file)\n" SONAREL_FORMAT_HELP,
       runIntensity},
      {"stats", "stats FILE [OPTIONS]                statistics of F0 and intensity over a range",
       "usage: sonarel-cli stats FILE [--from S] [--to S]\n"
       "                         [--method ac|cc|srpd|amdf|rapt]\n"
       "                         [--min HZ] [--max HZ] [--silence DB] [--kind voice|quality]\n"
       "Prints the statistics text of the window's export: F0 modes, mean, extremes and\n"
       "spread, intensity extremes, mean and spread, voiced and speech shares and the F0\n"
       "range in semitones, from --from (0) to --to (the end) seconds. F0 by\n"
       "autocorrelation (ac, the default), cross-correlation (cc), SRPD (srpd), AMDF (amdf)\n"
       "or the normalised cross-correlation tracker (rapt; see f0 --help) between --min (70)\n"
       "and --max (400) Hz; intensity columns below --silence (10) dB count as "
       "silence.\n" SONAREL_FORMAT_HELP,
       runStats},
      {"export",
       "export f0|intensity|stats|pitchtier|textgrid FILE --out OUT [OPTIONS]\n"
       "                                     write an export file or a Praat object",
       "usage: sonarel-cli export f0|intensity|stats FILE --out OUT [stats options]\n"
       "       sonarel-cli export pitchtier|textgrid FILE --out OUT [--method M] [--min HZ]\n"
       "                          [--max HZ] [--silence DB] [--kind voice|quality]\n"
       "Writes the F0 text (one line per frame), the intensity text (340 lines) or the\n"
       "statistics text to OUT exactly as the window saves it (CR LF line ends). The\n"
       "options are those of stats. OUT is replaced only once it is completely written.\n"
       "pitchtier and textgrid write Praat objects in its long text format, for Read from\n"
       "file: a PitchTier with one point per voiced F0 frame (at the times f0 --frames\n"
       "prints), and a TextGrid with a \"voicing\" tier (voiced/unvoiced F0 frames), a\n"
       "\"speech\" tier (speech/silence, the intensity columns against --silence, as stats\n"
       "counts them) and, for a vocal-quality recording, a \"segments\" tier of the analysed\n"
       "segments numbered from 1. Both cover the whole recording.\n",
       runExport},
      {"batch", "batch [OPTIONS] FILE_OR_FOLDER...   one CSV row of statistics per recording",
       "usage: sonarel-cli batch [--out FILE] [--method ac|cc|srpd|amdf|rapt] [--min HZ]\n"
       "                         [--max HZ]\n"
       "                         [--silence DB] [--kind voice|quality] FILE_OR_FOLDER...\n"
       "Analyses every WAVE file given (folders are searched recursively) over its whole\n"
       "length and writes one CSV row per file to standard output or to --out: path, rate,\n"
       "duration, sample count, mean/min/max/SD F0, the modes, the semitone range,\n"
       "min/max/mean/SD intensity, voiced, voiceless, speech and silence percentages, and\n"
       "an error column for files that could not be analysed. A bad file never stops the\n"
       "batch; progress goes to standard error; all cores are used. Exits 1 if any file\n"
       "could not be analysed.\n" SONAREL_FORMAT_HELP,
       runBatch},
      {"quality", "quality FILE [--cache]              voiced segments and per-frame measures",
       "usage: sonarel-cli quality FILE [--cache]\n"
       "Cuts a 44100 Hz vocal-quality recording into voiced segments (runs of glottal cycles\n"
       "shorter than 50 ms lasting more than half a second; at most 30) and prints each\n"
       "segment's start, length and frame count, then for each 500-ms frame its time span and\n"
       "its seven measures: jitter (PPQ, %), shimmer (EPQ, %), F0 (Hz), GNE (0 to 1),\n"
       "correlation, irregularity (0 to 10) and noise (0 to 5). A measure that cannot be\n"
       "computed in a frame is 0.\n"
       "--cache  reuse the segment cache beside FILE (FILE with \"dat\" for its last three\n"
       "         characters) when it matches the recording's length, and write it after an\n"
       "         analysis, as the workstation does.\n" SONAREL_FORMAT_HELP,
       runQuality},
      {"quality-report", "quality-report FILE [--from S] [--to S]   averages of the vocal analysis",
       "usage: sonarel-cli quality-report FILE [--from S] [--to S]\n"
       "Analyses a 44100 Hz vocal-quality recording and prints, over the range from S to S\n"
       "seconds (the whole file by default): the mean F0, its modes (four at most, then\n"
       "\" ...\") and its spread, from the F0 contour (autocorrelation, 70 to 400 Hz); the\n"
       "report's averages of jitter, shimmer, correlation, irregularity and its spread, GNE,\n"
       "noise and its spread (per segment over its frames wholly inside the range, then the\n"
       "mean over segments); and the colour of each of the five gauges against its normal\n"
       "limit.\n" SONAREL_FORMAT_HELP,
       runQualityReport},
      {"clinical",
       "clinical VOWEL [--speech FILE] [--format text|csv|json]   CPPS, HNR, shimmer, AVQI",
       "usage: sonarel-cli clinical VOWEL [--speech FILE] [--format text|csv|json]\n"
       "                             [--measured OUT.wav]\n"
       "Measures a 44100 Hz sustained vowel, with running speech if --speech is given, as\n"
       "voice clinics do: smoothed cepstral peak prominence (CPPS), harmonics-to-noise ratio\n"
       "(cross-correlation), local shimmer in % and dB, the slope and tilt of the long-term\n"
       "spectrum, and the Acoustic Voice Quality Index 03.01 made of them, each with its\n"
       "published normal limit. The sound measured is the voiced parts of the speech followed\n"
       "by the last 3 s of the vowel (all of it if shorter; at least 1 s is needed).\n"
       "  --measured OUT.wav       also write that sound to OUT.wav\n" SONAREL_FORMAT_HELP,
       runClinical},
      {"formants", "formants FILE [--kind voice|quality]   F1, F2 and F3 of every 50-ms block",
       "usage: sonarel-cli formants FILE [--kind voice|quality]\n"
       "Tracks the formants of a whole WAVE file as the vowel-space display does: blocks of\n"
       "50 ms (the last one runs to the end of the file), linear prediction of order\n"
       "rate / 1000 + 2 after pre-emphasis and a Hamming window, and the roots of the\n"
       "predictor. Prints one line per block: its first sample, its length in samples and\n"
       "F1, F2 and F3 in Hz (\"%.1f\"), 0 where the block has fewer formants.\n"
       "  --kind        how the file is opened (see info); by default from its "
       "rate\n" SONAREL_FORMAT_HELP,
       runFormants},
      {"spectrum",
       "spectrum FILE [--fft N] [--window rect|hamming] [--from S] [--to S]\n"
       "                                     the power spectrum, one level per bin",
       "usage: sonarel-cli spectrum FILE [--fft 256|512|1024] [--window rect|hamming]\n"
       "                             [--from S] [--to S]\n"
       "Prints the power spectrum of the range from S to S seconds (the whole file by\n"
       "default) as the window's Power Spectrum display computes it: N/2 levels in dB, one\n"
       "\"%.3f\" line per bin, bin k at k*rate/N Hz. The range is cut into frames of N samples\n"
       "(512 by default) every 0.390625*N samples, Hamming-windowed unless --window rect,\n"
       "and their powers averaged. A range shorter than N gives 0 in every "
       "bin.\n" SONAREL_FORMAT_HELP,
       runSpectrum},
      {"lpc",
       "lpc FILE [--order P] [--window rect|hamming] [--from S] [--to S] [--seed N]\n"
       "                                     the LPC spectrum, 680 levels",
       "usage: sonarel-cli lpc FILE [--order 10|14|28] [--window rect|hamming]\n"
       "                        [--from S] [--to S] [--seed N]\n"
       "Prints the LPC spectrum of the range (the whole file by default): 680 \"%.3f\" lines,\n"
       "level i in dB at i*rate/1360 Hz, from an all-pole fit of order P (14 by default) to\n"
       "the whole range. A small random dither is added to the samples first; --seed (1 by\n"
       "default) chooses it, so a seed always gives the same curve. A range shorter than 1024\n"
       "samples is refused with the window's message and exit status 1.\n" SONAREL_FORMAT_HELP,
       runLpc},
      {"spectrogram",
       "spectrogram FILE --png OUT [--band B] [--gray] [--contrast N] [--height R] [--levels]\n"
       "                                     the spectrogram picture or its levels",
       "usage: sonarel-cli spectrogram FILE --png OUT [--band wide|middle|narrow] [--gray]\n"
       "                        [--contrast N] [--height R] [--from S] [--to S] [--levels]\n"
       "Writes the spectrogram of the range (the whole file by default) as a PNG picture of\n"
       "680 x R pixels (R = 360 by default, at most 1024), lowest frequency at the bottom, up\n"
       "to half the rate (an eighth at 44100 Hz), in the window's colours: --gray for black\n"
       "and white, --contrast N (4 to 100, 80 by default) for the decibels the ramp covers.\n"
       "The band is 25 Hz (narrow, the default), 55 Hz (middle) or 300 Hz (wide). --levels\n"
       "prints the level matrix instead (or as well, with --png): R lines of 680 whole\n"
       "numbers 0 to 255, the top row first. OUT is replaced only once completely written.\n",
       runSpectrogram},
      {"clients", "clients DATA_DIR                    the client register",
       "usage: sonarel-cli clients DATA_DIR\n"
       "Lists the client register pacb.dbf of a data folder, one client per line in table\n"
       "order: the code (\"%03d\"), the name, the type (Man, Woman, Child or Singer) and the\n"
       "number of files in the client's folder, separated by tabs.\n" SONAREL_FORMAT_HELP,
       runClients},
      {"files", "files DATA_DIR CODE                 a client's files, newest first",
       "usage: sonarel-cli files DATA_DIR CODE\n"
       "Lists the files of client CODE as the workstation's file list shows them, newest\n"
       "first: \"MM/DD/YYYY File N\", the kind (voice analysis, vocal quality, either with\n"
       "data, or backed up) and the first paragraph of the notes (\"?\" for a file sent to\n"
       "backup), separated by tabs.\n" SONAREL_FORMAT_HELP,
       runFiles},
      {"edit", "edit FILE --out OUT OPERATION...    cut, silence, amplify or copy and paste",
       "usage: sonarel-cli edit FILE --out OUT OPERATION...\n"
       "Applies the window's edits to a WAVE file, in the order given, and writes the result\n"
       "to OUT in the file's format (OUT may be FILE; it is replaced only once completely\n"
       "written, and the segment cache beside it, OUT with \"dat\" for \"wav\", is deleted).\n"
       "Times are in seconds of the sound as the operations before have left it; a stretch\n"
       "running past the end stops at the end.\n"
       "  --cut S E                  removes the sound from S to E (not all of it)\n"
       "  --silence S E              sets the sound from S to E to 0\n"
       "  --amplify S E PCT          scales it by PCT percent (0 to 500), truncating toward\n"
       "                             zero and keeping samples within -32767..32767\n"
       "  --copy S E --paste-at T    inserts a copy of the sound from S to E before time T\n"
       "FILE opens as in the window: 16-bit mono, at most 22050 Hz or exactly 44100 Hz.\n",
       runEdit},
      {"resample", "resample IN OUT --rate R            any sound file as 16-bit mono WAVE",
       "usage: sonarel-cli resample IN OUT --rate 11025|22050|44100 [--channel left|right|mix]\n"
       "Reads IN (WAVE of any width, FLAC, Ogg Vorbis or Opus, MP3, AIFF and whatever else\n"
       "libsndfile reads) and writes OUT as a 16-bit mono WAVE file at R Hz, as the window's\n"
       "import converts. Wider or float samples are scaled so that full scale is 32768 and\n"
       "rounded; samples beyond full scale are clipped and their number is reported. Of\n"
       "several channels, --channel takes the first (left), the second (right) or the mean of\n"
       "all of them rounded (mix, the default). Another rate is converted by a cascade of\n"
       "up-sampling, elliptic low-pass and down-sampling stages run forwards and backwards\n"
       "(zero phase); the output is truncated to 16 bits. OUT is replaced only once\n"
       "completely written.\n",
       runResample},
      {"import", "import DATA_DIR CODE IN             a sound file as a client's next recording",
       "usage: sonarel-cli import DATA_DIR CODE IN [--kind voice|quality] [--rate R]\n"
       "                          [--channel left|right|mix]\n"
       "Puts IN into the folder of client CODE as its next file number, as the window's\n"
       "import does, and prints the path written: wv%03d.wav for voice analysis (11025 or\n"
       "22050 Hz), qv%03d.wav for vocal quality (44100 Hz). Without --kind, a 44100 Hz file\n"
       "is taken as vocal quality and any other rate as voice analysis. --rate is the rate\n"
       "of the recording: by default IN's own when the kind accepts it, else 22050 or 44100 Hz.\n"
       "A 16-bit mono WAVE file at that rate is copied unchanged; anything else is converted\n"
       "as by resample. On any failure the client's folder is left as it was.\n",
       runImport},
      {"backup", "backup DATA_DIR TARGET_DIR [--clients CODES] [--send] [--replace]",
       "usage: sonarel-cli backup DATA_DIR TARGET_DIR [--clients CODES] [--send] [--replace]\n"
       "Backs up the client register of DATA_DIR and the folders of its clients (of the\n"
       "clients CODES only, such as 1,2,17) into the set folder bkp-srMM-DD-YYYY (today's\n"
       "date, UTC) inside TARGET_DIR, with the recordings' dates in its datas.txt files, and\n"
       "prints the set folder. The set is built beside its place and moved there only when\n"
       "complete. An earlier set of the same day is replaced only with --replace.\n"
       "  --send   sends the clients CODES to backup: once every copy has been read back and\n"
       "           found equal to its original, their folders keep only dated .bkp markers\n"
       "           in place of the recordings; notes and data files go too.\n"
       "Asks nothing: any question is answered No, and the backup then fails (exit 1).\n",
       runBackupCommand},
      {"restore", "restore DATA_DIR SET_DIR [--attach CODES]   restore a set or attach clients",
       "usage: sonarel-cli restore DATA_DIR SET_DIR [--attach CODES]\n"
       "Restores the backup set SET_DIR over DATA_DIR: its register replaces the register and\n"
       "its client folders' files replace those of the same names, with their dates from\n"
       "datas.txt; MP3 files in the set are decoded into WAVE files of the same name. With\n"
       "--attach only the files of the clients CODES come back, the register is kept.\n"
       "Prints every file restored. Every replaced file is put aside until the end; a\n"
       "failure puts back exactly what was there (exit 1). Asks nothing: a question is\n"
       "answered No.\n",
       runRestoreCommand},
      {"recover", "recover DATA_DIR                    finish a restore that was broken off",
       "usage: sonarel-cli recover DATA_DIR\n"
       "Rolls back a restore of DATA_DIR that a crash broke off (the workstation offers the\n"
       "same at its start), tidies one that had finished, and settles a client folder that\n"
       "was being sent to backup. Prints what it did.\n",
       runRecover},
      {"report-pdf", "report-pdf FILE OUT [OPTIONS]       the printed report as a PDF file",
       "usage: sonarel-cli report-pdf FILE OUT [--pages LIST] [--client DATA_DIR CODE] [--gray]\n"
       "                              [--page-numbers] [--paper a4|letter]\n"
       "                              [--language en|es|ko|pt]\n"
       "Writes the report the window prints for a recording to the PDF file OUT: one page per\n"
       "display, each with a header naming the client, the file and its date. OUT is replaced\n"
       "only once it is completely written.\n"
       "  --pages LIST   the pages, separated by commas, by display name (\"Audio Signal\",\n"
       "                 \"Personal Information\") or mode number (0, 2, 15); printed in the\n"
       "                 window's order. By default every display of the file's kind, with the\n"
       "                 personal information first when a client is given.\n"
       "  --client DATA_DIR CODE   the client of the register in DATA_DIR: their name in the\n"
       "                 header, their personal information, the F0 range of their type\n"
       "  --gray         the waveform and the spectrograms in grey levels\n"
       "  --page-numbers \"Page n/m\" at the foot of each page\n"
       "  --paper        A4 (the default) or Letter\n"
       "  --language     the language of the texts and of the date (English by default)\n"
       "The drawing is done by sonarel-report, installed beside sonarel-cli.\n",
       runReportPdf},
      {"completion", "completion bash                     the bash completion of sonarel-cli",
       "usage: sonarel-cli completion bash\n"
       "Prints the bash completion of sonarel-cli: subcommands, their options and the values\n"
       "of options that take one of a few words, then file names. Installed with the program;\n"
       "by hand: source <(sonarel-cli completion bash)\n",
       runCompletion},
  };
  return table;
}

}  // namespace

const std::vector<Command>& commands() {
  return commandList();
}

bool addCommand(const Command& command) {
  for (const Command& present : commandList())
    if (std::string_view(present.name) == command.name) return false;
  commandList().push_back(command);
  return true;
}

namespace {

void printHelp(std::ostream& out) {
  out << "usage: sonarel-cli SUBCOMMAND [ARGUMENTS]\n\nSubcommands:\n";
  for (const Command& command : commands()) out << "  " << command.synopsis << "\n";
  out << "\nA range is --from S and --to S in seconds, or --from-sample N and --to-sample N in\n"
         "samples, on every subcommand that takes one; a range that is empty or runs backwards,\n"
         "or starts after the recording, is a usage error. Numbers are decimal.\n"
         "\n--format csv or --format json on f0, intensity, stats, quality, quality-report,\n"
         "formants, spectrum, lpc, clients, files and batch prints the same figures for other\n"
         "programs: CSV with the units in the column names (f0_Hz), JSON as one object with\n"
         "\"fields\", \"units\", \"columns\" and \"rows\". --format text, the default, is the "
         "text.\n"
         "\nFILE may be - on info, f0 and stats: the WAVE file is read from standard input.\n"
         "sonarel-cli completion bash prints the bash completion of these subcommands.\n"
         "\nsonarel-cli SUBCOMMAND --help describes one subcommand.\n"
         "Exit status: 0 success, 1 a file could not be read or analysed, 2 a usage error.\n";
}

}  // namespace

int runCommandLine(const std::vector<std::string>& words, Streams streams) {
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    printHelp(words.empty() ? streams.err : streams.out);
    return words.empty() ? kExitUsage : kExitOk;
  }
  for (const Command& command : commands()) {
    if (words[0] != command.name) continue;
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& word : rest) {
      if (word == "--help" || word == "-h") {
        streams.out << command.help;
        return kExitOk;
      }
    }
    return command.run(rest, streams);
  }
  streams.err
      << core::Message{core::MessageId::UsageError, {"unknown subcommand " + words[0]}}.text()
      << "\n";
  printHelp(streams.err);
  return kExitUsage;
}

}  // namespace sonarel::cli
