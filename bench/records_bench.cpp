// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "records/client_table.h"
#include "records/dbf_file.h"
#include "records/session_file.h"

namespace {

using namespace sonarel;

// A scratch register of `clients` clients, removed afterwards.
class Register {
 public:
  explicit Register(int clients) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sonarel-bench-XXXXXX");
    folder_ = mkdtemp(pattern.data());
    records::ClientTable table(path());
    std::vector<records::ClientRecord> rows;
    for (int code = 1; code <= clients; ++code) {
      records::ClientRecord r;
      r.code = code;
      r.name = "Cliente número " + std::to_string(code);
      r.city = "São Paulo";
      r.observations = "Observações do cliente";
      rows.push_back(r);
    }
    records::writeTableFile(path(), table.codePagePath(), rows);
  }
  ~Register() { std::filesystem::remove_all(folder_); }
  std::string path() const { return folder_ + "/pacb.dbf"; }
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

// Loading the whole register, as the client list does each time it opens.
void BM_LoadRegister(benchmark::State& state) {
  const Register data(static_cast<int>(state.range(0)));
  records::ClientTable table(data.path());
  for (auto _ : state) benchmark::DoNotOptimize(table.load());
}
BENCHMARK(BM_LoadRegister)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Registering one more client: the whole table is rewritten, read back, synced and renamed.
void BM_AppendToRegister(benchmark::State& state) {
  const Register data(static_cast<int>(state.range(0)));
  records::ClientTable table(data.path());
  int code = static_cast<int>(state.range(0));
  for (auto _ : state) {
    records::ClientRecord r;
    r.code = ++code;
    r.name = "Novo";
    table.append(r);
    state.PauseTiming();
    table.removeClient(code);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AppendToRegister)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The file list of a client with 150 recordings and notes.
void BM_ListClientFiles(benchmark::State& state) {
  const Register data(1);
  const records::ClientFolder folder(data.folder(), 1);
  std::filesystem::create_directories(folder.path());
  for (int n = 1; n <= 150; ++n) {
    std::ofstream(folder.recordingPath(records::RecordingType::VoiceAnalysis, n)) << "x";
    std::ofstream(folder.notesPath(n)) << "{\\rtf1\\ansi\\pard Voz \\'e1spera.\\par}";
  }
  for (auto _ : state) benchmark::DoNotOptimize(records::listSessionFiles(folder));
}
BENCHMARK(BM_ListClientFiles)->Unit(benchmark::kMillisecond);

}  // namespace
