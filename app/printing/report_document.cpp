// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/report_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "app/drawing/display_modes.h"
#include "app/session/report_plan.h"
#include "app/translated_text.h"
#include "app/views/display_registry.h"
#include "core/atomic_file.h"

namespace sonarel::app {
namespace {

constexpr double kHeaderBottom = 40;  // page units: the rule under the header
constexpr double kBodyTop = 54;
constexpr double kFooterHeight = 34;
constexpr double kTitleHeight = 28;    // the page's title above its graph
constexpr double kCaptionHeight = 20;  // the recording's name over each of two graphs

QString printText(const char* text) {
  return QCoreApplication::translate("Print", text);
}

// A font that shows `points` as large on the page as the screen shows it: the painter's
// units are screen-pixel sized, so the size is taken back from the device's resolution.
QFont pageFont(const QPaintDevice& device, const QString& family, double points,
               bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points * 96.0 / std::max(1, device.logicalDpiY()));
  font.setBold(bold);
  return font;
}

double screenFontPoints() {
  const double points = QGuiApplication::font().pointSizeF();
  return points > 0 ? points : 9;
}

// The painter is set up in page units; returns the page height in those units.
double beginPageUnits(QPainter& painter, const QPagedPaintDevice& device) {
  const double scale = device.width() / kPageUnitsAcross;
  painter.resetTransform();
  painter.scale(scale, scale);
  painter.setFont(pageFont(device, QGuiApplication::font().family(), screenFontPoints()));
  painter.setPen(QPen(Qt::black, 1));
  return device.height() / scale;
}

void drawHeader(QPainter& painter, const QPagedPaintDevice& device, const ReportSubject& subject) {
  const HeaderTexts texts = headerTexts(subject);
  painter.save();
  painter.setFont(pageFont(device, "Arial", 11, true));
  const QRectF line(0, 8, kPageUnitsAcross, 24);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, texts.name);
  painter.setFont(pageFont(device, "Arial", 11));
  painter.drawText(line.adjusted(440, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texts.file);
  painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, texts.date);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawLine(QPointF(0, kHeaderBottom), QPointF(kPageUnitsAcross, kHeaderBottom));
  painter.restore();
}

void drawFooter(QPainter& painter, const QPagedPaintDevice& device, double pageHeight, int number,
                int count) {
  painter.save();
  painter.setFont(pageFont(device, "Verdana", 9));
  painter.drawText(QRectF(0, pageHeight - kFooterHeight + 8, kPageUnitsAcross, 20),
                   Qt::AlignHCenter | Qt::AlignVCenter,
                   printText(QT_TRANSLATE_NOOP("Print", "Page %1/%2")).arg(number).arg(count));
  painter.restore();
}

void drawPageTitle(QPainter& painter, const QPagedPaintDevice& device, int page) {
  painter.save();
  painter.setFont(pageFont(device, "Arial", 12, true));
  painter.drawText(QRectF(0, kBodyTop, kPageUnitsAcross, kTitleHeight), Qt::AlignCenter,
                   reportPageTitle(page));
  painter.restore();
}

void drawPersonalInformation(QPainter& painter, const QPagedPaintDevice& device,
                             const ReportSubject& subject) {
  painter.save();
  double y = kBodyTop + kTitleHeight + 30;
  for (const auto& [label, value] : personalInformationLines(subject)) {
    painter.setFont(pageFont(device, "Arial", 11, true));
    painter.drawText(QRectF(40, y, 170, 24), Qt::AlignLeft | Qt::AlignVCenter, label);
    painter.setFont(pageFont(device, "Arial", 11));
    painter.drawText(QRectF(220, y, kPageUnitsAcross - 220, 48),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
    y += 34;
  }
  painter.restore();
}

// The display's layout (graph and strip, as on a normal screen) scaled into `body`, once
// for the main recording and, below it, once for the comparison. With a comparison each
// graph is captioned with the recording it shows, so that the two cannot be mistaken.
void drawDisplays(QPainter& painter, const QPagedPaintDevice& device, const QRectF& body, int page,
                  const ReportJob& job, const DisplayData& main, const DisplayData* comparison) {
  const GraphGeometry layout = GraphGeometry::normal();
  const QSize extent = layout.extent();
  const int places = comparison ? 2 : 1;
  const double caption = comparison ? kCaptionHeight : 0;
  const double slotHeight = body.height() / places;
  const double scale =
      std::min(body.width() / extent.width(), (slotHeight - caption) / extent.height());
  const DisplayData* shown[] = {&main, comparison};
  const QString captions[] = {
      headerTexts(job.subject).file,
      printText(QT_TRANSLATE_NOOP("Print", "Comparison: %1")).arg(job.comparisonFile)};
  for (int k = 0; k < places; ++k) {
    const double top = body.top() + k * slotHeight;
    const double left = body.left() + (body.width() - extent.width() * scale) / 2;
    if (comparison) {
      painter.save();
      painter.setFont(pageFont(device, "Arial", 10, true));
      painter.drawText(QRectF(left, top, extent.width() * scale, caption),
                       Qt::AlignLeft | Qt::AlignVCenter, captions[k]);
      painter.restore();
    }
    painter.save();
    painter.translate(left, top + caption);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), extent));
    drawDisplayMode(painter, layout, *shown[k], page);
    painter.restore();
  }
}

