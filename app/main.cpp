// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/mfc_app.h"
#include "core/message.h"

namespace {

const char* environmentValue(const char* name) {
  return std::getenv(name);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication::setApplicationName("Sonarel");
  QApplication::setApplicationVersion("0.1.0");
  QApplication::setOrganizationName("Sonarel");
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  // The help and version texts need no display: the parser prints them and exits.
  if (sonarel::app::asksForHelpOrVersion(arguments)) {
    const QCoreApplication textOnly(argc, argv);
    sonarel::app::parseStartOptions(QCoreApplication::arguments());
  }
  // Without a display Qt would abort with advice that does not apply here.
  if (!sonarel::app::displayIsNamed(arguments, environmentValue)) {
    const sonarel::core::Message needsDisplay{sonarel::core::MessageId::NeedsDisplay};
    std::fprintf(stderr, "%s\n", needsDisplay.text().c_str());
    return 1;
  }
  QApplication application(argc, argv);
  sonarel::app::CMfcApp app(application);
  return app.run();
}
