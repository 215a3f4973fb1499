// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report: which pages print in what order and what they compute first, the PDF
// file it makes (read back with poppler's pdfinfo, pdftotext and pdftoppm), the print
// dialogs and the client list in the real window (offscreen).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/commands/command_table.h"
#include "app/drawing/display_modes.h"
#include "app/frame/main_frame.h"
#include "app/printing/print_dialog.h"
#include "app/printing/report_command.h"
#include "app/printing/report_document.h"
#include "app/session/prompt.h"
#include "app/session/report_plan.h"
#include "app/session/view_state.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/signal_fixtures.h"
#include "core/tests/wave_fixtures.h"
#include "core/wave_file.h"
#include "records/client_table.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using records::RecordingType;

constexpr int kAudioSignal = 0, kF0 = 2, kIntensity = 3, kStatistics = 5, kSpectrogram = 1,
              kAmplitude = 16, kPersonal = page::PersonalInformation;

// Runs a poppler tool; its standard output, or nothing when it is not installed.
std::optional<QString> poppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(60000)) return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
  const auto info = poppler("pdfinfo", {pdf});
  if (!info) return -1;
  for (const QString& line : info->split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return -1;
}

QString pdfInfoField(const QString& pdf, const QString& field) {
  for (const QString& line : poppler("pdfinfo", {pdf}).value_or("").split('\n'))
    if (line.startsWith(field + ":")) return line.mid(field.size() + 1).trimmed();
  return {};
}

// The text of page `page` (1-based), as pdftotext reads it.
QString pdfText(const QString& pdf, int page) {
  const QString n = QString::number(page);
  return poppler("pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"}).value_or("");
}

QImage pdfPicture(const QString& pdf, int page, int dpi) {
  const QString stem = pdf + "-page";
  const QString n = QString::number(page);
  poppler("pdftoppm",
          {"-f", n, "-l", n, "-r", QString::number(dpi), "-png", "-singlefile", pdf, stem});
  return QImage(stem + ".png");
}

bool popplerMissing() {
  return !poppler("pdfinfo", {"-v"});
}

void setDate(const std::string& path, int year, int month, int day) {
  std::tm date{};
  date.tm_year = year - 1900;
  date.tm_mon = month - 1;
  date.tm_mday = day;
  date.tm_hour = 12;
  const timespec when{timegm(&date), 0};
  const timespec times[2] = {when, when};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

records::ClientRecord ana() {
  records::ClientRecord client;
  client.code = 7;
  client.name = "Ana Lima";
  client.type = 1;
  client.birthDate = "03021984";
  client.address = "Rua das Flores 12";
  client.city = "Porto";
  client.homePhone = "555-0101";
  client.observations = "Hoarse since May";
  return client;
}

// --- which pages, in what order, computing what --------------------------------------------

TEST(ReportPlan, PagesPrintInTheDialogsOrderWhateverTheOrderOfTicking) {
  EXPECT_EQ(orderedPages(core::FileKind::VoiceAnalysis,
                         {kAmplitude, kSpectrogram, kAudioSignal, kPersonal, kStatistics, 4}),
            (std::vector<int>{kPersonal, kAudioSignal, kStatistics, 4, kSpectrogram, kAmplitude}));
  // The other kind's pages are not the voice dialog's to print.
  EXPECT_EQ(orderedPages(core::FileKind::VoiceAnalysis, {12, 11, kF0}), std::vector<int>{kF0});
  EXPECT_EQ(orderedPages(core::FileKind::VocalQuality, {17, kF0, 11, kPersonal, 12, 14}),
            (std::vector<int>{kPersonal, 12, 11, 14, 17}));

  const auto refused = refuseEmptyReport({});
  ASSERT_TRUE(refused);
  EXPECT_EQ(messageText(*refused), "You must select at least one screen!");
  EXPECT_FALSE(refuseEmptyReport({kPersonal}));
}

TEST(ReportPlan, EachPageComputesWhatItsDisplayNeedsAndNoMore) {
  const ModeNeeds personal = reportPageNeeds(kPersonal);
  EXPECT_FALSE(personal.f0 || personal.intensity || personal.formants || personal.lpc ||
               personal.power || personal.rangeStatistics);
  EXPECT_TRUE(reportPageNeeds(kAudioSignal).f0) << "its strip shades the voiced columns";
  EXPECT_TRUE(reportPageNeeds(kIntensity).intensity);
  const ModeNeeds several = reportNeeds({kPersonal, kStatistics, 9});
  EXPECT_TRUE(several.f0 && several.rangeStatistics && several.lpc && several.power);
  EXPECT_FALSE(several.formants);
}

class PreparedReport : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = data.file("voice.wav");
    ASSERT_FALSE(
        core::writeWave(path, core::pcm16MonoFormat(11025), testing::speechLike(11025, 2.0)));
    ASSERT_FALSE(view.open(path, core::FileKind::VoiceAnalysis));
    ASSERT_FALSE(other.open(path, core::FileKind::VoiceAnalysis));
  }
  sonarel::testing::DataFolder data;
  ViewState view, other;
};

