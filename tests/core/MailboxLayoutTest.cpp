#include "core/MailboxLayout.h"

#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kx {
namespace {

using namespace kx::mailbox;

class MailboxLayoutTest : public test::MailboxFixture {
protected:
    int write(long key, const char* logical, const std::string& value)
    {
        CDatabase db;
        db.Open(kTable);
        ScopedClose closer(db);
        return WriteField(db, RecordOfKey(key), static_cast<unsigned long>(key), logical, value.c_str());
    }
    // Each "T<nn>=text" of `fields` (blank-separated) holds its text in the record of `key`.
    void expectFields(long key, const std::string& fields)
    {
        std::istringstream in(fields);
        for (std::string one; in >> one;)
            EXPECT_EQ(field(key, one.substr(0, 3).c_str()), one.substr(4)) << key << " " << one;
    }
};

TEST(MailboxNames, TheNinetyNineNamesMapBothWays)
{
    const std::pair<const char*, int> positions[] = {{"index", 1},       {"p_ogm4", 30},  {"text_opt1", 33},
                                                     {"string22_5", 58}, {"num10_1", 59}, {"num2_4", 82},
                                                     {"num1_16", 99},    {"T30", 0},      {"P_OGM4", 0} /* case */};
    for (const auto& [name, position] : positions)
        EXPECT_EQ(PositionOfLogicalName(name), position) << name;
    for (int p = 1; p <= kFieldCount; ++p)
        EXPECT_EQ(PositionOfLogicalName(LogicalName(p)), p);
    EXPECT_EQ(PhysicalName(7), "T07");
    for (const auto& [position, numeric] : {std::pair{30, true}, {31, false}, {58, false}, {59, true}})
        EXPECT_EQ(IsNumericPosition(position), numeric) << position;
}

TEST(MailboxCodes, TextsOfKindsTypesAndFunctions)
{
    // Codes outside the tables: no kind text, no function.
    EXPECT_EQ(AlarmKindText(3) + "|" + AlarmKindText(6) + "|" + AlarmKindText(-1) + "|" + AlarmTypeText(11) + "|" +
                  AlarmInFunctionName(21) + "|" + AlarmInFunctionName(22) + "|" + AlarmInFunctionName(-3),
              "Conference/Parallel|||Service / Process watch|DDI callback|"
              "No type of alarm defined|No type of alarm defined");
    // Deactivation adds 50 to the type: 50 is type 0, deactivated.
    for (const auto& [stored, type, deactivated] :
         {std::tuple{53, 3, true}, {50, 0, true}, {49, 49, false}, {11, 11, false}, {0, 0, false}})
        EXPECT_EQ(std::pair(DecodeAlarmType(stored).type, DecodeAlarmType(stored).deactivated),
                  std::pair(type, deactivated))
            << stored;
    for (const auto& [status, kind] :
         {std::pair{"91", KeyKind::Alarm}, {"92", KeyKind::AlarmIn}, {"11", KeyKind::Free}, {"21", KeyKind::Mailbox}})
        EXPECT_EQ(KindOfStatus(status), kind) << status;
}

TEST_F(MailboxLayoutTest, NumericFieldsTakeTheLeadingNumberCharacterFieldsTheText)
{
    const struct {
        const char* logical;
        std::string value;
        const char* physical;
        std::string stored;
    } cases[] = {
        // clang-format off
        {"p_ogm4", "12", "T30", "12"},
        {"text_opt1", "12", "T33", "12"},
        {"p_ogm4", "abc", "T30", "0"},
        {"p_ogm4", " -1x", "T30", "-1"},
        {"text_opt1", "Brandmelder S\xFC" "d", "T33", "Brandmelder S\xFC" "d"},
        {"num10_1", "2147483647", "T59", "2147483647"},  // the widest int
        {"num2_4", "-9", "T82", "-9"},
        {"phone", std::string(70, 'x'), "T31", std::string(65, 'x')},  // cut to its field
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(write(5, c.logical, c.value), 1) << c.logical << "=" << c.value;
        EXPECT_EQ(field(5, c.physical), c.stored) << c.logical << "=" << c.value;
    }
    EXPECT_EQ(write(5, "p_ogm5", "1"), -1);  // unknown name
    CDatabase closed;
    EXPECT_EQ(WriteField(closed, 6, 5, "p_ogm4", "1"), 0);
}

TEST_F(MailboxLayoutTest, ARangeOfKeysIsWrittenInOneCall)
{
    CDatabase db;
    ASSERT_TRUE(db.Open(kTable));
    EXPECT_EQ(WriteField(db, RecordOfKey(12), 14, "status", "91"), 1);
    db.Close();
    for (long key = 11; key <= 15; ++key)
        expectFields(key, key >= 12 && key <= 14 ? "T02=91" : "T02=11");
}

TEST_F(MailboxLayoutTest, RangesOutsideTheTableAndValuesThatDoNotFitWriteNothing)
{
    const auto minus = [](long key) { return static_cast<unsigned long>(key); };
    const struct {
        unsigned long firstRecord;
        unsigned long lastKey;
        const char* logicalName;
        std::string value;
        int result;
    } cases[] = {
        {RecordOfKey(-2), minus(-2), "num2_4", "4", 0},  // would wrap round through every record
        {RecordOfKey(-1), minus(-1), "num2_4", "4", 0},
        {RecordOfKey(20), 20, "status", "91", 0},  // no record
        {RecordOfKey(18), 20, "status", "91", 0},  // partly outside: not even 18 and 19
        {0, 3, "status", "91", 0},
        {RecordOfKey(5), 4, "status", "91", 0},  // first above last
        {RecordOfKey(5), 5, "num10_1", "99999999999", -2},
        {RecordOfKey(5), 5, "num10_1", "2147483648", -2},
        {RecordOfKey(5), 5, "num10_1", "-2147483649", -2},
        {RecordOfKey(5), 5, "num2_4", "100", -2},  // three digits for two
        {RecordOfKey(5), 5, "phone", "abc\r\nT99", -2},
        {RecordOfKey(5), 5, "phone", "abc\n", -2},
    };
    test::RecordingMessageBoxes boxes;
    const std::string before = site.read("db1/vm001.dbf");
    CDatabase db;
    ASSERT_TRUE(db.Open(kTable));
    for (const auto& c : cases)
        EXPECT_EQ(WriteField(db, c.firstRecord, c.lastKey, c.logicalName, c.value.c_str()), c.result)
            << c.firstRecord << " " << c.logicalName << "=" << c.value;
    db.Close();
    EXPECT_EQ(site.read("db1/vm001.dbf"), before);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MailboxLayoutTest, NewAlarmsInAndFreedRecords)
{
    CDatabase db;
    ASSERT_TRUE(db.Open(kTable));
    for (long key : {15L, 16L})
        ASSERT_EQ(WriteFields(db, key, NewRecordWrites(key, false)), 1);
    ASSERT_EQ(WriteFields(db, 17, NewRecordWrites(17, true)), 1);
    db.Close();
    EXPECT_EQ(NewRecordWrites(15, false).size(), 33u);
    // p_mbx_r T14, type_msg T21, p_msg_f T24
    expectFields(15, "T02=92");
    expectFields(16, "T01=16 T24=1 T14=0 T21=0");
    expectFields(17, "T02=91 T14=1 T21=8 T24=0");

    // Freeing keeps index and everything behind text_opt1.
    for (const auto& [logical, value] :
         {std::pair{"text_opt1", "Fire"}, {"string30_1", "kept"}, {"num2_4", "53"}, {"p_ogm4", "12"}})
        ASSERT_EQ(write(17, logical, value), 1);
    ASSERT_TRUE(db.Open(kTable));
    ASSERT_EQ(WriteFields(db, 17, FreedRecordWrites()), 1);
    db.Close();
    EXPECT_EQ(FreedRecordWrites().size(), 32u);
    expectFields(17, "T02=11 T01=17 T33= T30=0 T14=0 T21=0 T45=kept T82=53");
}

}  // namespace
}  // namespace kx
