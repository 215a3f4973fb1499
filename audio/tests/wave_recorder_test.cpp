// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder over the scripted device: formats and blocks, the spool and the finished file,
// the limit, the adapter's gain, settling and filter, and every failure on the way.

#include "audio/wave_recorder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>

#include "audio/scripted_capture_device.h"
#include "core/butterworth.h"
#include "core/tests/kill_harness.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"

namespace sonarel::audio {
namespace {

using core::FileKind;
using core::MessageId;
using sonarel::testing::ScratchDir;

// Fails every append after the first `allowed` ones, as a full disk would.
class FillingSpool : public RecordingSpool {
 public:
  explicit FillingSpool(int allowed) : allowed_(allowed) {}
  bool append(std::span<const std::uint8_t> bytes) override {
    if (allowed_-- <= 0) return false;
    return RecordingSpool::append(bytes);
  }

 private:
  int allowed_;
};

class RecorderTest : public ::testing::Test {
 protected:
  RecordingJob job(FileKind kind, std::uint32_t rate = 11025, AdapterSettings adapter = {}) {
    return RecordingJob{dir.file(kind == FileKind::VocalQuality ? "qv001.wav" : "wv001.wav"), kind,
                        rate, dir.path().string(), adapter};
  }
  // Records `samples` with a recorder of `job` and stops it.
  core::LoadedWave record(
      const RecordingJob& job, const std::vector<std::int16_t>& samples,
      std::unique_ptr<RecordingSpool> spool = std::make_unique<RecordingSpool>()) {
    WaveRecorder recorder(device, job, std::move(spool));
    QObject::connect(&recorder, &WaveRecorder::problem,
                     [this](const core::Message& m) { problems.push_back(m.id); });
    EXPECT_TRUE(recorder.start().empty());
    device.hear(samples);
    recorder.stop();
    EXPECT_FALSE(device.isRunning());
    return core::loadWave(job.targetPath);
  }

  ScratchDir dir;
  ScriptedCaptureDevice device;
  std::vector<MessageId> problems;
};

TEST(RecordingFormat, TableNumbersAndBlocks) {
  const std::uint32_t rates[] = {8000, 11025, 22050, 44100, 50000};
  for (int n = 0; n < 10; ++n) {
    const core::WaveFormat f = recorderFormat(n);
    EXPECT_EQ(f.sampleRate, rates[n / 2]) << n;
    EXPECT_EQ(f.bitsPerSample, n % 2 ? 16 : 8) << n;
    EXPECT_EQ(f.blockAlign * 8, f.bitsPerSample) << n;
    EXPECT_EQ(f.bytesPerSecond, f.sampleRate * f.blockAlign) << n;
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.formatTag, 1);
  }
  EXPECT_EQ(recorderFormatNumber(FileKind::VocalQuality, 11025), 7);
  EXPECT_EQ(recorderFormatNumber(FileKind::VoiceAnalysis, 11025), 3);
  EXPECT_EQ(recorderFormatNumber(FileKind::VoiceAnalysis, 22050), 5);
  EXPECT_EQ(blockBytes(recorderFormat(3)), 1324u);
  EXPECT_EQ(blockBytes(recorderFormat(5)), 2646u);
  EXPECT_EQ(blockBytes(recorderFormat(7)), 5292u);
  EXPECT_EQ(blockBytes(recorderFormat(2)), 662u);  // 8 bits: 661.5 + 1, made even
}

TEST(RecordingFormat, GainSaturatesSymmetrically) {
  std::vector<std::int16_t> s{20000, -20000, 1000, -1000, 0, -32768};
  applyGain(s, gainDecibels(2));
  EXPECT_EQ(s, (std::vector<std::int16_t>{32767, -32767, 3162, -3162, 0, -32767}));
  EXPECT_EQ(gainDecibels(0), 0);
  EXPECT_EQ(gainDecibels(1), 5);
  EXPECT_EQ(gainDecibels(3), 15);
  EXPECT_EQ(gainDecibels(7), 10);
}

TEST_F(RecorderTest, HandsTheDeviceSixtyMillisecondBlocksAtEveryRate) {
  const std::pair<RecordingJob, std::size_t> cases[] = {{job(FileKind::VoiceAnalysis, 11025), 1324},
                                                        {job(FileKind::VoiceAnalysis, 22050), 2646},
                                                        {job(FileKind::VocalQuality, 11025), 5292}};
  for (const auto& [j, bytes] : cases) {
    WaveRecorder recorder(device, j);
    ASSERT_TRUE(recorder.start().empty());
    EXPECT_EQ(device.blockBytes(), bytes);
    EXPECT_EQ(device.format(), recorder.format());
    recorder.stop();
  }
}

TEST_F(RecorderTest, WritesEverySampleIntoTheTargetInTheFileLayout) {
  const auto samples = testing::sine(220, 22050, 30000, 9000);  // not a whole number of blocks
  const core::LoadedWave wave = record(job(FileKind::VoiceAnalysis, 22050), samples);
  ASSERT_EQ(wave.error, core::WaveError::None);
  EXPECT_EQ(wave.samples, samples) << "the short last block is kept";
  EXPECT_EQ(wave.format.sampleRate, 22050u);
  EXPECT_TRUE(problems.empty());

  const auto bytes = testing::readBytes(dir.file("wv001.wav"));
  ASSERT_GE(bytes.size(), 58u);
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "fmt ");
  EXPECT_EQ(bytes[16], 18);
  EXPECT_EQ(std::string(bytes.begin() + 38, bytes.begin() + 42), "fact");
  EXPECT_EQ(bytes[42], 4);
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 46, bytes.begin() + 50)),
            (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(std::string(bytes.begin() + 50, bytes.begin() + 54), "data");
  // The spool keeps the raw recording; the note of an unfinished one is gone.
  EXPECT_EQ(std::filesystem::file_size(dir.file("grav.tmp")), samples.size() * 2);
  EXPECT_FALSE(readPendingRecording(dir.path().string()));
}

