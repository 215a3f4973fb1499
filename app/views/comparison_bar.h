// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The comparison bar: shown under the main view while a comparison is open, with the name of
// the compared file over a second view that shows the comparison's recording.

#include <QLabel>
#include <QWidget>

#include "app/frame/mfc_doc.h"
#include "app/views/mfc_view.h"

namespace sonarel::app {

class ComparisonBar : public QWidget {
  Q_OBJECT
 public:
  ComparisonBar(CMfcDoc& document, QWidget* parent = nullptr);

  CMfcView* view() const { return view_; }
  // The compared file's name, as the bar's title shows it.
  void setTitle(const QString& fileName);
  QString title() const { return title_->text(); }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QLabel* title_;
  CMfcView* view_;
  QString fileName_;
};

}  // namespace sonarel::app
