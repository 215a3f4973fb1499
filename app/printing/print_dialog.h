// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Print": which screens to print, whether with page numbers and the sound file in grey.
// The boxes list the pages of the open file's kind that this build can draw, in print order
// (the vocal-quality variant lists the vocal-quality pages), and start as they were left at
// the previous print. OK with nothing ticked says "You must select at least one screen!" and
// stays open.

#include <QCheckBox>
#include <map>

#include "app/dialogs/message_dialog.h"
#include "app/session/report_plan.h"

namespace sonarel::app {

class CImprimir : public MessageDialog {
  Q_OBJECT
 public:
  CImprimir(core::FileKind kind, const PrintChoices& choices, QWidget* parent = nullptr);

  // The boxes as they are now.
  PrintChoices choices() const;
  // The ticked pages in print order.
  std::vector<int> pages() const;
  // The box of `page`, or null when the dialog does not offer it.
  QCheckBox* pageBox(int page) const;
  QCheckBox* pageNumbersBox() const { return pageNumbers_; }
  QCheckBox* grayScaleBox() const { return grayScale_; }

  void accept() override;

 private:
  core::FileKind kind_;
  std::map<int, QCheckBox*> boxes_;
  QCheckBox* pageNumbers_;
  QCheckBox* grayScale_;
};

// The vocal-quality variant.
class CImprimirQV : public CImprimir {
  Q_OBJECT
 public:
  explicit CImprimirQV(const PrintChoices& choices, QWidget* parent = nullptr)
      : CImprimir(core::FileKind::VocalQuality, choices, parent) {}
};

}  // namespace sonarel::app
