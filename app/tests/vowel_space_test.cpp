// SPDX-License-Identifier: GPL-3.0-or-later
// The vowel space: the view's formant track and targets, the chart's scales and drawing,
// the "Vowel Space" dialog and the commands of the window.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <numbers>

#include "app/commands/command_table.h"
#include "app/dialogs/settings/configure_vowel_space_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/vowel_chart.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "app/session/view_state.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;
namespace vs = spectral::vowel_set;

// An /a/ (730, 1090, 2440 Hz) on a 125 Hz pulse train, for `seconds`, then as long silent.
std::vector<std::int16_t> vowelA(double rate, double seconds) {
  const auto voiced = static_cast<std::size_t>(seconds * rate);
  std::vector<double> x(2 * voiced, 0.0);
  for (std::size_t i = 0; i < voiced; i += static_cast<std::size_t>(rate / 125)) x[i] = 1;
  for (auto [f, b] : {std::pair{730.0, 80.0}, {1090.0, 100.0}, {2440.0, 150.0}}) {
    const double r = std::exp(-std::numbers::pi * b / rate);
    const double c = 2 * r * std::cos(2 * std::numbers::pi * f / rate);
    double y1 = 0, y2 = 0;
    for (double& v : x) {
      const double y = (1 - c + r * r) * v + c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  double peak = 0;
  for (double v : x) peak = std::max(peak, std::abs(v));
  std::vector<std::int16_t> samples(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(std::lround(x[i] / peak * 15000));
  }
  return samples;
}

QImage render(const ViewState& state, const GraphGeometry& g = GraphGeometry::normal()) {
  QImage image(g.extent(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawDisplayMode(painter, g, state.displayData(), mode::VowelSpace);
  return image;
}

int magentaWithin(const QImage& image, QPoint centre, int radius) {
  int count = 0;
  for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
    for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
      count += image.valid(x, y) && image.pixelColor(x, y) == kVowelPointColour;
    }
  }
  return count;
}

TEST(VowelChart, PlottingBoundsAndScales) {
  using namespace vowel_chart;
  EXPECT_TRUE(plotted(1100, 3200));
  EXPECT_TRUE(plotted(200, 600));
  EXPECT_FALSE(plotted(1100.01, 1500));
  EXPECT_FALSE(plotted(500, 3200.01));
  EXPECT_FALSE(plotted(199.99, 1500));
  EXPECT_FALSE(plotted(500, 599.99));
  EXPECT_FALSE(plotted(0, 0)) << "a block without formants";
  const QRect graph(80, 40, 680, 360);
  EXPECT_EQ(pixelOf(graph, 200, 600), QPoint(760, 40));
  EXPECT_EQ(pixelOf(graph, 1100, 3200), QPoint(80, 400));
  EXPECT_EQ(pixelOf(graph, 650, 1900), QPoint(420, 220));
  const auto [f1, f2] = formantsAt(graph, QPoint(420, 220));
  EXPECT_DOUBLE_EQ(f1, 650);
  EXPECT_DOUBLE_EQ(f2, 1900);
}

class VowelSpaceView : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(state.open(dir.write("a.wav", testing::simpleWave(11025, vowelA(11025, 1.0))),
                            core::FileKind::VoiceAnalysis));
  }
  ScratchDir dir;
  ViewState state;
  const GraphGeometry g = GraphGeometry::normal();
};

TEST_F(VowelSpaceView, TrackIsComputedOnceAndDroppedWithTheRecording) {
  EXPECT_EQ(state.displayData().formants, nullptr);
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  EXPECT_EQ(state.displayMode(), mode::VowelSpace);
  const DisplayData data = state.displayData();
  ASSERT_NE(data.formants, nullptr);
  ASSERT_NE(data.voicing, nullptr) << "the points need the voicing map";
  EXPECT_EQ(data.formants->blockCount(), 40);
  const auto first = data.formants->formants;
  ASSERT_FALSE(state.showMode(mode::F0));
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  EXPECT_EQ(state.displayData().formants->formants, first);

  ASSERT_FALSE(state.open(dir.write("b.wav", testing::simpleWave(11025, vowelA(11025, 0.5))),
                          core::FileKind::VoiceAnalysis));
  EXPECT_EQ(state.displayData().formants, nullptr);
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  // 11024 samples: one short of a 20th block.
  EXPECT_EQ(state.displayData().formants->blockCount(), 19);
}