TEST_F(PreparedReport, PersonalInformationAloneComputesNothing) {
  EXPECT_FALSE(prepareReport(view, &other, {kPersonal}));
  EXPECT_EQ(view.displayData().f0, nullptr);
  EXPECT_EQ(view.displayData().intensity, nullptr);
  EXPECT_EQ(view.displayMode(), mode::None);
}

TEST_F(PreparedReport, AudioSignalComputesF0ForTheViewAndTheComparisonWithoutShowingIt) {
  EXPECT_FALSE(prepareReport(view, &other, {kAudioSignal}));
  for (const ViewState* one : {&view, &other}) {
    ASSERT_NE(one->displayData().f0, nullptr);
    EXPECT_GT(one->displayData().f0->frameCount(), 0);
    EXPECT_NE(one->displayData().voicing, nullptr);
    EXPECT_EQ(one->displayMode(), mode::None) << "printing changes no display";
  }
}

TEST_F(PreparedReport, ACancelledAnalysisStopsTheReport) {
  std::stop_source stop;
  stop.request_stop();
  core::AnalysisControl control;
  control.stop = stop.get_token();
  const auto failure = prepareReport(view, &other, {kF0}, control);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->id, core::MessageId::AnalysisCancelled);
}

TEST(ReportPlan, TheClientListHoldsFortyClientsAPage) {
  std::vector<records::ClientRecord> clients(81);
  for (int i = 0; i < 81; ++i) clients[i].code = i + 1;
  const auto pages = clientListPages(clients);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].size(), 40u);
  EXPECT_EQ(pages[1].front().code, 41);
  EXPECT_EQ(pages[2].size(), 1u);
  EXPECT_TRUE(clientListPages({}).empty());
  EXPECT_TRUE(clientListPages(std::vector<records::ClientRecord>(40)).size() == 1);
  EXPECT_EQ(clientListLine(ana()), "007         Ana Lima");
}

TEST(ReportTexts, DatesFollowTheLanguageAndAnUnreadableDateIsLeftOut) {
  ReportSubject subject;
  subject.client = ana();
  subject.file = "003";
  subject.date = records::FileDate{2026, 3, 9};
  subject.dateOrder = records::DateOrder::YearMonthDay;
  HeaderTexts texts = headerTexts(subject);
  EXPECT_EQ(texts.name, "Name: Ana Lima");
  EXPECT_EQ(texts.file, "File: 003");
  EXPECT_EQ(texts.date, "2026/03/09");
  subject.dateOrder = records::DateOrder::DayMonthYear;
  EXPECT_EQ(headerTexts(subject).date, "09/03/2026");
  subject.date.reset();
  EXPECT_EQ(headerTexts(subject).date, "");

  subject.dateOrder = records::DateOrder::MonthDayYear;
  const auto lines = personalInformationLines(subject);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[1].first, "Birth Date:");
  EXPECT_EQ(lines[1].second, "02/03/1984");
  EXPECT_EQ(lines[8].second, "Hoarse since May");
  subject.client.birthDate = "1984";  // not a stored date: shown as it is
  EXPECT_EQ(personalInformationLines(subject)[1].second, "1984");
}

