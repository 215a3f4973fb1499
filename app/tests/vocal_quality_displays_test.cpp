// SPDX-License-Identifier: GPL-3.0-or-later
// The vocal-quality displays drawn into images (the diagram's normal area and marks, the
// report's gauges, the curves under the spectrogram), and the follow-up commands in the real
// window (offscreen) on recordings whose segment caches are laid out beforehand.

#include <gtest/gtest.h>

#include <QImage>
#include <QTreeWidget>

#include "app/commands/command_table.h"
#include "app/dialogs/follow_up/remove_follow_up_dialog.h"
#include "app/drawing/display_modes.h"
#include "app/drawing/quality_drawing.h"
#include "app/frame/main_frame.h"
#include "app/session/prompt.h"
#include "audio/scripted_playback_device.h"
#include "core/atomic_file.h"
#include "core/wave_file.h"
#include "quality/segment_cache.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

using quality::Measure;
using quality::SegmentResult;
using records::RecordingType;

const QRect kGraph(80, 40, 680, 360);
constexpr int kRate = 44100;

SegmentResult segment(std::int32_t start, std::int32_t length, std::vector<float> irregularity,
                      std::vector<float> noise) {
  SegmentResult s;
  s.start = start;
  s.length = length;
  s.resizeFrames(static_cast<std::int32_t>(irregularity.size()));
  s.values(Measure::Irregularity) = irregularity;
  s.values(Measure::Noise) = noise;
  return s;
}