TEST_F(VowelSpaceView, VoicedBlocksOfTheRangeLandOnTheVowel) {
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  const QImage image = render(state);
  const QPoint a = vowel_chart::pixelOf(g.graph, 730, 1090);
  const int near = magentaWithin(image, a, 12);  // about 10 % of the vowel's formants
  const int all = magentaWithin(image, g.graph.center(), 400);
  EXPECT_GT(near, 10);
  EXPECT_GE(near, all * 9 / 10) << "the voiced half lands on /a/, the silent half nowhere";

  // Zoomed into the silent half, nothing is plotted.
  state.pressStrip(400);
  state.releaseStrip(670);
  ASSERT_FALSE(state.toggleZoom());
  EXPECT_EQ(magentaWithin(render(state), g.graph.center(), 400), 0);
}

TEST_F(VowelSpaceView, TargetsFollowTheClientTypeAndTheSet) {
  EXPECT_EQ(state.displayData().vowelSet, vs::Ipa);
  EXPECT_EQ(state.displayData().vowelTargets[0].f1, 725);
  state.setClientType(1);
  EXPECT_EQ(state.displayData().vowelTargets[0].f1, 870);
  state.setClientType(3);
  EXPECT_FALSE(state.displayData().vowelTargets[0].present()) << "no singer targets";

  // Editing the shown set keeps the other types; a new set starts them from its defaults.
  spectral::VowelBlock edited = spectral::DefaultVowelBlock(vs::Ipa, 0);
  edited[0] = {700, 1500};
  state.setVowelSpace(vs::Ipa, 0, edited);
  EXPECT_EQ(state.vowelTargets().of(0)[0].f2, 1500);
  EXPECT_EQ(state.vowelTargets().of(1)[0].f1, 870);
  state.setVowelSpace(vs::Korean, 1, spectral::DefaultVowelBlock(vs::Korean, 1));
  EXPECT_EQ(state.vowelSet(), vs::Korean);
  EXPECT_EQ(state.vowelTargets().of(0)[0].f1, 341);

  // The targets are drawn: ink of the target colour at each present one.
  state.setClientType(0);
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  const QImage image = render(state);
  for (const auto& target : state.vowelTargets().of(0)) {
    const QPoint at = vowel_chart::pixelOf(g.graph, target.f1, target.f2);
    int ink = 0;
    for (int y = at.y() - 9; y <= at.y() + 9; ++y) {
      for (int x = at.x() - 9; x <= at.x() + 9; ++x) {
        const QColor c = image.pixelColor(x, y);
        ink += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
      }
    }
    EXPECT_GT(ink, 3) << target.f1 << "/" << target.f2;
  }
}

TEST_F(VowelSpaceView, ReadoutAndSmallLayouts) {
  ASSERT_FALSE(state.showMode(mode::VowelSpace));
  const QString text = cursorReadout(mode::VowelSpace, g, state.displayData(),
                                     vowel_chart::pixelOf(g.graph, 650, 1900));
  EXPECT_EQ(text, "650.00 Hz   1900.00 Hz");
  EXPECT_TRUE(cursorReadout(mode::VowelSpace, g, state.displayData(), QPoint(5, 5)).isEmpty());
  render(state, GraphGeometry::compactLayout());
  ViewState tiny;
  ASSERT_FALSE(tiny.open(dir.write("t.wav", testing::simpleWave(11025, vowelA(11025, 0.01))),
                         core::FileKind::VoiceAnalysis));
  ASSERT_FALSE(tiny.showMode(mode::VowelSpace));
  EXPECT_EQ(tiny.displayData().formants->blockCount(), 1);
  render(tiny);
}

TEST(VowelSpaceDialog, SpanishRowsAndTheChecksOfOk) {
  CConfVogal dialog(0, vs::Spanish, spectral::DefaultVowelTargets(vs::Spanish));
  ScriptedPrompt dialogPrompt;
  dialog.setPrompt(&dialogPrompt);
  QSignalSpy refused(&dialog, &CConfVogal::refused);
  EXPECT_EQ(dialog.windowTitle(), "Vowel Space");
  EXPECT_EQ(dialog.languageBox()->currentText(), "Spanish");
  EXPECT_EQ(dialog.f1Edit(0)->text(), "750");
  EXPECT_EQ(dialog.f1Edit(2)->text(), "0") << "Spanish has no vowel 3";
  EXPECT_FALSE(dialog.f1Edit(2)->isHidden());
  for (int row = 7; row < 10; ++row) EXPECT_TRUE(dialog.f1Edit(row)->isHidden()) << row;
  dialog.accept();
  EXPECT_EQ(refused.count(), 0);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.vowelSet(), vs::Spanish);
  EXPECT_FALSE(dialog.targets()[5].present());
}

