// SPDX-License-Identifier: GPL-3.0-or-later
// Backup sets, sending clients to backup, restoring and attaching: the set's layout and
// names, round trips that keep every file and date, and failures, cancels and crashes that
// leave the data folder exactly as it was.

#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>

#include "core/tests/kill_harness.h"
#include "core/wave_file.h"
#include "records/backup.h"
#include "records/backup_files.h"
#include "records/backup_set.h"
#include "records/session_file.h"
#include "records/tests/backup_fixtures.h"

namespace sonarel::testing {
namespace {

using core::MessageId;
using records::BackupRequest;
using records::RestoreRequest;

constexpr std::time_t kMarch7th2026 = 1772884800;  // 2026-03-07 12:00 UTC

struct Scene {
  DataFolder data;
  ScratchDir target;
  std::string set = target.file("bkp-sr03-07-2026");

  Scene() { fillRegister(data); }

  records::OperationResult backup(ScriptedObserver& observer,
                                  std::optional<std::vector<int>> clients = std::nullopt,
                                  bool send = false, records::BackupFaults faults = {}) {
    BackupRequest request{data.path(), set, std::move(clients), send, std::move(faults)};
    return records::runBackup(request, observer);
  }
  records::OperationResult restore(ScriptedObserver& observer,
                                   std::optional<std::vector<int>> attach = std::nullopt,
                                   records::BackupFaults faults = {}) {
    RestoreRequest request{data.path(), set, std::move(attach), std::move(faults)};
    return records::runRestore(request, observer);
  }
};

TEST(BackupSet, NamesFollowTheLanguagesDateOrder) {
  using records::DateOrder;
  EXPECT_EQ(records::backupSetPathFor("/media/usb", DateOrder::MonthDayYear, kMarch7th2026),
            "/media/usb/bkp-sr03-07-2026");
  EXPECT_EQ(records::backupSetPathFor("/media/usb/", DateOrder::YearMonthDay, kMarch7th2026),
            "/media/usb/bkp-sr2026-03-07");
  EXPECT_EQ(records::backupSetPathFor("/b", DateOrder::DayMonthYear, kMarch7th2026),
            "/b/bkp-sr07-03-2026");
}

TEST(BackupSet, FileTimesAndTheTwoFilesReadBackAsWritten) {
  // 1970-01-01 is 116444736000000000 intervals after 1601-01-01.
  EXPECT_EQ(records::fileTimeOf({0, 0}), 116444736000000000ULL);
  const timespec when{1700000000, 123456700};
  const timespec back = records::timespecOfFileTime(records::fileTimeOf(when));
  EXPECT_EQ(back.tv_sec, when.tv_sec);
  EXPECT_EQ(back.tv_nsec, when.tv_nsec);
  const timespec before1970 = records::timespecOfFileTime(116444736000000000ULL - 5);
  EXPECT_EQ(before1970.tv_sec, -1);
  EXPECT_EQ(before1970.tv_nsec, 999999500);

  const std::vector<records::DatesLine> lines = {{"wv001.wav", 30000000, 4000000000U},
                                                 {"qv002.wav", 0, 7}};
  EXPECT_EQ(records::formatDates(lines), "wv001.wav;30000000;4000000000\nqv002.wav;0;7\n");
  EXPECT_EQ(records::parseDates(records::formatDates(lines)), lines);
  // Windows line ends, no final line end, a low part ended by ';', and a nameless line.
  EXPECT_EQ(records::parseDates("wv001.wav;30000000;4000000000\r\n;1;2\nqv002.wav;0;7;"), lines);

  EXPECT_EQ(records::formatProgress({1, 17, 203}), "1;17;203;");
  EXPECT_EQ(records::parseProgress("1;17; 203,x9"), (std::vector<int>{1, 17, 203, 9}));
}

TEST(BackupSet, TheDataFolderIsNeverASetNorItsSource) {
  DataFolder data;
  EXPECT_TRUE(records::backupTargetRefusal(data.path(), data.path()));
  EXPECT_TRUE(records::backupTargetRefusal(data.path(), data.path() + "/pac001/"));
  EXPECT_FALSE(records::backupTargetRefusal(data.path(), data.path() + "-elsewhere"));
  EXPECT_EQ(records::restoreSourceRefusal(data.path(), data.path() + "/.")->id,
            MessageId::RestoreSelectSet);
  EXPECT_FALSE(records::restoreSourceRefusal(data.path(), data.path() + "/pac001"));
}

TEST(Backup, CopiesTheRegisterAndFoldersWithTheirDates) {
  Scene scene;
  ScriptedObserver observer;
  const auto result = scene.backup(observer);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.clients, 2);  // the client without a folder is passed over
  const Tree set = treeOf(scene.set);
  EXPECT_TRUE(set.count("pacb.dbf") && set.count("pacb.cpg"));
  EXPECT_FALSE(set.count("p_ok.txt"));
  EXPECT_FALSE(set.count("pac001/a.tx"));  // names of four characters stay out
  EXPECT_TRUE(set.count("pac003"));        // a client without a folder gets an empty one
  EXPECT_FALSE(records::isFolder(scene.set + ".partial"));
  const Tree data = treeOf(scene.data.path());
  for (const char* file : {"pac001/wv001.wav", "pac001/an001.rtf", "pac002/wv001.wav"}) {
    EXPECT_EQ(set.at(file), data.at(file)) << file;
  }
  // Dates of the recordings only, in 100-ns units.
  const auto dates = records::parseDates(set.at("pac002/datas.txt").contents);
  ASSERT_EQ(dates.size(), 1u);
  EXPECT_EQ(dates[0].fileTime(), records::fileTimeOf({1700000000, 123456789}));
  EXPECT_EQ(records::parseDates(set.at("pac001/datas.txt").contents).size(), 2u);
}

TEST(Backup, AnEarlierSetIsReplacedOnlyWhenAllowedAndSurvivesAFailure) {
  Scene scene;
  ScriptedObserver first;
  ASSERT_TRUE(scene.backup(first).ok);
  const Tree earlier = treeOf(scene.set);

  ScriptedObserver refuse;  // "replace it?" answered No
  EXPECT_FALSE(scene.backup(refuse).ok);
  EXPECT_EQ(refuse.shown, std::vector<MessageId>{MessageId::BackupPreviousSet});

  // Replacing, but a copy fails (as on a full disk) and the user stops: the earlier set
  // stays whole.
  ScriptedObserver full;
  full.answers = {true, false};
  records::BackupFaults faults;
  faults.failCopy = [](const std::string& source) { return source.ends_with("qv002.wav"); };
  EXPECT_FALSE(scene.backup(full, std::nullopt, false, faults).ok);
  EXPECT_EQ(full.shown.back(), MessageId::BackupCopyFailed);
  EXPECT_EQ(treeOf(scene.set), earlier);
  EXPECT_FALSE(records::isFolder(scene.set + ".partial"));
}

TEST(Restore, BringsBackTheSameTreeWithItsDates) {
  Scene scene;
  const Tree before = treeOf(scene.data.path());
  ScriptedObserver backup;
  ASSERT_TRUE(scene.backup(backup).ok);
  std::filesystem::remove_all(scene.data.path() + "/pac001");
  std::filesystem::remove_all(scene.data.path() + "/pac002");
  std::filesystem::remove(scene.data.path() + "/pacb.dbf");

  ScriptedObserver observer;
  const auto result = scene.restore(observer);
  ASSERT_TRUE(result.ok) << observer.shown.size();
  EXPECT_TRUE(observer.shown.empty());
  Tree after = treeOf(scene.data.path());
  EXPECT_TRUE(after.count("pac003"));  // the client without a folder has an empty one now
  after.erase("pac003");
  Tree expected = before;
  expected.erase("pac001/a.tx");  // never in the set
  EXPECT_EQ(after, expected);
}

TEST(Restore, AFailureCancelOrMissingDatesLeaveEverythingAsItWas) {
  Scene scene;
  ScriptedObserver backup;
  ASSERT_TRUE(scene.backup(backup).ok);
  // Newer work since the backup: a changed recording, new notes, a new table row.
  const auto one = scene.data.client(1);
  DataFolder::put(one.path() + "/wv001.wav", "re-recorded", 20260101);
  DataFolder::put(one.path() + "/an002.rtf", "newer notes", 20260102);
  records::ClientTable(scene.data.path() + "/pacb.dbf").append(client(4, "Dora Newer"));
  const Tree before = treeOf(scene.data.path());

  {  // a copy fails and the user stops
    ScriptedObserver observer;
    records::BackupFaults faults;
    faults.failCopy = [](const std::string& source) { return source.ends_with("qv002.dat"); };
    EXPECT_FALSE(scene.restore(observer, std::nullopt, faults).ok);
    EXPECT_EQ(treeOf(scene.data.path()), before);
  }
  {  // Cancel after the second file
    ScriptedObserver observer;
    observer.cancelAfter = 2;
    EXPECT_FALSE(scene.restore(observer).ok);
    EXPECT_EQ(treeOf(scene.data.path()), before);
  }
  {  // the dates file is gone: told, asked, answered No
    std::filesystem::remove(scene.set + "/pac001/datas.txt");
    ScriptedObserver observer;
    EXPECT_FALSE(scene.restore(observer).ok);
    EXPECT_EQ(observer.shown, (std::vector<MessageId>{MessageId::RestoreDatesMissing,
                                                      MessageId::RestoreDatesQuestion}));
    EXPECT_EQ(treeOf(scene.data.path()), before);
  }
  EXPECT_FALSE(records::findInterruptedWork(scene.data.path()).any());
  // Answered Yes: restored. The copies in the set carry their dates themselves, so the
  // recordings keep them even without the dates file.
  ScriptedObserver observer;
  observer.unscripted = true;
  ASSERT_TRUE(scene.restore(observer).ok);
  const Tree after = treeOf(scene.data.path());
  EXPECT_EQ(after.at("pac001/wv001.wav").contents, std::string(70000, 'a'));
  EXPECT_EQ(after.at("pac001/wv001.wav").modified,
            treeOf(scene.set).at("pac001/wv001.wav").modified);
  EXPECT_TRUE(records::statRegular(one.path() + "/an002.rtf"));  // not in the set: kept
}

TEST(ReadOnlyFolders, BackupAndRestoreSayItAndChangeNothing) {
  Scene scene;
  ScriptedObserver first;
  ASSERT_TRUE(scene.backup(first).ok);
  const Tree set = treeOf(scene.set);
  const Tree data = treeOf(scene.data.path());
  const auto refused = [](const records::OperationResult& result,
                          const ScriptedObserver& observer) {
    return !result.ok && !observer.shown.empty();
  };
  const auto replaced = inReadOnlyFolder(scene.target.path(), [&] {
    ScriptedObserver observer;
    observer.unscripted = true;
    const auto result = scene.backup(observer);
    return !refused(result, observer);
  });
  if (!replaced) GTEST_SKIP() << "no read-only folder can be made here";
  EXPECT_FALSE(*replaced);
  EXPECT_EQ(treeOf(scene.set), set);

  const auto restored = inReadOnlyFolder(scene.data.path(), [&] {
    ScriptedObserver observer;
    observer.unscripted = true;
    const auto result = scene.restore(observer);
    return !refused(result, observer);
  });
  EXPECT_FALSE(restored.value_or(true));
  EXPECT_EQ(treeOf(scene.data.path()), data);
  EXPECT_FALSE(records::findInterruptedWork(scene.data.path()).any());
}

TEST(Restore, ACrashMidwayIsFoundAndRolledBackExactly) {
  Scene scene;
  ScriptedObserver backup;
  ASSERT_TRUE(scene.backup(backup).ok);
  DataFolder::put(scene.data.client(2).path() + "/wv001.wav", "newer", 20260101);
  const Tree before = treeOf(scene.data.path());
  for (int crashAt = 1; crashAt <= 5; ++crashAt) {
    const pid_t child = fork();
    if (child == 0) {
      int seen = 0;
      records::BackupFaults faults;
      faults.failCopy = [&](const std::string& source) {
        if (++seen == crashAt) {
          // As a kill in the middle of the copy: its temporary is left, nothing is cleaned.
          const std::string client = source.substr(scene.set.size());
          DataFolder::put(scene.data.path() + client + ".tmp-Ab12Cd", "half");
          _exit(9);
        }
        return false;
      };
      ScriptedObserver observer;
      observer.unscripted = true;
      scene.restore(observer, std::nullopt, faults);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << crashAt;
    const auto work = records::findInterruptedWork(scene.data.path());
    EXPECT_TRUE(work.restore) << crashAt;
    // A new restore refuses to start over it.
    ScriptedObserver refused;
    EXPECT_FALSE(scene.restore(refused).ok);
    EXPECT_EQ(refused.shown, std::vector<MessageId>{MessageId::RestorePending});
    ScriptedObserver observer;
    EXPECT_TRUE(records::finishInterruptedWork(scene.data.path(), observer));
    EXPECT_EQ(treeOf(scene.data.path()), before) << "crash at file " << crashAt;
  }
}

TEST(SendToBackup, LeavesDatedMarkersAndAttachBringsEverythingBack) {
  Scene scene;
  const Tree before = treeOf(scene.data.path());
  ScriptedObserver send;
  ASSERT_TRUE(scene.backup(send, std::vector<int>{1, 3}, true).ok)
      << (send.shown.empty() ? "" : core::messageTemplate(send.shown[0]));
  // Only markers (and the short name) are left, dated as the recordings.
  const Tree freed = treeOf(scene.data.path() + "/pac001");
  EXPECT_EQ(freed.size(), 3u);
  EXPECT_EQ(freed.at("wv001.bkp").modified, before.at("pac001/wv001.wav").modified);
  EXPECT_EQ(freed.at("qv002.bkp").modified, before.at("pac001/qv002.wav").modified);
  EXPECT_TRUE(freed.count("a.tx"));
  const auto listed = records::listSessionFiles(scene.data.client(1));
  ASSERT_EQ(listed.size(), 2u);
  for (const auto& file : listed) EXPECT_EQ(file.kind, records::FileKind::BackedUp);
  EXPECT_EQ(treeOf(scene.data.path()).at("pac002/wv001.wav"), before.at("pac002/wv001.wav"));
  EXPECT_FALSE(records::statRegular(scene.set + "/p_ok.txt"));

  ScriptedObserver attach;
  ASSERT_TRUE(scene.restore(attach, std::vector<int>{1}).ok);
  EXPECT_EQ(treeOf(scene.data.path()), before);
  const auto again = records::listSessionFiles(scene.data.client(1));
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].kind, records::FileKind::Quality);
}

