// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An unsorted drop-down list whose text may also be typed, filled with numbers.

#include <QComboBox>
#include <QLineEdit>
#include <initializer_list>

namespace sonarel::app {

inline QComboBox* editableNumberList(std::initializer_list<int> values, int current,
                                     QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (int v : values) box->addItem(QString::number(v));
  box->setCurrentText(QString::number(current));
  return box;
}

}  // namespace sonarel::app
