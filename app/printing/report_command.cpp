// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/report_command.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <set>

#include "app/date_order.h"
#include "app/languages.h"
#include "app/printing/report_document.h"
#include "app/session/report_plan.h"
#include "app/session/view_state.h"
#include "app/translated_text.h"
#include "app/views/display_registry.h"
#include "core/wave_file.h"
#include "records/client_table.h"

namespace sonarel::app {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "usage: sonarel-report FILE OUT [--pages LIST] [--client DATA_DIR CODE] [--gray]\n"
    "                      [--page-numbers] [--paper a4|letter] [--language en|es|ko|pt]\n"
    "(see sonarel-cli report-pdf --help)\n";

QString plain(QString text) {
  return text.remove('&').trimmed();
}

// The names a page answers to: its title and its menu text, in English and in the language
// of the report.
bool pageNamed(int page, const QString& word) {
  const auto same = [&word](const QString& name) {
    return QString::compare(plain(name), word, Qt::CaseInsensitive) == 0;
  };
  const char* english = reportPageEnglishTitle(page);
  if (same(reportPageTitle(page)) || (english && same(QString::fromUtf8(english)))) return true;
  const DisplayModeEntry* entry = displayRegistry().byCode(page);
  return entry && (same(QString::fromUtf8(entry->menuText)) || same(commandText(entry->menuText)));
}

// The client's number of a file named like the client folders' ("wv001.wav"), as "%03d";
// otherwise the file's name.
QString fileText(const QString& path) {
  static const QRegularExpression numbered("^(?:wv|qv)(\\d{3,4})\\.wav$",
                                           QRegularExpression::CaseInsensitiveOption);
  const QString name = QFileInfo(path).fileName();
  const auto match = numbered.match(name);
  return match.hasMatch() ? QString::asprintf("%03d", match.captured(1).toInt()) : name;
}

std::optional<Language> languageNamed(const QString& name) {
  if (name == "en") return Language::English;
  if (name == "es") return Language::Spanish;
  if (name == "ko") return Language::Korean;
  if (name == "pt") return Language::Portuguese;
  return std::nullopt;
}

int usage(QTextStream& err, const QString& problem) {
  err << messageText(core::Message{core::MessageId::UsageError, {problem.toStdString()}}) << "\n"
      << kUsage;
  return kExitUsage;
}

int refuse(QTextStream& err, const core::Message& message) {
  err << messageText(message) << "\n";
  return kExitBadInput;
}

}  // namespace

std::vector<int> defaultReportPages(core::FileKind kind, bool withClient) {
  std::vector<int> pages;
  for (int page : reportPageOrder(kind)) {
    if (page == page::PersonalInformation ? withClient : reportPagePrintable(page)) {
      pages.push_back(page);
    }
  }
  return pages;
}

PageChoice pagesFromList(const QString& list, core::FileKind kind) {
  const std::vector<int>& order = reportPageOrder(kind);
  std::set<int> chosen;
  for (const QString& part : list.split(',', Qt::SkipEmptyParts)) {
    const QString word = part.trimmed();
    bool number = false;
    const int code = word.toInt(&number);
    std::optional<int> found;
    for (int page : order) {
      if (!reportPagePrintable(page)) continue;
      if (number ? page == code : pageNamed(page, word)) found = page;
    }
    if (!found) {
      return {{}, core::Message{core::MessageId::PageNotKnown, {word.toStdString()}}};
    }
    chosen.insert(*found);
  }
  return {orderedPages(kind, chosen), std::nullopt};
}

int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QStringList positional;
  QString pageList, dataFolder, paperName = "a4", languageName = "en";
  std::optional<int> clientCode;
  bool gray = false, pageNumbers = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& word = arguments[i];
    const auto value = [&](QString& into) {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    if (word == "--help" || word == "-h") {
      out << kUsage;
      return kExitOk;
    } else if (word == "--pages") {
      if (!value(pageList)) return usage(err, "--pages needs a list");
    } else if (word == "--client") {
      QString code;
      if (!value(dataFolder) || !value(code)) return usage(err, "--client needs DATA_DIR CODE");
      bool ok = false;
      clientCode = code.toInt(&ok);
      if (!ok || *clientCode < 1) return usage(err, "--client needs a client code");
    } else if (word == "--gray") {
      gray = true;
    } else if (word == "--page-numbers") {
      pageNumbers = true;
    } else if (word == "--paper") {
      if (!value(paperName) || (paperName != "a4" && paperName != "letter")) {
        return usage(err, "--paper is a4 or letter");
      }
    } else if (word == "--language") {
      if (!value(languageName) || !languageNamed(languageName)) {
        return usage(err, "--language is en, es, ko or pt");
      }
    } else if (word.startsWith("--")) {
      return usage(err, "unknown option " + word);
    } else {
      positional << word;
    }
  }
  if (positional.size() != 2) return usage(err, "FILE and OUT are needed");
  const QString& file = positional[0];
  const QString& target = positional[1];

  Languages languages;
  const Language language = *languageNamed(languageName);
  if (!languages.apply(language)) languages.apply(Language::English);

  ReportSubject subject;
  subject.file = fileText(file);
  subject.date = records::fileDateOf(file.toStdString());
  subject.dateOrder = dateOrderOf(languages.current());
  ViewState view;
  if (clientCode) {
    records::ClientTable table(dataFolder.toStdString() + "/pacb.dbf");
    const records::TableResult loaded = table.load();
    if (!loaded.ok()) return refuse(err, *loaded.failure);
    const auto client = table.find(*clientCode);
    if (!client) return refuse(err, core::Message{core::MessageId::ClientNotFound});
    subject.client = *client;
    if (const auto settings = records::settingsForType(client->type)) {
      core::F0Settings f0 = view.f0Settings();
      f0.minPitch = settings->f0Minimum;
      f0.maxPitch = settings->f0Maximum;
      view.setF0Settings(f0);
      view.setClientType(client->type);
    }
  }

  const core::FileKind kind = core::kindOfFile(file.toStdString());
  if (auto refused = view.open(file.toStdString(), kind)) return refuse(err, *refused);

  ReportJob job;
  if (pageList.isEmpty()) {
    job.pages = defaultReportPages(kind, clientCode.has_value());
  } else {
    PageChoice choice = pagesFromList(pageList, kind);
    if (choice.refusal) {
      err << messageText(*choice.refusal) << "\n";
      return kExitUsage;
    }
    job.pages = std::move(choice.pages);
  }
  if (auto empty = refuseEmptyReport(job.pages)) return refuse(err, *empty);
  if (auto failure = prepareReport(view, nullptr, job.pages)) {
    err << messageText(*failure) << "\n";  // the pages show what there is
  }
  job.pageNumbers = pageNumbers;
  job.grayScale = gray;
  job.subject = subject;
  job.main = view.displayData();
  const QPageSize paper(paperName == "letter" ? QPageSize::Letter : QPageSize::A4);
  if (auto failure = writeReportPdf(target, job, paper)) return refuse(err, *failure);
  out << target << ": " << job.pages.size() << " pages\n";
  return kExitOk;
}

}  // namespace sonarel::app
