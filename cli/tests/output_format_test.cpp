// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace sonarel::cli {
namespace {

TEST(OutputFormat, QuotesWhatCsvAndJsonNeedQuoted) {
  EXPECT_EQ(csvQuoted("plain"), "plain");
  EXPECT_EQ(csvQuoted("a,b"), "\"a,b\"");
  EXPECT_EQ(csvQuoted("say \"hi\"\n"), "\"say \"\"hi\"\"\n\"");
  EXPECT_EQ(jsonQuoted("a\"b\\c\n\t\x01 é"), "\"a\\\"b\\\\c\\n\\t\\u0001 é\"");
}

TEST(OutputFormat, NonFiniteNumbersAreNull) {
  EXPECT_EQ(Value::number(std::nan(""), 2).json(), "null");
  EXPECT_EQ(Value::number(INFINITY, 2).csv(), "");
  EXPECT_EQ(Value::numbers({1, NAN, 2.5}, 1).json(), "[1.0, null, 2.5]");
  EXPECT_EQ(Value::numbers({1, 2.5}, 1).csv(), "1.0;2.5");
}

TEST(OutputFormat, TableWithUnitsInBothForms) {
  Output output("demo");
  output.field("file", "", Value::text("a.wav")).field("rate", "Hz", Value::integer(11025));
  output.columns({{"time", "s"}, {"share", "%"}, {"label", ""}});
  output.row({Value::number(0.5, 3), Value::number(12.345, 1), Value::text("x,y")});
  output.row({Value::number(1, 3), Value::null(), Value::text("z")});
  EXPECT_EQ(output.csv(), "time_s,share_percent,label\n0.500,12.3,\"x,y\"\n1.000,,z\n");
  EXPECT_EQ(output.json(),
            "{\n  \"subcommand\": \"demo\",\n  \"fields\": {\n    \"file\": \"a.wav\",\n"
            "    \"rate\": 11025\n  },\n  \"units\": {\n    \"rate\": \"Hz\",\n"
            "    \"time\": \"s\",\n    \"share\": \"%\"\n  },\n"
            "  \"columns\": [\"time\", \"share\", \"label\"],\n  \"rows\": [\n"
            "    [0.500, 12.3, \"x,y\"],\n    [1.000, null, \"z\"]\n  ]\n}\n");
}

TEST(OutputFormat, FieldsAloneMakeOneCsvRowAndTextPrintsNothing) {
  Output output("figures");
  output.field("mean_f0", "Hz", Value::number(120, 2)).field("method", "", Value::text("ac"));
  EXPECT_EQ(output.csv(), "mean_f0_Hz,method\n120.00,ac\n");
  std::ostringstream text;
  writeOutput(text, OutputFormat::Text, output);
  EXPECT_EQ(text.str(), "");
}

}  // namespace
}  // namespace sonarel::cli
