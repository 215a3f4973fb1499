// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/clients/sound_file_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/translated_text.h"

namespace sonarel::app {

SoundFileDialog::SoundFileDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Sound File"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* voice = buttons->addButton(tr("Voice Analysis"), QDialogButtonBox::AcceptRole);
  QPushButton* quality = buttons->addButton(tr("Vocal Quality"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  voice->setObjectName("voiceAnalysis");
  quality->setObjectName("vocalQuality");
  connect(voice, &QPushButton::clicked, this, [this] {
    chosen_ = records::RecordingType::VoiceAnalysis;
    accept();
  });
  connect(quality, &QPushButton::clicked, this, [this] {
    chosen_ = records::RecordingType::VocalQuality;
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Which kind of file do you want to record?"), this));
  layout->addWidget(buttons);
}

NoticeDialog::NoticeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Notice"));
  auto* text = new QLabel(messageText(core::Message{core::MessageId::VocalQualityNotice}), this);
  text->setWordWrap(true);
  stop_ = new QCheckBox(tr("don´t show this message again"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(stop_);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

}  // namespace sonarel::app
