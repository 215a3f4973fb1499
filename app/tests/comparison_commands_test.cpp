// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison commands in the real window (offscreen): comparing with a client file or a
// model, the comparison bar and its layout, the pop-up menu's "Play" and "&Zoom +", saving
// the open file as a model, and the main recording untouched throughout.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/commands/command_table.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/views/comparison_bar.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;
using sonarel::testing::DataFolder;
using sonarel::testing::readBytes;

class ComparisonCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    folder = data.client(2);
    mainSamples = testing::sine(180, 22050, 22050 * 2, 9000);
    ASSERT_FALSE(core::writeWave(path(RecordingType::VoiceAnalysis, 1),
                                 core::pcm16MonoFormat(22050), mainSamples));
    otherSamples = testing::sine(240, 11025, 11025 * 3, 7000);
    ASSERT_FALSE(core::writeWave(path(RecordingType::VoiceAnalysis, 2),
                                 core::pcm16MonoFormat(11025), otherSamples));
    ASSERT_FALSE(core::writeWave(path(RecordingType::VocalQuality, 3), core::pcm16MonoFormat(44100),
                                 testing::sine(200, 44100, 44100, 7000)));
    mainBytes = readBytes(path(RecordingType::VoiceAnalysis, 1));
    frame = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(data.path()), &prompt},
                                         languages, &device);
    frame->resize(1280, 800);
    frame->show();
    records::ClientRecord client;
    client.code = 2;
    client.name = "Eva";
    client.type = 1;
    frame->setCurrentClient(client);
    ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  }

  std::string path(RecordingType type, int number) const {
    return folder.recordingPath(type, number);
  }
  bool enabled(int command) { return frame->action(command)->isEnabled(); }
  ViewState& state() { return frame->document().state(); }
  void compareWith(int number, RecordingType type) {
    frame->chooseComparisonFile = [=] { return FollowUpChoice{number, type}; };
    frame->runCommand(cmd::CompareWithFile);
  }
  void expectMainUntouched() {
    EXPECT_EQ(readBytes(path(RecordingType::VoiceAnalysis, 1)), mainBytes);
    EXPECT_EQ(state().buffer().samples, mainSamples);
  }

  DataFolder data;
  records::ClientFolder folder{"", 2};
  std::vector<std::int16_t> mainSamples, otherSamples;
  testing::Bytes mainBytes;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(ComparisonCommands, AClientFileIsShownInTheBarUntilClose) {
  EXPECT_FALSE(enabled(cmd::CloseComparison));
  EXPECT_TRUE(enabled(cmd::CompareWithFile));
  frame->runCommand(cmd::FundamentalFrequency);
  compareWith(2, RecordingType::VoiceAnalysis);
  const ViewState* other = state().comparison();
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->buffer().samples, otherSamples);
  EXPECT_EQ(other->displayMode(), state().displayMode());
  EXPECT_EQ(other->f0Settings().minPitch, 120) << "the client's type (woman) sets its range";
  EXPECT_TRUE(frame->comparisonBar()->isVisible());
  EXPECT_EQ(frame->comparisonBar()->title(), "Comparison: wv002.wav");
  EXPECT_TRUE(enabled(cmd::CloseComparison));
  // Both views use the comparison layout, one above the other.
  EXPECT_TRUE(frame->view()->geometry().compact);
  EXPECT_TRUE(frame->comparisonBar()->view()->geometry().compact);
  EXPECT_LT(frame->view()->geometry().graph.height(), GraphGeometry::normal().graph.height());

  frame->runCommand(cmd::Intensity);
  EXPECT_EQ(state().comparison()->displayMode(), state().displayMode());
  frame->runCommand(cmd::CloseComparison);
  EXPECT_EQ(state().comparison(), nullptr);
  EXPECT_FALSE(frame->comparisonBar()->isVisible());
  QApplication::processEvents();  // the main view takes the whole window again
  EXPECT_FALSE(frame->view()->geometry().compact);
  expectMainUntouched();
}

