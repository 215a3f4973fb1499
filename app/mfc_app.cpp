// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mfc_app.h"

#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/data_folder.h"
#include "app/demo_register.h"
#include "app/dialogs/backup/backup_dialog.h"
#include "app/frame/box_prompt.h"
#include "app/frame/main_frame.h"
#include "app/splash.h"
#include "app/translated_text.h"
#include "audio/qt_capture_device.h"
#include "audio/qt_playback_device.h"

namespace sonarel::app {

StartOptions parseStartOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Sonarel: acoustic assessment of the voice");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data("data", "Keep the data (clients, settings) in DIR.", "DIR");
  const QCommandLineOption noSplash("no-splash", "Start without the splash window.");
  const QCommandLineOption language("language", "Use en, es, ko or pt for this run.", "LANG");
  const QCommandLineOption screenshots("screenshots", "Render every display mode of FILE to DIR.",
                                       "DIR");
  const QCommandLineOption size("size", "Open a window of WxH pixels instead of maximised.", "WxH");
  const QCommandLineOption exitAfterStart(
      "exit-after-start", "Quit as soon as the window is painted (start-up timing).");
  const QCommandLineOption demo(
      "demo", "Create a demo register in DIR (if it holds none) and open it.", "DIR");
  const QCommandLineOption compare("compare", "Show FILE2 beside FILE, as a comparison.", "FILE2");
  parser.addOptions({data, noSplash, language, screenshots, size, exitAfterStart, demo, compare});
  parser.addPositionalArgument("FILE", "A sound file to open.");
  parser.process(arguments);

  StartOptions options;
  options.dataFolder = parser.value(data);
  options.splash = !parser.isSet(noSplash) && !parser.isSet(screenshots);
  if (parser.isSet(language)) {
    const QString code = parser.value(language);
    const QStringList codes{"en", "es", "ko", "pt"};
    const Language order[] = {Language::English, Language::Spanish, Language::Korean,
                              Language::Portuguese};
    if (!codes.contains(code))
      options.error = "--language takes en, es, ko or pt";
    else
      options.language = order[codes.indexOf(code)];
  }
  if (parser.isSet(size)) {
    const QStringList parts = parser.value(size).split('x');
    bool okW = false, okH = false;
    if (parts.size() == 2) options.windowSize = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
    if (!okW || !okH) options.error = "--size takes WIDTHxHEIGHT";
  }
  options.screenshotFolder = parser.value(screenshots);
  options.exitAfterStart = parser.isSet(exitAfterStart);
  options.demoFolder = parser.value(demo);
  if (!options.demoFolder.isEmpty() && !options.dataFolder.isEmpty()) {
    options.error = "--demo and --data both name the data folder";
  }
  if (!parser.positionalArguments().isEmpty()) options.file = parser.positionalArguments().first();
  options.compareFile = parser.value(compare);
  if (!options.compareFile.isEmpty() && options.file.isEmpty()) {
    options.error = "--compare needs a FILE";
  }
  if (!options.screenshotFolder.isEmpty() && options.file.isEmpty() &&
      options.demoFolder.isEmpty()) {
    options.error = "--screenshots needs a FILE or --demo";
  }
  return options;
}

bool asksForHelpOrVersion(const QStringList& arguments) {
  static const QStringList kOptions{"-h", "-?", "--help", "--help-all", "-v", "--version"};
  for (const QString& argument : arguments.mid(1)) {
    if (argument == "--") break;
    if (kOptions.contains(argument)) return true;
  }
  return false;
}

bool displayIsNamed(const QStringList& arguments, const char* (*environment)(const char*)) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = environment(variable);
    if (value && *value) return true;
  }
  // Qt reads its own options with one dash or two.
  return arguments.contains("-platform") || arguments.contains("--platform");
}

bool screenIsUsable(QSize size, int depth) {
  return size.width() >= 800 && size.height() >= 600 && depth >= 8;
}

CMfcApp::CMfcApp(QApplication& application) : application_(application) {}

CMfcApp::~CMfcApp() = default;

bool CMfcApp::startUp(const StartOptions& options) {
  const QString named = options.demoFolder.isEmpty() ? options.dataFolder : options.demoFolder;
  const std::string folder = chooseDataFolder(dataFolderSourcesFromEnvironment(
      named.isEmpty() ? std::nullopt : std::optional(named.toStdString())));
  if (!ensureFolder(folder)) {
    QMessageBox::critical(
        nullptr, "Sonarel",
        messageText(core::Message{core::MessageId::DataFolderCannotBeCreated, {folder}}));
    return false;
  }
  sweepStaleTemporaries(folder);
  if (!options.demoFolder.isEmpty()) {
    if (auto failed = createDemoRegister(folder)) {
      QMessageBox::critical(nullptr, "Sonarel", messageText(*failed));
      return false;
    }
  }
  const ConfigFiles config(folder);
  const Language language = options.language.value_or(
      config.language().value_or(languageForLocale(QLocale::system().name().toStdString())));
  if (!languages_.apply(language)) languages_.apply(Language::English);

  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || !screenIsUsable(screen->size(), screen->depth())) {
    QMessageBox::warning(nullptr, QObject::tr("Warning"),
                         messageText(core::Message{core::MessageId::ScreenTooSmall}));
    return false;
  }

  std::unique_ptr<SplashWindow> splash;
  if (options.splash) splash = std::make_unique<SplashWindow>();

  {  // before the frame, which creates a register when it finds none
    BoxPrompt prompt(nullptr, QMessageBox::Question);
    offerToFinishInterruptedWork(folder, prompt);
  }
  playback_ = std::make_unique<audio::QtPlaybackDevice>();
  frame_ = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(folder), nullptr, {}},
                                        languages_, playback_.get());
  capture_ = std::make_unique<audio::QtCaptureDevice>();
  frame_->setCaptureDevice(capture_.get());
  if (options.windowSize.isValid()) {
    frame_->resize(options.windowSize);
    frame_->show();
  } else {
    // Without a window manager nothing maximises the window, so it is sized to the screen.
    frame_->setGeometry(screen->availableGeometry());
    frame_->showMaximized();
  }
  if (splash) splash->finish(frame_.get());
  if (!options.screenshotFolder.isEmpty() && QDir().mkpath(options.screenshotFolder)) {
    // The first screen, before anything is opened.
    QApplication::processEvents();
    frame_->grab().save(options.screenshotFolder + "/start-window.png");
  }
  if (!options.file.isEmpty()) {
    if (frame_->openFile(options.file) && !options.compareFile.isEmpty()) {
      frame_->compareWith(options.compareFile);
    }
  } else if (!options.demoFolder.isEmpty()) {
    frame_->openFirstClientFile();
  }
  return true;
}

int CMfcApp::run() {
  const StartOptions options = parseStartOptions(application_.arguments());
  if (!options.error.isEmpty()) {
    fprintf(stderr, "sonarel: %s\n", qPrintable(options.error));
    return 2;
  }
  if (!startUp(options)) return 1;
  if (!options.screenshotFolder.isEmpty()) return renderScreenshots(options.screenshotFolder);
  if (options.exitAfterStart) QTimer::singleShot(0, &application_, &QApplication::quit);
  return application_.exec();
}

}  // namespace sonarel::app
