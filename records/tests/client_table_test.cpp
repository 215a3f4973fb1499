// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/client_table.h"

#include <gtest/gtest.h>

#include "records/tests/table_fixtures.h"
#include "records/text_encoding.h"

namespace sonarel::records {
namespace {

using core::MessageId;
using testing::client;
using testing::DataFolder;

class ClientTableTest : public ::testing::Test {
 protected:
  DataFolder data;
  std::string path = data.file("pacb.dbf");
  ClientTable table{path};

  void SetUp() override { ASSERT_TRUE(table.create().ok()); }
  std::vector<int> codes() const {
    std::vector<int> out;
    for (const ClientRecord& r : table.list()) out.push_back(r.code);
    return out;
  }
};

TEST_F(ClientTableTest, CreatesTheElevenFieldSchemaOnceAndNeverWipesIt) {
  DBFHandle dbf = DBFOpen(path.c_str(), "rb");
  ASSERT_NE(dbf, nullptr);
  ASSERT_EQ(DBFGetFieldCount(dbf), 11);
  for (int i = 0; i < 11; ++i) {
    char name[12] = {};
    int width = 0, decimals = -1;
    DBFGetFieldInfo(dbf, i, name, &width, &decimals);
    const TableField& column = clientTableSchema()[static_cast<std::size_t>(i)];
    EXPECT_STREQ(name, column.name);
    EXPECT_EQ(DBFGetNativeFieldType(dbf, i), column.type);
    EXPECT_EQ(width, column.width);
    EXPECT_EQ(decimals, 0);
  }
  DBFClose(dbf);
  EXPECT_EQ(testing::readBytes(table.codePagePath()), (testing::Bytes{'U', 'T', 'F', '-', '8'}));
  EXPECT_EQ(table.load().value, 0);
  EXPECT_TRUE(table.list().empty());

  ASSERT_TRUE(table.append(client(1, "Maria")).ok());
  ASSERT_TRUE(table.create().ok());  // an existing register stays as it is
  EXPECT_EQ(table.load().value, 1);
  EXPECT_EQ(codes(), std::vector<int>{1});
}

TEST_F(ClientTableTest, FilteredLoadsGiveRecordNumbersThatShiftAfterARemove) {
  for (int code : {1, 2, 5})
    ASSERT_TRUE(table.append(client(code, "C" + std::to_string(code))).ok());
  EXPECT_EQ(table.load(codeFilter(5)).value, 3);
  EXPECT_EQ(table.list().at(0).name, "C5");
  EXPECT_EQ(table.load("CODIGO = 2").value, 2);
  EXPECT_EQ(table.load(codeFilter(4)).value, 0);
  EXPECT_TRUE(table.list().empty());

  ASSERT_TRUE(table.remove(2, 2).ok());
  EXPECT_EQ(table.load(codeFilter(5)).value, 2);  // packed: the row moved up
  EXPECT_EQ(table.load().value, 1);
  EXPECT_EQ(codes(), (std::vector<int>{1, 5}));
  EXPECT_FALSE(table.load("NOME='x'").ok());  // only the code test is understood
}

TEST_F(ClientTableTest, ChangesActOnlyOnTheRowTheLookupFound) {
  for (int code : {1, 2, 3})
    ASSERT_TRUE(table.append(client(code, "C" + std::to_string(code))).ok());
  const auto before = testing::readBytes(path);
  ClientRecord edited = client(2, "Changed");
  // A failed lookup (-1 or 0), a number past the table, or a row holding another client:
  // refused, never turned into "the last record".
  for (int number : {-1, 0, 4, 99, 3}) {
    const TableResult result = table.update(number, edited);
    ASSERT_FALSE(result.ok()) << number;
    EXPECT_EQ(result.failure->id, MessageId::ErrorAccessingDatabase);
    EXPECT_EQ(table.remove(number, 2).failure->id, MessageId::ErrorAccessingDatabase);
  }
  EXPECT_EQ(testing::readBytes(path), before);

  ASSERT_TRUE(table.updateClient(edited).ok());
  ASSERT_TRUE(table.load(codeFilter(2)).ok());
  EXPECT_EQ(table.list().at(0).name, "Changed");
  EXPECT_EQ(table.removeClient(7).failure->id, MessageId::ErrorAccessingDatabase);
  ASSERT_TRUE(table.removeClient(3).ok());
  table.load();
  EXPECT_EQ(codes(), (std::vector<int>{1, 2}));
}

TEST_F(ClientTableTest, RefusesDuplicateAndOutOfRangeCodes) {
  ASSERT_TRUE(table.append(client(1, "One")).ok());
  EXPECT_FALSE(table.append(client(1, "Another one")).ok());
  EXPECT_FALSE(table.append(client(0, "Zero")).ok());
  EXPECT_FALSE(table.append(client(10000, "Too big")).ok());
  EXPECT_TRUE(table.append(client(9999, "Last")).ok());
  table.load();
  EXPECT_EQ(codes(), (std::vector<int>{1, 9999}));
}

TEST_F(ClientTableTest, TextSurvivesTrimmedAndCutOnlyAtCharacterBoundaries) {
  ClientRecord full = client(1, std::string(60, 'N'));
  full.birthDate = "31021974";
  full.address = "  leading blanks stay";
  full.city = std::string(30, 'c');
  full.state = "ABCD";
  full.zip = std::string(12, '9');
  full.homePhone = std::string(14, '1');
  full.workPhone = "555   ";
  full.observations = std::string(100, 'o');
  ClientRecord accents = client(2, "José Conceição Müller Ñandú");
  accents.city = "São Paulo";
  ClientRecord korean = client(3, "김민준", 3);
  ClientRecord tooLong = client(4, "");
  for (int i = 0; i < 25; ++i) tooLong.name += "가";  // 75 bytes for a 60-byte field
  tooLong.observations = std::string(99, 'x') + "é";  // 101 bytes for 100
  for (const auto& r : {full, accents, korean, tooLong}) ASSERT_TRUE(table.append(r).ok());

  ASSERT_EQ(table.load().value, 1);
  ASSERT_EQ(table.count(), 4);
  const auto& list = table.list();
  ClientRecord expectedFull = full;
  expectedFull.workPhone = "555";  // trailing blanks go, leading ones stay
  EXPECT_EQ(list[0], expectedFull);
  EXPECT_EQ(list[1], accents);
  EXPECT_EQ(list[2], korean);
  EXPECT_EQ(list[3].name, std::string(tooLong.name, 0, 60));  // 20 whole characters
  EXPECT_EQ(characterCount(list[3].name), 20u);
  EXPECT_EQ(list[3].observations, std::string(99, 'x'));
  EXPECT_EQ(table.lastEncoding(), TextEncoding::Utf8);
  // Every row keeps the table's record length.
  const std::size_t header = 32 + 11 * 32 + 1, recordLength = 315;
  EXPECT_EQ(testing::readBytes(path).size(), header + 4 * recordLength + 1);
}

TEST_F(ClientTableTest, ReportsMissingAndForeignTables) {
  ClientTable missing(data.file("nothing.dbf"));
  EXPECT_FALSE(missing.exists());
  EXPECT_EQ(missing.load().failure->id, MessageId::TableNotFound);
  EXPECT_EQ(missing.append(client(1, "x")).failure->id, MessageId::TableNotFound);

  ASSERT_TRUE(table.append(client(1, "Kept")).ok());
  table.load();
  std::filesystem::remove(path);
  EXPECT_EQ(table.update(1, client(1, "x")).failure->id, MessageId::TableNotFound);
  EXPECT_TRUE(table.list().empty());

  auto fields = testing::clientFields();
  fields.push_back({"EXTRA", FTString, 10});
  const std::string twelve = data.file("twelve.dbf");
  testing::writeForeignTable(twelve, fields, {});
  ClientTable wrong(twelve);
  EXPECT_EQ(wrong.load().failure->id, MessageId::TableInvalid);
  EXPECT_EQ(wrong.append(client(1, "x")).failure->id, MessageId::TableInvalid);

  std::ofstream(data.file("garbage.dbf")) << "not a table at all";
  EXPECT_FALSE(ClientTable(data.file("garbage.dbf")).load().ok());
}

TEST_F(ClientTableTest, ADamagedTableIsNamedNotReportedMissing) {
  const std::string garbage = data.file("garbage.dbf");
  std::ofstream(garbage) << "not a table at all";
  const auto failure = ClientTable(garbage).load().failure;
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->id, MessageId::TableDamaged);
  EXPECT_EQ(failure->text(), "The client register " + garbage + " is damaged and cannot be read.");