TEST(ReportPdfAuthor, TheProducerEntryBecomesTheAuthorWithEveryOffsetKept) {
  const QByteArray pdf = QByteArray("1 0 obj\n<<\n/Title (x)\n/Producer (\xfe\xff") +
                         QByteArray("\0Q\0t\0 \0006\0.\0004\0.\0002", 16) + ")\n>>\nxref";
  const QByteArray changed = withPdfAuthor(pdf, "Sonarel");
  EXPECT_EQ(changed.size(), pdf.size());
  EXPECT_TRUE(changed.contains(QByteArray("/Author (\xfe\xff\0S\0o\0n", 14)));
  EXPECT_FALSE(changed.contains("/Producer"));
  EXPECT_TRUE(changed.endsWith(")\n>>\nxref") || changed.contains("   \n>>\nxref"));
  // A name that does not fit, or no producer entry: the bytes stay as they were.
  EXPECT_EQ(withPdfAuthor(pdf, "A much longer author name"), pdf);
  EXPECT_EQ(withPdfAuthor("no entry", "Sonarel"), QByteArray("no entry"));
}

// --- the PDF file ----------------------------------------------------------------------------

class ReportPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (popplerMissing()) GTEST_SKIP() << "poppler-utils is not installed";
    wave = data.file("wv003.wav");
    ASSERT_FALSE(
        core::writeWave(wave, core::pcm16MonoFormat(11025), testing::speechLike(11025, 3.0)));
    setDate(wave, 2026, 3, 9);
    ASSERT_FALSE(view.open(wave, core::FileKind::VoiceAnalysis));
    pdf = QString::fromStdString(data.file("report.pdf"));
  }

  ReportJob job(std::vector<int> pages) {
    EXPECT_FALSE(prepareReport(view, nullptr, pages));
    ReportJob job;
    job.pages = std::move(pages);
    job.subject.client = ana();
    job.subject.file = "003";
    job.subject.date = records::fileDateOf(wave);
    job.main = view.displayData();
    return job;
  }

  sonarel::testing::DataFolder data;
  std::string wave;
  ViewState view;
  QString pdf;
};

TEST_F(ReportPdf, EveryPageCarriesTheHeaderAndTheNumbersWhenAsked) {
  ReportJob report = job({kPersonal, kAudioSignal, kF0, kStatistics});
  report.pageNumbers = true;
  ASSERT_FALSE(writeReportPdf(pdf, report));
  ASSERT_EQ(pdfPages(pdf), 4);
  EXPECT_EQ(pdfInfoField(pdf, "Author"), "Sonarel");
  EXPECT_EQ(pdfInfoField(pdf, "Creator"), "Sonarel");
  EXPECT_EQ(pdfInfoField(pdf, "Title"), "Voice report of Ana Lima, file 003");
  for (int page = 1; page <= 4; ++page) {
    const QString text = pdfText(pdf, page);
    EXPECT_TRUE(text.contains("Name: Ana Lima")) << page;
    EXPECT_TRUE(text.contains("File: 003")) << page;
    EXPECT_TRUE(text.contains("03/09/2026")) << page;
    EXPECT_TRUE(text.contains(QString("Page %1/4").arg(page))) << page;
  }
  EXPECT_TRUE(pdfText(pdf, 1).contains("Rua das Flores 12"));
  EXPECT_TRUE(pdfText(pdf, 1).contains("Obs.:"));
  EXPECT_TRUE(pdfText(pdf, 3).contains("Fundamental Frequency"));
  EXPECT_TRUE(pdfText(pdf, 3).contains("F0 (Hz)")) << "the graph's own labels are text";

  report.pageNumbers = false;
  ASSERT_FALSE(writeReportPdf(pdf, report));
  EXPECT_FALSE(pdfText(pdf, 2).contains("Page 2/4"));
}

