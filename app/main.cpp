#include <QApplication>

#include "app/mfc_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Sonarel");
  QApplication::setApplicationVersion("0.1.0");
  QApplication::setOrganizationName("Sonarel");
  sonarel::app::CMfcApp app(application);
  return app.run();
}
