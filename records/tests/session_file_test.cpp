// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/session_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "records/notes_preview.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::records {
namespace {

using core::MessageId;
using testing::DataFolder;
constexpr auto kVoice = RecordingType::VoiceAnalysis;
constexpr auto kQuality = RecordingType::VocalQuality;

TEST(FileInformation, KindsFollowTheFilesPresent) {
  DataFolder data;
  const ClientFolder folder = data.client(1);
  DataFolder::put(folder.recordingPath(kVoice, 1));
  DataFolder::put(folder.recordingPath(kQuality, 2));
  DataFolder::put(folder.recordingPath(kVoice, 3));
  DataFolder::put(folder.companionPath(kVoice, 3));
  DataFolder::put(folder.recordingPath(kQuality, 4));
  DataFolder::put(folder.companionPath(kQuality, 4));
  DataFolder::put(folder.markerPath(kQuality, 4));  // kind 3 stays 3
  DataFolder::put(folder.markerPath(kVoice, 7));    // only a marker
  DataFolder::put(folder.recordingPath(kQuality, 8));
  DataFolder::put(folder.companionPath(kVoice, 8));  // not the listed type's companion
  DataFolder::put(folder.notesPath(9));              // notes alone take no number

  const FileKind expected[] = {FileKind::Voice,         FileKind::Quality,
                               FileKind::VoiceWithData, FileKind::QualityWithData,
                               FileKind::BackedUp,      FileKind::Quality};
  const FileNumber numbers[] = {1, 2, 3, 4, 7, 8};
  for (std::size_t i = 0; i < 6; ++i) {
    const auto file = fileInformation(folder, numbers[i]);
    ASSERT_TRUE(file) << numbers[i];
    EXPECT_EQ(file->kind, expected[i]) << numbers[i];
  }
  EXPECT_FALSE(fileInformation(folder, 9));
  EXPECT_FALSE(fileInformation(folder, 5));
  EXPECT_FALSE(fileInformation(folder, 7)->hasSound);
  EXPECT_EQ(typeOfKind(FileKind::VoiceWithData), kVoice);
  EXPECT_EQ(typeOfKind(FileKind::QualityWithData), kQuality);
  EXPECT_FALSE(typeOfKind(FileKind::BackedUp));
}

TEST(FileList, ListsEveryTakenNumberNewestFirstWithTheirLabels) {
  DataFolder data;
  const ClientFolder folder = data.client(2);
  DataFolder::put(folder.recordingPath(kVoice, 1), "x", 20071231);
  DataFolder::put(folder.recordingPath(kVoice, 2), "x", 20080301);
  DataFolder::put(folder.recordingPath(kVoice, 150), "x", 20090101);  // far past any gap
  DataFolder::put(folder.markerPath(kQuality, 151), "x", 20060615);
  DataFolder::put(folder.notesPath(2), "{\\rtf1\\ansi\\pard Voz rouca\\par\n}");

  const auto files = listSessionFiles(folder);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files[0].number, 150);
  EXPECT_EQ(files[1].number, 2);
  EXPECT_EQ(files[2].number, 1);
  EXPECT_EQ(files[3].number, 151);
  EXPECT_EQ(files[1].date.key(), 20080301);
  EXPECT_TRUE(files[1].hasNotes);
  EXPECT_EQ(files[1].notesPreview, "Voz rouca\n");
  EXPECT_EQ(fileListLabel(files[1], DateOrder::MonthDayYear), "03/01/2008 File 2");
  EXPECT_EQ(fileListLabel(files[1], DateOrder::DayMonthYear), "01/03/2008 File 2");
  EXPECT_EQ(fileListLabel(files[3], DateOrder::YearMonthDay), "2006/06/15 File 151");
  EXPECT_EQ(numberOfLabel("2006/06/15 File 151"), 151);
  EXPECT_FALSE(numberOfLabel("File"));
}

TEST(NotesPreview, ShowsTheFirstParagraphAsPlainText) {
  EXPECT_EQ(notesPreview("{\\rtf1 no paragraph mark}"), "");
  EXPECT_EQ(notesPreview("\\pard"), "");  // only looked for after the first byte
  EXPECT_EQ(notesPreview("abc"), "");
  EXPECT_EQ(notesPreview("{\\rtf1\\ansi{\\fonttbl{\\f0 Sans;}}\\pard\\plain\\f0 First "
                         "line.\\par\n\\pard Second paragraph.\\par\n}"),
            "First line.\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard {\\b bold} and {\\i italic}\\par}"), "bold and italic\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard a \\{b\\} c\\\\d}"), "a {b} c\\d");
  // No "\par" within the bytes read: what there is, without a line break.
  EXPECT_EQ(notesPreview("{\\rtf1\\pard " + std::string(400, 'z')), std::string(300 - 12, 'z'));
}

