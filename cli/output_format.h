// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine-readable output of the subcommands (--format csv|json). A subcommand fills one
// Output with named fields (figures of the whole run) and at most one table of named columns,
// each with its unit, and prints it with writeOutput; its text form stays its own.
//
//   Output out("f0");
//   out.field("sample_rate", "Hz", Value::integer(rate));
//   out.columns({{"time", "s"}, {"f0", "Hz"}});
//   out.row({Value::number(t, 6), Value::number(f0, 3)});
//   writeOutput(streams.out, format, out);
//
// CSV is the table (a header row of "name_unit" names, then one line per row), or, when the
// output has no table, its fields as a header row and one line. JSON is one object:
//   {"subcommand": "f0", "fields": {...}, "units": {"name": "unit", ...},
//    "columns": ["time", "f0"], "rows": [[0.0, 120.978], ...]}
// where "units" names the unit of every field and column that has one.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace sonarel::cli {

class Value {
 public:
  static Value null() { return Value(Kind::Null); }
  // A measurement printed with `decimals` digits after the point; not finite is null.
  static Value number(double value, int decimals);
  static Value integer(long long value);
  static Value text(std::string value);
  // A list of measurements: a JSON array, or in CSV one field separated by ";".
  static Value numbers(std::vector<double> values, int decimals);

  std::string csv() const;
  std::string json() const;

 private:
  enum class Kind { Null, Number, Integer, Text, Numbers };
  explicit Value(Kind kind) : kind_(kind) {}
  Kind kind_;
  std::vector<double> numbers_;
  long long integer_ = 0;
  int decimals_ = 0;
  std::string text_;
};

struct Column {
  std::string name;  // lower case with underscores: "mean_f0"
  std::string unit;  // "Hz", "s", "dB", "%", "samples"; empty when the figure has none
};

class Output {
 public:
  explicit Output(std::string subcommand) : subcommand_(std::move(subcommand)) {}

  Output& field(std::string name, std::string unit, Value value);
  void columns(std::vector<Column> columns) { columns_ = std::move(columns); }
  // A row has one value per column.
  void row(std::vector<Value> values) { rows_.push_back(std::move(values)); }

  std::string csv() const;
  std::string json() const;

 private:
  std::string subcommand_;
  std::vector<Column> fieldNames_;
  std::vector<Value> fieldValues_;
  std::vector<Column> columns_;
  std::vector<std::vector<Value>> rows_;
};

// The CSV header name of a column: "f0_Hz", "jitter_percent", "path".
std::string csvColumnName(const Column& column);

// Prints `output` as CSV or JSON (a Text format prints nothing: the caller prints its text).
void writeOutput(std::ostream& out, OutputFormat format, const Output& output);

// The CSV and JSON string quoting, for writers of their own tables.
std::string csvQuoted(const std::string& text);
std::string jsonQuoted(const std::string& text);

}  // namespace sonarel::cli
