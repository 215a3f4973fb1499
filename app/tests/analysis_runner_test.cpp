// SPDX-License-Identifier: GPL-3.0-or-later
// Analyses on the worker thread: the window's event loop keeps turning (timers, paints) while
// one runs, the result is taken on the window thread, a newer request stops and replaces an
// older one, and a result for samples edited meanwhile is dropped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/analysis_runner.h"
#include "app/views/display_registry.h"
#include "app/wait_dialog.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using namespace std::chrono_literals;
using sonarel::testing::ScratchDir;

// Counts its paints.
class PaintCounter : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

// Blocks the worker until `released`, or until the stop is requested; gives up after 10 s
// (the event loop did not turn).
bool holdUntil(const std::atomic<bool>& released, const core::AnalysisControl& control) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!released && !control.stopRequested()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return released;
}

// Clicks the wait dialog's Cancel once it shows (it does after a moment even without
// progress), polling every 20 ms.
void pressCancelOnceShown(QTimer& press, QWidget& window) {
  QObject::connect(&press, &QTimer::timeout, [&window] {
    auto* dialog = window.findChild<QProgressDialog*>();
    if (dialog && dialog->isVisible()) dialog->findChild<QPushButton*>()->click();
  });
  press.start(20);
}

class AnalysisRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    displayRegistry();
    path =
        dir.write("voice.wav", testing::simpleWave(11025, testing::sine(180, 11025, 22050, 9000)));
    ASSERT_FALSE(view.open(path, core::FileKind::VoiceAnalysis));
  }

  ScratchDir dir;
  std::string path;
  ViewState view;
  AnalysisRunner runner;
};

TEST_F(AnalysisRunnerTest, TheWindowKeepsPaintingAndTheResultLandsOnItsThread) {
  PaintCounter window;
  window.resize(200, 100);
  window.show();
  QApplication::processEvents();
  const int paintsBefore = window.paints;

  // The worker waits until the window thread has repainted: without a turning event loop it
  // would wait for ever.
  std::atomic<bool> painted{false};
  QTimer repaint;
  QObject::connect(&repaint, &QTimer::timeout, [&] {
    window.repaint();
    if (window.paints > paintsBefore) painted = true;
  });
  repaint.start(10);

  std::thread::id worker;
  bool arrivedOnWindowThread = false;
  int modeWhenArrived = -2;
  QObject::connect(&runner, &AnalysisRunner::resultArrived, [&](quint64, bool taken) {
    arrivedOnWindowThread = QThread::currentThread() == qApp->thread() && taken;
    modeWhenArrived = view.displayMode();
  });
  const AnalysisRunner::Outcome outcome =
      runner.run(view, nullptr, [&](ViewState& copy, const core::AnalysisControl& control) {
        worker = std::this_thread::get_id();
        if (!holdUntil(painted, control))
          return std::optional(core::Message{core::MessageId::AnalysisCancelled});
        return copy.showMode(2, ModeNeeds{.f0 = true}, control);
      });

  EXPECT_FALSE(outcome.superseded);
  EXPECT_FALSE(outcome.message);
  EXPECT_NE(worker, std::this_thread::get_id());
  EXPECT_GT(window.paints, paintsBefore);
  EXPECT_TRUE(arrivedOnWindowThread);
  EXPECT_EQ(modeWhenArrived, 2);  // taken before the signal
  EXPECT_NE(view.displayData().f0, nullptr);
  EXPECT_FALSE(runner.running());
}

TEST_F(AnalysisRunnerTest, ANewerRequestStopsTheOlderAndTakesItsPlace) {
  std::atomic<bool> olderStopped{false};
  const std::atomic<bool> never{false};
  AnalysisRunner::Outcome newer;
  std::vector<std::pair<quint64, bool>> arrivals;
  QObject::connect(&runner, &AnalysisRunner::resultArrived,
                   [&](quint64 request, bool taken) { arrivals.emplace_back(request, taken); });
  // While the older one runs, a timer on the window thread asks for another display.
  QTimer::singleShot(30, [&] {
    EXPECT_TRUE(runner.running());
    newer = runner.run(view, nullptr, [](ViewState& copy, const core::AnalysisControl& control) {
      return copy.showMode(3, ModeNeeds{.intensity = true}, control);
    });
  });
  const AnalysisRunner::Outcome older =
      runner.run(view, nullptr, [&](ViewState& copy, const core::AnalysisControl& control) {
        holdUntil(never, control);
        olderStopped = control.stopRequested();
        copy.showMode(2, ModeNeeds{.f0 = true}, control);
        return std::optional<core::Message>{};
      });

  EXPECT_TRUE(olderStopped);
  EXPECT_TRUE(older.superseded);
  EXPECT_FALSE(newer.superseded);
  EXPECT_EQ(view.displayMode(), 3);  // the older's mode never shows
  EXPECT_EQ(view.displayData().f0, nullptr);
  ASSERT_EQ(arrivals.size(), 2u);
  EXPECT_EQ(arrivals[0], std::make_pair(quint64{1}, false));  // the older, dropped first
  EXPECT_EQ(arrivals[1], std::make_pair(quint64{2}, true));
}

