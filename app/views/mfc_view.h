// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main view: paints the current display mode and the waveform strip through the shared
// drawing routines, turns the mouse into strip selections, shows the context menu and the
// cursor read-outs. All logic is in the document's ViewState. The same widget shows the
// comparison in the comparison bar; while a comparison is open both use the comparison
// layout and draw on common scales.

#include <QAction>
#include <QFrame>
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
  // With `comparison` set the view shows the document's comparison instead of its recording.
  explicit CMfcView(CMfcDoc& document, QWidget* parent = nullptr, bool comparison = false);

  // The layout in logical units (680 columns across the graph), and its scale on the widget.
  // While a comparison is open each of the two views has one pane of the comparison layout,
  // scaled the same way, both at the scale of the smaller pane.
  ScaledLayout layout() const;
  GraphGeometry geometry() const { return layout().geometry; }
  // What it paints: its view's data, scaled against the other view's while a comparison is
  // open.
  DisplayData shownData() const;
  QSize sizeHint() const override { return GraphGeometry::normal().extent(); }
  // The compact layout, or one pane of the comparison layout while a comparison is open.
  QSize minimumSizeHint() const override;
  // The single-frame spectrum window of the spectrogram displays.
  CEspectroEnergia* spectrumWindow() const { return spectrumWindow_; }
  // What a right click at logical `point` in a spectrogram does: fills and shows the window.
  void showFrameSpectrum(const QPoint& point);
  // The guidance shown in the graph's place while it is empty: what to do next, and buttons
  // for the actions that do it. An empty text hides it.
  void setGuide(const QString& text, const QList<QAction*>& actions);
  QFrame* guide() const { return guide_; }
  // Whether a command can be chosen now (the frame's rule); the context menu follows it.
  std::function<bool(int command)> commandAvailable;
  // The player of the displays drawn in step with the sound: while it plays, the view shows
  // its column.
  void setLivePlayer(LivePlayer* player);
  // Pairs the main view with the comparison's: while a comparison is open both draw at the
  // scale that fits the smaller of the two, so that their graphs line up.
  void pairWith(CMfcView* other);

 signals:
  // The user asked for a context command (play, zoom, cut, copy, paste) on the selection.
  void contextCommand(int command);
  // The marked stretch of the waveform strip changed under the mouse.
  void selectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The view state shown: the document's, or its comparison (null while there is none).
  ViewState* state();
  const ViewState* state() const;
  bool comparisonOpen() const;
  // The size both panes are laid out for while a comparison is open.
  QSize paneSize() const;
  int stripX(const QPoint& point) const { return point.x() - geometry().strip.left(); }
  // The logical point under a mouse event, and the widget area of a logical rectangle.
  QPoint logicalPoint(const QMouseEvent* event) const;
  void updateLogical(const QRect& logical) { update(layout().toWidget(logical)); }
  void showContextMenu(const QPoint& globalPosition);
  void updateReadout(const QPoint& point);
  bool startContrastDrag(const QPoint& point);
  void dragContrast(const QPoint& point);
  void growPictures();
  void placeGuide();

  CMfcDoc& document_;
  bool comparison_;
  QLabel* readout_;
  bool selecting_ = false;
  bool draggingContrast_ = false;
  CEspectroEnergia* spectrumWindow_;
  QFrame* guide_;
  QLabel* guideText_;
  QWidget* guideButtons_;
  QTimer growth_;  // the spectrogram pictures grow from the left, a few columns a step
  LivePlayer* live_ = nullptr;
  CMfcView* partner_ = nullptr;  // the other view of a comparison
  int liveColumn_ = -1;          // the column last asked to be painted
};

}  // namespace sonarel::app
