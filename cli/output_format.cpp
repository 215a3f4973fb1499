// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_format.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace sonarel::cli {
namespace {

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

Value Value::number(double value, int decimals) {
  if (!std::isfinite(value)) return null();
  Value v(Kind::Number);
  v.numbers_ = {value};
  v.decimals_ = decimals;
  return v;
}

Value Value::integer(long long value) {
  Value v(Kind::Integer);
  v.integer_ = value;
  return v;
}

Value Value::text(std::string value) {
  Value v(Kind::Text);
  v.text_ = std::move(value);
  return v;
}

Value Value::numbers(std::vector<double> values, int decimals) {
  Value v(Kind::Numbers);
  v.numbers_ = std::move(values);
  v.decimals_ = decimals;
  return v;
}

std::string Value::csv() const {
  switch (kind_) {
    case Kind::Null:
      return "";
    case Kind::Number:
      return fixed(numbers_[0], decimals_);
    case Kind::Integer:
      return std::to_string(integer_);
    case Kind::Text:
      return csvQuoted(text_);
    case Kind::Numbers: {
      std::string joined;
      for (std::size_t i = 0; i < numbers_.size(); ++i) {
        joined +=
            (i ? ";" : "") + (std::isfinite(numbers_[i]) ? fixed(numbers_[i], decimals_) : "");
      }
      return joined;
    }
  }
  return "";
}

std::string Value::json() const {
  switch (kind_) {
    case Kind::Null:
      return "null";
    case Kind::Number:
      return fixed(numbers_[0], decimals_);
    case Kind::Integer:
      return std::to_string(integer_);
    case Kind::Text:
      return jsonQuoted(text_);
    case Kind::Numbers: {
      std::string list = "[";
      for (std::size_t i = 0; i < numbers_.size(); ++i) {
        list += (i ? ", " : "") +
                (std::isfinite(numbers_[i]) ? fixed(numbers_[i], decimals_) : std::string("null"));
      }
      return list + "]";
    }
  }
  return "null";
}

Output& Output::field(std::string name, std::string unit, Value value) {
  fieldNames_.push_back({std::move(name), std::move(unit)});
  fieldValues_.push_back(std::move(value));
  return *this;
}

std::string csvColumnName(const Column& column) {
  if (column.unit.empty()) return column.name;
  return column.name + "_" + (column.unit == "%" ? std::string("percent") : column.unit);
}

std::string Output::csv() const {
  const bool table = !columns_.empty();
  const std::vector<Column>& names = table ? columns_ : fieldNames_;
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i)
    out += (i ? "," : "") + csvQuoted(csvColumnName(names[i]));
  out += '\n';
  const auto line = [&out](const std::vector<Value>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + values[i].csv();
    out += '\n';
  };
  if (table) {
    for (const auto& values : rows_) line(values);
  } else {
    line(fieldValues_);
  }
  return out;
}

std::string Output::json() const {
  std::string out = "{\n  \"subcommand\": " + jsonQuoted(subcommand_) + ",\n  \"fields\": {";
  for (std::size_t i = 0; i < fieldNames_.size(); ++i) {
    out += (i ? ",\n    " : "\n    ") + jsonQuoted(fieldNames_[i].name) + ": " +
           fieldValues_[i].json();
  }
  out += fieldNames_.empty() ? "},\n" : "\n  },\n";
  out += "  \"units\": {";
  bool first = true;
  for (const auto* list : {&fieldNames_, &columns_}) {
    for (const Column& named : *list) {
      if (named.unit.empty()) continue;
      out +=
          (first ? "\n    " : ",\n    ") + jsonQuoted(named.name) + ": " + jsonQuoted(named.unit);
      first = false;
    }
  }
  out += first ? "}" : "\n  }";
  if (!columns_.empty()) {
    out += ",\n  \"columns\": [";
    for (std::size_t i = 0; i < columns_.size(); ++i)
      out += (i ? ", " : "") + jsonQuoted(columns_[i].name);
    out += "],\n  \"rows\": [";
    for (std::size_t r = 0; r < rows_.size(); ++r) {
      out += r ? ",\n    [" : "\n    [";
      for (std::size_t i = 0; i < rows_[r].size(); ++i) out += (i ? ", " : "") + rows_[r][i].json();
      out += "]";
    }
    out += rows_.empty() ? "]" : "\n  ]";
  }
  return out + "\n}\n";
}

void writeOutput(std::ostream& out, OutputFormat format, const Output& output) {
  if (format == OutputFormat::Csv) out << output.csv();
  if (format == OutputFormat::Json) out << output.json();
}

std::string csvQuoted(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string jsonQuoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      quoted += escaped;
    } else {
      quoted += c;  // UTF-8 passes through
    }
  }
  return quoted + "\"";
}

}  // namespace sonarel::cli
