// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far apart two pictures of one size are, in levels of 255 per colour channel.

#include <QImage>
#include <QRgb>
#include <algorithm>
#include <cstdlib>

namespace sonarel::app {

// The largest difference of the three colour channels of two pixels.
inline int channelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

// channelDistance() at the pixel where the pictures differ most.
inline int largestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      largest = std::max(largest, channelDistance(a.pixel(x, y), b.pixel(x, y)));
  }
  return largest;
}

// The mean difference of the colour channels over the whole picture.
inline double meanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

}  // namespace sonarel::app
