// SPDX-License-Identifier: GPL-3.0-or-later
// sonarel-report: writes a recording's report as a PDF file, without a window.

#include <QGuiApplication>
#include <QTextStream>

#include "app/printing/report_command.h"

int main(int argc, char** argv) {
  // The pages are drawn off screen; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return sonarel::app::runReportCommand(application.arguments().mid(1), out, err);
}
