// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/clients/files_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "app/date_order.h"
#include "app/desktop_trash.h"

namespace sonarel::app {
namespace {

using records::FileKind;

QString previewText(const records::SessionFile& file) {
  if (file.kind == FileKind::BackedUp) return "?";
  return QString::fromStdString(file.notesPreview).trimmed();
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
  list_->setHeaderLabels({tr("Date"), tr("Notes")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumSize(460, 280);
  if (language == Language::Korean) list_->headerItem()->setTextAlignment(1, Qt::AlignCenter);

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

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
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
              previewText(file)});
  item->setIcon(0, fileKindIcon(file.kind));
  item->setData(0, Qt::UserRole, file.date.key());
  if (language_ == Language::Korean) item->setTextAlignment(1, Qt::AlignCenter);
}

void FilesDialog::resizeEvent(QResizeEvent* event) {
  MessageDialog::resizeEvent(event);
  const int width = list_->viewport()->width();
  const bool korean = language_ == Language::Korean;
  list_->setColumnWidth(0, static_cast<int>(width * (korean ? 0.61 : 0.4)));
  list_->setColumnWidth(1, static_cast<int>(width * (korean ? 0.28 : 0.54)));
}

void FilesDialog::updateButtons() {
  const bool selected = !list_->selectedItems().isEmpty();
  open_->setEnabled(selected);
  delete_->setEnabled(selected && !browseOnly_);
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
    item->setText(1, previewText(*again));
  }
}

void FilesDialog::doubleClicked(QTreeWidgetItem* item, int) {
  const int x = list_->viewport()->mapFromGlobal(QCursor::pos()).x();
  const bool notesPart = language_ != Language::Korean && x > list_->viewport()->width() / 2.3;
  if (notesPart) {
    editNotesOf(item);
  } else {
    list_->setCurrentItem(item);
    openSelected();
  }
}

}  // namespace sonarel::app
