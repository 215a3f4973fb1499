// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small wait dialog of long analyses: a busy cursor, a progress bar over the frames and
// a Cancel button. Work on this thread takes control(), which keeps the windows painted
// between frames; work on another thread (AnalysisRunner) reports through showProgress().

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>
#include <QWidget>
#include <cstdint>
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

  // Cancel's request alone.
  std::stop_token stopToken() const { return stop_.get_token(); }
  // Moves the bar; handles no events of its own.
  void showProgress(std::int32_t done, std::int32_t total);
  // On the screen: it then takes the input, and the window none (it is modal).
  bool showing() const { return dialog_.isVisible(); }

 private:
  QProgressDialog dialog_;
  std::stop_source stop_;
  QElapsedTimer started_;
};

}  // namespace sonarel::app
