// SPDX-License-Identifier: GPL-3.0-or-later
// Import of outside sound files: the formats libsndfile reads, made by sox (Opus by libsndfile
// itself, which sox here cannot write), their conversion to 16 bits, the channel choice, and
// a target that is left alone whenever the import fails.

#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "spectral/sound_import.h"

namespace sonarel::spectral {
namespace {

using core::FileKind;
using core::MessageId;
using sonarel::testing::ScratchDir;

bool HaveSox() {
  return std::system("command -v sox >/dev/null 2>&1") == 0;
}

// sox -n OUTPUT_OPTIONS FILE EFFECTS
std::string Sox(const ScratchDir& dir, const std::string& name, const std::string& options,
                const std::string& effects) {
  const std::string path = dir.file(name);
  const std::string command = "sox -n " + options + " '" + path + "' " + effects + " 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return path;
}

// Samples of `path` as sox turns them into 16-bit integers, rounded without dither.
std::vector<std::int16_t> SoxSamples(const ScratchDir& dir, const std::string& path) {
  const std::string raw = dir.file("reference.raw");
  const std::string command =
      "sox -D '" + path + "' -t raw -e signed-integer -b 16 -L '" + raw + "' 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  const auto bytes = sonarel::testing::readBytes(raw);
  std::vector<std::int16_t> out(bytes.size() / 2);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  return out;
}

ImportSource Read(const std::string& path) {
  auto read = ReadImportSource(path);
  if (auto* refusal = std::get_if<core::Message>(&read)) {
    ADD_FAILURE() << path << ": " << refusal->text();
    return {};
  }
  return std::get<ImportSource>(std::move(read));
}

// Over the middle half, away from the padding some coders add at the ends.
double Rms(std::span<const std::int16_t> x) {
  double sum = 0;
  for (std::size_t i = x.size() / 4; i < 3 * x.size() / 4; ++i) sum += double(x[i]) * x[i];
  return x.empty() ? 0.0 : std::sqrt(sum / (3 * x.size() / 4 - x.size() / 4));
}

TEST(ReadImportSource, ReadsEveryCommonFormat) {
  if (!HaveSox()) GTEST_SKIP() << "sox is not installed";
  ScratchDir dir;
  const std::string tone = "synth 0.5 sine 440 sine 660 gain -6";
  struct Format {
    std::string name, options;
    bool lossless;
  };
  const std::vector<Format> formats{
      {"a.flac", "-b 16", true},
      {"a.aiff", "-b 16", true},
      {"a24.wav", "-b 24", true},
      {"af.wav", "-e floating-point -b 32", true},
      {"a8.wav", "-b 8 -e unsigned", false},
      {"a.ogg", "", false},
      {"a.mp3", "", false},
  };
  for (const Format& f : formats) {
    const std::string path = Sox(dir, f.name, "-r 44100 -c 2 " + f.options, tone);
    const ImportSource source = Read(path);
    EXPECT_EQ(source.sampleRate, 44100) << f.name;
    EXPECT_EQ(source.channels, 2) << f.name;
    EXPECT_FALSE(source.pcm16Wave) << f.name;
    EXPECT_EQ(source.clipped, 0) << f.name;
    // Compressed formats may pad or trim a frame's worth at the ends.
    EXPECT_NEAR(static_cast<double>(source.frames()), 22050.0, f.lossless ? 0.0 : 2400.0) << f.name;
    const auto left = ChooseChannel(source.samples, 2, ChannelChoice::Left);
    // A sine at -6 dB full scale: RMS 0.5 · 32768 / √2.
    EXPECT_NEAR(20 * std::log10(Rms(left) / (16384 / std::sqrt(2.0))), 0.0, f.lossless ? 0.05 : 0.6)
        << f.name;
    if (f.lossless && f.name != "af.wav") {
      // The same 16-bit values as sox gives; wider samples may differ by a step where sox
      // rounds a half the other way.
      const auto reference = SoxSamples(dir, path);
      ASSERT_EQ(source.samples.size(), reference.size()) << f.name;
      const int allowed = f.name == "a24.wav" ? 1 : 0;
      for (std::size_t i = 0; i < reference.size(); ++i)
        ASSERT_LE(std::abs(source.samples[i] - reference[i]), allowed) << f.name << " at " << i;
    }
  }

  // Opus, written by libsndfile.
  const std::string opus = dir.file("a.opus");
  SF_INFO info{};
  info.samplerate = 48000;
  info.channels = 1;
  info.format = SF_FORMAT_OGG | SF_FORMAT_OPUS;
  SNDFILE* out = sf_open(opus.c_str(), SFM_WRITE, &info);
  ASSERT_NE(out, nullptr) << sf_strerror(nullptr);
  const auto sine = sonarel::testing::sine(1000, 48000, 24000, 16384);
  sf_write_short(out, sine.data(), static_cast<sf_count_t>(sine.size()));
  sf_close(out);
  const ImportSource source = Read(opus);
  EXPECT_EQ(source.sampleRate, 48000);
  EXPECT_EQ(source.channels, 1);
  EXPECT_NEAR(static_cast<double>(source.frames()), 24000.0, 2000.0);
  EXPECT_NEAR(20 * std::log10(Rms(source.samples) / (16384 / std::sqrt(2.0))), 0.0, 0.5);
}

TEST(ReadImportSource, WiderSamplesAreRoundedAndClippedSamplesCounted) {
  ScratchDir dir;
  // 24-bit samples: 128 is half a 16-bit step (rounds away from zero to 1 and -1), 383 is
  // 1.496 steps; the largest 24-bit value rounds to 32768 and is kept at 32767 unclipped.
  const std::vector<std::int32_t> values{128, -128, 383, -385, 0x7FFFFF, -0x800000};
  sonarel::testing::Bytes data;
  for (const std::int32_t v : values) {
    for (int b = 0; b < 3; ++b) data.push_back(static_cast<std::uint8_t>(v >> (8 * b)));
  }
  const std::string wide = dir.write(
      "w24.wav", sonarel::testing::riffWave(
                     {sonarel::testing::chunk("fmt ", sonarel::testing::fmtBody(8000, 1, 24)),
                      sonarel::testing::chunk("data", data)}));
  ImportSource source = Read(wide);
  EXPECT_EQ(source.samples, (std::vector<std::int16_t>{1, -1, 1, -2, 32767, -32768}));
  EXPECT_EQ(source.clipped, 0);

  // Float samples beyond full scale are clipped and counted.
  sonarel::testing::Bytes floats;
  for (const float v : {0.5f, 1.5f, -1.25f, -1.0f, 0.25f / 32768}) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    sonarel::testing::append32(floats, bits);
  }
  const std::string loud = dir.write(
      "loud.wav", sonarel::testing::riffWave(
                      {sonarel::testing::chunk("fmt ", sonarel::testing::fmtBody(8000, 1, 32, 3)),
                       sonarel::testing::chunk("fact", {5, 0, 0, 0}),
                       sonarel::testing::chunk("data", floats)}));
  source = Read(loud);
  EXPECT_EQ(source.samples, (std::vector<std::int16_t>{16384, 32767, -32768, -32768, 0}));
  EXPECT_EQ(source.clipped, 2);
}

TEST(ReadImportSource, Refusals) {
  ScratchDir dir;
  const auto refusal = [](const std::string& path, double longest = 1800.0) {
    auto read = ReadImportSource(path, longest);
    return std::holds_alternative<core::Message>(read) ? std::get<core::Message>(read).id
                                                       : MessageId::EndOfCatalogue;
  };
  EXPECT_EQ(refusal(dir.write("notes.txt", {'h', 'e', 'l', 'l', 'o'})),
            MessageId::ImportCannotOpen);
  EXPECT_EQ(refusal(dir.file("missing.wav")), MessageId::ImportCannotOpen);
  EXPECT_EQ(refusal(dir.path().string()), MessageId::ImportCannotOpen);
  // A WAVE file of a coding libsndfile does not know keeps the 16-bit refusal.
  sonarel::testing::Bytes fmt = sonarel::testing::fmtBody(8000, 1, 4, 0x7A7A);
  sonarel::testing::append16(fmt, 0);
  const std::string odd = dir.write(
      "odd.wav", sonarel::testing::riffWave({sonarel::testing::chunk("fmt ", fmt),
                                             sonarel::testing::chunk("data", {1, 2, 3, 4})}));
  EXPECT_EQ(refusal(odd), MessageId::ImportNeeds16Bits);
  EXPECT_EQ(core::Message{MessageId::ImportNeeds16Bits}.text(),
            "The File to be Imported should be 16 Bits!\nThe Process will be Canceled!");
  // An empty data chunk holds nothing to import.
  EXPECT_EQ(refusal(dir.write("empty.wav", sonarel::testing::simpleWave(22050, {}))),
            MessageId::ImportCannotOpen);

  // Longer than allowed, whichever reader would take it, before its samples are read.
  const std::string half = dir.write(
      "half.wav", sonarel::testing::simpleWave(8000, sonarel::testing::sine(100, 8000, 4000)));
  EXPECT_EQ(refusal(half, 0.25), MessageId::RecordingTooLong);
  if (HaveSox()) {
    EXPECT_EQ(refusal(Sox(dir, "half.flac", "-r 8000 -c 1 -b 16", "synth 0.5 sine 100"), 0.25),
              MessageId::RecordingTooLong);
  }
}

TEST(ChooseChannel, LeftRightAndRoundedMean) {
  const std::vector<std::int16_t> frames{1, 2, -1, -2, 32767, 32767, -32768, -32768, 100, -101};
  EXPECT_EQ(ChooseChannel(frames, 2, ChannelChoice::Left),
            (std::vector<std::int16_t>{1, -1, 32767, -32768, 100}));
  EXPECT_EQ(ChooseChannel(frames, 2, ChannelChoice::Right),
            (std::vector<std::int16_t>{2, -2, 32767, -32768, -101}));
  EXPECT_EQ(ChooseChannel(frames, 2, ChannelChoice::Mix),
            (std::vector<std::int16_t>{2, -2, 32767, -32768, -1}));
  // More channels: left and right are the first two, the mix is over all of them.
  EXPECT_EQ(ChooseChannel(std::vector<std::int16_t>{3, 5, 10}, 3, ChannelChoice::Mix),
            (std::vector<std::int16_t>{6}));
  EXPECT_EQ(ChooseChannel(frames, 1, ChannelChoice::Right), frames);
}

class ImportSoundFileTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string target = dir.file("wv001.wav");

