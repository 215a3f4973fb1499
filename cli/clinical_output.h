// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of the clinical measures in the three output formats of the clinical subcommand:
// one row per measure with its value and its published normal limit.

#include <optional>
#include <string>

#include "quality/clinical/avqi.h"

namespace sonarel::cli {

enum class ClinicalFormat { Text, Csv, Json };

// "text", "csv" or "json"; nothing for another word.
std::optional<ClinicalFormat> clinicalFormatNamed(const std::string& word);

std::string formatClinical(const quality::clinical::ClinicalMeasures& m, ClinicalFormat format);

}  // namespace sonarel::cli
