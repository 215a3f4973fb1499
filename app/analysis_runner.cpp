// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/analysis_runner.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <new>
#include <utility>

#include "app/wait_dialog.h"

namespace sonarel::app {

namespace {
// How often the window thread looks for the worker's end.
constexpr int kPollMilliseconds = 40;
}  // namespace

AnalysisRunner::AnalysisRunner(QObject* parent) : QObject(parent) {
  poll_.setInterval(kPollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, &AnalysisRunner::collect);
}

AnalysisRunner::~AnalysisRunner() {
  if (current_ && current_->thread.joinable()) {
    current_->stop.request_stop();
    current_->thread.join();
  }
}

AnalysisRunner::Outcome AnalysisRunner::run(ViewState& view, WaitDialog* wait, const Work& work) {
  auto job = std::make_shared<Job>();
  job->request = ++lastRequest_;
  job->copy = view.analysisCopy();
  job->work = work;
  const std::stop_token cancel = wait ? wait->stopToken() : std::stop_token{};
  const auto superseded = [this, &job] { return job->request != lastRequest_; };
  const auto dropped = [&] {
    if (!job->reported) {
      job->reported = true;
      emit resultArrived(job->request, false);
    }
    if (superseded()) return Outcome{true, std::nullopt};
    return Outcome{false, core::Message{core::MessageId::AnalysisCancelled}};
  };

  // One analysis at a time: the running one is asked to stop, and this one waits for its end.
  if (current_) current_->stop.request_stop();
  waitUntil([&] { return !current_ || superseded() || cancel.stop_requested(); }, wait, *job);
  if (superseded() || cancel.stop_requested()) return dropped();

  start(job);
  waitUntil([&] { return job->finished || superseded() || cancel.stop_requested(); }, wait, *job);
  if (!job->finished) {
    // Nobody waits for it any more: it stops at its next check, and finish() drops it.
    job->abandoned = true;
    job->stop.request_stop();
  }
  if (!job->finished || superseded() || cancel.stop_requested()) return dropped();

  const bool taken = view.adoptAnalysis(std::move(job->copy));
  emit resultArrived(job->request, taken);
  if (!taken) return {true, std::nullopt};
  return {false, std::move(job->message)};
}

void AnalysisRunner::start(const std::shared_ptr<Job>& job) {
  current_ = job;
  job->thread = std::thread([job] {
    core::AnalysisControl control;
    control.stop = job->stop.get_token();
    Job* const raw = job.get();
    control.progress = [raw](std::int32_t done, std::int32_t total) {
      raw->done.store(done, std::memory_order_relaxed);
      raw->total.store(total, std::memory_order_relaxed);
    };
    try {
      job->message = job->work(job->copy, control);
    } catch (const std::bad_alloc&) {
      job->message = core::Message{core::MessageId::NoFreeMemory};
    }
    // The window thread's poll takes it from here (and joins this thread first).
    raw->ended.store(true, std::memory_order_release);
  });
  poll_.start();
}

void AnalysisRunner::collect() {
  if (current_ && current_->ended.load(std::memory_order_acquire)) {
    const std::shared_ptr<Job> ended = current_;  // finish() lets go of current_
    finish(ended);
  }
  if (!current_) poll_.stop();
}

void AnalysisRunner::finish(const std::shared_ptr<Job>& job) {
  job->thread.join();
  job->finished = true;
  if (current_ == job) current_.reset();
  if ((job->abandoned || job->request != lastRequest_) && !job->reported) {
    job->reported = true;  // dropped as it ends, before a newer request starts
    emit resultArrived(job->request, false);
  }
  for (QEventLoop* loop : loops_) loop->quit();
}

void AnalysisRunner::waitUntil(const std::function<bool()>& ready, WaitDialog* wait,
                               const Job& job) {
  while (!ready()) {
    // User input waits until the dialog shows; the dialog then takes it, being modal.
    const bool input = wait && wait->showing();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(kPollMilliseconds);
    connect(&tick, &QTimer::timeout, &loop, [&] {
      collect();
      if (wait) wait->showProgress(job.done.load(), job.total.load());
      if (ready() || (wait && wait->showing() != input)) loop.quit();
    });
    tick.start();
    loops_.push_back(&loop);
    loop.exec(input ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    loops_.erase(std::find(loops_.begin(), loops_.end(), &loop));
  }
}

}  // namespace sonarel::app
