// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the command line, the data folder, the language, the screen check, the splash
// window and the main frame, in that order; then the event loop.

#include <QApplication>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "app/config_files.h"
#include "app/languages.h"

namespace sonarel::audio {
class CaptureDevice;
class PlaybackDevice;
}  // namespace sonarel::audio

namespace sonarel::app {

class CMainFrame;

struct StartOptions {
  QString dataFolder;                // --data DIR
  bool splash = true;                // --no-splash turns it off
  std::optional<Language> language;  // --language en|es|ko|pt, for this run only
  QString file;                      // a sound file to open
  QString screenshotFolder;          // --screenshots DIR: render every display mode and quit
  QString compareFile;               // --compare FILE2: shown beside FILE
  QSize windowSize;             // --size WxH: a normal window of that size instead of maximised
  bool exitAfterStart = false;  // --exit-after-start: quit once the window is painted
  QString demoFolder;           // --demo DIR: create a demo register there and open it
  QString error;                // a usage error, when set
};

StartOptions parseStartOptions(const QStringList& arguments);

// Whether the command line asks only for the help or the version text, which need no display.
bool asksForHelpOrVersion(const QStringList& arguments);

// Whether Qt has a display to open windows on: a display server named in the environment,
// or a platform chosen by QT_QPA_PLATFORM or -platform (offscreen among them). `environment`
// returns a variable's value, or nullptr when it is unset.
bool displayIsNamed(const QStringList& arguments, const char* (*environment)(const char*));

// Whether a screen of `size` and `depth` bits per pixel can show the layout.
bool screenIsUsable(QSize size, int depth);

class CMfcApp {
 public:
  explicit CMfcApp(QApplication& application);
  ~CMfcApp();
  // Runs the start-up sequence and the event loop; returns the exit status.
  int run();

 private:
  bool startUp(const StartOptions& options);
  int renderScreenshots(const QString& folder);

  QApplication& application_;
  Languages languages_;
  std::unique_ptr<audio::PlaybackDevice> playback_;
  std::unique_ptr<audio::CaptureDevice> capture_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace sonarel::app