TEST_F(AnalysisRunnerTest, AResultForSamplesEditedMeanwhileIsDropped) {
  std::atomic<bool> edited{false};
  QTimer::singleShot(20, [&] {
    view.changeSamples([](std::vector<std::int16_t>& samples) { samples.resize(11025); });
    edited = true;
  });
  const AnalysisRunner::Outcome outcome =
      runner.run(view, nullptr, [&](ViewState& copy, const core::AnalysisControl& control) {
        holdUntil(edited, control);
        return copy.showMode(2, ModeNeeds{.f0 = true}, control);
      });
  EXPECT_TRUE(outcome.superseded);
  EXPECT_EQ(view.displayMode(), mode::None);
  EXPECT_EQ(view.displayData().f0, nullptr);
  EXPECT_EQ(view.buffer().count(), 11025);
}

TEST_F(AnalysisRunnerTest, CancelInTheWaitDialogEndsTheWaitAndDropsTheResult) {
  QWidget window;
  window.show();
  WaitDialog wait(&window, "Analysing");
  QTimer press;
  pressCancelOnceShown(press, window);
  const std::atomic<bool> never{false};
  std::atomic<bool> stopSeen{false};
  const AnalysisRunner::Outcome outcome =
      runner.run(view, &wait, [&](ViewState& copy, const core::AnalysisControl& control) {
        holdUntil(never, control);
        stopSeen = control.stopRequested();
        return copy.showMode(2, ModeNeeds{.f0 = true}, control);
      });
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->id, core::MessageId::AnalysisCancelled);
  EXPECT_EQ(view.displayMode(), mode::None);
  // The worker was told to stop and ends on its own; the next request waits for it.
  const AnalysisRunner::Outcome next =
      runner.run(view, nullptr, [](ViewState& copy, const core::AnalysisControl& control) {
        return copy.showMode(3, ModeNeeds{.intensity = true}, control);
      });
  EXPECT_TRUE(stopSeen);
  EXPECT_FALSE(next.superseded);
  EXPECT_EQ(view.displayMode(), 3);
}

// A worker whose wait was cancelled is collected by the window thread's poll as it ends, with
// no newer request to wait for it: it is joined and its result reported as dropped.
TEST_F(AnalysisRunnerTest, AnAbandonedWorkerIsCollectedWhileTheWindowIdles) {
  QWidget window;
  window.show();
  WaitDialog wait(&window, "Analysing");
  QTimer press;
  pressCancelOnceShown(press, window);
  std::vector<std::pair<quint64, bool>> arrivals;
  QObject::connect(&runner, &AnalysisRunner::resultArrived,
                   [&](quint64 request, bool taken) { arrivals.emplace_back(request, taken); });
  std::atomic<bool> release{false};
  const AnalysisRunner::Outcome outcome =
      runner.run(view, &wait, [&](ViewState& copy, const core::AnalysisControl&) {
        // Ignores the stop: it ends only when let go, after its wait was cancelled.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!release && std::chrono::steady_clock::now() < deadline)
          std::this_thread::sleep_for(1ms);
        return copy.showMode(2, ModeNeeds{.f0 = true}, core::AnalysisControl{});
      });
  press.stop();
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->id, core::MessageId::AnalysisCancelled);
  EXPECT_TRUE(runner.running()) << "the worker is still at work";
  release = true;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (runner.running() && std::chrono::steady_clock::now() < deadline)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_FALSE(runner.running());
  ASSERT_EQ(arrivals.size(), 1u);
  EXPECT_EQ(arrivals[0], std::make_pair(quint64{1}, false));
  EXPECT_EQ(view.displayMode(), mode::None);
}

}  // namespace
}  // namespace sonarel::app
