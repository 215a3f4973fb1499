// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/notes_editor.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>

namespace sonarel::app {
namespace {

// Swallows the user's input to every window of the program while installed.
class InputBlocker : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
      case QEvent::Close:
      case QEvent::TouchBegin:
      case QEvent::DragEnter:
      case QEvent::Drop:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace

QString defaultNotesEditor() {
  return QCoreApplication::applicationDirPath() + "/noted";
}

std::optional<core::Message> runNotesEditor(const QString& editor, const QString& document) {
  QProcess process;
  process.setProgram(editor);
  process.setArguments({document});
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  process.start();
  const bool started = process.waitForStarted(10000);
  QApplication::restoreOverrideCursor();
  if (!started) return core::Message{core::MessageId::NotesEditorFailed};

  InputBlocker blocker;
  qApp->installEventFilter(&blocker);
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  if (process.state() != QProcess::NotRunning) loop.exec();
  qApp->removeEventFilter(&blocker);
  return std::nullopt;
}

}  // namespace sonarel::app
