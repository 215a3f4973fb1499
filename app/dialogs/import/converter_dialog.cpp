// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/import/converter_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sonarel::app {

CConverter::CConverter(const ConversionQuestion& question, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Convert File"));
  auto* warning = new QLabel(tr("Warning: The sound file to be imported had an audio format "
                                "different from the needed!  Do you want to convert it?"),
                             this);
  warning->setWordWrap(true);

  auto* source = new QGroupBox(tr("Source"), this);
  auto* sourceForm = new QFormLayout(source);
  sourceForm->addRow(tr("File:"), new QLabel(question.sourceName, source));
  sourceForm->addRow(tr("Sample rate:"), new QLabel(tr("%1 Hz").arg(question.sourceRate), source));
  sourceForm->addRow(tr("Channels:"),
                     new QLabel(question.channels > 1 ? tr("Stereo") : tr("Mono"), source));

  auto* target = new QGroupBox(tr("Target"), this);
  auto* targetForm = new QFormLayout(target);
  targetForm->addRow(tr("File:"), new QLabel(question.targetName, target));
  rate_ = new QComboBox(target);
  rate_->setObjectName("rate");
  const std::vector<int> rates = question.kind == core::FileKind::VocalQuality
                                     ? std::vector<int>{44100}
                                     : std::vector<int>{11025, 22050};
  for (const int rate : rates) rate_->addItem(tr("%1 Hz").arg(rate), rate);
  rate_->setCurrentIndex(std::max(0, rate_->findData(question.presetRate)));
  targetForm->addRow(tr("Sample rate:"), rate_);

  auto* channels = new QGroupBox(tr("Stereo to Mono"), this);
  left_ = new QRadioButton(tr("Left channel"), channels);
  right_ = new QRadioButton(tr("Right channel"), channels);
  mix_ = new QRadioButton(tr("Mix Channel"), channels);
  left_->setObjectName("left");
  right_->setObjectName("right");
  mix_->setObjectName("mix");
  mix_->setChecked(true);
  auto* channelLayout = new QVBoxLayout(channels);
  for (QRadioButton* button : {left_, right_, mix_}) channelLayout->addWidget(button);
  channels->setEnabled(question.channels > 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* convert = buttons->addButton(tr("Convert"), QDialogButtonBox::AcceptRole);
  convert->setObjectName("convert");
  convert->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(warning);
  layout->addWidget(source);
  layout->addWidget(target);
  layout->addWidget(channels);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}

int CConverter::targetRate() const {
  return rate_->currentData().toInt();
}

spectral::ChannelChoice CConverter::channel() const {
  if (left_->isChecked()) return spectral::ChannelChoice::Left;
  if (right_->isChecked()) return spectral::ChannelChoice::Right;
  return spectral::ChannelChoice::Mix;
}

QRadioButton* CConverter::channelButton(spectral::ChannelChoice choice) {
  switch (choice) {
    case spectral::ChannelChoice::Left:
      return left_;
    case spectral::ChannelChoice::Right:
      return right_;
    case spectral::ChannelChoice::Mix:
      break;
  }
  return mix_;
}

}  // namespace sonarel::app
