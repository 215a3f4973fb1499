// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on the offscreen platform: open, every display, the mouse, zoom, play,
// the dialogs, the exports and the languages.

#include <gtest/gtest.h>
#ifdef __SANITIZE_ADDRESS__
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/commands/command_table.h"
#include "app/dialogs/settings/configure_f0_dialog.h"
#include "app/dialogs/settings/configure_intensity_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/help_window.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"

namespace sonarel::app {
namespace {

using sonarel::testing::ScratchDir;

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(dir.path().string()), &prompt}, languages, &device);
    frame->resize(1024, 768);
    frame->show();
    auto samples = testing::sine(180, 11025, 22050, 12000);
    wave = QString::fromStdString(dir.write("wv001.wav", testing::simpleWave(11025, samples)));
  }
  void TearDown() override { languages.apply(Language::English); }

  QMenu* menuTitled(const QString& title) {
    for (QAction* action : frame->menuBar()->actions()) {
      if (action->text() == title) return action->menu();
    }
    return nullptr;
  }

  ScratchDir dir;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
  QString wave;
};

TEST_F(MainFrameTest, OpensAFileAndShowsEveryBuiltDisplay) {
  EXPECT_FALSE(frame->action(cmd::FundamentalFrequency)->isEnabled()) << "nothing open yet";
  ASSERT_TRUE(frame->openFile(wave));
  EXPECT_EQ(frame->windowTitle(), "wv001.wav - Sonarel");
  EXPECT_EQ(frame->recentFiles().first(), QFileInfo(wave).absoluteFilePath());
  const std::pair<int, int> commands[] = {
      {cmd::AudioSignal, mode::AudioSignal}, {cmd::FundamentalFrequency, mode::F0},
      {cmd::Intensity, mode::Intensity},     {cmd::F0AndIntensity, mode::F0AndIntensity},
      {cmd::Histogram, mode::Histogram},     {cmd::Statistics, mode::Statistics}};
  for (auto [command, shown] : commands) {
    ASSERT_TRUE(frame->action(command)->isEnabled()) << command;
    frame->action(command)->trigger();
    EXPECT_EQ(frame->document().state().displayMode(), shown) << command;
    EXPECT_FALSE(frame->view()->grab().isNull());
  }
  const auto report = frame->document().state().statisticsReport();
  EXPECT_NEAR(report.statistics.meanF0, 180, 2);
  EXPECT_FALSE(frame->action(cmd::SpectrogramIntensityF0)->isEnabled()) << "not built: disabled";
}

