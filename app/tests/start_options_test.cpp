// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up decides before Qt opens a display.

#include <gtest/gtest.h>

#include <cstring>

#include "app/mfc_app.h"

namespace sonarel::app {
namespace {

const char* noVariables(const char*) {
  return nullptr;
}

const char* emptyDisplay(const char* name) {
  return std::strcmp(name, "DISPLAY") == 0 ? "" : nullptr;
}

const char* waylandOnly(const char* name) {
  return std::strcmp(name, "WAYLAND_DISPLAY") == 0 ? "wayland-0" : nullptr;
}

const char* offscreenPlatform(const char* name) {
  return std::strcmp(name, "QT_QPA_PLATFORM") == 0 ? "offscreen" : nullptr;
}

TEST(StartOptions, ADisplayIsNamedByTheEnvironmentOrThePlatformOption) {
  const QStringList plain{"sonarel", "a.wav"};
  EXPECT_FALSE(displayIsNamed(plain, noVariables));
  EXPECT_FALSE(displayIsNamed(plain, emptyDisplay));  // set but empty names nothing
  EXPECT_TRUE(displayIsNamed(plain, waylandOnly));
  EXPECT_TRUE(displayIsNamed(plain, offscreenPlatform));
  EXPECT_TRUE(displayIsNamed({"sonarel", "-platform", "offscreen"}, noVariables));
  EXPECT_TRUE(displayIsNamed({"sonarel", "--platform", "offscreen"}, noVariables));
}

TEST(StartOptions, HelpAndVersionAreRecognisedBeforeTheEndOfOptions) {
  EXPECT_TRUE(asksForHelpOrVersion({"sonarel", "--help"}));
  EXPECT_TRUE(asksForHelpOrVersion({"sonarel", "--data", "/d", "-v"}));
  EXPECT_FALSE(asksForHelpOrVersion({"sonarel", "--", "--help"}));  // a file named --help
  EXPECT_FALSE(asksForHelpOrVersion({"--help"}));                   // the program's own name
  EXPECT_FALSE(asksForHelpOrVersion({"sonarel", "a.wav"}));
}

}  // namespace
}  // namespace sonarel::app
