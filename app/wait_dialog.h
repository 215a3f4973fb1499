// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small wait dialog of long analyses: a busy cursor, a progress bar over the frames and
// a Cancel button, with the windows kept painted while the work runs on this thread.

#include <QProgressDialog>
#include <QString>
#include <QWidget>
#include <stop_token>

#include "core/analysis_control.h"

namespace sonarel::app {

class WaitDialog {
 public:
  WaitDialog(QWidget* parent, const QString& text);
  ~WaitDialog();
  WaitDialog(const WaitDialog&) = delete;
  WaitDialog& operator=(const WaitDialog&) = delete;

  // The control to hand to the analysis: progress moves the bar, Cancel requests the stop.
  core::AnalysisControl control();

 private:
  QProgressDialog dialog_;
  std::stop_source stop_;
};

}  // namespace sonarel::app