TEST(SendToBackup, FreesNothingWhenACopyDiffersFromItsOriginal) {
  Scene scene;
  const std::string recording = scene.data.path() + "/pac001/wv001.wav";
  records::BackupFaults faults;
  // The recording changes after it was copied, before the client is freed.
  faults.failCopy = [&](const std::string& source) {
    if (source.find("/pac002/") != std::string::npos) DataFolder::put(recording, "changed");
    return false;
  };
  ScriptedObserver observer;
  EXPECT_FALSE(scene.backup(observer, std::vector<int>{1, 2}, true, faults).ok);
  EXPECT_EQ(observer.shown, std::vector<MessageId>{MessageId::BackupCopyNotVerified});
  Tree after = treeOf(scene.data.path());
  EXPECT_EQ(after.at("pac001/wv001.wav").contents, "changed");
  EXPECT_TRUE(after.count("pac001/an001.rtf") && after.count("pac001/qv002.wav"));
  EXPECT_FALSE(after.count("pac001/wv001.bkp") || after.count("pac002/wv001.bkp"));
  EXPECT_FALSE(records::isFolder(scene.set));
}

TEST(SendToBackup, ABrokenOffFolderSwapSettlesToBeforeOrAfter) {
  DataFolder data;
  const auto one = data.client(1);
  DataFolder::put(one.path() + "/wv001.wav", "voice", 20240105);
  const Tree before = treeOf(data.path());
  // The marker folder was being built: the swap is undone.
  std::filesystem::create_directories(one.path() + ".sending");
  DataFolder::put(one.path() + ".sending/wv001.bkp", "", 20240105);
  ScriptedObserver observer;
  EXPECT_EQ(records::findInterruptedWork(data.path()).freeing, std::vector<int>{1});
  EXPECT_TRUE(records::finishInterruptedWork(data.path(), observer));
  EXPECT_EQ(treeOf(data.path()), before);
  // The client's folder had been moved away, the marker folder complete: finished.
  std::filesystem::create_directories(one.path() + ".sending");
  DataFolder::put(one.path() + ".sending/wv001.bkp", "", 20240105);
  std::filesystem::rename(one.path(), one.path() + ".sent");
  EXPECT_TRUE(records::finishInterruptedWork(data.path(), observer));
  const Tree after = treeOf(data.path());
  EXPECT_EQ(after.size(), 2u);
  EXPECT_TRUE(after.count("pac001/wv001.bkp"));
}

