#include "cli/commands.h"

#include <ostream>

#include "core/message.h"

namespace sonarel::cli {

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"info", "info FILE [--kind voice|quality]   format, length and acceptance of a WAVE file",
       "usage: sonarel-cli info FILE [--kind voice|quality]\n"
       "Prints the format fields of a WAVE file, its sample count and duration, and whether\n"
       "it opens as a voice-analysis or a vocal-quality recording. Without --kind a 44100 Hz\n"
       "file is taken as vocal quality and any other rate as voice analysis.\n",
       runInfo},
      {"f0",
       "f0 FILE [--method ac|cc] [--min HZ] [--max HZ] [--kind voice|quality] [--frames]\n"
       "                                     the F0 contour as the F0 export text",
       "usage: sonarel-cli f0 FILE [--method ac|cc] [--min HZ] [--max HZ]\n"
       "                          [--kind voice|quality] [--frames]\n"
       "Computes the F0 contour of a WAVE file and prints the F0 export text: one \"%.03f;\"\n"
       "line per frame (every 20 ms), 0.000 for an unvoiced frame.\n"
       "  --method ac   autocorrelation after a 40-2000 Hz band-pass filter (the default)\n"
       "  --method cc   cross-correlation, unfiltered\n"
       "  --min HZ, --max HZ   the F0 range, 70 and 400 by default; checked as the settings\n"
       "                dialog checks them (min at least 50, max at most 1200, min below max)\n"
       "  --kind        how the file is opened (see info); by default from its rate\n"
       "  --frames      print \"time value\" per frame instead, the time in seconds where the\n"
       "                displays put the frame (frame i of n at i/n of the file)\n",
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
       "                file)\n",
       runIntensity},
      {"stats", "stats FILE [OPTIONS]                statistics of F0 and intensity over a range",
       "usage: sonarel-cli stats FILE [--from SAMPLE] [--to SAMPLE] [--method ac|cc]\n"
       "                         [--min HZ] [--max HZ] [--silence DB] [--kind voice|quality]\n"
       "Prints the statistics text of the window's export: F0 modes, mean, extremes and\n"
       "spread, intensity extremes, mean and spread, voiced and speech shares and the F0\n"
       "range in semitones, from sample --from (0) to sample --to (the end). F0 by\n"
       "autocorrelation (ac, the default) or cross-correlation (cc) between --min (70) and\n"
       "--max (400) Hz; intensity columns below --silence (10) dB count as silence.\n",
       runStats},
      {"export", "export f0|intensity|stats FILE --out OUT [OPTIONS]   write an export file",
       "usage: sonarel-cli export f0|intensity|stats FILE --out OUT [stats options]\n"
       "Writes the F0 text (one line per frame), the intensity text (340 lines) or the\n"
       "statistics text to OUT exactly as the window saves it (CR LF line ends). The\n"
       "options are those of stats. OUT is replaced only once it is completely written.\n",
       runExport},
      {"batch", "batch [OPTIONS] FILE_OR_FOLDER...   one CSV row of statistics per recording",
       "usage: sonarel-cli batch [--out FILE] [--method ac|cc] [--min HZ] [--max HZ]\n"
       "                         [--silence DB] [--kind voice|quality] FILE_OR_FOLDER...\n"
       "Analyses every WAVE file given (folders are searched recursively) over its whole\n"
       "length and writes one CSV row per file to standard output or to --out: path, rate,\n"
       "duration, sample count, mean/min/max/SD F0, the modes, the semitone range,\n"
       "min/max/mean/SD intensity, voiced, voiceless, speech and silence percentages, and\n"
       "an error column for files that could not be analysed. A bad file never stops the\n"
       "batch; progress goes to standard error; all cores are used. Exits 1 if any file\n"
       "could not be analysed.\n",
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
       "         analysis, as the workstation does.\n",
       runQuality},
      {"quality-report", "quality-report FILE [--from S] [--to S]   averages of the vocal analysis",
       "usage: sonarel-cli quality-report FILE [--from S] [--to S]\n"
       "Analyses a 44100 Hz vocal-quality recording and prints, over the range from S to S\n"
       "seconds (the whole file by default): the mean F0, its modes (four at most, then\n"
       "\" ...\") and its spread, from the F0 contour (autocorrelation, 70 to 400 Hz); the\n"
       "report's averages of jitter, shimmer, correlation, irregularity and its spread, GNE,\n"
       "noise and its spread (per segment over its frames wholly inside the range, then the\n"
       "mean over segments); and the colour of each of the five gauges against its normal\n"
       "limit.\n",
       runQualityReport},
      {"clients", "clients DATA_DIR                    the client register",
       "usage: sonarel-cli clients DATA_DIR\n"
       "Lists the client register pacb.dbf of a data folder, one client per line in table\n"
       "order: the code (\"%03d\"), the name, the type (Man, Woman, Child or Singer) and the\n"
       "number of files in the client's folder, separated by tabs.\n",
       runClients},
      {"files", "files DATA_DIR CODE                 a client's files, newest first",
       "usage: sonarel-cli files DATA_DIR CODE\n"
       "Lists the files of client CODE as the workstation's file list shows them, newest\n"
       "first: \"MM/DD/YYYY File N\", the kind (voice analysis, vocal quality, either with\n"
       "data, or backed up) and the first paragraph of the notes (\"?\" for a file sent to\n"
       "backup), separated by tabs.\n",
       runFiles},
  };
  return table;
}

namespace {

void printHelp(std::ostream& out) {
  out << "usage: sonarel-cli SUBCOMMAND [ARGUMENTS]\n\nSubcommands:\n";
  for (const Command& command : commands()) out << "  " << command.synopsis << "\n";
  out << "\nsonarel-cli SUBCOMMAND --help describes one subcommand.\n"
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
