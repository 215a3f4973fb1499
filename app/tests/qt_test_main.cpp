// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for the window tests: a QApplication on the offscreen platform, since
// test discovery runs the binary without the test's environment.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
