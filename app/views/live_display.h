// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The displays drawn in step with the sound ("Real-Time"). LiveCanvas keeps the pictures every
// column reuses, so that drawing a column is a few copies; LivePlayer plays the recording's
// 680 blocks and moves the column on as the output reports what it has played.

#include <QImage>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "app/drawing/graph_geometry.h"
#include "app/session/display_data.h"
#include "app/session/live_playback.h"
#include "app/views/display_registry.h"
#include "audio/playback_device.h"
#include "core/message.h"

namespace sonarel::app {

class CMfcDoc;

class LiveCanvas {
 public:
  // Draws what the columns share: the display before its first column, the finished picture
  // (building the spectrogram pictures whole), the waveform strip. `data` must outlive it.
  LiveCanvas(const DisplayModeEntry& entry, const GraphGeometry& geometry, QSize size,
             const DisplayData& data);

  // The whole view at `column` (-1: before the first), with the cursor in the strip.
  void paint(QPainter& painter, int column) const;
  // The column whose analysis is shown when the sound is at `column` (some displays move on
  // even columns only).
  int shownColumn(int column) const;
  // The part of the view that reaching `column` from `previous` changes.
  QRect changedArea(int previous, int column) const;
  const DisplayModeEntry& entry() const { return entry_; }

 private:
  const DisplayModeEntry& entry_;
  GraphGeometry geometry_;
  DisplayData data_;
  QImage before_;  // white, the display before its first column, the strip
  QImage whole_;   // the finished picture (uncovered displays only)
};

class LivePlayer : public QObject {
  Q_OBJECT
 public:
  LivePlayer(CMfcDoc& document, audio::PlaybackDevice* device, QObject* parent = nullptr);
  // Stops the sound without ending the display.
  ~LivePlayer() override;

  // Prepares live display `entry` of the open recording (whose needs the view state has
  // computed): the spectra, the pictures. Then start() plays it.
  void prepare(const DisplayModeEntry& entry, const GraphGeometry& geometry, QSize viewSize);
  // Plays the blocks from column 0; the message when the output cannot be opened (nothing
  // then stays prepared).
  std::optional<core::Message> start();
  // A stop request: the output is reset, and ended() follows at once.
  void stop();
  // The window closes: the sound stops and everything is freed; nothing else is drawn.
  void abandon();

  bool playing() const { return playing_; }
  // The column the display shows (0 to 679), -1 when nothing plays.
  int column() const { return playing_ ? column_ : -1; }
  const LiveCanvas* canvas() const { return canvas_.get(); }
  const LiveBlocks& blocks() const { return blocks_; }

 signals:
  // The sound reached `column`; `drawn` when the analysis was drawn there (not only the cursor).
  void columnReached(int column, bool drawn);
  // The output closed: `afterEnd` the mode to show now; `stopped` when a stop request ended
  // it; `lost` when the output went away mid-play.
  void ended(int afterEnd, bool stopped, bool lost);

 private:
  void onProgress();
  void onFinished();
  void release();

  CMfcDoc& document_;
  QPointer<audio::PlaybackDevice> device_;
  LiveBlocks blocks_;
  LiveSpectra spectra_;
  DisplayData data_;
  std::unique_ptr<LiveCanvas> canvas_;
  int column_ = 0;
  int finished_ = 0;  // blocks heard so far
  bool playing_ = false;
  bool stopRequested_ = false;
  bool lost_ = false;
};

}  // namespace sonarel::app
