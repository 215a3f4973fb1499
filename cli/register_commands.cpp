// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-cli clients and files: the client register and a client's file list, as the
// workstation's "Select a Client" and "Files" dialogs show them.

#include <cstdio>
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output_format.h"
#include "cli/sound_file_option.h"
#include "records/client_table.h"
#include "records/session_file.h"

namespace sonarel::cli {
namespace {

const char* typeName(int type) {
  static const char* const names[] = {"Man", "Woman", "Child", "Singer"};
  return type >= 0 && type < 4 ? names[type] : "?";
}

const char* kindName(records::FileKind kind) {
  switch (kind) {
    case records::FileKind::Voice:
      return "voice analysis";
    case records::FileKind::Quality:
      return "vocal quality";
    case records::FileKind::VoiceWithData:
      return "voice analysis with data";
    case records::FileKind::QualityWithData:
      return "vocal quality with data";
    case records::FileKind::BackedUp:
      return "backed up";
  }
  return "?";
}

std::string code3(int code) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", code);
  return text;
}

int report(Streams streams, const core::Message& message) {
  streams.err << message.text() << "\n";
  return kExitBadInput;
}

// The register, loaded; false (with the message printed) when unusable.
bool loadRegister(records::ClientTable& table, Streams streams) {
  const records::TableResult loaded = table.load();
  if (loaded.ok()) return true;
  report(streams, *loaded.failure);
  return false;
}

}  // namespace

int runClients(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--format"}, {});
  if (!args.error.empty() || args.positional.size() != 1) {
    return usageError(streams, args.error.empty() ? "clients takes one DATA_DIR" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  const std::string& folder = args.positional[0];
  records::ClientTable table(folder + "/pacb.dbf");
  if (!loadRegister(table, streams)) return kExitBadInput;
  Output output("clients");
  output.field("data_folder", "", Value::text(folder));
  output.columns({{"code", ""}, {"name", ""}, {"type", ""}, {"files", ""}});
  for (const records::ClientRecord& r : table.list()) {
    const auto files = records::listSessionFiles(records::ClientFolder(folder, r.code));
    if (*format == OutputFormat::Text) {
      streams.out << code3(r.code) << "\t" << r.name << "\t" << typeName(r.type) << "\t"
                  << files.size() << "\n";
    } else {
      output.row({Value::integer(r.code), Value::text(r.name), Value::text(typeName(r.type)),
                  Value::integer(static_cast<long long>(files.size()))});
    }
  }
  writeOutput(streams.out, *format, output);
  return kExitOk;
}

int runFiles(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--format"}, {});
  if (!args.error.empty() || args.positional.size() != 2) {
    return usageError(streams,
                      args.error.empty() ? "files takes DATA_DIR and a client CODE" : args.error);
  }
  const auto format = formatOption(args);
  if (!format) return usageError(streams, kFormatChoices);
  const std::string& folder = args.positional[0];
  const auto code = parseInteger(args.positional[1]);
  if (!code || *code < 0 || *code > 9999) return usageError(streams, "CODE is a client code");
  records::ClientTable table(folder + "/pacb.dbf");
  if (!loadRegister(table, streams)) return kExitBadInput;
  if (!table.find(static_cast<int>(*code))) {
    return report(streams, core::Message{core::MessageId::ClientUnknown, {code3(int(*code))}});
  }
  const records::ClientFolder client(folder, static_cast<int>(*code));
  Output output("files");
  output.field("data_folder", "", Value::text(folder)).field("client", "", Value::integer(*code));
  output.columns({{"file", ""}, {"date", ""}, {"label", ""}, {"kind", ""}, {"notes", ""}});
  for (const records::SessionFile& file : records::listSessionFiles(client)) {
    std::string notes = file.kind == records::FileKind::BackedUp ? "?" : file.notesPreview;
    while (!notes.empty() && notes.back() == '\n') notes.pop_back();
    for (char& c : notes) {
      if (c == '\n' || c == '\t') c = ' ';
    }
    const std::string label = records::fileListLabel(file, records::DateOrder::MonthDayYear);
    if (*format == OutputFormat::Text) {
      streams.out << label << "\t" << kindName(file.kind) << "\t" << notes << "\n";
      continue;
    }
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", file.date.year, file.date.month,
                  file.date.day);
    output.row({Value::integer(file.number), Value::text(date), Value::text(label),
                Value::text(kindName(file.kind)), Value::text(notes)});
  }
  writeOutput(streams.out, *format, output);
  return kExitOk;
}

}  // namespace sonarel::cli
