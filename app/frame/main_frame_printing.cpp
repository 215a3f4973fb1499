// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the chosen screens of the open recording on a printer, in the print preview or
// in a PDF file, and the client list.

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "app/date_order.h"
#include "app/frame/main_frame.h"
#include "app/printing/print_dialog.h"
#include "app/printing/report_document.h"
#include "app/translated_text.h"

namespace sonarel::app {

ReportSubject CMainFrame::reportSubject() const {
  ReportSubject subject;
  if (session_.hasClient()) subject.client = session_.client();
  const std::string& path = document_.state().buffer().path;
  subject.file = session_.openNumber() >= 0 ? QString::asprintf("%03d", session_.openNumber())
                                            : QFileInfo(QString::fromStdString(path)).fileName();
  subject.date = records::fileDateOf(path);
  subject.dateOrder = dateOrderOf(languages_.current());
  return subject;
}

std::optional<ReportJob> CMainFrame::chooseReport() {
  ViewState& state = document_.state();
  if (!state.isOpen()) return std::nullopt;
  const bool quality = state.buffer().kind == core::FileKind::VocalQuality;
  PrintChoices& remembered = quality ? qualityPrintChoices_ : voicePrintChoices_;
  std::unique_ptr<CImprimir> dialog;
  if (quality) {
    dialog = std::make_unique<CImprimirQV>(remembered, this);
  } else {
    dialog = std::make_unique<CImprimir>(core::FileKind::VoiceAnalysis, remembered, this);
  }
  connectDialog(*dialog);
  if (drivePrintDialog) {
    dialog->show();
    drivePrintDialog(*dialog);
  } else {
    dialog->exec();
  }
  if (dialog->result() != QDialog::Accepted) return std::nullopt;
  remembered = dialog->choices();

  ReportJob job;
  job.pages = dialog->pages();
  job.pageNumbers = remembered.pageNumbers;
  job.grayScale = remembered.grayScale;
  busy_ = true;
  updateCommandStates();
  const AnalysisRunner::Outcome outcome =
      analyse([pages = job.pages](ViewState& view, const core::AnalysisControl& control) {
        return prepareReport(view, view.comparison(), pages, control);
      });
  busy_ = false;
  updateCommandStates();
  if (outcome.superseded) return std::nullopt;
  const std::optional<core::Message>& failure = outcome.message;
  emit document_.changed();
  if (failure) {
    showMessage(*failure);
    if (failure->id == core::MessageId::AnalysisCancelled) return std::nullopt;
  }
  job.subject = reportSubject();
  job.main = state.displayData();
  // An open comparison is printed under each graph, on the scales the screen shows it with.
  if (const ViewState* other = state.comparison(); other && other->isOpen()) {
    DisplayData compared = other->displayData();
    scaleTogether(job.main, compared);
    compared.comparison = true;
    job.comparison = compared;
    job.comparisonFile = QFileInfo(QString::fromStdString(other->buffer().path)).fileName();
  }
  return job;
}

bool CMainFrame::printerChosen(QPrinter& printer) {
  if (choosePrinter) return choosePrinter(printer);
  QPrintDialog dialog(&printer, this);
  return dialog.exec() == QDialog::Accepted;
}

void CMainFrame::printReport(bool preview) {
  const std::optional<ReportJob> job = chooseReport();
  if (!job) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(reportTitle(job->subject));
  printer.setCreator("Sonarel");
  if (preview) {
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&job](QPrinter* target) { paintReport(*target, *job); });
    if (drivePrintPreview) {
      dialog.show();
      drivePrintPreview(dialog);
    } else {
      dialog.exec();
    }
    return;
  }
  if (!printerChosen(printer)) return;
  paintReport(printer, *job);
}

void CMainFrame::exportReportPdf() {
  const std::optional<ReportJob> job = chooseReport();
  if (!job) return;
  const QString title = commandText(findCommand(cmd::ExportReportPdf)->text).remove('&');
  QString path = chooseSavePath
                     ? chooseSavePath(title)
                     : QFileDialog::getSaveFileName(this, title, QString(), tr("PDF File (*.pdf)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".pdf";
  if (auto failure = writeReportPdf(path, *job)) {
    showMessage(*failure);
    return;
  }
  statusBar()->showMessage(tr("Report written to %1").arg(path), 5000);
}

void CMainFrame::printClientList() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QCoreApplication::translate("Print", "Client\u00b4s List"));
  if (!printerChosen(printer)) return;
  paintClientList(printer, clients_.list());
}

}  // namespace sonarel::app