QImage blank(int height = 560) {
  QImage image(840, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

int count(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
  return n;
}

struct Recording {
  std::vector<std::int16_t> samples = std::vector<std::int16_t>(3 * kRate, 0);
  quality::SegmentTable table;
  DisplayData data() const {
    DisplayData d;
    d.samples = samples;
    d.sampleRate = kRate;
    d.range = {0, static_cast<std::int64_t>(samples.size())};
    d.segments = &table;
    return d;
  }
};

TEST(DeviationDiagramPicture, NormalAreaReachesItsEdgePointsAndNoFurther) {
  Recording r;
  QImage image = blank();
  QPainter painter(&image);
  drawDeviationDiagram(painter, kGraph, r.data(), 0, 1);
  painter.end();
  const DiagramFrame f = diagramFrame(kGraph);
  const auto at = [&](double irregularity, double noise) {
    const QPointF p = f.pixel(irregularity, noise);
    return image.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
  };
  // Points beside the area's edges, clear of the grid lines and of the word "Normal".
  EXPECT_EQ(at(3.49, 2.49), kNormalAreaColour) << "corner of the left rectangle";
  EXPECT_EQ(at(3.49, 2.53), kDiagramGround) << "above it";
  EXPECT_EQ(at(3.375, 2.49), kNormalAreaColour) << "top of the ellipse";
  EXPECT_EQ(at(4.5, 2.3), kDiagramGround) << "the upper right corner is rounded off";
  EXPECT_EQ(at(4.74, 2.45), kDiagramGround);
  EXPECT_EQ(at(4.74, 0.2), kNormalAreaColour) << "right edge of the lower rectangle";
  EXPECT_EQ(at(4.78, 0.2), kDiagramGround);
  EXPECT_EQ(at(1.0, 2.6), kDiagramGround);
  const NormalAreaPixels area = normalAreaPixels(f);
  // Yb - 0.24 H = 313.6, truncated.
  EXPECT_EQ(area.lower, QRect(QPoint(80, 313), QPoint(80 + 323 - 1, 400 - 1)));
  EXPECT_EQ(area.left.right() + 1, 80 + 238);
  EXPECT_EQ(area.left.top(), 400 - 180);
  EXPECT_EQ(area.ellipse.left(), 80 + 136);
}

TEST(DeviationDiagramPicture, MeansOnlyInTheDiagramAndOnlyForSegmentsWithFramesInRange) {
  Recording r;
  // Three frames of 333 ms (14700 samples) from 0; two of 375 ms from 60000.
  r.table.segments = {segment(0, 66150, {1, 2, 3}, {1, 1, 1}),
                      segment(60000, 44100, {6, 8}, {3, 4})};
  QImage image = blank();
  QPainter painter(&image);
  DrawnDiagram drawn = drawDeviationDiagram(painter, kGraph, r.data(), 0, 3 * kRate);
  painter.end();
  ASSERT_EQ(drawn.segments.size(), 2u);
  EXPECT_EQ(drawn.segments[0].points, 3);
  const DiagramFrame f = diagramFrame(kGraph);
  ASSERT_TRUE(drawn.segments[0].mean);
  EXPECT_EQ(*drawn.segments[0].mean, f.pixel(2, 1));
  EXPECT_EQ(*drawn.segments[1].mean, f.pixel(7, 3.5));
  EXPECT_EQ(image.pixelColor(f.pixel(7, 3.5).toPoint()), kMeanColour);

  // The follow-up form draws the same frames without any mean.
  QImage followUp = blank();
  QPainter second(&followUp);
  drawn = drawFollowUpDiagram(second, kGraph, r.data());
  second.end();
  EXPECT_EQ(count(followUp, kMeanColour), 0);
  EXPECT_FALSE(drawn.segments[0].mean);
  EXPECT_EQ(drawn.legendEntries, 1);

  // A range narrower than one frame of either segment: no point and no mean at all.
  QImage narrow = blank();
  QPainter third(&narrow);
  drawn = drawDeviationDiagram(third, kGraph, r.data(), 100, 100 + 14000);
  third.end();
  for (const DrawnSegment& s : drawn.segments) {
    EXPECT_EQ(s.points, 0);
    EXPECT_FALSE(s.mean);
  }
  EXPECT_EQ(count(narrow, kMeanColour), 0);
  EXPECT_EQ(count(narrow, mainRecordingColours().line), 0) << "no line or marker outline";
}

// The diagram's name in its corner: on the screen only, in English and Korean only, and not in
// the compact layout.
TEST(DeviationDiagramPicture, TheDiagramsNameShowsOnlyWhereItIsWritten) {
  Recording r;
  const auto render = [&](const QRect& graph, int language, bool screen) {
    DisplayData data = r.data();
    data.language = language;
    data.screen = screen;
    QImage image = blank();
    QPainter painter(&image);
    drawDeviationDiagram(painter, graph, data, 0, 1);
    return image;
  };
  const auto nameDrawn = [&](const QRect& graph, int language, bool screen) {
    const QImage with = render(graph, language, screen);
    const QImage without = render(graph, language, false);
    const DiagramFrame f = diagramFrame(graph);
    for (int y = f.yb - 14; y < f.yb; ++y)
      for (int x = f.x0 + 547; x < f.x0 + 680; ++x)
        if (with.pixel(x, y) != without.pixel(x, y)) return true;
    return false;
  };
  EXPECT_TRUE(nameDrawn(kGraph, 0, true));
  EXPECT_TRUE(nameDrawn(kGraph, 2, true));
  EXPECT_FALSE(nameDrawn(kGraph, 1, true));
  EXPECT_FALSE(nameDrawn(kGraph, 3, true));
  EXPECT_FALSE(nameDrawn(QRect(62, 24, 680, 230), 0, true)) << "compact";
}

TEST(DeviationDiagramPicture, ReadoutNamesThePointAndKeepsItsBoxInsideTheView) {
  const DiagramFrame f = diagramFrame(kGraph);
  const QPoint middle = f.pixel(5, 2.5).toPoint();
  // Noise over the plot's height above Yt + 2: 180 / 358 of 5.
  EXPECT_EQ(deviationReadout(kGraph, {}, middle), "Noise 2.51 Irr. 5.00");
  EXPECT_EQ(deviationReadoutBox(kGraph, middle), QRect(middle.x(), middle.y() - 15, 102, 15));
  const QPoint nearRight(f.x0 + 680 - 30, middle.y());
  EXPECT_EQ(deviationReadoutBox(kGraph, nearRight).right(), nearRight.x() - 1);
  EXPECT_TRUE(deviationReadout(kGraph, {}, QPoint(f.x0 - 5, middle.y())).isEmpty());
  EXPECT_TRUE(deviationReadoutBox(kGraph, QPoint(middle.x(), f.yb + 5)).isEmpty());
}

TEST(DeviationDiagramPicture, LegendDatesFollowTheLanguage) {
  const records::FileDate date{2026, 3, 9};
  EXPECT_EQ(legendDateText(date, 0), "03/09/2026");
  EXPECT_EQ(legendDateText(date, 2), "2026/03/09");
  EXPECT_EQ(legendDateText(date, 1), "09/03/2026");
  EXPECT_EQ(legendDateText(date, 3), "09/03/2026");
  EXPECT_EQ(legendEntryText(7, std::nullopt, 0), "File: 7 Date: --");
}

TEST(ReportGauges, BarsTakeTheirColourAtTheExactLimitsAndCapOnlyJitterAndShimmer) {
  quality::QualityAverages a;
  a.gne = 0.5f;
  a.noise = 2.5f;
  a.irregularity = 4.75f;
  a.jitter = 0.6f;
  a.shimmer = 6.5f;
  QImage image = blank();
  QPainter painter(&image);
  std::vector<DrawnGauge> gauges = drawQualityGauges(painter, kGraph, a);
  painter.end();
  ASSERT_EQ(gauges.size(), 5u);  // GNE, noise, irregularity, jitter, shimmer
  const QColor red(255, 0, 0), green(0, 255, 0);
  const QColor expected[] = {red, red, green, red, green};
  for (std::size_t i = 0; i < gauges.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(gauges[i].colour, expected[i]);
    EXPECT_EQ(image.pixelColor(gauges[i].bar.center()), expected[i]);
    EXPECT_FALSE(gauges[i].overflow);
  }
  // Jitter 4 %: 102 % of the gauge and "..."; irregularity 12 runs on uncapped.
  a.jitter = 4;
  a.irregularity = 12;
  QImage second = blank();
  QPainter again(&second);
  gauges = drawQualityGauges(again, kGraph, a);
  again.end();
  EXPECT_TRUE(gauges[3].overflow);
  EXPECT_EQ(gauges[3].bar.right(), gauges[3].outline.left() + 102);
  EXPECT_FALSE(gauges[2].overflow);
  EXPECT_EQ(gauges[2].bar.right(), gauges[2].outline.left() + 120);
}

TEST(ReportPicture, NoFrameInRangeWritesTheTitleAndNoFigures) {
  Recording r;
  r.table.segments = {segment(0, 66150, {1, 2, 3}, {1, 1, 1})};
  DisplayData data = r.data();
  data.range = {10, 20};
  QImage image = blank();
  QPainter painter(&image);
  DrawnReport drawn = drawVocalAnalysisData(painter, kGraph, data);
  painter.end();
  EXPECT_EQ(drawn.averages.segmentsUsed, 0);
  EXPECT_FALSE(drawn.values);
  EXPECT_FALSE(drawn.gauges);
  EXPECT_EQ(count(image, QColor(0, 255, 0)), 0) << "no gauge bar";

  data.range = {0, 3 * kRate};
  QImage full = blank();
  QPainter second(&full);
  drawn = drawVocalAnalysisData(second, kGraph, data);
  second.end();
  EXPECT_TRUE(drawn.values);
  EXPECT_TRUE(drawn.gauges);
  EXPECT_FLOAT_EQ(drawn.averages.irregularity, 2.0f);
}

// In a comparison pane the graph is about 100 rows high: the report's rows once ran into
// each other there. Every text must stay clear of the others and of the gauges, inside the
// report's frame, at the lowest pane, at a scaled one and just under the normal rows.
TEST(ReportPicture, InALowPaneNoTextOverlapsAnotherOrAGauge) {
  Recording r;
  r.table.segments = {segment(0, 66150, {1, 2, 3}, {1, 1, 1})};
  core::StatisticsReport statistics;
  statistics.statistics.meanF0 = 212.5;
  statistics.statistics.sdF0 = 31.25;
  statistics.statistics.modeCount = 6;  // the longest modes text there is
  statistics.statistics.modes = {180.25, 200.5, 220.75, 240.0, 260.25, 280.5};
  DisplayData data = r.data();
  data.statistics = &statistics;
  for (const int language : {0, 2}) {
    for (const int height : {100, 150, kShortReportHeight - 1}) {
      SCOPED_TRACE(::testing::Message() << "height " << height << " language " << language);
      data.language = language;
      const QRect graph(62, 18, 680, height);
      QImage image = blank(300);
      QPainter painter(&image);
      const DrawnReport drawn = drawVocalAnalysisData(painter, graph, data);
      painter.end();
      ASSERT_TRUE(drawn.values && drawn.gauges);
      ASSERT_EQ(drawn.drawnGauges.size(), 5u);
      ASSERT_GE(drawn.texts.size(), 20u);
      const QRect frame(QPoint(graph.left() - 50, graph.top() - 8),
                        QPoint(graph.left() + 730, graph.bottom() + 41));
      for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
        const QRect text = drawn.texts[i];
        EXPECT_TRUE(frame.contains(text)) << i;
        for (std::size_t j = i + 1; j < drawn.texts.size(); ++j)
          EXPECT_FALSE(text.intersects(drawn.texts[j])) << i << " and " << j;
        for (const DrawnGauge& gauge : drawn.drawnGauges) {
          // The gauge with its bracket over it and its scale under it.
          EXPECT_FALSE(text.intersects(gauge.outline.adjusted(-8, -6, 14, 12))) << i;
          EXPECT_TRUE(frame.contains(gauge.outline.adjusted(0, -6, 0, 12)));
        }
      }
    }
  }
}

TEST(SpectrogramCurves, FlatIntensitySitsOnTheFootAndNoF0CurveWithoutVoicing) {
  Recording r;
  core::IntensityColumns columns{};
  columns.fill(60.0f);
  core::F0Contour f0;
  f0.values.assign(200, 0.0f);
  core::StatisticsReport statistics;  // no voiced frame: minF0 = maxF0 = 0
  DisplayData data = r.data();
  data.intensityColumns = &columns;
  data.f0 = &f0;
  data.statistics = &statistics;
  QImage image = blank();
  QPainter painter(&image);
  DrawnCurves drawn = drawSpectrogramIntensityF0(painter, kGraph, data);
  painter.end();
  const CurvePanel panel = curvePanel(kGraph);
  ASSERT_TRUE(drawn.intensity.drawn);
  ASSERT_FALSE(drawn.intensity.points.empty());
  for (const QPoint& p : drawn.intensity.points) EXPECT_EQ(p.y(), panel.bottom - 1);
  EXPECT_EQ(drawn.intensity.points.back().x(), kGraph.left() + 680);
  EXPECT_FALSE(drawn.f0.drawn);
  EXPECT_TRUE(drawn.f0.points.empty());
  EXPECT_EQ(count(image, QColor(0, 0, 198)), 0) << "no F0 pen anywhere";

  // Voiced frames: the curve spans its own range, unvoiced frames at the foot.
  for (std::size_t i = 50; i < 150; ++i) f0.values[i] = 100.0f + static_cast<float>(i);
  statistics.statistics.minF0 = 150;
  statistics.statistics.maxF0 = 249;
  QImage voiced = blank();
  QPainter second(&voiced);
  drawn = drawSpectrogramIntensityF0(second, kGraph, data);
  second.end();
  ASSERT_TRUE(drawn.f0.drawn);
  EXPECT_EQ(drawn.f0.points.front().y(), panel.bottom - 1);
  EXPECT_EQ(drawn.f0.points[149].y(), panel.top);
}

// A large window scales the layout up and draws the curves in pieces: the curve still passes
// within a device pixel of every point it joins, in its pen's colour: no piece goes missing.
TEST(SpectrogramCurves, ScaledUpCurvePassesThroughEveryPoint) {
  Recording r;
  core::F0Contour f0;
  f0.values.resize(3000);
  for (std::size_t i = 0; i < f0.values.size(); ++i)
    f0.values[i] = 150.0f + 80.0f * static_cast<float>((i / 7) % 2);
  core::StatisticsReport statistics;
  statistics.statistics.minF0 = 150;
  statistics.statistics.maxF0 = 230;
  DisplayData data = r.data();
  data.f0 = &f0;
  data.statistics = &statistics;
  constexpr double kScale = 1920.0 / 680;
  QImage image(static_cast<int>(840 * kScale), static_cast<int>(560 * kScale),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(QTransform::fromScale(kScale, kScale));
  const DrawnCurves drawn = drawSpectrogramIntensityF0(painter, kGraph, data);
  painter.end();
  ASSERT_TRUE(drawn.f0.drawn);
  const QColor pen(0, 0, 198);
  for (const QPoint& p : drawn.f0.points) {
    const QPoint at(static_cast<int>(p.x() * kScale), static_cast<int>(p.y() * kScale));
    // Within a device pixel: the wide pen's ends are capped a little differently.
    bool near = false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) near = near || image.pixelColor(at + QPoint(dx, dy)) == pen;
    EXPECT_TRUE(near) << p.x() << "," << p.y();
  }
}

// The follow-up commands on a client whose six vocal-quality recordings and one voice
// recording are on disk, each quality recording with a segment cache that places it.
class FollowUpCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    languages.apply(Language::English);
    for (int number = 1; number <= 7; ++number) putQualityFile(1, number);
    const auto voice = data.client(1).recordingPath(RecordingType::VoiceAnalysis, 8);
    ASSERT_FALSE(
        core::writeWave(voice, core::pcm16MonoFormat(11025), std::vector<std::int16_t>(11025, 0)));
    frame = std::make_unique<CMainFrame>(
        FrameOptions{QString::fromStdString(data.path()), &prompt, {}}, languages, &device);
    frame->resize(1024, 768);
    frame->show();
    for (int code : {1, 2}) {
      records::ClientRecord record;
      record.code = code;
      record.name = "Client " + std::to_string(code);
      record.type = 0;
      ASSERT_TRUE(frame->clientTable().append(record).ok());
    }
    frame->setCurrentClient(*frame->clientTable().find(1));
    ASSERT_TRUE(frame->openClientFile(1, RecordingType::VocalQuality));
  }

  void putQualityFile(int client, int number) {
    const std::string path = data.client(client).recordingPath(RecordingType::VocalQuality, number);
    const std::vector<std::int16_t> samples(2 * kRate, 0);
    ASSERT_FALSE(core::writeWave(path, core::pcm16MonoFormat(kRate), samples));
    const SegmentResult s = segment(0, 2 * kRate, {float(number), float(number)}, {1, 2});
    ASSERT_TRUE(core::writeFileAtomically(
        *quality::segmentCachePath(path),
        quality::encodeSegmentCache(static_cast<std::uint32_t>(samples.size()), {&s, 1})));
  }

  void add(int number, RecordingType type = RecordingType::VocalQuality) {
    frame->chooseFollowUpFile = [number, type] { return FollowUpChoice{number, type}; };
    frame->runCommand(cmd::FollowUpAdd);
  }
  const FollowUpSeries& series() { return frame->document().state().followUp(); }

  sonarel::testing::DataFolder data;
  Languages languages;
  audio::ScriptedPlaybackDevice device;
  ScriptedPrompt prompt;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(FollowUpCommands, SixRecordingsAtMostAndEveryRefusalLeavesTheSeriesAlone) {
  add(1);
  EXPECT_EQ(frame->lastMessage(), "The Selected File already is on the Diagram!");
  add(8, RecordingType::VoiceAnalysis);
  EXPECT_EQ(frame->lastMessage(), "The Selected File is not a Vocal Quality File!");
  EXPECT_TRUE(series().empty());
  for (int number = 2; number <= 6; ++number) add(number);
  EXPECT_EQ(series().occupied(), 5);
  EXPECT_EQ(frame->document().state().displayMode(), mode::FollowUp);
  add(4);
  EXPECT_EQ(frame->lastMessage(),
            "Limit is 6 Sound Files!\nRemove a File before to insert a new...");
  frame->document().state().followUp().remove(2);  // number 4
  add(5);
  EXPECT_EQ(frame->lastMessage(), "The Selected File already is on the Diagram!");
  add(7);
  ASSERT_TRUE(series().recordings()[2]);
  EXPECT_EQ(series().recordings()[2]->fileNumber, 7) << "the first empty slot";
  EXPECT_EQ(series().recordings()[2]->table.segmentCount(), 1) << "from its cache";

  QImage image = blank(700);
  QPainter painter(&image);
  const DrawnDiagram drawn =
      drawFollowUpDiagram(painter, kGraph, frame->document().state().displayData());
  painter.end();
  EXPECT_EQ(drawn.legendEntries, 6);
  EXPECT_EQ(drawn.followUpPoints, 10);
  EXPECT_GT(count(image, followUpColours(4).marker), 0);
}

