// DDI-CLI alarm scanner: the alarm-in lists from the mailbox table of the
// configured range, selection by key, the stored key kept when it is not
// listed, no checks, the exact section afterwards.

#include "numbers/DdiCliScanner.h"
#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

namespace kx::numbers {
namespace {

using settings::Change;

class DdiCliScannerTest : public test::MailboxFixture {
protected:
    void SetUp() override
    {
        MailboxFixture::SetUp();
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        // Keys 12 and 15 are alarms-in, 13 an alarm.
        for (const auto& [key, status, name] : std::vector<std::tuple<long, int, const char*>>{{12, 92,
                                                                                                "Entrance \xDC"
                                                                                                "ber"},
                                                                                               {13, 91, "Alarm"},
                                                                                               {15, 92, "Kitchen"}}) {
            db.Go(mailbox::RecordOfKey(key));
            db.Replace("T02", status);
            db.Replace("T33", name);
        }
        db.Close();
    }
    std::vector<std::string> items(const char* name)
    {
        std::vector<std::string> texts;
        for (const settings::Option& o : model.options(name))
            texts.push_back(o.token + "|" + o.text);
        return texts;
    }

    test::RecordingMessageBoxes boxes;
    DdiCliScanner model;
};

TEST_F(DdiCliScannerTest, Lists_OfferTheAlarmsInOfTheConfiguredRange)
{
    site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmInKey=12\r\nLastAlarmInKey=9999\r\n");
    model.load();
    const std::vector<std::string> expected = {"12|12 Entrance \xDC"
                                               "ber",
                                               "15|15 Kitchen"};
    EXPECT_EQ(items("UseDistAlarmInSettings"), expected);
    EXPECT_EQ(items("UseConfAlarmInSettings"), expected);

    site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmInKey=13\r\nLastAlarmInKey=14\r\n");
    model.load();
    EXPECT_TRUE(items("UseDistAlarmInSettings").empty());
    EXPECT_TRUE(boxes.shown().empty());  // keys beyond the table are not visited
}

TEST_F(DdiCliScannerTest, Lists_StayEmptyWithoutTheTable)
{
    site.write("windows/kxaconf.ini", "[Config]\r\nVm001Path=\\nowhere\\\r\n");
    model.load();
    EXPECT_TRUE(items("UseDistAlarmInSettings").empty());
    EXPECT_EQ(model.value("UseDistAlarmInSettings"), "1001");
}

TEST_F(DdiCliScannerTest, Ok_StoredKeyNotListedIsWrittenBackUnchanged)
{
    site.write("windows/kxalarm.ini",
               "[kxaddiclialr]\r\nActive=1\r\nUseDistAlarmInSettings=1001\r\nUseConfAlarmInSettings=15\r\n");
    model.load();
    // 1001 is not an alarm-in here: no selection. 15 selects "15 Kitchen".
    EXPECT_EQ(model.value("UseDistAlarmInSettings"), "1001");
    EXPECT_EQ(model.options("UseDistAlarmInSettings").size(), 2u);
    ASSERT_EQ(model.change("UseConfAlarmInSettings", "12"), Change::Done);
    EXPECT_EQ(model.change("UseDistAlarmInSettings", "13"), Change::Refused);  // an alarm, not offered
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(site.read("windows/kxalarm.ini"),
              "[kxaddiclialr]\r\nActive=1\r\nUseDistAlarmInSettings=1001\r\nUseConfAlarmInSettings=12\r\n"
              "FirstKey=0\r\nLastKey=0\r\n");
}

TEST_F(DdiCliScannerTest, Ok_ZeroKeysWhileActiveAreAccepted)
{
    model.load();
    EXPECT_FALSE(model.isEnabled("FirstKey"));
    ASSERT_EQ(model.change("Active", "1"), Change::Done);
    for (const char* name : {"FirstKey", "LastKey", "UseDistAlarmInSettings", "UseConfAlarmInSettings"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(site.read("windows/kxalarm.ini"),
              "[kxaddiclialr]\r\nActive=1\r\nFirstKey=0\r\nLastKey=0\r\nUseDistAlarmInSettings=1001\r\n"
              "UseConfAlarmInSettings=1001\r\n");
}

}  // namespace
}  // namespace kx::numbers