TEST(NotesPreview, LettersWrittenAsBytesComeOutAsUtf8) {
  // UTF-8 bytes stay as they are; other bytes are the document's Windows-1252.
  EXPECT_EQ(notesPreview("{\\rtf1\\pard Rouquid\xc3\xa3o\\par}"), "Rouquid\xc3\xa3o\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\ansi\\pard Rouquid\xe3o \x80\\par}"),
            "Rouquid\xc3\xa3o \xe2\x82\xac\n");
  // A UTF-8 letter cut by the end of the bytes read is dropped, not turned into others.
  const std::string head = "{\\rtf1\\pard " + std::string(300 - 13, 'z');
  EXPECT_EQ(notesPreview(head + "\xea\xb9\x80 more"), std::string(300 - 13, 'z'));
}

TEST(NotesPreview, OnlyARegularFileIsRead) {
  DataFolder data;
  const std::string fifo = data.client(1).notesPath(1);
  std::filesystem::create_directories(std::filesystem::path(fifo).parent_path());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(notesPreviewOfFile(fifo), "") << "refused at once, not left waiting for a writer";
}

TEST(NotesPreview, TurnsLatinEscapesIntoLetters) {
  EXPECT_EQ(notesPreview("{\\rtf1\\pard Jos\\'e9 Concei\\'e7\\'e3o\\par}"), "José Conceição\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard \\'c9\\'c7\\'d1\\'f1\\'fa\\'DA\\par}"), "ÉÇÑñúÚ\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard \\'eb\\'ef\\par}"), "ii\n");
  // Second digits the tables leave out are dropped; other first digits give an apostrophe.
  EXPECT_EQ(notesPreview("{\\rtf1\\pard a\\'fcb\\'e5c\\par}"), "abc\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard it\\'92s\\par}"), "it's\n");
  // Unicode escapes, as for Korean, with their stand-in skipped.
  EXPECT_EQ(notesPreview("{\\rtf1\\pard \\u44608?\\u-17412?\\par}"), "\xea\xb9\x80\xeb\xaf\xbc\n");
  EXPECT_EQ(notesPreview("{\\rtf1\\pard caf\\u233\\'e9!\\par}"), "café!\n");
}

TEST(NotesPreview, SkipsAHyperlinksInstruction) {
  EXPECT_EQ(notesPreview("{\\rtf1\\pard see {\\field{\\*\\fldinst HYPERLINK "
                         "\"http://example.org/a\"}{\\fldrslt the page}} now\\par}"),
            "see the page now\n");
}

TEST(DeleteFiles, RemovesTheRecordingAndItsNotes) {
  DataFolder data;
  const ClientFolder folder = data.client(3);
  DataFolder::put(folder.recordingPath(kQuality, 1));
  DataFolder::put(folder.notesPath(1));
  DataFolder::put(folder.companionPath(kQuality, 1));
  DeleteOutcome outcome = deleteSessionFile(folder, 1, kQuality);
  EXPECT_TRUE(outcome.anythingDeleted);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.notesPath(1)));
  outcome = deleteSessionFile(folder, 1, kQuality);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].id, MessageId::NothingToErase);

  DataFolder::put(folder.markerPath(kVoice, 2));
  EXPECT_EQ(deleteListedFile(folder, *fileInformation(folder, 2)).messages.at(0).id,
            MessageId::FileSentToBackup);
  EXPECT_TRUE(std::filesystem::exists(folder.markerPath(kVoice, 2)));
  DataFolder::put(folder.recordingPath(kVoice, 3));
  DataFolder::put(folder.recordingPath(kQuality, 3));
  EXPECT_TRUE(deleteListedFile(folder, *fileInformation(folder, 3)).anythingDeleted);
  EXPECT_FALSE(std::filesystem::exists(folder.recordingPath(kVoice, 3)));
  EXPECT_TRUE(std::filesystem::exists(folder.recordingPath(kQuality, 3)));
}

TEST(DeleteFiles, AClientFolderWithMarkersStays) {
  DataFolder data;
  const ClientFolder folder = data.client(4);
  for (const char* name : {"wv001.wav", "an001.rtf", "qv002.WAV", "qv002.dat", "f0.txt"}) {
    DataFolder::put(folder.path() + "/" + name);
  }
  DataFolder::put(folder.markerPath(kVoice, 3));
  DataFolder::put(folder.companionPath(kVoice, 1));
  DeleteOutcome outcome = deleteClientFolder(folder);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].id, MessageId::ClientFolderNotDeleted);
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(folder.path())) {
    left.push_back(e.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"wv001.ddt", "wv003.bkp"}));

  const ClientFolder clean = data.client(5);
  DataFolder::put(clean.recordingPath(kVoice, 1));
  EXPECT_TRUE(deleteClientFolder(clean).messages.empty());
  EXPECT_FALSE(clean.exists());
}

}  // namespace
}  // namespace sonarel::records