  std::string Wave(const std::string& name, std::uint32_t rate, int channels,
                   const std::vector<std::int16_t>& samples) {
    return dir.write(
        name, sonarel::testing::riffWave(
                  {sonarel::testing::chunk("fmt ", sonarel::testing::fmtBody(
                                                       rate, static_cast<std::uint16_t>(channels))),
                   sonarel::testing::chunk("data", sonarel::testing::pcmBytes(samples))}));
  }
};

TEST_F(ImportSoundFileTest, CopiesWritesOneChannelOrConverts) {
  // Mono 16-bit at a suitable rate: the very bytes, whatever chunks the file holds.
  const std::string mono = dir.write(
      "mono.wav",
      sonarel::testing::riffWave(
          {sonarel::testing::chunk("fmt ", sonarel::testing::fmtBody(11025)),
           sonarel::testing::chunk("LIST", {'x', 'y'}),
           sonarel::testing::chunk("data", sonarel::testing::pcmBytes({1, 2, 3, 4, 5}))}));
  ImportSource source = Read(mono);
  EXPECT_FALSE(ImportNeedsConversion(source, FileKind::VoiceAnalysis));
  EXPECT_EQ(DefaultImportRate(source, FileKind::VoiceAnalysis), 11025);
  ASSERT_EQ(PlanImport(source, 11025), ImportAction::Copy);
  ASSERT_FALSE(ImportSoundFile(source, {target, 11025}));
  EXPECT_EQ(sonarel::testing::readBytes(target), sonarel::testing::readBytes(mono));
  // The same file is the wrong rate for vocal quality.
  EXPECT_TRUE(ImportNeedsConversion(source, FileKind::VocalQuality));
  EXPECT_EQ(DefaultImportRate(source, FileKind::VocalQuality), 44100);
  EXPECT_EQ(PlanImport(source, 44100), ImportAction::ConvertRate);

  // Stereo at 22050 Hz whose channels differ: each choice gives its channel exactly.
  std::vector<std::int16_t> frames;
  for (int i = 0; i < 2000; ++i) {
    frames.push_back(static_cast<std::int16_t>(i * 7 - 5000));
    frames.push_back(static_cast<std::int16_t>(3000 - i * 3));
  }
  source = Read(Wave("stereo.wav", 22050, 2, frames));
  EXPECT_TRUE(ImportNeedsConversion(source, FileKind::VoiceAnalysis));
  ASSERT_EQ(PlanImport(source, DefaultImportRate(source, FileKind::VoiceAnalysis)),
            ImportAction::WriteChannel);
  for (const ChannelChoice choice :
       {ChannelChoice::Left, ChannelChoice::Right, ChannelChoice::Mix}) {
    ASSERT_FALSE(ImportSoundFile(source, {target, 22050, choice}));
    const auto written = core::loadWave(target);
    EXPECT_EQ(written.format, core::pcm16MonoFormat(22050));
    EXPECT_EQ(written.samples, ChooseChannel(frames, 2, choice));
  }

  // 48000 Hz into a vocal-quality file: converted to 44100 Hz.
  source = Read(Wave("fast.wav", 48000, 1, sonarel::testing::sine(1000, 48000, 4800)));
  ASSERT_EQ(PlanImport(source, 44100), ImportAction::ConvertRate);
  const std::string quality = dir.file("qv002.wav");
  ASSERT_FALSE(ImportSoundFile(source, {quality, 44100}));
  const auto converted = core::loadWave(quality);
  EXPECT_EQ(converted.format, core::pcm16MonoFormat(44100));
  EXPECT_EQ(converted.samples.size(), 4410u);
}

