// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes editor's window, titled "Notes": one Rich Text document with bold, italic and
// paragraphs, opened from and saved to the path it was started with (the file is only
// written when saved, and then replaced whole).

#include <QMainWindow>
#include <QTextEdit>

namespace sonarel::noted {

class NotesWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit NotesWindow(QString path, QWidget* parent = nullptr);

  QTextEdit* editor() { return editor_; }
  // Writes the document; false (the file unchanged) when it cannot be written.
  bool save();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void toggleBold(bool on);
  void toggleItalic(bool on);

  QString path_;
  QTextEdit* editor_;
};

}  // namespace sonarel::noted
