// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for the window tests: a QApplication on the offscreen platform, since
// test discovery runs the binary without the test's environment. The desktop's trash (and
// everything else under the XDG data home) is a temporary folder of the run's own, so that
// deleting in a test never fills the user's trash.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const QTemporaryDir dataHome(QDir::tempPath() + "/sonarel-xdg-XXXXXX");
  setenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit().constData(), 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