// The rows of `picture` in column `x` that are not white, as runs [first, last].
std::vector<std::pair<int, int>> inkRuns(const QImage& picture, int x) {
  std::vector<std::pair<int, int>> runs;
  for (int y = 0; y < picture.height(); ++y) {
    if (qGray(picture.pixel(x, y)) > 245) continue;
    if (!runs.empty() && runs.back().second == y - 1) {
      runs.back().second = y;
    } else {
      runs.push_back({y, y});
    }
  }
  return runs;
}

TEST_F(ReportPdf, LinesKeepTheirWeightAtHighResolutionAndGraphsTheirShape) {
  for (const auto paper : {QPageSize::A4, QPageSize::Letter}) {
    ASSERT_FALSE(writeReportPdf(pdf, job({kAudioSignal}), QPageSize(paper)));
    const QImage page = pdfPicture(pdf, 1, 300);
    ASSERT_FALSE(page.isNull());
    // Down a column through the graph: the header's rule, then the graph's top edge, drawn
    // by a one-pixel screen pen: on a 600-dpi page it must be wider than a device pixel.
    const auto runs = inkRuns(page, page.width() * 3 / 10);
    ASSERT_GE(runs.size(), 3u);
    const auto top = runs[1];
    EXPECT_GE(top.second - top.first + 1, 2) << "a hairline at " << top.first;
    // The graph frame keeps the screen's 680 x 360 shape whatever the paper.
    const QRgb frame = page.pixel(page.width() * 3 / 10, top.first);
    int left = page.width() * 3 / 10, right = left;
    while (left > 0 && page.pixel(left - 1, top.first) == frame) --left;
    while (right + 1 < page.width() && page.pixel(right + 1, top.first) == frame) ++right;
    const auto down = inkRuns(page, left + 1);
    const auto edge = std::find_if(down.begin(), down.end(), [&](auto run) {
      return run.second - run.first > (right - left) / 3;  // the frame's left side
    });
    ASSERT_NE(edge, down.end()) << "left " << left << " right " << right << " top " << top.first
                                << " runs " << down.size();
    const double shape = double(right - left) / (edge->second - edge->first);
    EXPECT_NEAR(shape, 680.0 / 360.0, 0.06) << QPageSize(paper).name().toStdString();
  }
}

TEST_F(ReportPdf, GreyScaleDrawsTheWaveAndTheSpectrogramWithoutColour) {
  const auto coloured = [](const QImage& picture, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) >
            40)
          ++count;
      }
    return count;
  };
  // Labels and markers keep their colours; the wave and the picture lose theirs.
  ReportJob report = job({kAudioSignal, kSpectrogram});
  int counts[2][2] = {};
  for (const bool gray : {false, true}) {
    report.grayScale = gray;
    ASSERT_FALSE(writeReportPdf(pdf, report));
    for (int page = 1; page <= 2; ++page) {
      const QImage picture = pdfPicture(pdf, page, 60);
      ASSERT_FALSE(picture.isNull());
      const QRect body(0, picture.height() / 8, picture.width(), picture.height() / 2);
      counts[gray][page - 1] = coloured(picture, body);
    }
  }
  for (int page = 0; page < 2; ++page) {
    EXPECT_GT(counts[false][page], 1000) << page;
    EXPECT_LT(counts[true][page] * 20, counts[false][page]) << page;
  }
  EXPECT_EQ(counts[true][0], 0) << "nothing but the wave is coloured on the audio signal page";
}

