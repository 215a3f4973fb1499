// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window shown while the main window is built.

#include <QSplashScreen>

namespace sonarel::app {

class SplashWindow : public QSplashScreen {
 public:
  SplashWindow();
};

// The splash picture: the name and a stylised voice contour.
QPixmap splashPicture();

}  // namespace sonarel::app
