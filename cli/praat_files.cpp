// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/praat_files.h"

#include <algorithm>
#include <cstdio>

namespace sonarel::cli {
namespace {

// Times and values as Praat itself writes them: enough digits to read back the same double.
std::string number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// A Praat string: double quotes inside are doubled.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string header(const char* objectClass, double xmin, double xmax) {
  return std::string("File type = \"ooTextFile\"\nObject class = \"") + objectClass +
         "\"\n\nxmin = " + number(xmin) + " \nxmax = " + number(xmax) + " \n";
}

}  // namespace

std::string pitchTierText(double xmin, double xmax, const std::vector<PitchPoint>& points) {
  std::string out = header("PitchTier", xmin, xmax);
  out += "points: size = " + std::to_string(points.size()) + " \n";
  for (std::size_t i = 0; i < points.size(); ++i) {
    out += "points [" + std::to_string(i + 1) + "]:\n    number = " + number(points[i].seconds) +
           " \n    value = " + number(points[i].hertz) + " \n";
  }
  return out;
}

std::string textGridText(double xmin, double xmax, const std::vector<IntervalTier>& tiers) {
  std::string out = header("TextGrid", xmin, xmax);
  out += "tiers? <exists> \nsize = " + std::to_string(tiers.size()) + " \nitem []: \n";
  for (std::size_t t = 0; t < tiers.size(); ++t) {
    const IntervalTier& tier = tiers[t];
    out += "    item [" + std::to_string(t + 1) + "]:\n        class = \"IntervalTier\" \n" +
           "        name = " + quoted(tier.name) + " \n        xmin = " + number(xmin) +
           " \n        xmax = " + number(xmax) +
           " \n        intervals: size = " + std::to_string(tier.intervals.size()) + " \n";
    for (std::size_t i = 0; i < tier.intervals.size(); ++i) {
      const Interval& interval = tier.intervals[i];
      out += "        intervals [" + std::to_string(i + 1) +
             "]:\n            xmin = " + number(interval.xmin) +
             " \n            xmax = " + number(interval.xmax) +
             " \n            text = " + quoted(interval.text) + " \n";
    }
  }
  return out;
}

IntervalTier labelRuns(std::string name, const std::vector<double>& starts,
                       const std::vector<std::string>& labels, double xmax) {
  IntervalTier tier{std::move(name), {}};
  for (std::size_t i = 0; i < labels.size() && i < starts.size(); ++i) {
    const double end = i + 1 < starts.size() ? std::min(starts[i + 1], xmax) : xmax;
    if (end <= starts[i]) continue;
    if (!tier.intervals.empty() && tier.intervals.back().text == labels[i]) {
      tier.intervals.back().xmax = end;
    } else if (tier.intervals.empty() && starts[i] > 0) {
      tier.intervals.push_back({0, starts[i], ""});
      tier.intervals.push_back({starts[i], end, labels[i]});
    } else {
      tier.intervals.push_back(
          {tier.intervals.empty() ? 0 : tier.intervals.back().xmax, end, labels[i]});
    }
  }
  if (tier.intervals.empty()) tier.intervals.push_back({0, xmax, ""});
  return tier;
}

IntervalTier stretchesTier(std::string name, const std::vector<Interval>& stretches, double xmax) {
  IntervalTier tier{std::move(name), {}};
  double at = 0;
  for (const Interval& stretch : stretches) {
    const double from = std::max(stretch.xmin, at);
    const double to = std::min(stretch.xmax, xmax);
    if (to <= from) continue;
    if (from > at) tier.intervals.push_back({at, from, ""});
    tier.intervals.push_back({from, to, stretch.text});
    at = to;
  }
  if (at < xmax || tier.intervals.empty()) tier.intervals.push_back({at, xmax, ""});
  return tier;
}

}  // namespace sonarel::cli
