// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Remove Sound File": the follow-up series' recordings, one row each in slot order, under
// the heading "File". OK with a row chosen names its slot; OK without one says "Select a
// File!" and stays open; Cancel changes nothing.

#include <QTreeWidget>
#include <optional>

#include "app/dialogs/message_dialog.h"
#include "app/session/follow_up.h"

namespace sonarel::app {

class CRemoverFollowUp : public MessageDialog {
  Q_OBJECT
 public:
  CRemoverFollowUp(const FollowUpSeries& series, int language, QWidget* parent = nullptr);

  // The slot chosen with OK.
  std::optional<int> chosenSlot() const { return chosen_; }

  // For tests.
  QTreeWidget* list() { return list_; }
  void confirm();

 private:
  QTreeWidget* list_;
  std::optional<int> chosen_;
};

}  // namespace sonarel::app
