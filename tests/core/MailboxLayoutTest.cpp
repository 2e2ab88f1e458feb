#include "core/MailboxLayout.h"

#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using namespace kx::mailbox;

class MailboxLayoutTest : public test::MailboxFixture {
protected:
    int write(long key, const char* logical, const char* value)
    {
        CDatabase db;
        db.Open(kTable);
        ScopedClose closer(db);
        return WriteField(db, RecordOfKey(key), static_cast<unsigned long>(key), logical, value);
    }
};

TEST(MailboxNames, TheNinetyNineNamesMapBothWays)
{
    EXPECT_EQ(PositionOfLogicalName("index"), 1);
    EXPECT_EQ(PositionOfLogicalName("p_ogm4"), 30);
    EXPECT_EQ(PositionOfLogicalName("text_opt1"), 33);
    EXPECT_EQ(PositionOfLogicalName("string22_5"), 58);
    EXPECT_EQ(PositionOfLogicalName("num10_1"), 59);
    EXPECT_EQ(PositionOfLogicalName("num2_4"), 82);
    EXPECT_EQ(PositionOfLogicalName("num1_16"), 99);
    EXPECT_EQ(PositionOfLogicalName("P_OGM4"), 0);  // case-sensitive
    EXPECT_EQ(PositionOfLogicalName("T30"), 0);
    for (int p = 1; p <= kFieldCount; ++p)
        EXPECT_EQ(PositionOfLogicalName(LogicalName(p)), p);
    EXPECT_EQ(PhysicalName(7), "T07");
    EXPECT_TRUE(IsNumericPosition(30));
    EXPECT_FALSE(IsNumericPosition(31));
    EXPECT_FALSE(IsNumericPosition(58));
    EXPECT_TRUE(IsNumericPosition(59));
}

TEST(MailboxCodes, TextsOfKindsTypesAndFunctions)
{
    EXPECT_EQ(AlarmKindText(3), "Conference/Parallel");
    EXPECT_EQ(AlarmKindText(6), "");
    EXPECT_EQ(AlarmKindText(-1), "");
    EXPECT_EQ(AlarmTypeText(11), "Service / Process watch");
    EXPECT_EQ(AlarmInFunctionName(21), "DDI callback");
    EXPECT_EQ(AlarmInFunctionName(22), "No type of alarm defined");
    EXPECT_EQ(AlarmInFunctionName(-3), "No type of alarm defined");
    const AlarmTypeValue deactivated = DecodeAlarmType(53);
    EXPECT_EQ(deactivated.type, 3);
    EXPECT_TRUE(deactivated.deactivated);
    EXPECT_FALSE(DecodeAlarmType(11).deactivated);
    EXPECT_EQ(KindOfStatus("91"), KeyKind::Alarm);
    EXPECT_EQ(KindOfStatus("92"), KeyKind::AlarmIn);
    EXPECT_EQ(KindOfStatus("11"), KeyKind::Free);
    EXPECT_EQ(KindOfStatus("21"), KeyKind::Mailbox);
}

TEST_F(MailboxLayoutTest, NumericFieldsTakeTheNumberCharacterFieldsTheText)
{
    EXPECT_EQ(write(5, "p_ogm4", "12"), 1);
    EXPECT_EQ(field(5, "T30"), "12");
    EXPECT_EQ(write(5, "text_opt1", "12"), 1);
    EXPECT_EQ(field(5, "T33"), "12");
    EXPECT_EQ(write(5, "p_ogm4", "abc"), 1);  // not a number: 0
    EXPECT_EQ(field(5, "T30"), "0");
    EXPECT_EQ(write(5, "p_ogm4", " -1x"), 1);  // the leading number
    EXPECT_EQ(field(5, "T30"), "-1");
    EXPECT_EQ(write(5, "text_opt1",
                    "Brandmelder S\xFC"
                    "d"),
              1);
    EXPECT_EQ(field(5, "T33"), "Brandmelder S\xFC"
                               "d");
}

TEST_F(MailboxLayoutTest, ResultsForUnknownNamesAndClosedTables)
{
    EXPECT_EQ(write(5, "p_ogm5", "1"), -1);
    EXPECT_EQ(field(5, "T30"), "");  // still blank
    CDatabase closed;
    EXPECT_EQ(WriteField(closed, 6, 5, "p_ogm4", "1"), 0);
}