TEST(BackupFiles, AnMp3InASetIsDecodedToMono16Bit) {
  ScratchDir scratch;
  SF_INFO format{};
  format.samplerate = 22050;
  format.channels = 2;
  format.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  SNDFILE* mp3 = sf_open(scratch.file("tone.mp3").c_str(), SFM_WRITE, &format);
  if (!mp3) GTEST_SKIP() << "this libsndfile writes no MP3";
  {
    std::vector<short> frames(2 * 22050);
    for (std::size_t i = 0; i < frames.size(); ++i) {
      frames[i] = static_cast<short>(8000 * std::sin(2 * 3.14159265 * 220 * double(i / 2) / 22050));
    }
    sf_writef_short(mp3, frames.data(), 22050);
    sf_close(mp3);
    ASSERT_TRUE(records::decodeCompressed(scratch.file("tone.mp3"), scratch.file("tone.wav")));
    const auto wave = core::loadWave(scratch.file("tone.wav"));
    EXPECT_EQ(wave.format.sampleRate, 22050u);
    EXPECT_EQ(wave.format.channels, 1u);
    EXPECT_GE(wave.samples.size(), 22050u);
  }
}

TEST(BackupFiles, BadCompressedFilesAreRefusedAndCopiesFingerprinted) {
  ScratchDir scratch;
  DataFolder::put(scratch.file("broken.mp3"), "not a sound at all");
  EXPECT_FALSE(records::decodeCompressed(scratch.file("broken.mp3"), scratch.file("b.wav")));
  EXPECT_FALSE(records::pathExists(scratch.file("b.wav")));
  const auto print = records::copyFile(scratch.file("broken.mp3"), scratch.file("copy"));
  ASSERT_TRUE(print);
  EXPECT_EQ(records::fingerprintOf(scratch.file("copy")), print);
  DataFolder::put(scratch.file("copy"), "not a sound at alL");
  EXPECT_NE(records::fingerprintOf(scratch.file("copy")), print);
}

}  // namespace
}  // namespace sonarel::testing