  // A table cut short in its second row: the header still promises three.
  for (int code = 1; code <= 3; ++code) ASSERT_TRUE(table.append(client(code, "x")).ok());
  const std::size_t header = 32 + 11 * 32 + 1, recordLength = 315;
  std::filesystem::resize_file(path, header + recordLength + 100);
  const auto before = testing::readBytes(path);
  EXPECT_EQ(table.load().failure->id, MessageId::TableDamaged);
  EXPECT_EQ(table.append(client(4, "y")).failure->id, MessageId::TableDamaged);
  EXPECT_EQ(testing::readBytes(path), before) << "a damaged table is left as it is";
}

TEST(ClientTableEncoding, ReadsWindows1252TablesAndRewritesThemAsUtf8) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  // "José", "Conceição", "Ñandú" and a euro sign in Windows-1252.
  testing::writeForeignTable(path, testing::clientFields(),
                             {testing::rawRow(1, "Jos\xe9"), testing::rawRow(2, "Concei\xe7\xe3o"),
                              testing::rawRow(3,
                                              "\xd1"
                                              "and\xfa \x80")});
  ClientTable table(path);
  ASSERT_EQ(table.load().value, 1);
  EXPECT_EQ(table.lastEncoding(), TextEncoding::Windows1252);
  ASSERT_EQ(table.count(), 3);
  EXPECT_EQ(table.list()[0].name, "José");
  EXPECT_EQ(table.list()[1].name, "Conceição");
  EXPECT_EQ(table.list()[2].name, "Ñandú €");

