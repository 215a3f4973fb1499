// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report: one page per chosen display, each with a header naming the client,
// the file and its date, the display drawn by its own routine scaled to the page, and an
// optional page number; the personal-information page; the client list, 40 clients a page.
// The same painting serves the printer, the print preview and the PDF file.
//
// Pages are laid out in page units: 800 across the printable width, the height following
// the paper. Display routines draw in screen pixels and are scaled into the page keeping
// their aspect ratio; lines and fonts scale with the device's resolution, so a 600-dpi page
// gets the same proportions as the screen and no hairlines.

#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

#include "app/session/display_data.h"
#include "core/message.h"
#include "records/client_record.h"
#include "records/session_file.h"

class QPagedPaintDevice;
class QPainter;

namespace sonarel::app {

constexpr double kPageUnitsAcross = 800;

// What the header and the personal-information page name.
struct ReportSubject {
  records::ClientRecord client;           // code -1: no client (the header's name stays empty)
  QString file;                           // the file number ("001"), or the name of an outside file
  std::optional<records::FileDate> date;  // none: the header is printed without it
  records::DateOrder dateOrder = records::DateOrder::MonthDayYear;
};

struct ReportJob {
  std::vector<int> pages;  // page codes in print order
  bool pageNumbers = false;
  bool grayScale = false;
  ReportSubject subject;
  DisplayData main;                       // with every result the pages need
  std::optional<DisplayData> comparison;  // printed below the main graph
  QString comparisonFile;                 // the compared recording's name, over its graph
};

// The title of a page in the dialogs and above its graph, and its English text (null for a
// page without a title of its own: a display added later is titled by its menu text).
QString reportPageTitle(int page);
const char* reportPageEnglishTitle(int page);
// Whether this build can print `page` (the personal information, or a registered display
// that prints).
bool reportPagePrintable(int page);

// The header's texts: "Name: ...", "File: ..." and the date (empty when unknown).
struct HeaderTexts {
  QString name, file, date;
};
HeaderTexts headerTexts(const ReportSubject& subject);
// The personal-information page's lines: label and value.
std::vector<std::pair<QString, QString>> personalInformationLines(const ReportSubject& subject);

// Paints every page of `job` on `device`; false when no painter can start on it.
bool paintReport(QPagedPaintDevice& device, const ReportJob& job);
// The client list, 40 clients a page.
bool paintClientList(QPagedPaintDevice& device, const std::vector<records::ClientRecord>& clients);

// The PDF title of a report.
QString reportTitle(const ReportSubject& subject);
// Writes `job` as a PDF file (A4 or Letter) with its title, "Sonarel" as author and
// creator and searchable text; the file is replaced only once complete.
std::optional<core::Message> writeReportPdf(const QString& path, const ReportJob& job,
                                            const QPageSize& paper = QPageSize(QPageSize::A4));

// The author entry of a PDF made by Qt's writer: Qt names no author, so its producer entry
// is turned into "/Author" naming `author`, padded to the same length so that every offset
// in the file stays right. The bytes are unchanged when the entry is not found or the name
// would not fit.
QByteArray withPdfAuthor(QByteArray pdf, const QString& author);

}  // namespace sonarel::app
