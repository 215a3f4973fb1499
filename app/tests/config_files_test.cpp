// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/config_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "app/data_folder.h"
#include "core/tests/kill_harness.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

TEST(ConfigFiles, MissingFilesGiveTheDefaults) {
  ScratchDir dir;
  const ConfigFiles config(dir.path().string());
  EXPECT_EQ(config.language(), std::nullopt);
  EXPECT_EQ(config.screenMode(), kKeepResolution);
  EXPECT_EQ(config.recorder().microphoneInput, 1);
  EXPECT_EQ(config.recorder().showQualityNotice, 1);
  EXPECT_EQ(config.adapter().noiseReduction, 1);
  EXPECT_EQ(config.adapter().inputGain, 1);
}

TEST(ConfigFiles, WritesLittleEndianIntegersAndReadsThemBack) {
  ScratchDir dir;
  const ConfigFiles config(dir.path().string());
  ASSERT_TRUE(config.setLanguage(Language::Korean));
  EXPECT_EQ(testing::readBytes(dir.file("lang.dat")), (testing::Bytes{2, 0, 0, 0}));
  EXPECT_EQ(config.language(), Language::Korean);
  ASSERT_TRUE(config.setRecorder({0, 0}));
  EXPECT_EQ(testing::readBytes(dir.file("cfg1.dat")), (testing::Bytes{0, 0, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(config.setAdapter({3, -1}));
  EXPECT_EQ(testing::readBytes(dir.file("cfg_aa.dat")),
            (testing::Bytes{3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(config.adapter().inputGain, -1);
}

TEST(ConfigFiles, DamagedFilesCountAsMissing) {
  ScratchDir dir;
  const ConfigFiles config(dir.path().string());
  dir.write("lang.dat", {1, 0});        // short
  dir.write("cfg1.dat", {0, 0, 0, 0});  // one value of two
  dir.write("conf.dat", {});            // empty
  EXPECT_EQ(config.language(), std::nullopt);
  EXPECT_EQ(config.recorder().microphoneInput, 1);
  EXPECT_EQ(config.screenMode(), kKeepResolution);
  dir.write("lang.dat", {9, 0, 0, 0});  // no such language
  EXPECT_EQ(config.language(), std::nullopt);
}

TEST(ConfigFiles, AFailedOrKilledWriteKeepsTheOldSettings) {
  ScratchDir dir;
  const ConfigFiles config(dir.path().string());
  ASSERT_TRUE(config.setLanguage(Language::Korean));
  const std::string path = dir.file("lang.dat");
  testing::expectReadOnlyFolderKeepsTheOldFile(
      path, [&] { return config.setLanguage(Language::Spanish); });
  testing::expectFullDiskKeepsTheOldFile(
      path, [&] { return config.setLanguage(Language::Spanish); }, 2);
  std::vector<testing::Bytes> contents{{2, 0, 0, 0}, {1, 0, 0, 0}};
  testing::expectKillSafe(
      path,
      [&](int i) { return config.setLanguage(i % 2 == 0 ? Language::Korean : Language::Spanish); },
      contents);
}

TEST(ConfigFiles, AdapterInUseIsKeptApartFromTheAdapterSettings) {
  ScratchDir dir;
  const ConfigFiles config(dir.path().string());
  EXPECT_EQ(config.adapterInUse(), std::nullopt) << "never set";
  ASSERT_TRUE(config.setAdapter({2, 3}));
  ASSERT_TRUE(config.setAdapterInUse(true));
  EXPECT_EQ(config.adapterInUse(), true);
  EXPECT_EQ(testing::readBytes(dir.file("cfg_aa.dat")).size(), 8u) << "two integers, as ever";
  dir.write("cfg_aa_use.dat", {5, 0, 0, 0});
  EXPECT_EQ(config.adapterInUse(), std::nullopt) << "neither 0 nor 1";
}

TEST(LanguageForLocale, FollowsTheSystemLanguage) {
  EXPECT_EQ(languageForLocale("es_ES.UTF-8"), Language::Spanish);
  EXPECT_EQ(languageForLocale("ko_KR"), Language::Korean);
  EXPECT_EQ(languageForLocale("pt_BR"), Language::Portuguese);
  EXPECT_EQ(languageForLocale("de_DE"), Language::English);
  EXPECT_EQ(languageForLocale("C"), Language::English);
}

TEST(DataFolder, CommandLineThenEnvironmentThenXdg) {
  EXPECT_EQ(chooseDataFolder({"/a", "/b", "/c", "/h"}), "/a");
  EXPECT_EQ(chooseDataFolder({std::nullopt, "/b", "/c", "/h"}), "/b");
  EXPECT_EQ(chooseDataFolder({"", "", "/c", "/h"}), "/c/sonarel");
  EXPECT_EQ(chooseDataFolder({std::nullopt, std::nullopt, std::nullopt, "/h"}),
            "/h/.local/share/sonarel");
}

TEST(DataFolder, TheStartSweepsStaleTemporariesFromTheFolderAndItsClientFolders) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.file("pac007"));
  std::filesystem::create_directory(dir.file("Other"));
  const auto aged = [](const std::string& path) {
    std::ofstream(path) << "x";
    const timespec when[2] = {{std::time(nullptr) - 300, 0}, {std::time(nullptr) - 300, 0}};
    utimensat(AT_FDCWD, path.c_str(), when, 0);
    return path;
  };
  const auto inData = aged(dir.file("pacb.dbf.tmp-Ab12Cd"));
  const auto inClient = aged(dir.file("pac007/wv002.wav.tmp-Zx98Yw"));
  const auto elsewhere = aged(dir.file("Other/wv002.wav.tmp-Zx98Yw"));
  // Deleted files wait in the trash as they were, whatever their names.
  std::filesystem::create_directories(dir.file("Trash/pac007"));
  const auto trashed = aged(dir.file("Trash/pac007/wv002.wav.tmp-Zx98Yw"));
  const auto trashedTop = aged(dir.file("Trash/pacb.dbf.tmp-Ab12Cd"));
  EXPECT_EQ(sweepStaleTemporaries(dir.path().string()), 2u);
  EXPECT_FALSE(std::filesystem::exists(inData));
  EXPECT_FALSE(std::filesystem::exists(inClient));
  EXPECT_TRUE(std::filesystem::exists(elsewhere)) << "not a client folder";
  EXPECT_TRUE(std::filesystem::exists(trashed));
  EXPECT_TRUE(std::filesystem::exists(trashedTop));
}

}  // namespace
}  // namespace sonarel::app
