// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A data folder with a small register for the backup tests, a picture of a whole tree
// (contents and modification times to the nanosecond) to compare before and after, and an
// observer that answers from a script.

#include <sys/stat.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "records/backup.h"
#include "records/client_table.h"
#include "records/tests/table_fixtures.h"

namespace sonarel::testing {

struct TreeEntry {
  std::string contents;    // "<folder>" for a folder
  long long modified = 0;  // ns since 1970; 0 for folders

  bool operator==(const TreeEntry&) const = default;
};

using Tree = std::map<std::string, TreeEntry>;

// Every file and folder under `root`, but the table's lock file.
inline Tree treeOf(const std::string& root) {
  Tree tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string relative = std::filesystem::relative(entry.path(), root).string();
    if (relative.find(".lock") != std::string::npos) continue;
    if (entry.is_directory()) {
      tree[relative] = {"<folder>", 0};
      continue;
    }
    struct stat info {};
    stat(entry.path().c_str(), &info);
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    tree[relative] = {bytes.str(), info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
  }
  return tree;
}

// Two clients with recordings, notes and data, and a third without a folder.
inline void fillRegister(const DataFolder& data) {
  records::ClientTable table(data.path() + "/pacb.dbf");
  table.create();
  table.append(client(1, "Ana Souza", 1));
  table.append(client(2, "Bruno Kim", 0));
  table.append(client(3, "Carla Folderless", 2));
  const auto one = data.client(1);
  DataFolder::put(one.path() + "/wv001.wav", std::string(70000, 'a'), 20240105);
  DataFolder::put(one.path() + "/an001.rtf", "{\\rtf1\\pard notes\\par}", 20240106);
  DataFolder::put(one.path() + "/qv002.wav", std::string(3000, 'q'), 20250301);
  DataFolder::put(one.path() + "/qv002.dat", "segments", 20250302);
  DataFolder::put(one.path() + "/a.tx", "short", 20250303);  // 4 characters: not backed up
  const auto two = data.client(2);
  DataFolder::put(two.path() + "/wv001.wav", std::string(5000, 'b'), 20231111);
  // A nanosecond part that 100-ns file times cannot hold.
  const timespec odd[2] = {{1700000000, 123456789}, {1700000000, 123456789}};
  utimensat(AT_FDCWD, (two.path() + "/wv001.wav").c_str(), odd, 0);
}

class ScriptedObserver : public records::BackupObserver {
 public:
  void tell(const core::Message& message) override { shown.push_back(message.id); }
  bool ask(const core::Message& question) override {
    shown.push_back(question.id);
    if (answers.empty()) return unscripted;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void step(records::BackupStage stage, const std::string&, int) override {
    if (stage == records::BackupStage::Copying || stage == records::BackupStage::Decompressing) {
      ++files;
    }
  }
  bool cancelRequested() override { return cancelAfter >= 0 && files > cancelAfter; }

  std::vector<core::MessageId> shown;
  std::deque<bool> answers;
  bool unscripted = false;
  int files = 0;
  int cancelAfter = -1;  // files copied before Cancel is pressed; -1 never
};

}  // namespace sonarel::testing
