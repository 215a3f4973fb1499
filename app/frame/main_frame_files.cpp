// SPDX-License-Identifier: GPL-3.0-or-later
// Opening sound files from outside a client folder: the open dialog, the recent files,
// drag and drop and the command line.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QSettings>

#include "app/frame/main_frame.h"
#include "app/translated_text.h"
#include "core/wave_file.h"

namespace sonarel::app {
namespace {

constexpr int kRecentFiles = 4;

QString localWaveFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile() && url.toLocalFile().endsWith(".wav", Qt::CaseInsensitive)) {
      return url.toLocalFile();
    }
  }
  return {};
}

}  // namespace

bool CMainFrame::openFile(const QString& path) {
  stopLiveDisplay();
  // The kind follows the rate, which is read before the samples.
  const core::FileKind kind = core::kindOfFile(path.toStdString());
  if (!settleChanges()) return false;
  if (playback_) playback_->stop();
  if (auto refused = document_.state().open(path.toStdString(), kind)) {
    showMessage(*refused);
    return false;
  }
  // A file from outside the client folders is no client file: "Delete Files" leaves it be.
  session_.forgetOpenFile();
  addRecentFile(QFileInfo(path).absoluteFilePath());
  emit document_.changed();
  return true;
}

void CMainFrame::openWithDialog() {
  const QString path = QFileDialog::getOpenFileName(this, commandText("&Open..."), QString(),
                                                    tr("Sound File (*.wav)"));
  if (!path.isEmpty()) openFile(path);
}

void CMainFrame::loadRecentFiles() {
  QSettings settings(options_.dataFolder + "/sonarel.ini", QSettings::IniFormat);
  recent_ = settings.value("recentFiles").toStringList().mid(0, kRecentFiles);
}

void CMainFrame::addRecentFile(const QString& path) {
  recent_.removeAll(path);
  recent_.prepend(path);
  while (recent_.size() > kRecentFiles) recent_.removeLast();
  QSettings settings(options_.dataFolder + "/sonarel.ini", QSettings::IniFormat);
  settings.setValue("recentFiles", recent_);
  retranslate();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!localWaveFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = localWaveFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  openFile(path);
}

}  // namespace sonarel::app