// The view's results as paper needs them: whole pictures of their own, grey when asked.
DisplayData forPaper(DisplayData data, bool grayScale, SpectrogramCaches& caches) {
  data.spectral.progressive = false;
  data.spectral.printing = true;
  data.spectral.caches = &caches;
  data.grayScale = grayScale;
  if (grayScale) data.spectral.spectrogram.blackAndWhite = true;
  return data;
}

}  // namespace

const char* reportPageEnglishTitle(int page) {
  static const std::pair<int, const char*> titles[] = {
      {page::PersonalInformation, QT_TRANSLATE_NOOP("Print", "Personal Information")},
      {0, QT_TRANSLATE_NOOP("Print", "Audio Signal")},
      {2, QT_TRANSLATE_NOOP("Print", "Fundamental Frequency")},
      {3, QT_TRANSLATE_NOOP("Print", "Intensity")},
      {8, QT_TRANSLATE_NOOP("Print", "F0 and Intensity")},
      {5, QT_TRANSLATE_NOOP("Print", "Statistics")},
      {6, QT_TRANSLATE_NOOP("Print", "LPC Spectrum")},
      {4, QT_TRANSLATE_NOOP("Print", "Histogram (F0)")},
      {7, QT_TRANSLATE_NOOP("Print", "Power Spectrum")},
      {9, QT_TRANSLATE_NOOP("Print", "LPC and Power Spectrum")},
      {10, QT_TRANSLATE_NOOP("Print", "Vowel Space")},
      {1, QT_TRANSLATE_NOOP("Print", "Spectrogram")},
      {16, QT_TRANSLATE_NOOP("Print", "Spectrogram - Amplitude")},
      {12, QT_TRANSLATE_NOOP("Print", "Phonatory Deviation Diagram")},
      {11, QT_TRANSLATE_NOOP("Print", "Vocal Analysis Data")},
      {14, QT_TRANSLATE_NOOP("Print", "Spectrogram, Intensity e F0")},
      {17, QT_TRANSLATE_NOOP("Print", "Phonatory Deviation Diagram - Follow up")},
  };
  for (const auto& [code, title] : titles)
    if (code == page) return title;
  return nullptr;
}

QString reportPageTitle(int page) {
  if (const char* title = reportPageEnglishTitle(page)) return printText(title);
  const DisplayModeEntry* entry = displayRegistry().byCode(page);
  return entry ? commandText(entry->menuText).remove('&') : QString::number(page);
}

bool reportPagePrintable(int page) {
  if (page == page::PersonalInformation) return true;
  const DisplayModeEntry* entry = displayRegistry().byCode(page);
  return entry && entry->draw && entry->prints;
}

HeaderTexts headerTexts(const ReportSubject& subject) {
  HeaderTexts texts;
  texts.name =
      printText(QT_TRANSLATE_NOOP("Print", "Name: ")) + QString::fromStdString(subject.client.name);
  texts.file = printText(QT_TRANSLATE_NOOP("Print", "File: ")) + subject.file;
  if (subject.date) {
    texts.date = QString::fromStdString(records::dateText(*subject.date, subject.dateOrder));
  }
  return texts;
}

std::vector<std::pair<QString, QString>> personalInformationLines(const ReportSubject& subject) {
  const records::ClientRecord& c = subject.client;
  const auto text = [](const std::string& value) { return QString::fromStdString(value); };
  const auto birth = records::birthDateOf(c.birthDate);
  return {
      {printText(QT_TRANSLATE_NOOP("Print", "Name: ")), text(c.name)},
      {printText(QT_TRANSLATE_NOOP("Print", "Birth Date:")),
       birth ? text(records::dateText(*birth, subject.dateOrder)) : text(c.birthDate)},
      {printText(QT_TRANSLATE_NOOP("Print", "Address:")), text(c.address)},
      {printText(QT_TRANSLATE_NOOP("Print", "City:")), text(c.city)},
      {printText(QT_TRANSLATE_NOOP("Print", "State:")), text(c.state)},
      {printText(QT_TRANSLATE_NOOP("Print", "Zip:")), text(c.zip)},
      {printText(QT_TRANSLATE_NOOP("Print", "Home Phone:")), text(c.homePhone)},
      {printText(QT_TRANSLATE_NOOP("Print", "Work Phone:")), text(c.workPhone)},
      {printText(QT_TRANSLATE_NOOP("Print", "Obs.:")), text(c.observations)},
  };
}

