// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/demo_register.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>
#include <random>

#include "core/atomic_file.h"
#include "core/wave_file.h"
#include "records/client_register.h"

namespace sonarel::app {
namespace {

struct Vowel {
  double f1, f2, f3;  // Hz
};
constexpr Vowel kVowels[] = {
    {800, 1200, 2500}, {300, 2300, 3000}, {500, 1900, 2600}, {350, 800, 2400}, {500, 900, 2500}};

// A two-pole resonator at `frequency` with `bandwidth`, unit gain at 0 Hz.
class Resonator {
 public:
  void tune(double frequency, double bandwidth, double rate) {
    const double r = std::exp(-std::numbers::pi * bandwidth / rate);
    b_ = 2 * r * std::cos(2 * std::numbers::pi * frequency / rate);
    c_ = -r * r;
    a_ = 1 - b_ - c_;
  }
  double step(double x) {
    const double y = a_ * x + b_ * y1_ + c_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

void setDate(const std::string& path, int daysAgo) {
  const timespec when{std::time(nullptr) - daysAgo * 86400L, 0};
  const timespec times[2] = {when, when};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

}  // namespace

std::vector<std::int16_t> synthesiseVoice(int sampleRate, double seconds, double f0, bool spoken) {
  const auto count = static_cast<std::size_t>(seconds * sampleRate);
  std::vector<double> out(count);
  std::mt19937 random(7);
  std::normal_distribution<double> wobble(0.0, 1.0);
  Resonator formants[3];
  const double syllable = 0.36, pause = 0.14;
  double phase = 1.0, period = 1.0, amplitude = 1.0;
  for (std::size_t n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / sampleRate;
    double envelope = 1.0, pitch = f0;
    std::size_t vowel = 0;
    if (spoken) {
      const double within = std::fmod(t, syllable + pause);
      vowel = static_cast<std::size_t>(t / (syllable + pause)) % std::size(kVowels);
      envelope = within < syllable ? std::sin(std::numbers::pi * within / syllable) : 0.0;
      // Falling over the utterance, rising and falling within each syllable.
      pitch = f0 * (1.15 - 0.3 * t / seconds) *
              (1 + 0.08 * std::sin(std::numbers::pi * within / syllable));
    } else {
      envelope = std::min({1.0, t / 0.1, (seconds - t) / 0.1});
      pitch = f0 * (1 + 0.01 * std::sin(2 * std::numbers::pi * 5 * t));
    }
    if (n % 64 == 0) {
      const Vowel& v = kVowels[vowel];
      formants[0].tune(v.f1, 80, sampleRate);
      formants[1].tune(v.f2, 120, sampleRate);
      formants[2].tune(v.f3, 180, sampleRate);
    }
    // A new glottal cycle: its length and height vary a little, as in a real voice.
    phase += 1.0 / period;
    if (phase >= 1.0) {
      phase -= 1.0;
      period = sampleRate / pitch * (1 + 0.004 * wobble(random));
      amplitude = 1 + 0.03 * wobble(random);
    }
    // Open phase: a rising and falling flow pulse; its derivative excites the tract.
    const double open = 0.6;
    const double source =
        phase < open ? amplitude * std::sin(2 * std::numbers::pi * phase / open) : 0.0;
    double y = source * envelope;
    for (Resonator& r : formants) y = r.step(y);
    out[n] = y;
  }
  double peak = 1e-9;
  for (double v : out) peak = std::max(peak, std::abs(v));
  std::vector<std::int16_t> samples(count);
  std::uniform_real_distribution<double> hiss(-3, 3);
  for (std::size_t n = 0; n < count; ++n) {
    samples[n] = static_cast<std::int16_t>(std::lround(out[n] / peak * 16000 + hiss(random)));
  }
  return samples;
}

std::optional<core::Message> createDemoRegister(const std::string& folder) {
  records::ClientTable table(folder + "/pacb.dbf");
  if (table.exists()) return std::nullopt;  // never over an existing register
  if (auto created = table.create(); !created.ok()) return created.failure;

  records::ClientRecord woman;
  woman.name = "Maria da Conceição";
  woman.type = 1;
  woman.birthDate = "07021974";
  woman.city = "São Paulo";
  woman.observations = "Demo client: a speaking voice and a sustained vowel.";
  records::ClientRecord man;
  man.name = "José Pereira";
  man.type = 0;
  man.birthDate = "23111961";
  man.city = "Lisboa";
  man.observations = "Demo client: a speaking voice.";
  std::vector<records::ClientRecord> clients;
  for (const auto& client : {woman, man}) {
    const records::Registration r = records::registerClient(table, folder, client);
    if (r.failure) return r.failure;
    if (r.warning) return r.warning;
    clients.push_back(r.record);
  }

  using records::RecordingType;
  const records::ClientFolder first(folder, clients[0].code), second(folder, clients[1].code);
  struct Recording {
    const records::ClientFolder* folder;
    RecordingType type;
    int number, rate, daysAgo;
    double f0;
  };
  const Recording recordings[] = {
      {&first, RecordingType::VoiceAnalysis, 1, 11025, 30, 210},
      {&first, RecordingType::VocalQuality, 2, 44100, 2, 205},
      {&second, RecordingType::VoiceAnalysis, 1, 11025, 9, 115},
  };
  for (const Recording& r : recordings) {
    const bool spoken = r.type == RecordingType::VoiceAnalysis;
    const std::string path = r.folder->recordingPath(r.type, r.number);
    const auto samples = synthesiseVoice(r.rate, spoken ? 2.6 : 3.0, r.f0, spoken);
    if (auto failed = core::writeWave(path, core::pcm16MonoFormat(r.rate), samples)) return failed;
    setDate(path, r.daysAgo);
  }
  const std::string note =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Sans;}}\\pard Primeira consulta: voz \\'e1spera, "
      "fadiga ao fim do dia.\\par\n\\pard Repeat after four weeks of therapy.\\par\n}";
  if (!core::writeFileAtomically(first.notesPath(1), note)) {
    return core::Message{core::MessageId::FileCannotBeRecorded, {first.notesPath(1)}};
  }
  return std::nullopt;
}

}  // namespace sonarel::app