TEST_F(FollowUpCommands, TheSeriesOutlivesModesAndRecordingsButNotTheClient) {
  add(2);
  add(3);
  frame->runCommand(cmd::DeviationDiagram);
  EXPECT_EQ(frame->document().state().displayMode(), mode::DeviationDiagram);
  ASSERT_TRUE(frame->openClientFile(4, RecordingType::VocalQuality));
  frame->runCommand(cmd::FollowUpView);
  EXPECT_EQ(frame->document().state().displayMode(), mode::FollowUp);
  EXPECT_EQ(series().occupied(), 2);

  frame->driveRemoveDialog = [](CRemoverFollowUp& dialog) {
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_TRUE(dialog.list()->topLevelItem(1)->text(0).startsWith("File: 3 Date: "));
    dialog.confirm();  // nothing chosen
    EXPECT_TRUE(dialog.isVisible());
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
    dialog.confirm();
  };
  frame->runCommand(cmd::FollowUpRemove);
  EXPECT_EQ(prompt.shown.back().id, core::MessageId::SelectFile);
  ASSERT_EQ(series().occupied(), 1);
  EXPECT_EQ(series().recordings()[1]->fileNumber, 3);

  frame->runCommand(cmd::FollowUpClean);
  EXPECT_TRUE(series().empty());
  add(2);
  frame->setCurrentClient(*frame->clientTable().find(2));
  EXPECT_TRUE(series().empty());
}

}  // namespace
}  // namespace sonarel::app
