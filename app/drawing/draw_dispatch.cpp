#include <QCoreApplication>

#include "app/drawing/contour_grid.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/spectral_drawing.h"
#include "app/drawing/vowel_chart.h"

namespace sonarel::app {

void drawDisplayMode(QPainter& painter, const GraphGeometry& geometry, const DisplayData& data,
                     int displayMode) {
  const QRect& graph = geometry.graph;
  const bool open = data.count() > 0;
  switch (open ? displayMode : mode::None) {
    case mode::AudioSignal:
      drawAudioSignal(painter, graph, data);
      break;
    case mode::F0:
      drawF0Contour(painter, graph, data);
      break;
    case mode::Intensity:
      drawIntensityContour(painter, graph, data);
      break;
    case mode::F0AndIntensity:
      drawF0AndIntensity(painter, graph, data);
      break;
    case mode::Histogram:
      drawHistogram(painter, graph, data);
      break;
    case mode::Statistics:
      drawStatisticsPanel(painter, graph, data);
      break;
    case mode::PowerSpectrum:
      drawPowerSpectrum(painter, graph, data);
      break;
    case mode::LpcSpectrum:
      drawLpcSpectrum(painter, graph, data);
      break;
    case mode::PowerAndLpc:
      drawPowerAndLpc(painter, graph, data);
      break;
    case mode::Spectrogram:
      drawSpectrogram(painter, graph, data);
      break;
    case mode::SpectrogramAmplitude:
      drawSpectrogramAmplitude(painter, graph, data);
      break;
    case mode::VowelSpace:
      drawVowelSpace(painter, graph, data);
      break;
    default:
      if (open) {
        painter.save();
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(
            graph, Qt::AlignCenter,
            QCoreApplication::translate(
                "Display", "Choose a display in the Analysis menu or on the tool bar."));
        painter.restore();
      }
      break;
  }
  if (open) drawWaveformStrip(painter, geometry.strip, data);
}

QString cursorReadout(int displayMode, const GraphGeometry& geometry, const DisplayData& data,
                      QPoint point) {
  const QRect& g = geometry.graph;
  if (displayMode == mode::Spectrogram || displayMode == mode::SpectrogramAmplitude) {
    const auto at = spectrogramPointAt(displayMode, g, point);
    if (!at || data.count() == 0 || data.sampleRate == 0) return {};
    const double seconds = data.rangeStartSeconds() + data.rangeSeconds() * at->column / 680.0;
    return QString::asprintf("%.2f Hz   %.2f s",
                             spectral::SpectrogramTopFrequency(data.sampleRate) * at->percent / 100,
                             seconds);
  }
  if (!g.contains(point) || data.count() == 0 || data.sampleRate == 0) return {};
  const double seconds = data.rangeStartSeconds() + data.rangeSeconds() * (point.x() - g.left()) /
                                                        static_cast<double>(g.width());
  const double fromBottom = (g.bottom() + 1 - point.y()) / static_cast<double>(g.height());
  switch (displayMode) {
    case mode::AudioSignal:
      return QString::asprintf("%.2f %%   %.2fs", (2 * fromBottom - 1) * 100, seconds);
    case mode::F0: {
      const auto& s = data.f0Display;
      return QString::asprintf("%.2f Hz   %.2fs",
                               s.minPitch + fromBottom * (s.maxPitch - s.minPitch), seconds);
    }
    case mode::Intensity: {
      const auto& s = data.intensityDisplay;
      return QString::asprintf("%.2f dB   %.2fs",
                               s.lowLimit + fromBottom * (s.highLimit - s.lowLimit), seconds);
    }
    case mode::F0AndIntensity: {
      const int half = (g.height() - 28) / 2;
      const double upper = (g.top() + half - point.y()) / static_cast<double>(half);
      const double lower = (g.bottom() + 1 - point.y()) / static_cast<double>(half);
      const auto& f = data.f0Display;
      const auto& i = data.intensityDisplay;
      return QString::asprintf("F0: %.2fHz  Int: %.2fdB %.2fs",
                               std::max(0.0, f.minPitch + upper * (f.maxPitch - f.minPitch)),
                               std::max(0.0, i.lowLimit + lower * (i.highLimit - i.lowLimit)),
                               seconds);
    }
    case mode::LpcSpectrum:
    case mode::PowerSpectrum:
    case mode::PowerAndLpc:
      return QString::asprintf("%.2f dB   %.2f kHz", spectrumYToLevel(g, point.y()),
                               (point.x() - g.left()) / 680.0 * data.sampleRate / 2000.0);
    case mode::VowelSpace: {
      const auto [f1, f2] = vowel_chart::formantsAt(g, point);
      return QString::asprintf("%.2f Hz   %.2f Hz", f1, f2);
    }
    default:
      return {};
  }
}

}  // namespace sonarel::app
