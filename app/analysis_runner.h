// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a view's analyses on a worker thread while the window keeps painting.
//
// The worker analyses a copy of the view (ViewState::analysisCopy: its own samples), so
// nothing it reads is shared with the window thread, which goes on drawing the view. The
// worker publishes its end through an atomic flag; the window thread polls it every 40 ms,
// joins the worker and takes the result into the view there, unless the samples changed
// meanwhile or a newer request took its place. One analysis runs
// at a time: a newer request asks the running one to stop (the analyses that check the stop
// token end at their next frame) and starts when it has ended; a result nobody waits for is
// dropped.
//
// run() returns when its own result is in, like a call on the window thread would, so the
// commands stay written in sequence; meanwhile the window's event loop turns (timers, paints),
// without user input until the wait dialog shows and takes it.

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/session/view_state.h"
#include "core/analysis_control.h"
#include "core/message.h"

class QEventLoop;

namespace sonarel::app {

class WaitDialog;

class AnalysisRunner : public QObject {
  Q_OBJECT
 public:
  // The analysis: runs on the worker, on the copy, with the stop token and a progress report.
  using Work =
      std::function<std::optional<core::Message>(ViewState& view, const core::AnalysisControl&)>;

  struct Outcome {
    // Nothing was taken: a newer request took its place, or the samples changed meanwhile.
    bool superseded = false;
    std::optional<core::Message> message;  // the analysis's own
  };

  explicit AnalysisRunner(QObject* parent = nullptr);
  ~AnalysisRunner() override;  // stops and waits for the running analysis

  // Analyses a copy of `view` with `work` and takes the result into `view`. `wait` (may be
  // null) shows the progress, and its Cancel ends the wait at once with AnalysisCancelled
  // (the worker stops at its next check and its result is dropped).
  Outcome run(ViewState& view, WaitDialog* wait, const Work& work);
  bool running() const { return static_cast<bool>(current_); }

 signals:
  // On the window thread, as each request ends: its result taken into the view or not.
  void resultArrived(quint64 request, bool taken);

 private:
  struct Job {
    quint64 request = 0;
    ViewState copy;
    Work work;
    std::stop_source stop;
    std::atomic<std::int32_t> done{0}, total{0};  // progress, written by the worker
    std::optional<core::Message> message;         // written by the worker before it ends
    // Stored (release) by the worker once `copy` and `message` are final; the window thread
    // reads them only after loading it true (acquire).
    std::atomic<bool> ended{false};
    std::thread thread;
    bool finished = false;   // the window thread has joined the worker
    bool abandoned = false;  // its run() has returned
    bool reported = false;   // resultArrived has been emitted for it
  };

  void start(const std::shared_ptr<Job>& job);
  void finish(const std::shared_ptr<Job>& job);
  // Finishes the running job if its worker has published its end.
  void collect();
  // Turns the event loop until `ready` holds, moving `wait`'s bar with `job`'s progress.
  void waitUntil(const std::function<bool()>& ready, WaitDialog* wait, const Job& job);

  std::shared_ptr<Job> current_;  // the job on the worker, if any
  QTimer poll_;                   // collects the job's end while no wait is turning the loop
  quint64 lastRequest_ = 0;
  std::vector<QEventLoop*> loops_;  // the waits in progress, innermost last
};

}  // namespace sonarel::app