  ASSERT_TRUE(table.updateClient(client(2, "Conceição Silva")).ok());
  EXPECT_TRUE(std::filesystem::exists(table.codePagePath()));
  ASSERT_EQ(table.load().value, 1);
  EXPECT_EQ(table.lastEncoding(), TextEncoding::Utf8);
  EXPECT_EQ(table.list()[0].name, "José");
  EXPECT_EQ(table.list()[1].name, "Conceição Silva");

  // Copied without its .cpg, our table still reads as UTF-8.
  std::filesystem::remove(table.codePagePath());
  ASSERT_EQ(table.load().value, 1);
  EXPECT_EQ(table.list()[2].name, "Ñandú €");
}

TEST(ClientTableEncoding, SkipsRowsAnotherToolMarkedDeleted) {
  DataFolder data;
  const std::string path = data.file("pacb.dbf");
  testing::writeForeignTable(
      path, testing::clientFields(),
      {testing::rawRow(1, "A"), testing::rawRow(2, "B"), testing::rawRow(3, "C")});
  DBFHandle dbf = DBFOpen(path.c_str(), "rb+");
  DBFMarkRecordDeleted(dbf, 1, 1);
  DBFClose(dbf);
  ClientTable table(path);
  ASSERT_EQ(table.load().value, 1);
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table.load(codeFilter(3)).value, 3);  // record numbers count the deleted row
  EXPECT_EQ(table.load(codeFilter(2)).value, 0);
  ASSERT_TRUE(table.remove(3, 3).ok());
  DBFHandle packed = DBFOpen(path.c_str(), "rb");
  EXPECT_EQ(DBFGetRecordCount(packed), 1);  // the marked row is packed away too
  DBFClose(packed);
}

TEST(TextEncoding, CutsOnCharacterBoundariesAndMapsWindows1252) {
  EXPECT_EQ(fitToWidth("aé", 2), "a");
  EXPECT_EQ(fitToWidth("aé", 3), "aé");
  EXPECT_EQ(fitToWidth("가나", 5), "가");
  EXPECT_EQ(fitToWidth("😀x", 3), "");
  EXPECT_TRUE(isValidUtf8("São 김"));
  EXPECT_FALSE(isValidUtf8("S\xe3o"));
  EXPECT_FALSE(isValidUtf8("\xc0\xaf"));  // overlong
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8("\x80\x9c\xe9\xff")), "\x80\x9c\xe9\xff");
  EXPECT_EQ(utf8ToWindows1252("가"), "?");
  EXPECT_EQ(encodingForCodePage("UTF-8\n"), TextEncoding::Utf8);
  EXPECT_EQ(encodingForCodePage("utf8"), TextEncoding::Utf8);
  EXPECT_EQ(encodingForCodePage("1252"), TextEncoding::Windows1252);
  EXPECT_EQ(encodingForCodePage("LDID/87"), TextEncoding::Windows1252);
}

}  // namespace
}  // namespace sonarel::records