// A large window draws both panes at one scale that fills them, as it does a single view,
// and the mouse still reaches the logical columns of each pane; a small one stays unscaled.
TEST_F(ComparisonCommands, BothPanesScaleInALargeWindowAndTheMouseFollows) {
  frame->runCommand(cmd::FundamentalFrequency);
  compareWith(2, RecordingType::VoiceAnalysis);
  frame->resize(1920, 1080);
  QApplication::processEvents();
  for (CMfcView* view : {frame->view(), frame->comparisonBar()->view()}) {
    const ScaledLayout layout = view->layout();
    EXPECT_GT(layout.scale, 1.4);
    EXPECT_GE(layout.geometry.graph.height(), kLeastScaledPaneGraph);
    const QRect graph = layout.toWidget(layout.geometry.graph);
    EXPECT_GT(graph.width(), view->width() * 55 / 100) << "the pane uses the room it has";
    EXPECT_LE(layout.toWidget(layout.geometry.strip).bottom(), view->height());
    EXPECT_GE(graph.top(), 0);
  }
  // One scale and one place for both graphs, so that they read together.
  const ScaledLayout upper = frame->view()->layout();
  const ScaledLayout lower = frame->comparisonBar()->view()->layout();
  EXPECT_DOUBLE_EQ(upper.scale, lower.scale);
  EXPECT_EQ(upper.toWidget(upper.geometry.graph).left(),
            lower.toWidget(lower.geometry.graph).left());
  EXPECT_EQ(upper.geometry.graph.size(), lower.geometry.graph.size());
  // A drag on the comparison's strip marks its own columns, not the main view's.
  CMfcView* pane = frame->comparisonBar()->view();
  const QRect strip = pane->geometry().strip;
  const auto at = [pane](QPoint logical) { return pane->layout().toWidget(logical); };
  QTimer::singleShot(50, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  QTest::mousePress(pane, Qt::LeftButton, {}, at(strip.topLeft() + QPoint(120, 20)));
  QTest::mouseMove(pane, at(strip.topLeft() + QPoint(300, 20)));
  QTest::mouseRelease(pane, Qt::LeftButton, {}, at(strip.topLeft() + QPoint(450, 20)));
  EXPECT_EQ(state().comparison()->selection().x1, 120);
  EXPECT_EQ(state().comparison()->selection().x2, 450);
  EXPECT_TRUE(state().selection().empty());

  frame->resize(800, 600);
  QApplication::processEvents();
  EXPECT_EQ(frame->view()->layout().scale, 1.0);
  EXPECT_EQ(frame->comparisonBar()->view()->layout().scale, 1.0);
  expectMainUntouched();
}

TEST_F(ComparisonCommands, AMismatchIsToldAndClosesTheComparison) {
  compareWith(2, RecordingType::VoiceAnalysis);
  ASSERT_TRUE(frame->comparisonBar()->isVisible());
  compareWith(3, RecordingType::VocalQuality);
  EXPECT_EQ(frame->lastMessage(), "File types are different\nSelect a Voice Analysis File!");
  EXPECT_EQ(state().comparison(), nullptr);
  EXPECT_FALSE(frame->comparisonBar()->isVisible());
  expectMainUntouched();
}

TEST_F(ComparisonCommands, PlayingTheComparisonStopsTheMainRecordingFirst) {
  compareWith(2, RecordingType::VoiceAnalysis);
  frame->runCommand(cmd::Play);
  ASSERT_TRUE(device.isPlaying());
  ASSERT_EQ(device.played.size(), 1u);
  const int stopsBefore = device.stops;
  frame->runCommand(cmd::PlayComparison);
  EXPECT_EQ(device.stops, stopsBefore + 1) << "the main playback stopped first";
  ASSERT_EQ(device.played.size(), 2u);
  EXPECT_EQ(device.played.back(), otherSamples) << "all of it without a selection";
  EXPECT_EQ(device.lastFormat.sampleRate, 11025u);
  EXPECT_TRUE(frame->playingComparison());
  frame->runCommand(cmd::PlayComparison);
  EXPECT_FALSE(device.isPlaying()) << "a second use stops it";

  // With a selection only the marked stretch plays; "Play" then gives the main one back.
  ViewState& other = *state().comparison();
  other.pressStrip(0);
  other.dragStrip(340);
  other.releaseStrip(340);
  frame->runCommand(cmd::PlayComparison);
  EXPECT_EQ(device.played.back().size(),
            static_cast<std::size_t>(340 * (otherSamples.size() / 680)));
  frame->runCommand(cmd::Play);
  EXPECT_TRUE(device.isPlaying());
  EXPECT_FALSE(frame->playingComparison());
  EXPECT_EQ(device.played.back(), mainSamples);
}

TEST_F(ComparisonCommands, ZoomingTheComparisonLeavesTheMainViewAlone) {
  frame->runCommand(cmd::PowerSpectrum);
  compareWith(2, RecordingType::VoiceAnalysis);
  EXPECT_FALSE(enabled(cmd::Zoom)) << "no selection in the main view";
  ViewState& other = *state().comparison();
  other.pressStrip(100);
  other.dragStrip(200);
  other.releaseStrip(200);
  frame->runCommand(cmd::ZoomComparison);
  EXPECT_TRUE(other.zoomed());
  EXPECT_FALSE(state().zoomed());
  frame->runCommand(cmd::ZoomComparison);
  EXPECT_FALSE(other.zoomed());
  expectMainUntouched();
}

TEST_F(ComparisonCommands, SavingAsAModelAsksBeforeReplacingAndOpeningOneCompares) {
  const std::string models = data.path() + "/Modelos";
  EXPECT_FALSE(std::filesystem::exists(models));
  const QString target = QString::fromStdString(models + "/vowel");
  frame->chooseModelPath = [&](bool) { return target; };
  frame->runCommand(cmd::SaveAsModel);
  const std::string model = models + "/vowel.wav";
  ASSERT_TRUE(std::filesystem::exists(model)) << "folder made, extension added";
  EXPECT_EQ(readBytes(model), mainBytes);

  // Onto the existing model: only after "yes".
  ASSERT_TRUE(frame->openClientFile(2, RecordingType::VoiceAnalysis));
  prompt.answers = {false};
  frame->runCommand(cmd::SaveAsModel);
  EXPECT_EQ(prompt.shown.back().id, core::MessageId::ReplaceModel);
  EXPECT_EQ(readBytes(model), mainBytes) << "kept when the answer is no";
  prompt.answers = {true};
  frame->runCommand(cmd::SaveAsModel);
  EXPECT_EQ(readBytes(model), readBytes(path(RecordingType::VoiceAnalysis, 2)));

  // The model opens as a comparison, its kind by its rate.
  ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
  frame->chooseModelPath = [&](bool) { return QString::fromStdString(model); };
  frame->runCommand(cmd::OpenModel);
  ASSERT_NE(state().comparison(), nullptr);
  EXPECT_EQ(state().comparison()->buffer().samples, otherSamples);
  expectMainUntouched();
}

}  // namespace
}  // namespace sonarel::app
