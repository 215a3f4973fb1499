// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main view: paints the current display mode and the waveform strip through the shared
// drawing routines, turns the mouse into strip selections, shows the context menu and the
// cursor read-outs. All logic is in the document's ViewState.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/drawing/graph_geometry.h"
#include "app/frame/mfc_doc.h"

namespace sonarel::app {

class CEspectroEnergia;
class LivePlayer;

class CMfcView : public QWidget {
  Q_OBJECT
 public:
  explicit CMfcView(CMfcDoc& document, QWidget* parent = nullptr);

  GraphGeometry geometry() const { return GraphGeometry::forViewSize(size()); }
  QSize sizeHint() const override { return GraphGeometry::normal().extent(); }
  QSize minimumSizeHint() const override { return GraphGeometry::compactLayout().extent(); }
  // The single-frame spectrum window of the spectrogram displays.
  CEspectroEnergia* spectrumWindow() const { return spectrumWindow_; }
  // What a right click at `point` in a spectrogram does: fills and shows the window.
  void showFrameSpectrum(const QPoint& point);
  // Whether a command can be chosen now (the frame's rule); the context menu follows it.
  std::function<bool(int command)> commandAvailable;
  // The player of the displays drawn in step with the sound: while it plays, the view shows
  // its column.
  void setLivePlayer(LivePlayer* player);

 signals:
  // The user asked for a context command (play, zoom, cut, copy, paste) on the selection.
  void contextCommand(int command);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int stripX(const QPoint& point) const { return point.x() - geometry().strip.left(); }
  void showContextMenu(const QPoint& globalPosition);
  void updateReadout(const QPoint& point);
  bool startContrastDrag(const QPoint& point);
  void dragContrast(const QPoint& point);
  void growPictures();

  CMfcDoc& document_;
  QLabel* readout_;
  bool selecting_ = false;
  bool draggingContrast_ = false;
  CEspectroEnergia* spectrumWindow_;
  QTimer growth_;  // the spectrogram pictures grow from the left, a few columns a step
  LivePlayer* live_ = nullptr;
  int liveColumn_ = -1;  // the column last asked to be painted
};

}  // namespace sonarel::app
