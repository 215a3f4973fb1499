// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// sonarel-report (run by "sonarel-cli report-pdf"): a recording's report written as a PDF
// file without a window. Exit status as sonarel-cli's: 0 written, 1 a file could not be
// read or written, 2 a usage error.

#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

#include "core/message.h"
#include "core/sample_buffer.h"

namespace sonarel::app {

int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The pages named in LIST (display names or mode numbers, separated by commas) in print
// order; the refusal names the first word that is no page of `kind`.
struct PageChoice {
  std::vector<int> pages;
  std::optional<core::Message> refusal;
};
PageChoice pagesFromList(const QString& list, core::FileKind kind);
// Every printable display page of `kind`, after the personal information when `withClient`.
std::vector<int> defaultReportPages(core::FileKind kind, bool withClient);

}  // namespace sonarel::app
