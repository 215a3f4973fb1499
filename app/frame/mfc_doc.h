// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: the open recording and everything computed from it (the view state), and
// the title the frame shows.

#include <QFileInfo>
#include <QObject>
#include <QString>
#include <iostream>
#include <string>

#include "app/session/view_state.h"

namespace sonarel::app {

class CMfcDoc : public QObject {
  Q_OBJECT
 public:
  explicit CMfcDoc(QObject* parent = nullptr) : QObject(parent) {
    // The pitch trackers' diagnostics go to the diagnostic stream, never to a message box.
    state_.setDiagnosticSink([](const std::string& line) { std::cerr << line << std::flush; });
  }

  ViewState& state() { return state_; }
  const ViewState& state() const { return state_; }

  QString title() const {
    return state_.isOpen() ? QFileInfo(QString::fromStdString(state_.buffer().path)).fileName()
                           : QString();
  }

 signals:
  // The recording, the mode, the range or a result changed: repaint.
  void changed();

 private:
  ViewState state_;
};

}  // namespace sonarel::app
