// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printed report holds, without a window or a printer: the pages a file kind offers
// in the order they print, which of them the user ticked, what each page needs computed
// before anything is drawn, and the client list cut into pages.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/session/mode_needs.h"
#include "core/analysis_control.h"
#include "core/message.h"
#include "core/sample_buffer.h"
#include "records/client_record.h"

namespace sonarel::app {

class ViewState;

namespace page {
// Not a display: the client's personal data.
constexpr int PersonalInformation = 15;
}  // namespace page

// The boxes of one print dialog, kept from one print to the next.
struct PrintChoices {
  std::set<int> ticked;  // page codes
  bool pageNumbers = false;
  bool grayScale = false;
};

// Every page the print dialog of `kind` can offer, in print order (display-mode codes and
// page::PersonalInformation). Pages of displays this build lacks are filtered by the caller.
const std::vector<int>& reportPageOrder(core::FileKind kind);

// The ticked pages of `kind` in print order; codes the kind does not offer are dropped.
std::vector<int> orderedPages(core::FileKind kind, const std::set<int>& ticked);

// "You must select at least one screen!" for an empty list.
std::optional<core::Message> refuseEmptyReport(const std::vector<int>& pages);

// What a page needs computed: its display's needs, with the F0 contour for the audio signal
// (its strip shades the voiced columns). Nothing for the personal information or a code
// that names no display.
ModeNeeds reportPageNeeds(int page);
ModeNeeds reportNeeds(const std::vector<int>& pages);

// Computes everything `pages` need for `view` and, when there is one, `comparison`, without
// changing what either shows. A cancelled analysis stops at once; another failure is
// returned after the rest has been computed (the pages are drawn as far as they go).
std::optional<core::Message> prepareReport(ViewState& view, ViewState* comparison,
                                           const std::vector<int>& pages,
                                           const core::AnalysisControl& control = {});

// The client list printed 40 to a page, in list order.
constexpr int kClientsPerPage = 40;
std::vector<std::vector<records::ClientRecord>> clientListPages(
    const std::vector<records::ClientRecord>& clients);
// One client's line: the code "%03d", nine blanks, the name.
std::string clientListLine(const records::ClientRecord& client);

}  // namespace sonarel::app
