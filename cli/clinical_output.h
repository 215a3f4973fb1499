// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clinical measures as the clinical subcommand prints them: one row per measure with its
// value, its unit and its published normal limit. The text form is the subcommand's own; CSV
// and JSON go through the output layer every subcommand shares (cli/output_format.h).

#include <optional>
#include <string>

#include "cli/output_format.h"
#include "quality/clinical/avqi.h"

namespace sonarel::cli {

std::string clinicalText(const quality::clinical::ClinicalMeasures& m);

// Fields: the files and the seconds of each that were measured; table: measure, value, unit,
// normal_relation ("<", ">" or empty), normal_limit and within_normal (1, 0 or empty).
Output clinicalOutput(const quality::clinical::ClinicalMeasures& m, const std::string& vowelPath,
                      const std::optional<std::string>& speechPath);

}  // namespace sonarel::cli
