// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/settings/configure_vowel_space_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "app/translated_text.h"

namespace sonarel::app {
namespace {

QString integerText(float hz) {
  return QString::number(static_cast<int>(hz));
}

}  // namespace

CConfVogal::CConfVogal(int clientType, int vowelSet, const spectral::VowelTargets& targets,
                       QWidget* parent)
    : MessageDialog(parent),
      storedSet_(std::clamp(vowelSet, 0, spectral::kVowelSets - 1)),
      stored_(targets),
      acceptedType_(clientType),
      acceptedSet_(vowelSet) {
  setWindowTitle(tr("Vowel Space"));
  type_ = new QComboBox(this);
  type_->addItems({tr("Man"), tr("Woman"), tr("Child")});
  type_->setCurrentIndex(clientType >= 0 && clientType <= 2 ? clientType : 0);
  language_ = new QComboBox(this);
  language_->addItems({tr("Portuguese"), tr("IPA"), tr("Spanish"), tr("Korean")});
  language_->setCurrentIndex(storedSet_);
  acceptedBlock_ = stored_.of(acceptedType_);

  auto* choices = new QFormLayout;
  choices->addRow(tr("Type:"), type_);
  choices->addRow(tr("Language:"), language_);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("F1 (Hz)"), this), 0, 1);
  grid->addWidget(new QLabel(tr("F2 (Hz)"), this), 0, 2);
  QFont symbolFont(QStringLiteral("DejaVu Sans"));
  symbolFont.setPixelSize(18);
  for (int i = 0; i < spectral::kVowelsPerSet; ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    row.symbol = new QLabel(this);
    row.symbol->setFont(symbolFont);
    row.symbol->setAlignment(Qt::AlignCenter);
    row.symbol->setMinimumWidth(28);
    row.f1 = new QLineEdit(this);
    row.f2 = new QLineEdit(this);
    grid->addWidget(row.symbol, i + 1, 0);
    grid->addWidget(row.f1, i + 1, 1);
    grid->addWidget(row.f2, i + 1, 2);
  }

  default_ = new QPushButton(tr("Default"), this);
  default_->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->addButton(default_, QDialogButtonBox::ResetRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(default_, &QPushButton::clicked, this, [this] {
    fill(spectral::DefaultVowelBlock(language_->currentIndex(), type_->currentIndex()));
  });
  connect(type_, &QComboBox::currentIndexChanged, this, &CConfVogal::reload);
  connect(language_, &QComboBox::currentIndexChanged, this, &CConfVogal::reload);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // shrinks and grows with the rows shown
  layout->addLayout(choices);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  reload();
}

// The stored targets while the stored set is shown, else the defaults of the shown set.
void CConfVogal::reload() {
  const int set = language_->currentIndex();
  const int type = type_->currentIndex();
  fill(set == storedSet_ ? stored_.of(type) : spectral::DefaultVowelBlock(set, type));
  const int used = spectral::VowelRowCount(set);
  for (int i = 0; i < spectral::kVowelsPerSet; ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    const auto symbol = spectral::VowelSymbol(set, i);
    row.symbol->setText(QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())));
    for (QWidget* widget : {static_cast<QWidget*>(row.symbol), static_cast<QWidget*>(row.f1),
                            static_cast<QWidget*>(row.f2)}) {
      widget->setVisible(i < used);
    }
  }
}

void CConfVogal::fill(const spectral::VowelBlock& block) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    rows_[i].f1->setText(integerText(block[i].f1));
    rows_[i].f2->setText(integerText(block[i].f2));
  }
}

void CConfVogal::accept() {
  std::array<spectral::VowelEdit, spectral::kVowelsPerSet> edits;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    edits[i] = {rows_[i].f1->text().toStdString(), rows_[i].f2->text().toStdString()};
  }
  const int set = language_->currentIndex();
  const auto checked = spectral::ValidateVowelEdits(set, edits);
  if (const auto* failure = std::get_if<spectral::VowelEditFailure>(&checked)) {
    emit refused(messageText(failure->message));
    warn(failure->message);
    QLineEdit* edit = failure->f2 ? f2Edit(failure->row) : f1Edit(failure->row);
    edit->setFocus();
    edit->selectAll();
    return;
  }
  acceptedBlock_ = std::get<spectral::VowelBlock>(checked);
  acceptedSet_ = set;
  acceptedType_ = type_->currentIndex();
  QDialog::accept();
}

}  // namespace sonarel::app
