// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wait_dialog.h"

#include <QApplication>
#include <QGuiApplication>

namespace sonarel::app {

WaitDialog::WaitDialog(QWidget* parent, const QString& text)
    : dialog_(text, QCoreApplication::translate("WaitDialog", "Cancel"), 0, 100, parent) {
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setMinimumDuration(400);  // short analyses only show the busy cursor
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
  QObject::connect(&dialog_, &QProgressDialog::canceled, [this] { stop_.request_stop(); });
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  started_.start();
}

WaitDialog::~WaitDialog() {
  QGuiApplication::restoreOverrideCursor();
  dialog_.close();
}

void WaitDialog::showProgress(std::int32_t done, std::int32_t total) {
  if (total > 0) {
    const int percent = static_cast<int>(100LL * done / total);
    if (percent != dialog_.value()) dialog_.setValue(percent);
  } else if (!dialog_.isVisible() && started_.hasExpired(dialog_.minimumDuration())) {
    dialog_.show();  // an analysis without progress can be cancelled too
  }
}

core::AnalysisControl WaitDialog::control() {
  core::AnalysisControl control;
  control.stop = stop_.get_token();
  control.progress = [this](std::int32_t done, std::int32_t total) {
    if (total <= 0) return;
    const int percent = static_cast<int>(100LL * done / total);
    if (percent != dialog_.value()) dialog_.setValue(percent);
    // Input reaches only the dialog once it shows (it is modal); before that none is taken,
    // so no command can start while this one runs.
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
  };
  return control;
}

}  // namespace sonarel::app