TEST_F(ReportPdf, AComparisonIsDrawnBelowTheMainGraph) {
  ReportJob report = job({kAudioSignal});
  ASSERT_FALSE(writeReportPdf(pdf, report));
  const auto alone = inkRuns(pdfPicture(pdf, 1, 60), 200);
  report.comparison = report.main;
  ASSERT_FALSE(writeReportPdf(pdf, report));
  const auto both = inkRuns(pdfPicture(pdf, 1, 60), 200);
  EXPECT_GT(both.size(), alone.size()) << "two graphs and two strips";
  EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(ReportPdf, AnUnwritableTargetIsRefusedByName) {
  const auto failure =
      writeReportPdf(QString::fromStdString(data.path()) + "/no/such/r.pdf", job({kPersonal}));
  ASSERT_TRUE(failure);
  EXPECT_TRUE(messageText(*failure).contains("no/such/r.pdf"));
}

// --- the command line's report ---------------------------------------------------------------

struct ToolRun {
  int status;
  QString out, err;
};

ToolRun report(const QStringList& arguments) {
  QString out, err;
  QTextStream outStream(&out), errStream(&err);
  const int status = runReportCommand(arguments, outStream, errStream);
  return {status, out, err};
}

TEST_F(ReportPdf, TheCommandNamesPagesByNameOrNumberAndTakesTheClientFromTheRegister) {
  records::ClientTable table(data.path() + "/pacb.dbf");
  ASSERT_TRUE(table.create().ok());
  ASSERT_TRUE(table.append(ana()).ok());
  const QString file = QString::fromStdString(wave);
  const QString folder = QString::fromStdString(data.path());

  ToolRun run = report({file, pdf, "--pages", "spectrogram, 0,Personal Information", "--client",
                        folder, "7", "--page-numbers"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  ASSERT_EQ(pdfPages(pdf), 3);
  EXPECT_TRUE(pdfText(pdf, 1).contains("Ana Lima"));
  EXPECT_TRUE(pdfText(pdf, 2).contains("Audio Signal"));
  EXPECT_TRUE(pdfText(pdf, 3).contains("Page 3/3"));

  run = report({file, pdf, "--client", folder, "7"});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(pdfPages(pdf), 13) << "every voice page, personal information first";
  EXPECT_EQ(defaultReportPages(core::FileKind::VoiceAnalysis, false).size(), 12u);

  run = report({file, pdf, "--language", "ko", "--pages", "Fundamental Frequency"});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(pdfText(pdf, 1).contains("2026/03/09")) << "Korean writes the year first";

  EXPECT_EQ(report({file, pdf, "--pages", "Phonatory Deviation Diagram"}).status, 2);
  EXPECT_TRUE(report({file, pdf, "--pages", "42"}).err.contains("There is no page called 42"));
  EXPECT_EQ(report({file, pdf, "--client", folder, "99"}).status, 1);
  EXPECT_EQ(report({file + ".missing", pdf}).status, 1);
  EXPECT_EQ(report({file}).status, 2);
}

// --- the window --------------------------------------------------------------------------------

class PrintCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    folder = data.client(7);
    ASSERT_FALSE(core::writeWave(folder.recordingPath(RecordingType::VoiceAnalysis, 1),
                                 core::pcm16MonoFormat(11025), testing::speechLike(11025, 2.0)));
    frame = std::make_unique<CMainFrame>(FrameOptions{QString::fromStdString(data.path()), &prompt},
                                         languages, &device);
    frame->resize(1024, 768);
    frame->show();
    frame->setCurrentClient(ana());
    ASSERT_TRUE(frame->openClientFile(1, RecordingType::VoiceAnalysis));
    pdf = QString::fromStdString(data.file("printed.pdf"));
    frame->choosePrinter = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      ++printerChoices;
      return true;
    };
  }

  // Ticks exactly `pages` and presses OK.
  void tickAndPrint(std::set<int> pages) {
    frame->drivePrintDialog = [pages](CImprimir& dialog) {
      for (int page : reportPageOrder(core::FileKind::VoiceAnalysis))
        if (QCheckBox* box = dialog.pageBox(page)) box->setChecked(pages.contains(page));
      dialog.accept();
    };
  }

  sonarel::testing::DataFolder data;
  records::ClientFolder folder{"", 7};
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
  QString pdf;
  int printerChoices = 0;
};

