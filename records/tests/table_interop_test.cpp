// SPDX-License-Identifier: GPL-3.0-or-later
// The register as other programs see it: GDAL's ogrinfo and LibreOffice (headless, to CSV)
// read a table this program wrote field for field, and a table GDAL wrote with the same
// schema reads here. Skipped only when the tool is not installed (scripts/setup installs
// both).

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "records/client_table.h"
#include "records/tests/table_fixtures.h"

namespace sonarel::records {
namespace {

using testing::DataFolder;

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

bool installed(const char* tool) {
  return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

// The rows the tests store: accents, Korean, a blank field and values filling their width.
std::vector<ClientRecord> sampleClients() {
  ClientRecord a = testing::client(1, "José Conceição Ñandú", 1);
  a.address = "Rua da Saúde, 12";
  a.city = "São Paulo";
  a.state = "SP";
  a.zip = "01000-000";
  a.homePhone = "+55 11 5555";
  a.workPhone = "";
  ClientRecord b = testing::client(2, "김민준", 3);
  b.city = "서울";
  b.observations = "노래 선생님";
  ClientRecord c = testing::client(3, std::string(60, 'M'), 2);
  c.birthDate = "";
  c.observations = std::string(100, 'o');
  c.city = std::string(30, 'c');
  return {a, b, c};
}

std::vector<std::string> fieldsOf(const ClientRecord& r) {
  return {std::to_string(r.code),
          r.name,
          std::to_string(r.type),
          r.birthDate,
          r.address,
          r.city,
          r.state,
          r.zip,
          r.homePhone,
          r.workPhone,
          r.observations};
}

// ogrinfo's "  NAME (Type) = value" lines, feature by feature.
std::vector<std::map<std::string, std::string>> ogrFeatures(const std::string& text) {
  std::vector<std::map<std::string, std::string>> features;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with("OGRFeature(")) {
      features.emplace_back();
      continue;
    }
    const auto open = line.find(" ("), equals = line.find(") = ");
    if (features.empty() || !line.starts_with("  ") || open == std::string::npos ||
        equals == std::string::npos) {
      continue;
    }
    std::string value = line.substr(equals + 4);
    if (value == "(null)") value.clear();
    features.back()[line.substr(2, open - 2)] = value;
  }
  return features;
}

// One CSV line as LibreOffice writes it: commas, double quotes around texts.
std::vector<std::string> csvCells(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  return cells;
}

class TableInterop : public ::testing::Test {
 protected:
  DataFolder data;
  std::string path = data.file("pacb.dbf");

  void SetUp() override {
    ClientTable table(path);
    ASSERT_TRUE(table.create().ok());
    for (const ClientRecord& r : sampleClients()) ASSERT_TRUE(table.append(r).ok());
  }
};

TEST_F(TableInterop, GdalReadsTheTableFieldForField) {
  if (!installed("ogrinfo")) GTEST_SKIP() << "ogrinfo is not installed";
  const std::string text = run("ogrinfo -ro -al '" + path + "' 2>&1");
  EXPECT_NE(text.find("NOME: String (60.0)"), std::string::npos) << text;
  EXPECT_NE(text.find("CODIGO: Integer (4.0)"), std::string::npos);
  const auto features = ogrFeatures(text);
  const auto expected = sampleClients();
  ASSERT_EQ(features.size(), expected.size()) << text;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto fields = fieldsOf(expected[i]);
    for (std::size_t f = 0; f < fields.size(); ++f) {
      const char* name = clientTableSchema()[f].name;
      EXPECT_EQ(features[i].at(name), fields[f]) << "row " << i << " field " << name;
    }
  }
}

TEST_F(TableInterop, LibreOfficeReadsTheTableFieldForField) {
  if (!installed("soffice")) GTEST_SKIP() << "LibreOffice is not installed";
  const std::string profile = "file://" + data.file("office-profile");
  run("cd '" + data.path() + "' && soffice -env:UserInstallation=" + profile +
      " --headless --infilter=dBase:UTF8 --convert-to "
      "'csv:Text - txt - csv (StarCalc):44,34,76' --outdir '" +
      data.path() + "/csv' pacb.dbf 2>&1");
  std::ifstream csv(data.file("csv/pacb.csv"));
  std::string line;
  ASSERT_TRUE(std::getline(csv, line)) << "no CSV written";
  // The header names each field with its dBASE type and width.
  const auto header = csvCells(line);
  ASSERT_EQ(header.size(), 11u);
  for (std::size_t f = 0; f < 11; ++f) {
    const TableField& column = clientTableSchema()[f];
    EXPECT_EQ(header[f], std::string(column.name) + "," + column.type + "," +
                             std::to_string(column.width) + (column.type == 'N' ? ",0" : ""));
  }
  for (const ClientRecord& r : sampleClients()) {
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(csvCells(line), fieldsOf(r));
  }
  EXPECT_FALSE(std::getline(csv, line));
}

TEST(TableInteropWritten, ATableGdalWroteReadsHere) {
  if (!installed("ogr2ogr")) GTEST_SKIP() << "ogr2ogr is not installed";
  DataFolder data;
  std::ofstream(data.file("clients.csv"))
      << "CODIGO,NOME,TIPO,DATANASC,ENDERECO,CIDADE,ESTADO,CEP,FONER,FONEC,OBS\n"
         "4,Inês Müller,1,31121980,Av. Brasil,Rio de Janeiro,RJ,20000,1,2,nota\n"
         "9,박서연,0,,,,,,,,\n";
  std::ofstream(data.file("clients.csvt"))
      << "\"Integer(4)\",\"String(60)\",\"Integer(4)\",\"String(12)\",\"String(60)\","
         "\"String(30)\",\"String(4)\",\"String(12)\",\"String(14)\",\"String(14)\","
         "\"String(100)\"\n";
  run("cd '" + data.path() +
      "' && ogr2ogr -f 'ESRI Shapefile' -lco ENCODING=UTF-8 pacb.dbf clients.csv 2>&1");
  ClientTable table(data.file("pacb.dbf"));
  ASSERT_EQ(table.load().value, 1);
  ASSERT_EQ(table.count(), 2);
  const ClientRecord& first = table.list()[0];
  EXPECT_EQ(first.code, 4);
  EXPECT_EQ(first.name, "Inês Müller");
  EXPECT_EQ(first.type, 1);
  EXPECT_EQ(first.birthDate, "31121980");
  EXPECT_EQ(first.city, "Rio de Janeiro");
  EXPECT_EQ(first.observations, "nota");
  EXPECT_EQ(table.list()[1].name, "박서연");
  // And it takes a change without losing the other row.
  ASSERT_TRUE(table.updateClient(testing::client(9, "박서연 김")).ok());
  ASSERT_EQ(table.load().value, 1);
  EXPECT_EQ(table.list()[0].name, "Inês Müller");
  EXPECT_EQ(table.list()[1].name, "박서연 김");
}

}  // namespace
}  // namespace sonarel::records
