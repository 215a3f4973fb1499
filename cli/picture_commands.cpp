// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/picture_commands.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <regex>

#include "app/drawing/quality_drawing.h"
#include "app/session/follow_up.h"
#include "cli/arguments.h"
#include "cli/quality_analysis.h"
#include "cli/sound_file_option.h"
#include "core/atomic_file.h"
#include "core/f0_driver.h"
#include "core/f0_settings.h"
#include "core/voice_statistics.h"
#include "quality/diagram_points.h"
#include "quality/normal_area.h"

namespace sonarel::cli {
namespace {

// The window's normal graph, with room around it for the pictures' labels and legend.
const QRect kGraph(80, 40, 680, 360);
constexpr int kPictureWidth = 840;
constexpr int kDiagramHeight = 470;
constexpr int kFollowUpHeight = 560;
constexpr int kReportHeight = 460;
constexpr int kMostRecordings = 1 + app::FollowUpSeries::kSlots;

// Painting text needs a GUI application; the command line makes one without a screen for
// the length of the command when the caller has none.
class PaintingContext {
 public:
  PaintingContext() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[12] = "sonarel-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

QImage blankPicture(int height) {
  QImage image(kPictureWidth, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

int savePicture(const QImage& image, const std::string& path, Streams streams) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG") ||
      !core::writeFileAtomically(path, std::string(bytes.constData(), bytes.size()))) {
    streams.err << core::writeFailure(path, {core::MessageId::PictureNotSaved, {path}}).text()
                << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

std::string line(const char* format, auto... values) {
  char text[512];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

// One line per segment: its mean over the frames inside the range, and where that lies.
void printSegmentMeans(std::ostream& out, const std::string& path,
                       const quality::SegmentTable& table, double first, double last) {
  int index = 0;
  for (const quality::SegmentResult& segment : table.segments) {
    ++index;
    const std::vector<quality::DiagramPoint> points = quality::segmentPoints(segment, first, last);
    const std::optional<quality::DiagramPoint> mean = quality::meanPoint(points);
    if (!mean) {
      out << line("%s segment %d: no frame\n", path.c_str(), index);
      continue;
    }
    out << line("%s segment %d: irregularity %.2f noise %.2f %s\n", path.c_str(), index,
                mean->irregularity, mean->noise,
                quality::inNormalArea(mean->irregularity, mean->noise) ? "inside" : "outside");
  }
}

// The folder of a client ("pac007"), or empty for a file outside the register.
std::string clientFolderOf(const std::string& path) {
  const std::string folder =
      std::filesystem::absolute(path).lexically_normal().parent_path().filename().string();
  return std::regex_match(folder, std::regex("pac[0-9]{3,4}")) ? folder : std::string();
}

app::DisplayData pictureData(const core::SampleBuffer& recording,
                             const quality::SegmentTable& table, const std::string& path) {
  app::DisplayData data;
  data.samples = recording.samples;
  data.sampleRate = recording.format.sampleRate;
  data.range = {0, recording.count()};
  data.segments = &table;
  data.fileNumber = app::recordingNumberOf(path);
  data.fileDate = records::fileDate(path);
  data.fileName = std::filesystem::path(path).filename().string();
  return data;
}

}  // namespace

int runDiagram(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, {"--png"}, {});
  if (!args.error.empty()) return usageError(streams, args.error);
  const std::optional<std::string> png = args.option("--png");
  if (!png || args.positional.empty())
    return usageError(streams, "diagram takes FILE... --png OUT");
  const std::vector<std::string>& files = args.positional;
  if (static_cast<int>(files.size()) > kMostRecordings) {
    streams.err << core::Message{core::MessageId::FollowUpLimit}.text() << "\n";
    return kExitBadInput;
  }
  const std::string client = clientFolderOf(files[0]);
  for (const std::string& file : files) {
    if (clientFolderOf(file) != client) {
      return usageError(streams, "the recordings of a follow-up belong to one client");
    }
  }

  core::SampleBuffer main;
  quality::SegmentTable mainTable;
  if (auto status = segmentsOfFile(files[0], false, main, mainTable, streams)) return *status;
  app::FollowUpSeries series;
  for (std::size_t i = 1; i < files.size(); ++i) {
    const app::FollowUpCandidate candidate{app::recordingNumberOf(files[i]), files[i], true};
    if (auto refused = series.refusal(candidate, files[0])) {
      streams.err << files[i] << ": " << refused->lines() << "\n";
      return kExitBadInput;
    }
    app::FollowUpRecording recording;
    core::SampleBuffer samples;
    if (auto status = segmentsOfFile(files[i], false, samples, recording.table, streams)) {
      return *status;
    }
    recording.fileNumber = candidate.fileNumber;
    recording.path = files[i];
    recording.date = records::fileDate(files[i]);
    series.add(std::move(recording));
  }

  printSegmentMeans(streams.out, files[0], mainTable, 0, static_cast<double>(main.count()));
  for (const auto& slot : series.recordings()) {
    if (slot) printSegmentMeans(streams.out, slot->path, slot->table, 0, 1e18);
  }

  PaintingContext context;
  app::DisplayData data = pictureData(main, mainTable, files[0]);
  data.followUp = &series;
  const bool followUp = files.size() > 1;
  QImage image = blankPicture(followUp ? kFollowUpHeight : kDiagramHeight);
  {
    QPainter painter(&image);
    if (followUp) {
      app::drawFollowUpDiagram(painter, kGraph, data);
    } else {
      app::drawDeviationDiagram(painter, kGraph, data, 0, static_cast<double>(main.count()));
    }
  }
  return savePicture(image, *png, streams);
}

int runReport(const std::vector<std::string>& words, Streams streams) {
  const Arguments args = parseArguments(words, withRangeOptions({"--png"}), {});
  if (!args.error.empty()) return usageError(streams, args.error);
  const std::optional<std::string> png = args.option("--png");
  if (!png || args.positional.size() != 1) {
    return usageError(streams, "report takes FILE --png OUT");
  }
  core::SampleBuffer recording;
  quality::SegmentTable table;
  const std::string& path = args.positional[0];
  if (auto status = segmentsOfFile(path, false, recording, table, streams)) return *status;
  const double rate = recording.format.sampleRate;
  const auto count = recording.count();
  const RangeChoice chosen = readRange(args, count, rate);
  if (!chosen.error.empty()) return usageError(streams, chosen.error);
  const core::SampleIndex first = chosen.range.first;
  const core::SampleIndex last = chosen.range.last;

  // The F0 figures as the window computes them: the contour of the whole recording (default
  // settings), summarised over the range.
  core::VoiceAnalysis voice;
  const core::F0Result f0 = core::computeF0(recording, core::F0Settings{}, voice);
  if (f0.message) {
    streams.err << f0.message->text() << "\n";
    return kExitBadInput;
  }
  core::StatisticsReport statistics;
  statistics.range = {first, last};
  statistics.sampleRate = recording.format.sampleRate;
  statistics.statistics =
      core::computeVoiceStatistics({voice.f0, voice.intensityColumns, count, statistics.range});

  PaintingContext context;
  app::DisplayData data = pictureData(recording, table, path);
  data.range = {first, last};
  data.statistics = &statistics;
  data.f0 = &voice.f0;
  QImage image = blankPicture(kReportHeight);
  {
    QPainter painter(&image);
    app::drawVocalAnalysisData(painter, kGraph, data);
  }
  return savePicture(image, *png, streams);
}

void addPictureCommands() {
  addCommand({"diagram", "diagram FILE... --png OUT      the phonatory deviation diagram as a PNG",
              "usage: sonarel-cli diagram FILE... --png OUT\n"
              "Draws the phonatory deviation diagram of a 44100 Hz vocal-quality recording as the\n"
              "window shows it, or with up to five more recordings of the same client the\n"
              "follow-up diagram (the first FILE is the main recording), into the PNG file OUT.\n"
              "Prints one line per segment of each recording: its mean irregularity and noise\n"
              "over its frames, and whether that mean lies inside or outside the normal area.\n",
              runDiagram});
  addCommand({"report",
              "report FILE --png OUT [--from S] [--to S]   the vocal analysis report as a PNG",
              "usage: sonarel-cli report FILE --png OUT [--from S] [--to S]\n"
              "Draws the vocal analysis report of a 44100 Hz vocal-quality recording over the\n"
              "range from S to S seconds (the whole file by default), with its gauges, as the\n"
              "window shows it, into the PNG file OUT.\n",
              runReport});
}

}  // namespace sonarel::cli