TEST_F(PrintCommands, TheDialogOffersEveryVoicePageInOrderAndRemembersItsBoxes) {
  std::vector<QString> titles;
  bool remembered = false;
  frame->drivePrintDialog = [&](CImprimir& dialog) {
    for (int page : reportPageOrder(core::FileKind::VoiceAnalysis)) {
      if (QCheckBox* box = dialog.pageBox(page)) titles.push_back(box->text());
    }
    dialog.pageBox(kAudioSignal)->setChecked(true);
    dialog.grayScaleBox()->setChecked(true);
    dialog.accept();
  };
  frame->runCommand(cmd::Print);
  ASSERT_EQ(titles.size(), 13u);
  EXPECT_EQ(titles.front(), "Personal Information");
  EXPECT_EQ(titles[9], "LPC and Power Spectrum");
  EXPECT_EQ(titles.back(), "Spectrogram - Amplitude");
  EXPECT_EQ(printerChoices, 1);
  EXPECT_EQ(pdfPages(pdf), popplerMissing() ? -1 : 1);
  EXPECT_TRUE(frame->document().state().buffer().flags.f0Computed)
      << "the audio signal's page computes F0 first";

  frame->drivePrintDialog = [&](CImprimir& dialog) {
    remembered = dialog.pageBox(kAudioSignal)->isChecked() && dialog.grayScaleBox()->isChecked() &&
                 !dialog.pageBox(kF0)->isChecked() && !dialog.pageNumbersBox()->isChecked();
    dialog.reject();
  };
  frame->runCommand(cmd::PrintPreview);
  EXPECT_TRUE(remembered);
  EXPECT_EQ(printerChoices, 1) << "cancelled: nothing printed";
}

TEST_F(PrintCommands, NothingTickedIsRefusedAndTheDialogStaysOpen) {
  bool stayed = false;
  frame->drivePrintDialog = [&](CImprimir& dialog) {
    for (int page : reportPageOrder(core::FileKind::VoiceAnalysis))
      if (QCheckBox* box = dialog.pageBox(page)) box->setChecked(false);
    dialog.accept();
    stayed = dialog.isVisible();
    dialog.reject();
  };
  frame->runCommand(cmd::Print);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(frame->lastMessage(), "You must select at least one screen!");
  EXPECT_EQ(printerChoices, 0);
}

TEST_F(PrintCommands, PersonalInformationAlonePrintsOnePageWithoutAnalysis) {
  tickAndPrint({kPersonal});
  frame->runCommand(cmd::Print);
  EXPECT_FALSE(frame->document().state().buffer().flags.f0Computed);
  if (popplerMissing()) return;
  ASSERT_EQ(pdfPages(pdf), 1);
  EXPECT_TRUE(pdfText(pdf, 1).contains("Porto"));
}

TEST_F(PrintCommands, ThePreviewShowsThePagesThatWouldPrint) {
  tickAndPrint({kAudioSignal, kF0, kIntensity});
  int pages = -1;
  frame->drivePrintPreview = [&pages](QPrintPreviewDialog& preview) {
    auto* widget = preview.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->updatePreview();
    pages = widget->pageCount();
    preview.reject();
  };
  frame->runCommand(cmd::PrintPreview);
  EXPECT_EQ(pages, 3);
}

TEST_F(PrintCommands, ExportWritesThePdfWithoutAPrinter) {
  tickAndPrint({kPersonal, kF0});
  frame->chooseSavePath = [this](const QString&) {
    return QString::fromStdString(data.path()) + "/exported";
  };
  frame->runCommand(cmd::ExportReportPdf);
  EXPECT_EQ(printerChoices, 0);
  const QString exported = QString::fromStdString(data.path()) + "/exported.pdf";
  ASSERT_TRUE(QFileInfo::exists(exported));
  if (popplerMissing()) return;
  EXPECT_EQ(pdfPages(exported), 2);
  EXPECT_TRUE(pdfText(exported, 2).contains("File: 001"));
}

// How many pixels of `colour` (give or take a little) lie in `area`.
int pixelsOf(const QImage& picture, const QRect& area, const QColor& colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          60)
        ++count;
    }
  return count;
}

