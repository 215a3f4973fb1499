// SPDX-License-Identifier: GPL-3.0-or-later
// Killing the program while it rewrites a text export or a recording, or the disk filling up
// under it, never tears the file.

#include <gtest/gtest.h>

#include "core/tests/kill_harness.h"
#include "core/text_export.h"
#include "core/wave_file.h"
#include "core/wave_format.h"

namespace sonarel::core {
namespace {

using testing::Bytes;
using testing::expectFullDiskKeepsTheOldFile;
using testing::expectKillSafe;
using testing::expectReadOnlyFolderKeepsTheOldFile;
using testing::readBytes;
using testing::ScratchDir;

// Two texts of different lengths, long enough that a kill often lands inside a write.
std::string exportText(int lines, char tag) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += std::to_string(i) + '\t' + tag + "\t123.456\n";
  return text;
}

TEST(KillSafety, TextExportsAreOldOrNewWhole) {
  ScratchDir dir;
  const std::string target = dir.file("f0.txt");
  const std::string texts[2] = {exportText(20000, 'a'), exportText(31000, 'b')};
  std::vector<Bytes> contents;
  for (const auto& text : texts) {
    ASSERT_FALSE(saveExportFile(target, text, ExportKind::Intensity));
    contents.push_back(readBytes(target));
  }
  expectKillSafe(
      target, [&](int i) { return !saveExportFile(target, texts[i % 2], ExportKind::Intensity); },
      contents);
}

TEST(KillSafety, WaveFilesAreOldOrNewWhole) {
  ScratchDir dir;
  const std::string target = dir.file("wv001.wav");
  const std::vector<std::int16_t> takes[2] = {testing::noise(22050 * 4, 1),
                                              testing::noise(22050 * 7, 2)};
  std::vector<Bytes> contents;
  for (const auto& take : takes) {
    ASSERT_FALSE(writeWave(target, pcm16MonoFormat(22050), std::span(take)));
    contents.push_back(readBytes(target));
  }
  expectKillSafe(
      target,
      [&](int i) { return !writeWave(target, pcm16MonoFormat(22050), std::span(takes[i % 2])); },
      contents);
}

TEST(FullDisk, ExportsAndRecordingsKeepTheOldFile) {
  ScratchDir dir;
  const std::string text = dir.file("stats.txt");
  ASSERT_FALSE(saveExportFile(text, exportText(10, 'a'), ExportKind::Intensity));
  expectFullDiskKeepsTheOldFile(
      text, [&] { return !saveExportFile(text, exportText(5000, 'b'), ExportKind::Intensity); },
      4096);

  const std::string wave = dir.file("wv001.wav");
  const auto take = testing::noise(22050, 3);
  ASSERT_FALSE(writeWave(wave, pcm16MonoFormat(22050), std::span(take)));
  const auto longer = testing::noise(22050 * 3, 4);
  expectFullDiskKeepsTheOldFile(
      wave, [&] { return !writeWave(wave, pcm16MonoFormat(22050), std::span(longer)); }, 65536);
}

TEST(ReadOnlyFolder, ExportsAndRecordingsKeepTheOldFile) {
  ScratchDir dir;
  const std::string text = dir.file("stats.txt");
  ASSERT_FALSE(saveExportFile(text, exportText(10, 'a'), ExportKind::Statistics));
  expectReadOnlyFolderKeepsTheOldFile(
      text, [&] { return !saveExportFile(text, exportText(20, 'b'), ExportKind::Statistics); });

  const std::string wave = dir.file("wv001.wav");
  const auto take = testing::noise(22050, 3);
  ASSERT_FALSE(writeWave(wave, pcm16MonoFormat(22050), std::span(take)));
  const auto other = testing::noise(22050, 4);
  expectReadOnlyFolderKeepsTheOldFile(
      wave, [&] { return !writeWave(wave, pcm16MonoFormat(22050), std::span(other)); });
}

}  // namespace
}  // namespace sonarel::core
