// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/clients/files_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "app/date_order.h"
#include "app/desktop_trash.h"
#include "core/wave_file.h"

namespace sonarel::app {
namespace {

using records::FileKind;

QString previewText(const records::SessionFile& file) {
  if (file.kind == FileKind::BackedUp) return "?";
  return QString::fromStdString(file.notesPreview).trimmed();
}

QString kindText(FileKind kind) {
  const auto type = records::typeOfKind(kind);
  if (!type) return FilesDialog::tr("Sent to Backup");
  return *type == records::RecordingType::VocalQuality ? FilesDialog::tr("Vocal Quality")
                                                       : FilesDialog::tr("Voice Analysis");
}

// The recording's length, "%.2f s"; empty for a number held only by a backup marker.
QString durationText(const records::ClientFolder& folder, const records::SessionFile& file) {
  const auto type = records::typeOfKind(file.kind);
  if (!type) return {};
  const auto seconds = core::waveDurationSeconds(folder.recordingPath(*type, file.number));
  return seconds ? QString::asprintf("%.2f s", *seconds) : QString("?");
}

}  // namespace

QIcon fileKindIcon(FileKind kind) {
  // Blue waves for voice analysis, green for vocal quality; a dot marks companion data,
  // grey for a file sent to backup.
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const bool quality = kind == FileKind::Quality || kind == FileKind::QualityWithData;
  const QColor colour = kind == FileKind::BackedUp ? QColor(140, 140, 140)
                        : quality                  ? QColor(30, 140, 60)
                                                   : QColor(30, 80, 190);
  p.setPen(QPen(colour, 1.6));
  QPainterPath wave;
  wave.moveTo(1, 8);
  for (int x = 1; x <= 15; ++x) wave.lineTo(x, 8 + (x % 4 < 2 ? -4 : 4) * (x % 2 ? 0.5 : 1.0));
  p.drawPath(wave);
  if (kind == FileKind::VoiceWithData || kind == FileKind::QualityWithData) {
    p.setBrush(QColor(220, 120, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12.5, 12.5), 3, 3);
  }
  return QIcon(pixmap);
}

FilesDialog::FilesDialog(const records::ClientFolder& folder, const QString& clientName,
                         Language language, bool browseOnly, QWidget* parent)
    : MessageDialog(parent), folder_(folder), language_(language), browseOnly_(browseOnly) {
  setWindowTitle(tr("%1 - Files").arg(clientName));
  list_ = new QTreeWidget(this);
  list_->setHeaderLabels({tr("Date"), tr("Kind"), tr("Duration"), tr("Notes")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumSize(460, 280);
  // Date, kind and duration as wide as their texts in any language; the notes take the rest.
  list_->header()->setStretchLastSection(true);
  for (int column : {kDateColumn, kKindColumn, kDurationColumn})
    list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  if (language == Language::Korean)
    list_->headerItem()->setTextAlignment(kNotesColumn, Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(tr("Open"), QDialogButtonBox::ActionRole);
  new_ = buttons->addButton(tr("New"), QDialogButtonBox::ActionRole);
  delete_ = buttons->addButton(tr("Delete"), QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  new_->setEnabled(!browseOnly);
  open_->setDefault(true);
  connect(open_, &QPushButton::clicked, this, &FilesDialog::openSelected);
  connect(delete_, &QPushButton::clicked, this, &FilesDialog::deleteSelected);
  connect(new_, &QPushButton::clicked, this, [this] {
    outcome_ = Outcome::New;
    chosenNumber_ = -1;
    QDialog::accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &FilesDialog::updateButtons);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &FilesDialog::doubleClicked);

  editNotes_ = new QPushButton(tr("Edit Notes"), this);
  connect(editNotes_, &QPushButton::clicked, this, [this] {
    const auto items = list_->selectedItems();
    if (items.isEmpty()) {
      tell(core::Message{core::MessageId::SelectFile});
      return;
    }
    editNotesOf(items.first());
  });
  auto* side = new QVBoxLayout;
  side->addWidget(editNotes_);
  side->addStretch();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(list_, 1);
  listRow->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(listRow);
  layout->addWidget(buttons);
  resize(720, 380);
  fill();
}

void FilesDialog::fill() {
  list_->clear();
  for (const records::SessionFile& file : records::listSessionFiles(folder_)) addRow(file);
  updateButtons();
}

void FilesDialog::addRow(const records::SessionFile& file) {
  auto* item = new QTreeWidgetItem(
      list_, {QString::fromStdString(records::fileListLabel(file, dateOrderOf(language_))),
              kindText(file.kind), durationText(folder_, file), previewText(file)});
  item->setIcon(kDateColumn, fileKindIcon(file.kind));
  item->setData(kDateColumn, Qt::UserRole, file.date.key());
  item->setTextAlignment(kDurationColumn, Qt::AlignRight | Qt::AlignVCenter);
  if (language_ == Language::Korean) item->setTextAlignment(kNotesColumn, Qt::AlignCenter);
}

void FilesDialog::updateButtons() {
  const bool selected = !list_->selectedItems().isEmpty();
  open_->setEnabled(selected);
  delete_->setEnabled(selected && !browseOnly_);
  editNotes_->setEnabled(selected);
}

std::optional<records::SessionFile> FilesDialog::fileOf(QTreeWidgetItem* item) {
  const auto number = records::numberOfLabel(item->text(0).toStdString());
  if (!number) {
    tell(core::Message{core::MessageId::ErrorAccessingFile});
    return std::nullopt;
  }
  auto file = records::fileInformation(folder_, *number);
  if (!file) tell(core::Message{core::MessageId::ErrorAccessingFile});
  return file;
}

void FilesDialog::openSelected() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    tell(core::Message{core::MessageId::SelectFile});
    return;
  }
  const auto file = fileOf(items.first());
  if (!file) return;
  const auto type = records::typeOfKind(file->kind);
  if (!type) {
    tell(core::Message{core::MessageId::FileSentToBackup});
    return;
  }
  outcome_ = Outcome::Open;
  chosenNumber_ = file->number;
  chosenType_ = *type;
  QDialog::accept();
}

void FilesDialog::deleteSelected() {
  const auto items = list_->selectedItems();
  if (items.isEmpty()) {
    tell(core::Message{core::MessageId::SelectClient});
    return;
  }
  const auto file = fileOf(items.first());
  if (!file) return;
  if (file->kind == FileKind::BackedUp) {
    tell(core::Message{core::MessageId::FileSentToBackup});
    return;
  }
  core::Message question{core::MessageId::ConfirmDeleteFile};
  if (const auto type = records::typeOfKind(file->kind)) {
    question = question.with(
        records::fileToDelete(file->number, *type, file->date, dateOrderOf(language_)));
  }
  if (!ask(question)) return;
  const records::DeleteOutcome outcome =
      records::deleteListedFile(folder_, *file, desktopTrash(folder_.dataFolder()));
  for (const core::Message& message : outcome.messages) tell(message);
  delete items.first();
}

void FilesDialog::editNotesOf(QTreeWidgetItem* item) {
  const auto file = fileOf(item);
  if (!file) return;
  if (file->kind == FileKind::BackedUp) {
    tell(core::Message{core::MessageId::FileSentToBackup});
    return;
  }
  if (editNotes) editNotes(file->number);
  if (const auto again = records::fileInformation(folder_, file->number);
      again && again->hasNotes) {
    item->setText(kNotesColumn, previewText(*again));
  }
}

void FilesDialog::doubleClicked(QTreeWidgetItem* item, int column) {
  if (column == kNotesColumn) {
    editNotesOf(item);
  } else {
    list_->setCurrentItem(item);
    openSelected();
  }
}

}  // namespace sonarel::app