TEST_F(MailboxLayoutTest, ARangeOfKeysIsWrittenInOneCall)
{
    CDatabase db;
    ASSERT_TRUE(db.Open(kTable));
    EXPECT_EQ(WriteField(db, RecordOfKey(12), 14, "status", "91"), 1);
    db.Close();
    EXPECT_EQ(field(11, "T02"), "11");
    EXPECT_EQ(field(12, "T02"), "91");
    EXPECT_EQ(field(14, "T02"), "91");
    EXPECT_EQ(field(15, "T02"), "11");
}

TEST_F(MailboxLayoutTest, RangesOutsideTheTableAndValuesThatDoNotFitWriteNothing)
{
    struct Refused {
        unsigned long firstRecord;
        unsigned long lastKey;
        const char* logicalName;
        std::string value;
        int result;
    };
    const auto minus = [](long key) { return static_cast<unsigned long>(key); };
    const std::vector<Refused> cases = {
        {RecordOfKey(-2), minus(-2), "num2_4", "4", 0},  // would wrap round through every record
        {RecordOfKey(-1), minus(-1), "num2_4", "4", 0},
        {RecordOfKey(20), 20, "status", "91", 0},  // no record
        {RecordOfKey(18), 20, "status", "91", 0},  // partly outside: not even 18 and 19
        {0, 3, "status", "91", 0},
        {RecordOfKey(5), 3, "status", "91", 0},
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
    for (const Refused& c : cases)
        EXPECT_EQ(WriteField(db, c.firstRecord, c.lastKey, c.logicalName, c.value.c_str()), c.result)
            << c.firstRecord << " " << c.logicalName << "=" << c.value;
    db.Close();
    EXPECT_EQ(site.read("db1/vm001.dbf"), before);
    EXPECT_TRUE(boxes.shown().empty());

    // What fits is written: the widest int, a text cut to its field.
    EXPECT_EQ(write(5, "num10_1", "2147483647"), 1);
    EXPECT_EQ(field(5, "T59"), "2147483647");
    EXPECT_EQ(write(5, "num2_4", "-9"), 1);
    EXPECT_EQ(field(5, "T82"), "-9");
    EXPECT_EQ(write(5, "phone", std::string(70, 'x').c_str()), 1);
    EXPECT_EQ(field(5, "T31"), std::string(65, 'x'));
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
    EXPECT_EQ(field(15, "T02"), "92");
    EXPECT_EQ(field(16, "T01"), "16");
    EXPECT_EQ(field(16, "T24"), "1");  // p_msg_f
    EXPECT_EQ(field(16, "T14"), "0");  // p_mbx_r
    EXPECT_EQ(field(16, "T21"), "0");  // type_msg
    EXPECT_EQ(field(17, "T02"), "91");
    EXPECT_EQ(field(17, "T14"), "1");
    EXPECT_EQ(field(17, "T21"), "8");
    EXPECT_EQ(field(17, "T24"), "0");

    // Freeing keeps index and everything behind text_opt1.
    ASSERT_TRUE(db.Open(kTable));
    WriteField(db, RecordOfKey(17), 17, "text_opt1", "Fire");
    WriteField(db, RecordOfKey(17), 17, "string30_1", "kept");
    WriteField(db, RecordOfKey(17), 17, "num2_4", "53");
    WriteField(db, RecordOfKey(17), 17, "p_ogm4", "12");
    ASSERT_EQ(WriteFields(db, 17, FreedRecordWrites()), 1);
    db.Close();
    EXPECT_EQ(FreedRecordWrites().size(), 32u);
    EXPECT_EQ(field(17, "T02"), "11");
    EXPECT_EQ(field(17, "T01"), "17");
    EXPECT_EQ(field(17, "T33"), "");
    EXPECT_EQ(field(17, "T30"), "0");
    EXPECT_EQ(field(17, "T14"), "0");
    EXPECT_EQ(field(17, "T21"), "0");
    EXPECT_EQ(field(17, "T45"), "kept");
    EXPECT_EQ(field(17, "T82"), "53");
}

TEST_F(MailboxLayoutTest, StatusWithTrailingBlanksIsAnAlarm)
{
    // A status field written by another program as "91" in a wider field.
    CDatabase db;
    ASSERT_EQ(db.Create("\\db1\\wide.dbf", {{"T02", 'C', 4, 0}}), 1);
    db.Append();
    db.Bottom();
    db.Replace("T02", "91");
    std::string status;
    db.Read("T02", status);
    db.Close();
    EXPECT_EQ(KindOfStatus(status), KeyKind::Alarm);
}

}  // namespace
}  // namespace kx
