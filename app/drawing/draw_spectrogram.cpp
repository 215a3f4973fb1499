// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <any>
#include <cmath>

#include "app/drawing/device_columns.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/fitted_text.h"
#include "app/drawing/spectral_drawing.h"

namespace sonarel::app {
namespace {

constexpr int kPanelHeight = 175;
constexpr int kLegendRows = 99;
// Panels lower than this have their frequency labels and band name set smaller.
constexpr int kLowPanel = 100;

QFont smallerFont(QFont font) {
  font.setPixelSize(9);
  return font;
}

QString displayText(const char* text) {
  return QCoreApplication::translate("Display", text);
}

QString bandName(spectral::SpectrogramBand band) {
  switch (band) {
    case spectral::SpectrogramBand::Wide:
      return displayText(QT_TRANSLATE_NOOP("Display", "Wide Band"));
    case spectral::SpectrogramBand::Middle:
      return displayText(QT_TRANSLATE_NOOP("Display", "Middle Band"));
    case spectral::SpectrogramBand::Narrow:
      break;
  }
  return displayText(QT_TRANSLATE_NOOP("Display", "Narrow Band"));
}

void drawUpwards(QPainter& painter, int x, int centreY, const QString& text, const QColor& colour) {
  painter.save();
  painter.translate(x, centreY);
  painter.rotate(-90);
  painter.setPen(colour);
  const int width = painter.fontMetrics().horizontalAdvance(text);
  painter.drawText(-width / 2, 0, text);
  painter.restore();
}

spectral::SpectrogramBand bandOf(const DisplayData& data) {
  return data.spectral.spectrogram.band;
}

// The picture smoothed to the device's pixels and kept in the cache while its colours and
// the size stay: a large window repaints it as a plain copy. The copy is made at the second
// paint of the same colours, so that a picture drawn once (the first paint, each step of a
// growing picture) costs no more than drawing it scaled.
struct DeviceCopy {
  std::uint64_t coloursVersion = 0;
  QSize size;
  QImage image;  // null until the colours are painted a second time
};

bool drawScaledCopy(QPainter& painter, const QRect& target, const QImage& image,
                    SpectrogramPictureCache& cache) {
  const DeviceColumns space = deviceColumns(painter, target);
  if (!space.device || space.toDevice.m11() <= 1 ||
      !painter.testRenderHint(QPainter::SmoothPixmapTransform)) {
    return false;
  }
  const QRect device = space.rect.toAlignedRect();
  auto* copy = std::any_cast<DeviceCopy>(&cache.deviceCopy());
  if (!copy || copy->coloursVersion != cache.coloursVersion() || copy->size != device.size()) {
    cache.deviceCopy() = DeviceCopy{cache.coloursVersion(), device.size(), QImage()};
    return false;
  }
  if (copy->image.isNull()) {
    copy->image = image.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  painter.save();
  painter.resetTransform();  // the clip stays where it was set
  painter.drawImage(device.topLeft(), copy->image);
  painter.restore();
  return true;
}

}  // namespace

void drawSpectrogramPicture(QPainter& painter, const QRect& panel, const DisplayData& data,
                            spectral::SpectrogramBand band, SpectrogramPictureCache* cache,
                            const QColor& bandColour) {
  if (cache) {
    // A panel taller than the transform has bins gets a picture of the rows it can fill,
    // stretched: rows without a bin of their own would be drawn as background lines.
    const int rows =
        spectral::SpectrogramFilledRows(data.sampleRate, panel.height(), data.spectral.printing);
    const spectral::SpectrogramRequest request{data.samples,
                                               data.range.first,
                                               data.range.last,
                                               data.sampleRate,
                                               band,
                                               rows,
                                               spectral::kSpectrogramColumns,
                                               data.spectral.printing};
    const spectral::SpectrogramPicture& picture =
        cache->picture(request, data.spectral.revision, !data.spectral.progressive);
    const std::vector<std::uint32_t>& colours = cache->colours(data.spectral.spectrogram);
    if (!colours.empty()) {
      // Drawn straight from the cache's pixels, which outlive the paint: no copy per repaint.
      const QImage image(reinterpret_cast<const uchar*>(colours.data()), picture.columns,
                         picture.rows, static_cast<qsizetype>(picture.columns) * 4,
                         QImage::Format_RGB32);
      const QRect target(panel.left() + 1, panel.top(), image.width(), panel.height());
      if (!drawScaledCopy(painter, target, image, *cache)) {
        if (image.height() == target.height()) {
          painter.drawImage(target.topLeft(), image);
        } else {
          painter.drawImage(target, image);
        }
      }
    }
  }
  painter.setPen(QPen(QColor(120, 120, 120), 1));
  painter.drawRect(panel.adjusted(0, -1, 1, 0));

  // A low panel (a comparison pane) labels three rows in a smaller font, inside its own
  // height, so that the labels, the time labels under them and the band name stay apart.
  const bool low = panel.height() < kLowPanel;
  const QFont labels = painter.font();
  if (low) painter.setFont(smallerFont(labels));
  const int divisions = low ? 2 : panel.height() < 300 ? 4 : 8;
  const double top = spectral::SpectrogramTopFrequency(data.sampleRate);
  const int bottom = panel.top() + panel.height();
  painter.setPen(Qt::black);
  for (int i = 0; i <= divisions; ++i) {
    const int y = bottom - i * panel.height() / divisions;
    QRect box(panel.left() - 62, y - 7, 58, 14);
    if (low && i == 0) box.moveBottom(bottom);
    if (low && i == divisions) box.moveTop(panel.top() - 1);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                     QString::asprintf("%.3d Hz", static_cast<int>(i * top / divisions)));
  }
  painter.setFont(labels);
  const double start = data.rangeStartSeconds();
  const double duration = data.rangeSeconds();
  for (int i = 0; i <= 6; ++i) {
    const int x = panel.left() + (680 / 6) * i - 6;
    painter.drawText(QRect(x - 30, bottom + 1, 72, 13), Qt::AlignHCenter | Qt::AlignTop,
                     QString::asprintf("%.2f s", start + i * duration / 6));
  }
  // Turned upwards, the name lies left of its anchor by the font's ascent: kept on screen.
  if (low) painter.setFont(smallerFont(labels));
  const QString name = low ? fitText(painter, bandName(band), panel.height() + 4) : bandName(band);
  drawUpwards(painter, std::max(painter.fontMetrics().ascent() + 1, panel.left() - 66),
              panel.center().y(), name, bandColour);
  painter.setFont(labels);
}

namespace {

QFont labelFont(const QPainter& painter) {
  QFont font = painter.font();
  font.setFamily("Arial");
  font.setPixelSize(11);
  return font;
}

// A small upward triangle whose tip marks the contrast on the scale under the picture.
void drawMarker(QPainter& painter, const QRect& marker, bool vertical) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(230, 200, 40));
  QPolygon shape;
  if (vertical) {
    shape << QPoint(marker.left(), marker.center().y()) << marker.topRight()
          << marker.bottomRight();
  } else {
    shape << QPoint(marker.center().x(), marker.top()) << marker.bottomLeft()
          << marker.bottomRight();
  }
  painter.drawPolygon(shape);
  painter.restore();
}

