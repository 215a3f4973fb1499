// SPDX-License-Identifier: GPL-3.0-or-later
#include "noted/notes_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include "app/translated_text.h"
#include "core/atomic_file.h"
#include "core/regular_file.h"
#include "noted/rich_text.h"

namespace sonarel::noted {
namespace {

// Far beyond any notes written by hand; a larger file is read only this far.
constexpr std::size_t kLargestNotes = 64u << 20;

}  // namespace

NotesWindow::NotesWindow(QString path, QWidget* parent)
    : QMainWindow(parent), path_(std::move(path)), editor_(new QTextEdit(this)) {
  setWindowTitle("Notes");  // the workstation knows the editor by this title
  setCentralWidget(editor_);
  editor_->setAcceptRichText(false);  // pasted text comes in plain
  // Only a regular file is read: a FIFO or a device in its place would block the window.
  if (const auto rtf = core::readRegularFile(path_.toStdString(), kLargestNotes)) {
    fromRtf(QByteArray::fromStdString(*rtf), *editor_->document());
  }
  editor_->document()->setModified(false);

  QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
  QAction* saveAction = fileMenu->addAction(tr("&Save"), this, &NotesWindow::save);
  saveAction->setShortcut(QKeySequence::Save);
  fileMenu->addSeparator();
  QAction* closeAction = fileMenu->addAction(tr("&Close"), this, &QWidget::close);
  closeAction->setShortcut(QKeySequence::Close);
  QMenu* formatMenu = menuBar()->addMenu(tr("F&ormat"));
  QAction* bold = formatMenu->addAction(tr("&Bold"), this, &NotesWindow::toggleBold);
  bold->setCheckable(true);
  bold->setShortcut(QKeySequence::Bold);
  QAction* italic = formatMenu->addAction(tr("&Italic"), this, &NotesWindow::toggleItalic);
  italic->setCheckable(true);
  italic->setShortcut(QKeySequence::Italic);
  QToolBar* tools = addToolBar(tr("Format"));
  tools->addAction(saveAction);
  tools->addAction(bold);
  tools->addAction(italic);
  connect(editor_, &QTextEdit::currentCharFormatChanged, this,
          [bold, italic](const QTextCharFormat& format) {
            bold->setChecked(format.fontWeight() >= QFont::Bold);
            italic->setChecked(format.fontItalic());
          });
  resize(560, 420);
}

void NotesWindow::toggleBold(bool on) {
  editor_->setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void NotesWindow::toggleItalic(bool on) {
  editor_->setFontItalic(on);
}

bool NotesWindow::save() {
  const QByteArray rtf = toRtf(*editor_->document());
  if (!core::writeFileAtomically(path_.toStdString(), rtf.toStdString())) {
    QMessageBox::warning(
        this, windowTitle(),
        app::messageText(core::writeFailure(
            path_.toStdString(), {core::MessageId::NotesNotSaved, {path_.toStdString()}})));
    return false;
  }
  editor_->document()->setModified(false);
  return true;
}

void NotesWindow::closeEvent(QCloseEvent* event) {
  if (!editor_->document()->isModified()) {
    event->accept();
    return;
  }
  const auto answer = QMessageBox::question(
      this, windowTitle(), app::messageText(core::Message{core::MessageId::SaveNotesChanges}),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace sonarel::noted
