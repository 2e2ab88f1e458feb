// An export imported into a site whose alarm keys are free and exported
// again gives the same file, byte for byte: texts of any bytes, messages
// that need quoting to read back, clamped negatives.

#include "importexport/AlarmExport.h"
#include "platform/Profile.h"
#include "tests/importexport/ImportFixture.h"

namespace kx::test {
namespace {

class RoundTripTest : public ImportFixture {};

TEST_F(RoundTripTest, AnExportImportedIntoFreeKeysExportsTheSameBytes)
{
    setFields(100, {{"text_opt1", "Fire; \"B\" wing"}, {"pager", "  blanks  "}, {"string65_4", "a,b|c"}});
    setFields(101, {{"text_opt1", "\xA6\xFC\x80\x81\xFF tab\there"}, {"n_mbx", "-1"}, {"num10_1", "-5"}});
    setFields(102, {{"text_opt1", "\"quoted\""}, {"pager", ""}, {"string65_4", ";"}});
    WriteProfileString("kxamsg.ini", "Messages", "100", "\"  outer blanks  \"");  // reads back with its blanks
    WriteProfileString("kxamsg1.ini", "Messages", "101", "\"\"q\"\"");            // reads back as "q"
    WriteProfileString("kxamsg2.ini", "Messages", "102", "semi;colon \xFC");
    WriteProfileString("kxamsg3.ini", "Messages", "102", "x");
    WriteProfileString("kxalarm.ini", "config", "CSVSeparationChar", ";,|");  // texts quoted for these too
    ASSERT_EQ(importexport::CsvSeparators(), ";,|");
    const std::string first = site.path("work/first.csv");
    ASSERT_EQ(importexport::ExportAlarms(first, control).outcome, importexport::Outcome::Done);
    const std::vector<std::string> stored100 = record(100);

    // Every alarm key freed, the message files gone: the import makes them again.
    CDatabase db;
    ASSERT_EQ(db.Open(kTable), 1);
    for (long key = 10; key < 5000; ++key)
        if (field(key, "status") == mailbox::kStatusAlarm)
            ASSERT_EQ(mailbox::WriteFields(db, key, mailbox::FreedRecordWrites()), 1);
    db.Close();
    for (const char* ini : {"kxamsg.ini", "kxamsg1.ini", "kxamsg2.ini", "kxamsg3.ini"})
        std::filesystem::remove(site.path(std::string("windows/") + ini));

    const importexport::OperationResult imported =
        importexport::ImportAlarms(first, importexport::CsvSeparators(), control);
    ASSERT_EQ(imported.outcome, importexport::Outcome::Done) << imported.error;
    const std::string second = site.path("work/second.csv");
    ASSERT_EQ(importexport::ExportAlarms(second, control).outcome, importexport::Outcome::Done);
    EXPECT_EQ(site.read("work/second.csv"), site.read("work/first.csv"));
    EXPECT_EQ(ProfileString("kxamsg.ini", "Messages", "100"), "  outer blanks  ");
    EXPECT_EQ(ProfileString("kxamsg1.ini", "Messages", "101"), "\"q\"");
    EXPECT_EQ(field(100, "text_opt1"), "Fire; \"B\" wing");
    EXPECT_EQ(field(101, "text_opt1"), "\xA6\xFC\x80\x81\xFF tab\there");
    EXPECT_EQ(field(101, "n_mbx"), "0");  // a negative schedule is exported as 0
}

}  // namespace
}  // namespace kx::test