// The colour legend: its left edge closer to the pictures on a low graph, whose view has less
// room on the right, so that the legend, its marker and the title stay on screen. `top` is
// the row of the legend's first entry; `rows` the rows it spans, one a palette entry where
// the graph has room for all of them (the contrast's marker then moves a row per dB).
struct LegendPlace {
  int left = 0;
  int top = 0;
  int rows = kLegendRows;
  bool pressed = false;  // into a low graph
  // Where contrast `c` (1..99) lies on the legend, and back.
  int rowOf(int c) const {
    return top - 1 + static_cast<int>(std::lround((c - 4) * double(rows) / kLegendRows));
  }
  int contrastAt(int y) const {
    return static_cast<int>(std::lround((y - (top - 1)) * double(kLegendRows) / rows)) + 4;
  }
};

LegendPlace legendPlace(const QRect& graph) {
  LegendPlace place;
  place.left = graph.left() + (graph.height() < kLeastGraphHeight ? 700 : 711);
  place.top = graph.top() + 39;
  // Below that, the legend and its value would run past the lower picture into its time
  // labels: a comparison pane presses the legend into the pictures' height.
  constexpr int kLegendGraph = 39 + kLegendRows + 17;
  if (graph.height() < kLegendGraph) {
    place.pressed = true;
    place.top = graph.top() - 10;
    place.rows = std::min(kLegendRows, graph.height() - 7);
  }
  return place;
}

}  // namespace

AmplitudePanels amplitudePanels(const QRect& graph) {
  // 175 rows each where the graph allows it, with room for the upper one's time labels.
  const int height = std::min(kPanelHeight, (graph.height() + 12 - 17) / 2);
  const QRect wide(graph.left(), graph.top() - 12, kGraphWidth, height);
  const QRect narrow(graph.left(), wide.top() + height + 17, kGraphWidth, height);
  return {wide, narrow};
}

void drawSpectrogram(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setFont(labelFont(painter));
  SpectrogramCaches* caches = data.spectral.caches;
  if (caches) caches->showSingle();
  drawSpectrogramPicture(painter, graph, data, bandOf(data), caches ? &caches->single : nullptr);
  drawUpwards(painter, graph.left() + 725, graph.center().y(),
              displayText(QT_TRANSLATE_NOOP("Display", "Spectrogram")), kBandNameColour);
  if (auto marker = contrastMarker(mode::Spectrogram, graph, data.spectral.spectrogram.contrast))
    drawMarker(painter, *marker, false);
  painter.restore();
}