TEST_F(PrintCommands, AnOpenComparisonIsPrintedUnderEachGraphNamedAndOnCommonScales) {
  // The comparison: higher and shorter, so that its own F0 scale would differ.
  ASSERT_FALSE(core::writeWave(folder.recordingPath(RecordingType::VoiceAnalysis, 2),
                               core::pcm16MonoFormat(11025),
                               testing::sine(330, 11025, 11025 * 3 / 2, 9000)));
  frame->chooseComparisonFile = [] { return FollowUpChoice{2, RecordingType::VoiceAnalysis}; };
  frame->runCommand(cmd::CompareWithFile);
  ASSERT_NE(frame->document().state().comparison(), nullptr);
  tickAndPrint({kPersonal, kIntensity, kF0});
  frame->chooseSavePath = [this](const QString&) { return pdf; };
  frame->runCommand(cmd::ExportReportPdf);
  EXPECT_TRUE(frame->document().state().comparison()->buffer().flags.f0Computed)
      << "the comparison's pages are computed too";
  if (popplerMissing()) return;
  ASSERT_EQ(pdfPages(pdf), 3);
  EXPECT_FALSE(pdfText(pdf, 1).contains("Comparison")) << "the personal data are the client's";
  const QString f0Page = pdfText(pdf, 2);
  ASSERT_TRUE(f0Page.contains("Fundamental Frequency"));
  EXPECT_TRUE(f0Page.contains("File: 001"));
  EXPECT_TRUE(f0Page.contains("Comparison: wv002.wav"));
  EXPECT_EQ(f0Page.count("F0 (Hz)"), 2) << f0Page.toStdString();
  // Both contours are drawn, one in each half of the page's body.
  const QImage page = pdfPicture(pdf, 2, 60);
  ASSERT_FALSE(page.isNull());
  const int half = page.height() / 2;
  const QRect upper(0, page.height() / 8, page.width(), half - page.height() / 8);
  const QRect lower(0, half, page.width(), page.height() * 3 / 8);
  EXPECT_GT(pixelsOf(page, upper, kF0Colour), 20);
  EXPECT_GT(pixelsOf(page, lower, kF0Colour), 20);
  // One F0 scale for both: the text of the scales repeats line for line.
  const QStringList lines = f0Page.split('\n');
  QStringList scale;
  for (const QString& line : lines)
    if (QRegularExpression("^\\s*\\d+ Hz\\s*$").match(line).hasMatch()) scale << line.trimmed();
  ASSERT_FALSE(scale.isEmpty()) << f0Page.toStdString();
  ASSERT_EQ(scale.size() % 2, 0) << scale.join(',').toStdString();
  EXPECT_EQ(scale.mid(0, scale.size() / 2), scale.mid(scale.size() / 2));
}

TEST_F(PrintCommands, TheVocalQualityDialogListsTheRegisteredQualityPages) {
  CImprimirQV dialog({});
  EXPECT_NE(dialog.pageBox(kPersonal), nullptr);
  for (int page : {12, 11, 14, 17}) {
    EXPECT_EQ(dialog.pageBox(page) != nullptr, reportPagePrintable(page)) << page;
  }
  EXPECT_EQ(dialog.pageBox(kF0), nullptr);
}

TEST_F(PrintCommands, TheClientListPrintsFortyClientsAPage) {
  if (popplerMissing()) GTEST_SKIP() << "poppler-utils is not installed";
  records::ClientTable& table = frame->clientTable();
  ASSERT_TRUE(table.create().ok());
  for (int code = 1; code <= 41; ++code) {
    records::ClientRecord client;
    client.code = code;
    client.name = "Client " + std::to_string(code);
    ASSERT_TRUE(table.append(client).ok());
  }
  ASSERT_TRUE(table.load().ok());
  frame->printClientList();
  ASSERT_EQ(pdfPages(pdf), 2);
  const QString first = pdfText(pdf, 1);
  EXPECT_TRUE(first.contains("Client\u00b4s List"));
  // The text tool spaces words by their place on the page.
  const auto line = [](const char* code, const char* name) {
    return QRegularExpression(QString("\\b%1 +%2\\n").arg(code, name));
  };
  EXPECT_TRUE(first.contains(line("001", "Client 1"))) << first.toStdString();
  EXPECT_TRUE(first.contains(line("040", "Client 40")));
  EXPECT_FALSE(first.contains("Client 41"));
  EXPECT_TRUE(pdfText(pdf, 2).contains(line("041", "Client 41")));
}

}  // namespace
}  // namespace sonarel::app