TEST(VowelSpaceDialog, RefusalNamesTheRangeAndFocusesTheEdit) {
  CConfVogal dialog(1, vs::Portuguese, spectral::DefaultVowelTargets(vs::Portuguese));
  ScriptedPrompt dialogPrompt;
  dialog.setPrompt(&dialogPrompt);
  dialog.show();
  QSignalSpy refused(&dialog, &CConfVogal::refused);
  dialog.f2Edit(3)->setText("3300");
  dialog.f1Edit(5)->setText("150");
  dialog.accept();
  ASSERT_EQ(refused.count(), 1);
  EXPECT_EQ(refused.takeFirst().at(0).toString(), "Value F2 Should be from 600 to 3200");
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.focusWidget(), dialog.f2Edit(3));
  dialog.f2Edit(3)->setText("2680");
  // Enter in an edit is OK, once.
  QTest::keyClick(dialog.f2Edit(3), Qt::Key_Return);
  ASSERT_EQ(refused.count(), 1);
  EXPECT_EQ(refused.takeFirst().at(0).toString(), "Value F1 Should be from 200 to 1096");
  EXPECT_EQ(dialog.focusWidget(), dialog.f1Edit(5));

  // "Default" restores the shown type's defaults; then OK stores them for that type.
  dialog.defaultButton()->click();
  EXPECT_EQ(dialog.f1Edit(5)->text(), "720");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.clientType(), 1);
  EXPECT_EQ(dialog.targets()[5].f1, 720);
}

TEST(VowelSpaceDialog, TypeAndLanguageReloadTheRows) {
  spectral::VowelTargets stored = spectral::DefaultVowelTargets(vs::Ipa);
  stored.types[1][0] = {800, 1700};
  CConfVogal dialog(3, vs::Ipa, stored);  // a singer shows as a man
  EXPECT_EQ(dialog.typeBox()->currentIndex(), 0);
  EXPECT_EQ(dialog.f1Edit(0)->text(), "725");
  dialog.typeBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.f1Edit(0)->text(), "800") << "the stored, edited targets";
  dialog.languageBox()->setCurrentIndex(vs::Korean);
  EXPECT_EQ(dialog.f1Edit(0)->text(), "344") << "another set: its defaults";
  EXPECT_FALSE(dialog.f1Edit(9)->isHidden());
  EXPECT_EQ(dialog.symbolLabel(9)->text(), QString::fromUtf8("ɯ"));
  dialog.typeBox()->setCurrentIndex(2);
  EXPECT_EQ(dialog.f1Edit(0)->text(), "0") << "no Korean child targets";
  dialog.languageBox()->setCurrentIndex(vs::Ipa);
  EXPECT_TRUE(dialog.f1Edit(9)->isHidden());
  EXPECT_EQ(dialog.symbolLabel(1)->text(), QString::fromUtf8("æ"));
}

TEST(VowelSpaceWindow, CommandsShowTheChartAndTheSetFollowsTheLanguage) {
  ScratchDir dir;
  Languages languages;
  languages.apply(Language::Spanish);
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  CMainFrame frame(FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages,
                   &device);
  EXPECT_EQ(frame.document().state().vowelSet(), vs::Spanish);
  languages.apply(Language::English);
  EXPECT_TRUE(frame.action(cmd::ConfigureVowelSpace)->isEnabled()) << "with no file open";
  EXPECT_FALSE(frame.action(cmd::VowelSpace)->isEnabled());
  ASSERT_TRUE(frame.openFile(QString::fromStdString(
      dir.write("wv001.wav", testing::simpleWave(11025, vowelA(11025, 1))))));
  ASSERT_TRUE(frame.action(cmd::VowelSpace)->isEnabled());
  frame.action(cmd::VowelSpace)->trigger();
  EXPECT_EQ(frame.document().state().displayMode(), mode::VowelSpace);
  EXPECT_FALSE(frame.view()->grab().isNull());
}

}  // namespace
}  // namespace sonarel::app