void drawSpectrogramAmplitude(QPainter& painter, const QRect& graph, const DisplayData& data) {
  painter.save();
  painter.setFont(labelFont(painter));
  const AmplitudePanels panels = amplitudePanels(graph);
  SpectrogramCaches* caches = data.spectral.caches;
  if (caches) caches->showPair();
  drawSpectrogramPicture(painter, panels.wide, data, spectral::SpectrogramBand::Wide,
                         caches ? &caches->wide : nullptr);
  drawSpectrogramPicture(painter, panels.narrow, data, spectral::SpectrogramBand::Narrow,
                         caches ? &caches->narrow : nullptr);

  // The legend: the palette's first 99 entries, loudest at the top.
  const SpectrogramSettings& settings = data.spectral.spectrogram;
  const spectral::Palette palette =
      spectral::SpectrogramPalette(settings.contrast, settings.blackAndWhite);
  const LegendPlace place = legendPlace(graph);
  const int legend = place.left;
  for (int i = 0; i < place.rows; ++i) {
    const spectral::Rgb c = palette[static_cast<std::size_t>(i * kLegendRows / place.rows)];
    painter.fillRect(legend, place.top + i, 12, 1, QColor(c.r, c.g, c.b));
  }
  painter.setPen(QPen(QColor(120, 120, 120), 1));
  painter.drawRect(legend - 1, place.top - 1, 13, place.rows + 1);
  painter.drawLine(legend + 22, place.top - 1, legend + 22, place.top + place.rows + 1);
  if (auto marker = contrastMarker(mode::SpectrogramAmplitude, graph, settings.contrast)) {
    drawMarker(painter, *marker, true);
    // The value under the legend, where even the compact layout has room for it.
    painter.setPen(Qt::black);
    painter.drawText(QRect(legend - 6, place.top + place.rows + 4, 40, 14), Qt::AlignCenter,
                     QString::asprintf("%02d dB", settings.contrast));
  }
  // A pressed legend leaves no room for the name beside it; the band names say what is shown.
  if (!place.pressed) {
    drawUpwards(painter, legend + (graph.height() < kLeastGraphHeight ? 36 : 14),
                panels.narrow.center().y() + 20,
                displayText(QT_TRANSLATE_NOOP("Display", "Spectrogram")), kBandNameColour);
  }
  painter.restore();
}

std::optional<QRect> contrastMarker(int displayMode, const QRect& graph, int contrast) {
  if (displayMode == mode::Spectrogram) {
    const int x = graph.left() - 4 + 2 * contrast;
    return QRect(x - 4, graph.top() + graph.height() + 14, 9, 9);
  }
  if (displayMode == mode::SpectrogramAmplitude) {
    const LegendPlace place = legendPlace(graph);
    const int y = place.rowOf(contrast);
    return QRect(place.left + 19, y - 4, 9, 9);
  }
  return std::nullopt;
}

std::optional<int> contrastAt(int displayMode, const QRect& graph, QPoint point) {
  int contrast = 0;
  if (displayMode == mode::Spectrogram) {
    contrast = (point.x() - graph.left()) * 100 / 198 + 2;
  } else if (displayMode == mode::SpectrogramAmplitude) {
    contrast = legendPlace(graph).contrastAt(point.y());
  } else {
    return std::nullopt;
  }
  return std::clamp(contrast, spectral::kMinContrast, spectral::kMaxContrast);
}

std::optional<SpectrogramPoint> spectrogramPointAt(int displayMode, const QRect& graph,
                                                   QPoint point) {
  QRect picture;
  if (displayMode == mode::Spectrogram) {
    picture = graph;
  } else if (displayMode == mode::SpectrogramAmplitude) {
    const AmplitudePanels panels = amplitudePanels(graph);
    picture = panels.wide.contains(point) ? panels.wide : panels.narrow;
  } else {
    return std::nullopt;
  }
  if (!picture.contains(point)) return std::nullopt;
  const int fromBottom = picture.top() + picture.height() - point.y();
  return SpectrogramPoint{point.x() - picture.left(), fromBottom * 100.0 / picture.height()};
}

namespace {

QString spectrogramReadoutOf(int displayMode, const QRect& graph, const DisplayData& data,
                             QPoint point) {
  const auto at = spectrogramPointAt(displayMode, graph, point);
  if (!at) return {};
  const double seconds = data.rangeStartSeconds() + data.rangeSeconds() * at->column / 680.0;
  return QString::asprintf("%.2f Hz   %.2f s",
                           spectral::SpectrogramTopFrequency(data.sampleRate) * at->percent / 100,
                           seconds);
}

}  // namespace

QString spectrogramReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  return spectrogramReadoutOf(mode::Spectrogram, graph, data, point);
}

QString amplitudeSpectrogramReadout(const QRect& graph, const DisplayData& data, QPoint point) {
  return spectrogramReadoutOf(mode::SpectrogramAmplitude, graph, data, point);
}

}  // namespace sonarel::app
