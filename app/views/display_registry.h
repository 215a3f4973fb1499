// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display modes, one entry each: the code, the menu command that shows it with its texts,
// the file kinds whose menus carry it, what it needs computed, its drawing routine, its
// pointer read-out, its tool-bar picture and whether it prints. The dispatch, the view's
// computations, the read-out, the menus, the tool bar, the shortcuts and the screenshots all
// read this table, so a new mode is one entry here and one drawing routine.

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "app/commands/command_table.h"
#include "app/session/display_data.h"
#include "app/session/mode_needs.h"

class QPainter;

namespace sonarel::app {

using DrawRoutine = void (*)(QPainter& painter, const QRect& graph, const DisplayData& data);
// The text beside the pointer at `point`, or empty where there is none (outside the graph).
using ReadoutRoutine = QString (*)(const QRect& graph, const DisplayData& data, QPoint point);

enum class LiveDrawing {
  Uncover,      // the finished picture of the mode after the end, uncovered up to the column
  UncoverEven,  // the same, moving on even columns only
  Frame,        // the column's own picture (a spectrum, a vowel point)
};

struct DisplayModeEntry {
  int code = mode::None;
  int command = 0;                 // the menu command that shows it
  const char* menuText = "";       // English, translated in context "Command"
  const char* tip = "";            // status-bar and tool-tip text
  const char* shortcut = "";       // QKeySequence text, or ""
  MenuSet kinds = MenuSet::Voice;  // the menus (file kinds) that carry it
  ModeNeeds needs;
  DrawRoutine draw = nullptr;
  ReadoutRoutine readout = nullptr;        // null: no read-out
  void (*paintIcon)(QPainter&) = nullptr;  // null: not on the tool bar
  const char* screenshot = nullptr;        // name of its picture in --screenshots, or null
  bool prints = true;
  bool separatorBefore = false;  // in the menu
  TopMenu menu = TopMenu::Analysis;
  // Where the read-out box goes (its own placement), or null: beside the pointer.
  QRect (*readoutBox)(const QRect& graph, QPoint point) = nullptr;
  bool hidesStrip = false;  // the graph uses the waveform strip's place
  // A display drawn in step with the playback of the recording: the mode its end shows
  // (mode::None for the ordinary displays), and how its columns are drawn.
  int afterEnd = mode::None;
  LiveDrawing liveDrawing = LiveDrawing::Uncover;
  bool live() const { return afterEnd != mode::None; }
};

class DisplayRegistry {
 public:
  DisplayRegistry();
  // In menu order.
  const std::vector<DisplayModeEntry>& entries() const { return entries_; }
  const DisplayModeEntry* byCode(int code) const;
  const DisplayModeEntry* byCommand(int command) const;
  // Adds a mode (after the others in its menu); false when its code or command is taken.
  bool add(const DisplayModeEntry& entry);

 private:
  std::vector<DisplayModeEntry> entries_;
};

// The one registry of the program.
DisplayRegistry& displayRegistry();

// Whether a command of `kinds` belongs to the menus of `shown`.
inline bool inMenuSet(MenuSet kinds, MenuSet shown) {
  return kinds == MenuSet::Both || kinds == shown;
}

}  // namespace sonarel::app
