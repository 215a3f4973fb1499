// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/quality_analysis.h"

#include <ostream>

#include "cli/sound_file_option.h"

namespace sonarel::cli {

std::optional<int> segmentsOfFile(const std::string& path, bool useCache,
                                  core::SampleBuffer& recording, quality::SegmentTable& table,
                                  Streams streams) {
  Arguments asQuality;
  asQuality.options["--kind"] = "quality";
  if (auto status = openForAnalysis(asQuality, path, recording, streams)) return status;
  quality::VocalQualitySettings settings;
  settings.useCache = useCache;
  const quality::VocalQualityOutcome outcome = quality::ensureSegments(recording, table, settings);
  if (outcome.refused) {
    streams.err << outcome.refused->lines() << "\n";
    return kExitBadInput;
  }
  // The analysis stands even when its cache cannot be written; say so and go on.
  if (outcome.cacheWarning) streams.err << outcome.cacheWarning->text() << "\n";
  if (table.segmentCount() == 0) {
    streams.err << core::Message{core::MessageId::NoAreaToAnalyse}.text() << "\n";
    return kExitBadInput;
  }
  return std::nullopt;
}

}  // namespace sonarel::cli