TEST_F(RecorderTest, StopsByItselfAtTwoMinutes) {
  WaveRecorder recorder(device, job(FileKind::VoiceAnalysis, 11025));
  int stops = 0;
  QObject::connect(&recorder, &WaveRecorder::stopped, [&] { ++stops; });
  ASSERT_TRUE(recorder.start().empty());
  device.hearConstant(119.9, 100);
  EXPECT_TRUE(recorder.isRecording());
  device.hearConstant(5, 100);
  EXPECT_FALSE(recorder.isRecording());
  EXPECT_EQ(stops, 1);
  EXPECT_GE(recorder.recordedSeconds(), 120.0);
  EXPECT_LT(recorder.recordedSeconds(), 120.0 + 0.061);
  const auto wave = core::loadWave(dir.file("wv001.wav"));
  EXPECT_EQ(wave.samples.size(), recorder.recordedBytes() / 2);
}

TEST_F(RecorderTest, AdapterGainDropsTheSettlingSecond) {
  AdapterSettings adapter{true, 0, 2};        // 10 dB, no filter
  std::vector<std::int16_t> heard(11025, 5);  // the settling second
  for (int i = 0; i < 3000; ++i) heard.push_back(i % 2 ? -20000 : 20000);
  const auto wave = record(job(FileKind::VoiceAnalysis, 11025, adapter), heard);
  // Settling ends once the blocks reach one second: whole blocks only, so up to one block
  // of the settling level can follow.
  ASSERT_FALSE(wave.samples.empty());
  std::size_t first = 0;
  while (first < wave.samples.size() && wave.samples[first] == 15) ++first;
  EXPECT_LE(first, 1324u / 2);
  ASSERT_EQ(wave.samples.size() - first, 3000u);
  for (std::size_t i = first; i < wave.samples.size(); ++i) {
    ASSERT_EQ(wave.samples[i], (i - first) % 2 ? -32767 : 32767) << i;
  }
}

TEST_F(RecorderTest, WithoutGainNeitherGainNorSettling) {
  const auto heard = testing::sine(150, 11025, 20000, 20000);
  EXPECT_EQ(record(job(FileKind::VoiceAnalysis, 11025, {true, 0, 0}), heard).samples, heard);
  EXPECT_EQ(record(job(FileKind::VoiceAnalysis, 11025, {false, 0, 2}), heard).samples, heard)
      << "no adapter in use";
}

