// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/settings/configure_spectrum_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace sonarel::app {
namespace {

QString text(const char* source) {
  return QCoreApplication::translate("SpectrumSettings", source);
}

QComboBox* choiceCombo(const QStringList& items, int current, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  combo->setCurrentIndex(std::max(0, current));
  return combo;
}

QComboBox* makeWindowCombo(spectral::SpectrumWindow window, QWidget* parent) {
  return choiceCombo({text(QT_TRANSLATE_NOOP("SpectrumSettings", "Rectangular")),
                      text(QT_TRANSLATE_NOOP("SpectrumSettings", "Hamming"))},
                     window == spectral::SpectrumWindow::Hamming ? 1 : 0, parent);
}

spectral::SpectrumWindow windowOf(const QComboBox* combo) {
  return combo->currentIndex() == 1 ? spectral::SpectrumWindow::Hamming
                                    : spectral::SpectrumWindow::Rectangular;
}

// The group with its two rows, then OK and Cancel.
void layOut(QDialog* dialog, const QString& group, const QString& firstLabel, QComboBox* first,
            QComboBox* window) {
  auto* box = new QGroupBox(group, dialog);
  auto* form = new QFormLayout(box);
  form->addRow(firstLabel, first);
  form->addRow(text(QT_TRANSLATE_NOOP("SpectrumSettings", "Window:")), window);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(box);
  layout->addWidget(buttons);
}

constexpr int kSizes[] = {256, 512, 1024};
constexpr int kOrders[] = {10, 14, 28};

int indexOf(const int (&values)[3], int value) {
  for (int i = 0; i < 3; ++i)
    if (values[i] == value) return i;
  return 1;
}

}  // namespace

ConfigurePowerSpectrumDialog::ConfigurePowerSpectrumDialog(
    const spectral::PowerSpectrumSettings& settings, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(text(QT_TRANSLATE_NOOP("SpectrumSettings", "Configure Power Spectrum")));
  size_ = choiceCombo({"256", "512", "1024"}, indexOf(kSizes, settings.fftSize), this);
  window_ = makeWindowCombo(settings.window, this);
  layOut(this, text(QT_TRANSLATE_NOOP("SpectrumSettings", "Power Spectrum")),
         text(QT_TRANSLATE_NOOP("SpectrumSettings", "FFT Size:")), size_, window_);
}

spectral::PowerSpectrumSettings ConfigurePowerSpectrumDialog::settings() const {
  return {kSizes[std::clamp(size_->currentIndex(), 0, 2)], windowOf(window_)};
}

ConfigureLpcDialog::ConfigureLpcDialog(const spectral::LpcSettings& settings, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(text(QT_TRANSLATE_NOOP("SpectrumSettings", "Configure LPC Spectrum")));
  order_ = choiceCombo({"10", "14", "28"}, indexOf(kOrders, settings.order), this);
  window_ = makeWindowCombo(settings.window, this);
  layOut(this, text(QT_TRANSLATE_NOOP("SpectrumSettings", "LPC")),
         text(QT_TRANSLATE_NOOP("SpectrumSettings", "LPC Order:")), order_, window_);
}

spectral::LpcSettings ConfigureLpcDialog::settings() const {
  return {kOrders[std::clamp(order_->currentIndex(), 0, 2)], windowOf(window_)};
}

}  // namespace sonarel::app