bool paintReport(QPagedPaintDevice& device, const ReportJob& job) {
  QPainter painter;
  if (job.pages.empty() || !painter.begin(&device)) return false;
  SpectrogramCaches mainPictures, comparisonPictures;
  const DisplayData main = forPaper(job.main, job.grayScale, mainPictures);
  std::optional<DisplayData> comparison;
  if (job.comparison) comparison = forPaper(*job.comparison, job.grayScale, comparisonPictures);

  const int count = static_cast<int>(job.pages.size());
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !device.newPage()) break;
    const double height = beginPageUnits(painter, device);
    drawHeader(painter, device, job.subject);
    const int page = job.pages[static_cast<std::size_t>(i)];
    drawPageTitle(painter, device, page);
    if (page == page::PersonalInformation) {
      drawPersonalInformation(painter, device, job.subject);
    } else if (reportPagePrintable(page)) {
      const double top = kBodyTop + kTitleHeight + 6;
      const QRectF body(0, top, kPageUnitsAcross, height - kFooterHeight - top);
      // A display that closes a comparison on screen (the follow-up) is printed alone.
      const DisplayModeEntry* entry = displayRegistry().byCode(page);
      const bool beside = comparison && !(entry && entry->needs.closesComparison);
      drawDisplays(painter, device, body, page, job, main, beside ? &*comparison : nullptr);
    }
    if (job.pageNumbers) drawFooter(painter, device, height, i + 1, count);
  }
  return painter.end();
}

bool paintClientList(QPagedPaintDevice& device, const std::vector<records::ClientRecord>& clients) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const auto pages = clientListPages(clients);
  const std::size_t count = std::max<std::size_t>(1, pages.size());  // an empty list: one page
  for (std::size_t n = 0; n < count; ++n) {
    if (n > 0 && !device.newPage()) break;
    beginPageUnits(painter, device);
    painter.setFont(pageFont(device, "Arial", 12, true));
    painter.drawText(QRectF(0, 0, kPageUnitsAcross, 30), Qt::AlignHCenter | Qt::AlignVCenter,
                     printText(QT_TRANSLATE_NOOP("Print", "Client\u00b4s List")));
    const QFont courier = pageFont(device, "Courier New", 10, true);
    painter.setFont(courier);
    painter.drawText(QPointF(0, 50), printText(QT_TRANSLATE_NOOP("Print", "Code")));
    painter.drawText(QPointF(85, 50), printText(QT_TRANSLATE_NOOP("Print", "Client")));
    painter.drawLine(QPointF(0, 75), QPointF(450, 75));
    if (n >= pages.size()) continue;
    int row = 0;
    for (const records::ClientRecord& client : pages[n]) {
      painter.drawText(QPointF(0, 100 + 25 * row++),
                       QString::fromStdString(clientListLine(client)));
    }
  }
  return painter.end();
}

QString reportTitle(const ReportSubject& subject) {
  const QString name = QString::fromStdString(subject.client.name);
  if (name.isEmpty()) {
    return printText(QT_TRANSLATE_NOOP("Print", "Voice report, file %1")).arg(subject.file);
  }
  return printText(QT_TRANSLATE_NOOP("Print", "Voice report of %1, file %2"))
      .arg(name, subject.file);
}

QByteArray withPdfAuthor(QByteArray pdf, const QString& author) {
  const QByteArray key = "/Producer (";
  const qsizetype start = pdf.lastIndexOf(key);
  if (start < 0) return pdf;
  qsizetype end = start + key.size();
  while (end < pdf.size() && pdf[end] != ')') end += pdf[end] == '\\' ? 2 : 1;
  if (end >= pdf.size()) return pdf;
  QByteArray entry = "/Author (\xfe\xff";
  for (const QChar c : author) {
    for (const char byte : {char(c.unicode() >> 8), char(c.unicode() & 0xff)}) {
      if (byte == '(' || byte == ')' || byte == '\\') entry += '\\';
      entry += byte;
    }
  }
  entry += ')';
  const qsizetype length = end + 1 - start;
  if (entry.size() > length) return pdf;
  entry += QByteArray(length - entry.size(), ' ');
  pdf.replace(start, length, entry);
  return pdf;
}

std::optional<core::Message> writeReportPdf(const QString& path, const ReportJob& job,
                                            const QPageSize& paper) {
  const core::Message failed{core::MessageId::ReportNotWritten, {path.toStdString()}};
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageSize(paper);
    writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    writer.setTitle(reportTitle(job.subject));
    writer.setCreator("Sonarel");
    if (!paintReport(writer, job)) return failed;
  }
  const QByteArray bytes = withPdfAuthor(buffer.data(), "Sonarel");
  if (!core::writeFileAtomically(path.toStdString(), bytes.toStdString())) {
    return core::writeFailure(path.toStdString(), failed);
  }
  return std::nullopt;
}

}  // namespace sonarel::app