TEST_F(ImportSoundFileTest, FailuresLeaveTheFolderAsItWas) {
  const std::vector<std::int16_t> before{9, 9, 9};
  const std::string existing = Wave("wv001.wav", 11025, 1, before);
  const auto original = sonarel::testing::readBytes(existing);
  const auto listing = [this] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const ImportSource source = Read(Wave("in.wav", 48000, 2, sonarel::testing::noise(96000, 3)));
  const auto names = listing();

  // A cancel halfway.
  auto failure = ImportSoundFile(source, {target, 22050}, [](double done) { return done < 0.5; });
  ASSERT_TRUE(failure);
  EXPECT_TRUE(failure->cancelled);
  EXPECT_EQ(sonarel::testing::readBytes(target), original);
  EXPECT_EQ(listing(), names);

  // A full disk: no file may grow beyond 4 kB while the import writes.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  failure = ImportSoundFile(source, {target, 22050});
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  ASSERT_TRUE(failure && failure->message);
  EXPECT_EQ(failure->message->id, MessageId::FileCannotBeRecorded);
  EXPECT_EQ(sonarel::testing::readBytes(target), original);
  EXPECT_EQ(listing(), names);

  // A read-only target is not replaced, and the refusal says so.
  chmod(target.c_str(), 0444);
  failure = ImportSoundFile(source, {target, 22050});
  ASSERT_TRUE(failure && failure->message);
  EXPECT_EQ(failure->message->id, MessageId::TargetReadOnly);
  EXPECT_EQ(sonarel::testing::readBytes(target), original);
  EXPECT_EQ(listing(), names);
}

}  // namespace
}  // namespace sonarel::spectral
