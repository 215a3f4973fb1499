// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A part of a picture that costs much to draw and seldom changes (the thousands of markers of
// a deviation diagram) kept as device pixels between paints. On an image or a window at a
// plain scale it is drawn once into a transparent layer and then copied while its content and
// the scale stay the same; a PDF or a printer gets the drawing itself.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <functional>
#include <vector>

namespace sonarel::app {

// Where a layer over `bounds` (logical units) falls on the painter's device, and the
// transform that draws the layer's content into its own image.
struct LayerPlacement {
  bool kept = false;  // false: draw straight through the painter
  QRect device;       // the device pixels the layer covers
  QTransform toLayer;
  QPainter::RenderHints hints;

  // Placements that draw the same pixels (the layer may sit elsewhere on the device).
  bool drawsLike(const LayerPlacement& other) const {
    return device.size() == other.device.size() && toLayer == other.toLayer && hints == other.hints;
  }
};

LayerPlacement placeLayer(const QPainter& painter, const QRectF& bounds);
// A transparent image of the placement's size with `draw` painted into it as the device
// would get it.
QImage renderLayer(const LayerPlacement& placement, const std::function<void(QPainter&)>& draw);
// Copies `layer` onto the painter's device pixels at the placement.
void copyLayer(QPainter& painter, const LayerPlacement& placement, const QImage& layer);

// Draws `content` with `draw(painter, content)`, through a layer kept per thread while the
// content compares equal and the placement draws alike. `bounds` must enclose the drawing.
template <class Content, class Draw>
void drawCachedLayer(QPainter& painter, const QRectF& bounds, const Content& content, Draw draw) {
  const LayerPlacement placement = placeLayer(painter, bounds);
  if (!placement.kept) {
    draw(painter, content);
    return;
  }
  struct Kept {
    LayerPlacement placement;
    Content content;
    QImage layer;
  };
  // Most recent first: the view's pane and the comparison's beside it. A layer of a large
  // window holds megabytes, so no more.
  constexpr std::size_t kKept = 2;
  thread_local std::vector<Kept> kept;
  const auto found = std::find_if(kept.begin(), kept.end(), [&](const Kept& k) {
    return k.placement.drawsLike(placement) && k.content == content;
  });
  if (found != kept.end()) {
    std::rotate(kept.begin(), found, found + 1);
  } else {
    QImage layer =
        renderLayer(placement, [&](QPainter& layerPainter) { draw(layerPainter, content); });
    kept.insert(kept.begin(), Kept{placement, content, std::move(layer)});
    if (kept.size() > kKept) kept.pop_back();
  }
  copyLayer(painter, placement, kept.front().layer);
}

}  // namespace sonarel::app