// A clinician opens and closes recordings all day: a hundred cycles of open, analyse, show
// and close must leave the heap where ten left it (measured where the allocator can say).
TEST_F(MainFrameTest, OpenAnalyseCloseCyclesLeaveMemoryFlat) {
#ifndef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "needs AddressSanitizer's allocator statistics";
#else
  const auto cycle = [&] {
    ASSERT_TRUE(frame->openFile(wave));
    for (int command : {cmd::FundamentalFrequency, cmd::Intensity, cmd::Statistics, cmd::Histogram,
                        cmd::AudioSignal}) {
      frame->action(command)->trigger();
      ASSERT_FALSE(frame->view()->grab().isNull());
    }
    frame->runCommand(cmd::CloseSoundFile);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  for (int i = 0; i < 10; ++i) cycle();
  const std::size_t afterTen = __sanitizer_get_current_allocated_bytes();
  for (int i = 0; i < 90; ++i) cycle();
  const std::size_t afterHundred = __sanitizer_get_current_allocated_bytes();
  EXPECT_LT(afterHundred, afterTen + 2 * 1024 * 1024)
      << afterTen << " bytes after 10 cycles, " << afterHundred << " after 100";
#endif
}

TEST_F(MainFrameTest, MouseSelectionZoomAndPlayback) {
  ASSERT_TRUE(frame->openFile(wave));
  frame->action(cmd::Statistics)->trigger();
  const QRect strip = frame->view()->geometry().strip;
  // A drag opens the context menu; close it as soon as it shows.
  QTimer::singleShot(50, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  const auto at = [this](QPoint logical) { return frame->view()->layout().toWidget(logical); };
  QTest::mousePress(frame->view(), Qt::LeftButton, {}, at(strip.topLeft() + QPoint(100, 50)));
  QTest::mouseMove(frame->view(), at(strip.topLeft() + QPoint(250, 50)));
  QTest::mouseRelease(frame->view(), Qt::LeftButton, {}, at(strip.topLeft() + QPoint(300, 50)));
  const ViewState& state = frame->document().state();
  EXPECT_EQ(state.selection().x1, 100);
  EXPECT_EQ(state.selection().x2, 300);

  const auto whole = state.statisticsReport();
  frame->runCommand(cmd::Zoom);
  EXPECT_TRUE(state.zoomed());
  EXPECT_TRUE(frame->action(cmd::Zoom)->isChecked());
  EXPECT_EQ(state.range().first, 100 * (22050 / 680));
  frame->runCommand(cmd::Zoom);
  EXPECT_FALSE(state.zoomed());
  EXPECT_DOUBLE_EQ(state.statisticsReport().statistics.meanF0, whole.statistics.meanF0);

  frame->runCommand(cmd::Play);
  ASSERT_EQ(device.played.size(), 1u);
  EXPECT_EQ(device.played[0].size(), 22050u) << "not zoomed: the whole file";
  frame->runCommand(cmd::Play);
  EXPECT_FALSE(device.isPlaying()) << "a second press stops";
  frame->runCommand(cmd::PlaySelection);
  EXPECT_EQ(device.played.back().size(), static_cast<std::size_t>(200 * (22050 / 680)));

  device.stop();
  device.refusal = core::MessageId::CannotOpenWaveOut;
  frame->runCommand(cmd::Play);
  EXPECT_EQ(frame->lastMessage(), "It was not Possible to Open Wave Out Channel!");
}

TEST_F(MainFrameTest, RefusedFilesSayWhyAndKeepTheOpenOne) {
  ASSERT_TRUE(frame->openFile(wave));
  const auto stereo =
      dir.write("s.wav", testing::riffWave({testing::chunk("fmt ", testing::fmtBody(22050, 2)),
                                            testing::chunk("data", testing::Bytes(400, 1))}));
  EXPECT_FALSE(frame->openFile(QString::fromStdString(stereo)));
  EXPECT_EQ(frame->lastMessage(), "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!");
  EXPECT_EQ(prompt.shown.back().detailText(),
            stereo + " has 2 channels; recordings are analysed in mono. Import makes a mono copy.");
  // Each refusal keeps its text and says why, naming the file.
  const auto text = dir.write(
      "notes.wav", {'h', 'e', 'l', 'l', 'o', ',', ' ', 'n', 'o', ' ', 's', 'o', 'u', 'n', 'd'});
  const auto aiff = dir.write("take.wav", {'F', 'O', 'R', 'M', 0, 0, 0, 4, 'A', 'I', 'F', 'F'});
  const struct {
    std::string path;
    core::MessageId reason;
  } rows[] = {{dir.file("missing.wav"), core::MessageId::FileMissing},
              {dir.path().string(), core::MessageId::FileIsFolder},
              {dir.write("empty.wav", {}), core::MessageId::FileEmpty},
              {text, core::MessageId::FileNotWave},
              {aiff, core::MessageId::FileImportOnly}};
  for (const auto& row : rows) {
    EXPECT_FALSE(frame->openFile(QString::fromStdString(row.path)));
    EXPECT_EQ(frame->lastMessage(), "Error Reading File!");
    ASSERT_EQ(prompt.shown.back().details.size(), 1u) << row.path;
    EXPECT_EQ(prompt.shown.back().details[0].id, row.reason) << row.path;
  }
  EXPECT_EQ(frame->document().state().buffer().count(), 22050);
}

TEST_F(MainFrameTest, VocalQualityFilesGetTheirOwnMenus) {
  const auto quality =
      dir.write("qv001.wav", testing::simpleWave(44100, testing::sine(150, 44100, 44100)));
  ASSERT_TRUE(frame->openFile(QString::fromStdString(quality)));
  EXPECT_NE(menuTitled("&Follow up"), nullptr);
  EXPECT_EQ(menuTitled("&Real-Time"), nullptr);
  ASSERT_TRUE(frame->openFile(wave));
  EXPECT_EQ(menuTitled("&Follow up"), nullptr);
  EXPECT_NE(menuTitled("&Real-Time"), nullptr);
}

TEST_F(MainFrameTest, ShortcutsKeepToTheMenusOfTheOpenFilesKind) {
  const auto quality =
      dir.write("qv001.wav", testing::simpleWave(44100, testing::sine(150, 44100, 44100)));
  ASSERT_TRUE(frame->openFile(QString::fromStdString(quality)));
  QApplication::setActiveWindow(frame.get());
  frame->view()->setFocus();
  for (const Qt::Key key : {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6}) {
    QTest::keyClick(frame->view(), key, Qt::ControlModifier);
    EXPECT_EQ(frame->document().state().displayMode(), mode::None) << "Ctrl+" << key - Qt::Key_0;
    frame->runCommand(cmd::FundamentalFrequency);
    EXPECT_EQ(frame->document().state().displayMode(), mode::None);
  }
  QTest::keyClick(frame->view(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(frame->document().state().displayMode(), mode::AudioSignal) << "in both menus";
  ASSERT_TRUE(frame->openFile(wave));
  QTest::keyClick(frame->view(), Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(frame->document().state().displayMode(), mode::F0);
}

TEST_F(MainFrameTest, ExportsWriteTheFilesAndSayso) {
  ASSERT_TRUE(frame->openFile(wave));
  const QString target = QString::fromStdString(dir.file("stats"));
  frame->chooseSavePath = [&](const QString&) { return target; };
  frame->runCommand(cmd::ExportStatistics);
  EXPECT_EQ(frame->lastMessage(), "Text File Saved!");
  const auto bytes = testing::readBytes(target.toStdString() + ".txt");
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.rfind("Statistics (From 0.00s to 2.00s)\r\n\r\nMode F0: ", 0), 0u) << text;

  frame->chooseSavePath = [&](const QString&) {
    return QString::fromStdString(dir.file("no/f0.txt"));
  };
  frame->runCommand(cmd::ExportF0);
  // The failure names the export, and the path below it.
  EXPECT_EQ(frame->lastMessage(), "It\u00b4s not possible to Save the F0 Text File!");
  EXPECT_EQ(prompt.shown.back().detailText(), "The folder " + dir.file("no") + " does not exist.");
  frame->chooseSavePath = [](const QString&) { return QString(); };
  frame->runCommand(cmd::ExportIntensity);  // cancelled: nothing happens
  EXPECT_EQ(frame->lastMessage(), "It\u00b4s not possible to Save the F0 Text File!");
}

TEST_F(MainFrameTest, LanguagesSwitchTheRunningProgramAndAreRemembered) {
  frame->runCommand(cmd::Spanish);
  EXPECT_EQ(languages.current(), Language::Spanish);
  EXPECT_NE(frame->action(cmd::Play)->text(), "&Play");
  EXPECT_NE(menuTitled("A&nálisis"), nullptr);
  EXPECT_EQ(ConfigFiles(dir.path().string()).language(), Language::Spanish);
  frame->runCommand(cmd::Korean);
  EXPECT_EQ(frame->action(cmd::Play)->text(), QString::fromUtf8("재생(&P)"));
  frame->runCommand(cmd::English);
  EXPECT_EQ(frame->action(cmd::Play)->text(), "&Play");
  EXPECT_NE(menuTitled("A&nalysis"), nullptr);
}

TEST(ConfigureDialogs, ChecksRunInOrderAndKeepTheDialogOpen) {
  ConfigureF0Dialog f0(core::F0Settings{});
  ScriptedPrompt f0Prompt;
  f0.setPrompt(&f0Prompt);
  QSignalSpy refused(&f0, &ConfigureF0Dialog::refused);
  f0.lowBox()->setCurrentText("45");
  f0.highBox()->setCurrentText("40");
  f0.accept();
  ASSERT_EQ(refused.count(), 1);
  EXPECT_EQ(refused.takeFirst().at(0).toString(), "Minimal Value: 50 Hz");
  EXPECT_NE(f0.result(), QDialog::Accepted);
  f0.lowBox()->setCurrentText("90");
  f0.highBox()->setCurrentText("600");
  f0.thresholdBox()->setCurrentText("12");
  f0.accept();
  EXPECT_EQ(f0.result(), QDialog::Accepted);
  EXPECT_EQ(f0.settings().minPitch, 90);
  EXPECT_EQ(f0.settings().maxPitch, 600);
  EXPECT_EQ(f0.settings().silenceThreshold, 12);

  // Enter in a typed field works as OK, once.
  ConfigureF0Dialog typed(core::F0Settings{});
  ScriptedPrompt typedPrompt;
  typed.setPrompt(&typedPrompt);
  QSignalSpy typedRefused(&typed, &ConfigureF0Dialog::refused);
  QSignalSpy accepted(&typed, &QDialog::accepted);
  typed.show();
  typed.lowBox()->setCurrentText("30");
  QTest::keyClick(typed.lowBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(typedRefused.count(), 1);
  typed.lowBox()->setCurrentText("80");
  QTest::keyClick(typed.lowBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(typedRefused.count(), 1);
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_EQ(typed.settings().minPitch, 80);

  ConfigureIntensityDialog intensity(core::IntensitySettings{});
  ScriptedPrompt intensityPrompt;
  intensity.setPrompt(&intensityPrompt);
  QSignalSpy intensityRefused(&intensity, &ConfigureIntensityDialog::refused);
  intensity.lowField()->setText("61");
  intensity.accept();
  intensity.lowField()->setText("20");
  intensity.highField()->setText("69");
  intensity.accept();
  ASSERT_EQ(intensityRefused.count(), 2);
  EXPECT_EQ(intensityRefused.at(0).at(0).toString(), "Low Limit: 0 to 60 dB");
  EXPECT_EQ(intensityRefused.at(1).at(0).toString(), "High Limit: 70 to 140 dB");
}

}  // namespace
}  // namespace sonarel::app

namespace sonarel::app {
namespace {

TEST(HelpWindow, OpensThePagesOfTheLanguageOrEnglish) {
  HelpWindow help;
  help.showContents("es");
  EXPECT_EQ(help.browser()->documentTitle(), "Ayuda de Sonarel");
  help.showContents("ko");
  EXPECT_EQ(help.browser()->documentTitle(), "Sonarel 도움말");
  help.showContents("pt");
  EXPECT_EQ(help.browser()->documentTitle(), "Ajuda do Sonarel");
  help.showContents("xx");  // a language without pages: the English ones
  EXPECT_EQ(help.browser()->documentTitle(), "Sonarel Help");
  help.browser()->setSource(QUrl("displays.html"));
  EXPECT_FALSE(help.browser()->toPlainText().isEmpty());
}

// Every language has every page, and each describes the spectra, the spectrograms and the
// vowel space.
TEST(HelpWindow, EveryLanguageHasEveryPage) {
  const char* pages[] = {"index", "displays", "selection", "settings", "files", "recording"};
  const QStringList displaysHeadings[] = {
      {"Power Spectrum", "LPC Spectrum", "Spectrograms", "Vowel Space"},
      {"Espectro de potencia", "Espectro LPC", "Espectrogramas", "Espacio vocálico"},
      {"파워 스펙트럼", "LPC 스펙트럼", "스펙트로그램", "모음 공간"},
      {"Espectro de potência", "Espectro LPC", "Espectrogramas", "Espaço vocálico"}};
  const char* languages[] = {"en", "es", "ko", "pt"};
  for (int l = 0; l < 4; ++l) {
    for (const char* page : pages) {
      QFile file(QString(":/help/%1/%2.html").arg(languages[l], page));
      EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << languages[l] << "/" << page;
    }
    QFile displays(QString(":/help/%1/displays.html").arg(languages[l]));
    ASSERT_TRUE(displays.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(displays.readAll());
    for (const QString& heading : displaysHeadings[l]) {
      EXPECT_TRUE(text.contains("<h2>" + heading + "</h2>"))
          << languages[l] << ": " << heading.toStdString();
    }
  }
}

}  // namespace
}  // namespace sonarel::app