TEST_F(RecorderTest, NoiseFilterOnlyForVoiceAnalysis) {
  const AdapterSettings adapter{true, 3, 0};  // 200 Hz band-stop, no gain
  const auto hum = testing::sine(60, 11025, 22050, 10000);
  const auto filtered = record(job(FileKind::VoiceAnalysis, 11025, adapter), hum).samples;
  ASSERT_EQ(filtered.size(), hum.size());
  double before = 0, after = 0;
  for (std::size_t i = 11025; i < hum.size(); ++i) {
    before += double(hum[i]) * hum[i];
    after += double(filtered[i]) * filtered[i];
  }
  EXPECT_LT(after, before * 0.05) << "60 Hz lies in the stop band";
  // The same filter run by hand gives the same samples.
  auto design = core::designButterworth(4, 2, 0, 200, 11025);
  auto expected = hum;
  core::runButterworth(*std::get<core::ButterworthHandle>(design), expected);
  EXPECT_EQ(filtered, expected);

  const auto vowel = testing::sine(60, 44100, 44100, 10000);
  EXPECT_EQ(record(job(FileKind::VocalQuality, 44100, adapter), vowel).samples, vowel)
      << "vocal-quality files are never filtered";
}

TEST_F(RecorderTest, FullDiskStopsAndKeepsWhatWasWritten) {
  const auto samples = testing::sine(200, 11025, 11025, 8000);
  const auto wave =
      record(job(FileKind::VoiceAnalysis, 11025), samples, std::make_unique<FillingSpool>(3));
  EXPECT_EQ(problems, std::vector<MessageId>{MessageId::ErrorWritingTemporary});
  EXPECT_EQ(device.blocksHandedBack, 4) << "the recording stopped at the failed block";
  const std::vector<std::int16_t> written(samples.begin(), samples.begin() + 3 * 662);
  EXPECT_EQ(wave.samples, written);
  EXPECT_EQ(std::filesystem::file_size(dir.file("grav.tmp")), written.size() * 2);
}

