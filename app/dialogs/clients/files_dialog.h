// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Files": a client's recordings, newest first, with their dates, kinds, lengths and the
// first paragraph of their notes. Ends with the chosen number and its recording type, or
// with a request for a new file; "Edit Notes", or a double click on the notes column, edits
// the notes of the selected row.

#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "app/config_files.h"
#include "app/dialogs/message_dialog.h"
#include "records/session_file.h"

namespace sonarel::app {

class FilesDialog : public MessageDialog {
  Q_OBJECT
 public:
  enum class Outcome { Cancelled, Open, New };
  enum Column { kDateColumn, kKindColumn, kDurationColumn, kNotesColumn };

  FilesDialog(const records::ClientFolder& folder, const QString& clientName, Language language,
              bool browseOnly, QWidget* parent = nullptr);

  Outcome outcome() const { return outcome_; }
  records::FileNumber chosenNumber() const { return chosenNumber_; }
  records::RecordingType chosenType() const { return chosenType_; }

  // Runs the notes editor on a number and returns when it is closed; set by the frame.
  std::function<void(records::FileNumber)> editNotes;

  // For tests.
  QTreeWidget* list() { return list_; }
  QPushButton* editNotesButton() { return editNotes_; }
  void openSelected();
  void deleteSelected();
  void editNotesOf(QTreeWidgetItem* item);

 private:
  void fill();
  void addRow(const records::SessionFile& file);
  void updateButtons();
  void doubleClicked(QTreeWidgetItem* item, int column);
  // The file of a row, read again from the folder; nothing when its number is gone.
  std::optional<records::SessionFile> fileOf(QTreeWidgetItem* item);

  records::ClientFolder folder_;
  Language language_;
  bool browseOnly_;
  Outcome outcome_ = Outcome::Cancelled;
  records::FileNumber chosenNumber_ = -1;
  records::RecordingType chosenType_ = records::RecordingType::VoiceAnalysis;
  QTreeWidget* list_;
  QPushButton* open_;
  QPushButton* new_;
  QPushButton* delete_;
  QPushButton* editNotes_;
};

// The icon of a listed kind.
QIcon fileKindIcon(records::FileKind kind);

}  // namespace sonarel::app