TEST_F(RecorderTest, StartFailuresLeaveNothingRunning) {
  RecordingJob j = job(FileKind::VoiceAnalysis, 22050);
  struct Case {
    CaptureFault fault;
    std::vector<MessageId> shown;
  };
  const Case cases[] = {
      {CaptureFault::OpenFailed, {MessageId::RecordFormatReport, MessageId::CaptureCannotOpen}},
      {CaptureFault::OutOfMemory, {MessageId::NoFreeMemory}},
      {CaptureFault::PrepareFailed,
       {MessageId::CaptureCannotOpen, MessageId::ErrorPreparingRecordHeader}},
      {CaptureFault::StartRefused, {MessageId::CannotStartRecording}}};
  for (const Case& c : cases) {
    device.refusal = CaptureError{c.fault, core::Message{MessageId::CaptureCannotOpen}};
    WaveRecorder recorder(device, j);
    const auto messages = recorder.start();
    std::vector<MessageId> ids;
    for (const auto& m : messages) ids.push_back(m.id);
    EXPECT_EQ(ids, c.shown);
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_FALSE(readPendingRecording(j.dataFolder));
    if (c.fault == CaptureFault::OpenFailed) {
      EXPECT_EQ(messages[0].text(),
                "Error Recording\nwfe.cbSize = 0\nwfe.nAvgBytesPerSec = 44100\nwfe.nBlockAlign "
                "2\nwfe.nChannels 1\nwfe.nSamplesPerSec 22050\nwfe.wBitsPerSample "
                "16\nwfe.wFormatTag 1\n");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(j.targetPath));
}

TEST_F(RecorderTest, LostDeviceKeepsTheSoundBeforeIt) {
  WaveRecorder recorder(device, job(FileKind::VoiceAnalysis, 11025));
  QObject::connect(&recorder, &WaveRecorder::problem,
                   [this](const core::Message& m) { problems.push_back(m.id); });
  ASSERT_TRUE(recorder.start().empty());
  const auto samples = testing::sine(300, 11025, 662 * 5, 5000);
  device.hear(samples);
  device.breakOff(core::Message{MessageId::CaptureStopped});
  EXPECT_FALSE(recorder.isRecording());
  EXPECT_EQ(problems,
            (std::vector<MessageId>{MessageId::CaptureStopped, MessageId::RecordingBrokeOff}));
  EXPECT_EQ(core::loadWave(dir.file("wv001.wav")).samples, samples);

  // Blocks the device could no longer get ready end the recording the same way.
  problems.clear();
  ASSERT_TRUE(recorder.start().empty());
  device.hear(samples);
  device.breakOff(CaptureError{CaptureFault::PrepareFailed, {MessageId::CaptureFailed}});
  EXPECT_EQ(problems,
            (std::vector<MessageId>{MessageId::CaptureFailed, MessageId::ErrorPreparingHeader,
                                    MessageId::RecordingBrokeOff}));
  EXPECT_EQ(core::loadWave(dir.file("wv001.wav")).samples, samples);
}

TEST_F(RecorderTest, RefusedStopStillWritesTheFile) {
  WaveRecorder recorder(device, job(FileKind::VoiceAnalysis, 11025));
  QObject::connect(&recorder, &WaveRecorder::problem,
                   [this](const core::Message& m) { problems.push_back(m.id); });
  ASSERT_TRUE(recorder.start().empty());
  device.hearConstant(0.5, 77);
  device.stopRefusal = CaptureError{CaptureFault::StopFailed, {MessageId::CaptureFailed}};
  recorder.stop();
  EXPECT_EQ(problems, std::vector<MessageId>{MessageId::ErrorStoppingRecord});
  EXPECT_FALSE(recorder.isRecording());
  EXPECT_TRUE(recorder.fileWritten());
  device.stopRefusal.reset();
  device.stop();
}

TEST_F(RecorderTest, UnwritableTargetLeavesARecoverableSpool) {
  RecordingJob j = job(FileKind::VoiceAnalysis, 22050);
  j.targetPath = dir.file("pac007/wv001.wav");  // the client folder is missing
  const auto samples = testing::sine(180, 22050, 22050, 7000);
  record(j, samples);
  EXPECT_EQ(problems, std::vector<MessageId>{MessageId::FileCannotBeRecorded});

  const auto pending = readPendingRecording(dir.path().string());
  ASSERT_TRUE(pending);
  EXPECT_EQ(pending->targetPath, j.targetPath);
  EXPECT_EQ(pending->sampleRate, 22050u);
  EXPECT_EQ(pending->spooledBytes, samples.size() * 2);
  std::filesystem::create_directory(dir.file("pac007"));
  EXPECT_FALSE(recoverPendingRecording(dir.path().string(), *pending));
  EXPECT_EQ(core::loadWave(j.targetPath).samples, samples);
  EXPECT_FALSE(readPendingRecording(dir.path().string())) << "recovered once only";
}

TEST_F(RecorderTest, SpoolOfAnInterruptedRecordingIsOnDiskAsItGoes) {
  // While recording, another process (the next run after a crash) already finds every block.
  const AdapterSettings adapter{true, 1, 0};  // low-noise filter, applied on recovery
  WaveRecorder recorder(device, job(FileKind::VoiceAnalysis, 11025, adapter));
  ASSERT_TRUE(recorder.start().empty());
  const auto samples = testing::sine(400, 11025, 1324 * 4, 6000);
  device.hear(samples);
  const auto pending = readPendingRecording(dir.path().string());
  ASSERT_TRUE(pending);
  EXPECT_EQ(pending->spooledBytes, samples.size() * 2);
  EXPECT_EQ(pending->noiseCutoffHz, 85);
  EXPECT_EQ(pending->kind, FileKind::VoiceAnalysis);
}

TEST(PendingNote, DamagedNotesAreIgnored) {
  ScratchDir dir;
  const std::string folder = dir.path().string();
  EXPECT_FALSE(readPendingRecording(folder)) << "no note";
  dir.write("grav.tmp", testing::Bytes(100, 1));
  dir.write("grav.pending", testing::Bytes{'r', 'a', 't', 'e', '=', 'x'});
  EXPECT_FALSE(readPendingRecording(folder));
  ASSERT_TRUE(writePendingNote(folder, {dir.file("wv001.wav"), 12345, FileKind::VoiceAnalysis, 0}));
  EXPECT_FALSE(readPendingRecording(folder)) << "a rate the recorder never uses";
  ASSERT_TRUE(writePendingNote(folder, {dir.file("wv001.wav"), 11025, FileKind::VoiceAnalysis, 0}));
  EXPECT_TRUE(readPendingRecording(folder));
  dir.write("grav.tmp", testing::Bytes(1, 1));
  EXPECT_FALSE(readPendingRecording(folder)) << "not a single sample";
}

TEST(PendingNote, RecoveryWritesOnlyAWaveInsideTheDataFolder) {
  ScratchDir dir;
  const std::string folder = dir.path().string();
  dir.write("grav.tmp", testing::Bytes(100, 1));
  const auto accepted = [&](const std::string& target, double cutoff = 0,
                            FileKind kind = FileKind::VoiceAnalysis) {
    EXPECT_TRUE(writePendingNote(folder, {target, 11025, kind, cutoff}));
    return readPendingRecording(folder).has_value();
  };
  EXPECT_TRUE(accepted(folder + "/pac001/wv001.wav"));
  EXPECT_FALSE(accepted("/etc/passwd.wav")) << "outside the data folder";
  EXPECT_FALSE(accepted(folder + "/../elsewhere.wav")) << "climbs out of it";
  EXPECT_FALSE(accepted(folder + "/pac001/notes.rtf")) << "not a recording";
  EXPECT_FALSE(accepted(folder)) << "the folder itself";
  EXPECT_FALSE(accepted(folder + "/wv001.wav", std::nan(""))) << "no possible filter";
  EXPECT_FALSE(accepted(folder + "/wv001.wav", 6000)) << "cutoff above the Nyquist frequency";
  EXPECT_FALSE(accepted(folder + "/wv001.wav", 0, static_cast<FileKind>(7))) << "unknown kind";
}

TEST(PendingNote, FifosInPlaceOfTheSpoolOrItsNoteHangNothing) {
  ScratchDir dir;
  const std::string folder = dir.path().string();
  ASSERT_EQ(mkfifo(dir.file("grav.pending").c_str(), 0600), 0);
  dir.write("grav.tmp", testing::Bytes(100, 1));
  EXPECT_FALSE(readPendingRecording(folder)) << "a FIFO note is no note";
  std::filesystem::remove(dir.file("grav.pending"));
  std::filesystem::remove(dir.file("grav.tmp"));
  ASSERT_EQ(mkfifo(spoolPath(folder).c_str(), 0600), 0);
  ASSERT_TRUE(writePendingNote(folder, {dir.file("wv001.wav"), 11025, FileKind::VoiceAnalysis, 0}));
  EXPECT_FALSE(readPendingRecording(folder)) << "a FIFO spool holds no recording";
  RecordingSpool spool;
  EXPECT_FALSE(spool.open(spoolPath(folder))) << "a recording does not start onto a FIFO";
}

// A recording killed at any moment is recovered from its spool as a whole WAVE file holding
// exactly the samples captured before the kill, in order.
TEST(PendingNote, AKilledRecordingIsRecoveredWhole) {
  ScratchDir dir;
  const std::string folder = dir.path().string();
  const std::string target = dir.file("wv001.wav");
  const auto sampleAt = [](std::size_t i) { return static_cast<std::int16_t>(i % 30011 - 15000); };
  std::mt19937 random(812);
  std::uniform_int_distribution<int> delayMicros(0, 20000);
  int torn = 0;
  for (int run = 0; run < testing::kKillRuns; ++run) {
    const pid_t pid = fork();
    if (pid == 0) {
      RecordingSpool spool;
      if (!spool.open(spoolPath(folder)) ||
          !writePendingNote(folder, {target, 11025, FileKind::VoiceAnalysis, 0})) {
        _exit(1);
      }
      std::vector<std::uint8_t> block(2048);
      for (std::size_t n = 0;; n += block.size() / 2) {
        for (std::size_t j = 0; j < block.size() / 2; ++j) {
          const auto v = static_cast<std::uint16_t>(sampleAt(n + j));
          block[2 * j] = static_cast<std::uint8_t>(v);
          block[2 * j + 1] = static_cast<std::uint8_t>(v >> 8);
        }
        if (!spool.append(block)) _exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    const auto pending = readPendingRecording(folder);
    if (!pending) continue;  // killed before the first sample reached the spool
    ASSERT_FALSE(recoverPendingRecording(folder, *pending)) << "run " << run;
    const core::LoadedWave loaded = core::loadWave(target);
    bool whole =
        loaded.error == core::WaveError::None && loaded.samples.size() == pending->spooledBytes / 2;
    for (std::size_t i = 0; whole && i < loaded.samples.size(); ++i) {
      whole = loaded.samples[i] == sampleAt(i);
    }
    if (!whole) ++torn;
    EXPECT_FALSE(readPendingRecording(folder)) << "recovered once only";
  }
  EXPECT_EQ(torn, 0) << "of " << testing::kKillRuns << " kills";
}

}  // namespace
}  // namespace sonarel::audio
