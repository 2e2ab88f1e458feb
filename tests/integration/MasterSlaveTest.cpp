// The master / slave configuration and the slave alarm start settings on a
// copy of the demonstration site.

#include "integration/MasterSlaveSettings.h"
#include "integration/SlaveAlarmStart.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

#include <filesystem>

namespace kx::integration {
namespace {

using settings::Change;

class MasterSlaveTest : public test::DemoSiteFixture {
protected:
    // The keys of a section as "key=value ..." in file order.
    static std::string section(const char* file, const char* name)
    {
        std::string out;
        for (const std::string& key : ProfileKeyNames(file, name))
            out += (out.empty() ? "" : " ") + key + "=" + ProfileString(file, name, key, "");
        return out;
    }
    // Applies changes as the operator's clicks; each must be taken.
    static void apply(settings::SettingsModel& model, const std::vector<std::pair<std::string, std::string>>& changes)
    {
        for (const auto& [name, value] : changes)
            ASSERT_EQ(model.changeShown(name, value), Change::Done) << name;
    }
};

TEST_F(MasterSlaveTest, OkWritesTheCopiesOfTheModeChecksEnabledValuesAndRegistersTheControllerEveryTime)
{
    const std::string others = "[Startup_1]\r\nProgram=notepad.exe\r\nEnabled=1\r\n";
    // clang-format off
    const struct {
        const char* stored;  // section kxaredundant
        std::vector<std::pair<std::string, std::string>> changes;
        const char* refusal;  // the start of the error shown; nullptr: OK writes `after`
        const char* after;
    } rows[] = {
        {"Mode=0", {}, nullptr,
         "Mode=3 Active=0 MaxSocketConnectionRetries=5 WaitBeforeConnect=5 FirstAlarm=0 LastAlarm=0 MasterPort=4010 "
         "MasterIP= ContinueOnEmptyGroup=0"},
        // Master: the slave retries are written back, the wait is not; a disabled port is not checked.
        {"Active=1\nMode=1\nMaxSocketConnectionRetries=9\nWaitBeforeConnect=7\nFirstAlarm=100\nMasterPort=70000",
         {{"LastAlarm", "200"}}, nullptr,
         "Active=1 Mode=1 MaxSocketConnectionRetries=9 WaitBeforeConnect=7 FirstAlarm=100 MasterPort=70000 "
         "LastAlarm=200 MasterIP= ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=2\nMaxSocketConnectionRetries=9\nMasterIP=10.1.1.1",
         {{"MaxSocketConnectionRetries", "3"}, {"WaitBeforeConnect", "0"}}, nullptr,
         "Active=1 Mode=2 MaxSocketConnectionRetries=3 MasterIP=10.1.1.1 WaitBeforeConnect=0 FirstAlarm=0 "
         "LastAlarm=0 MasterPort=4010 ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=7\nFirstAlarm=10\nLastAlarm=20\nWaitBeforeConnect=8",
         {{"PerAlarmRetries", "4"}, {"RedundancyRange", "0"}}, nullptr,
         "Active=1 Mode=3 FirstAlarm=0 LastAlarm=0 WaitBeforeConnect=8 MaxSocketConnectionRetries=4 MasterPort=4010 "
         "MasterIP= ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=2", {}, "Please enter the IP address", nullptr},
        {"Active=1\nMode=2\nMasterIP=10.1.1.1 x", {}, "Please enter the IP address", nullptr},
        {"Active=1\nMode=2\nMasterIP=10.1.1.1\nMasterPort=0", {}, "The port '0'", nullptr},
        {"Active=1\nMode=3", {{"PerAlarmWait", "-1"}}, "The wait time '-1'", nullptr},
        {"Active=1\nMode=3\nFirstAlarm=300\nLastAlarm=200", {}, "The first alarm '300'", nullptr},
        {"Active=1\nMode=3\nFirstAlarm=300\nLastAlarm=10000", {}, "The alarms of the master / slave range", nullptr},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored);
        std::string stored = std::string("[kxaredundant]\n") + r.stored + "\n";
        for (std::size_t at = 0; (at = stored.find('\n', at)) != std::string::npos; at += 2)
            stored.replace(at, 1, "\r\n");
        site.write("windows/kxalarm.ini", stored);
        site.write("windows/kxtserv.ini", others);
        boxes.clear();
        boxes.answer(true);
        MasterSlaveSettings model;
        model.load();
        apply(model, r.changes);
        EXPECT_EQ(model.ok(), r.refusal == nullptr);
        if (r.refusal) {
            ASSERT_EQ(boxes.texts().size(), 1u);
            EXPECT_EQ(boxes.texts()[0].rfind(r.refusal, 0), 0u) << boxes.texts()[0];
            EXPECT_EQ(ini("kxalarm.ini"), stored);
            EXPECT_EQ(ini("kxtserv.ini"), others);
            continue;
        }
        EXPECT_EQ(section("kxalarm.ini", "kxaredundant"), r.after);
        EXPECT_EQ(section("kxtserv.ini", "Startup_2"),
                  "Program=kxamaster.exe Params= Enabled=1 Minimized=1 RunSystem=1 Duration=0");
    }
}

TEST_F(MasterSlaveTest, SlaveAlarmStartListsTheRangeSortedByTextAndWritesOnlyWhatMoved)
{
    setFields(1000, {{"status", "91"}, {"text_opt1", "Gate"}});
    const struct {
        const char* range;  // FirstAlarm, LastAlarm of kxaredundant
        bool table;
        std::vector<std::string> texts;
        std::size_t count;
    } rows[] = {
        {"FirstAlarm=349\r\nLastAlarm=1000", true, {"1000  Gate", "349  Server watch rack 349"}, 2},
        {"FirstAlarm=349\r\nLastAlarm=0", true, {"100  Fire alarm building 100"}, 301},  // the alarm range of config
        {"", false, {}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.range);
        site.write("windows/kxalarm.ini",
                   std::string("[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=4999\r\n[kxaredundant]\r\n") + r.range);
        if (!r.table)
            std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/gone.dbf"));
        boxes.clear();
        SlaveAlarmStart model;
        model.load();
        ASSERT_EQ(model.alarms().size(), r.count);
        for (std::size_t i = 0; i < r.texts.size(); ++i)
            EXPECT_EQ(model.alarms()[i].text, r.texts[i]);
        EXPECT_EQ(boxes.texts().size(), r.table ? 0u : 1u);
    }
    std::filesystem::rename(site.path("db1/gone.dbf"), site.path("db1/vm001.dbf"));
    site.write("windows/kxalarm.ini", "[kxaredundant]\r\nFirstAlarm=100\r\nLastAlarm=104\r\n");
    const std::string before = "[StartSlaveAlarm]\r\n100=1\r\n101=1\r\n102=0\r\n9999=1\r\n";
    site.write("windows/kxaredalrstart.ini", before);
    SlaveAlarmStart model;
    model.load();
    EXPECT_EQ(model.shown("StartSlaveAlarm"), "100,101");
    EXPECT_EQ(model.changeShown("StartSlaveAlarm", "103"), Change::Disabled);
    apply(model, {{"Active", "1"}, {"SlaveIP", "10.2.2.2"}});
    for (const char* refused : {"103,9999", "103,x", "-5", "103,,104"})
        EXPECT_EQ(model.changeShown("StartSlaveAlarm", refused), Change::Refused) << refused;
    EXPECT_EQ(model.changeShown("MaxSocketConnectionRetries", "51"), Change::Refused);
    // Moves: 100 to the right, 103 to the left; 102 was always on the right.
    apply(model, {{"StartSlaveAlarm", " 103 ,101,103"}});
    EXPECT_EQ(model.shown("StartSlaveAlarm"), "101,103");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxaredalrstart.ini"), "[StartSlaveAlarm]\r\n100=0\r\n101=1\r\n102=0\r\n9999=1\r\n103=1\r\n");
    EXPECT_EQ(section("kxalarm.ini", "kxaredalrstart"),
              "Active=1 SlavePort=4010 MaxSocketConnectionRetries=5 DoNotStartSlaveIf2ndAlarm=0 SlaveIP=10.2.2.2");
    // A second OK compares with what the first one wrote.
    apply(model, {{"StartSlaveAlarm", "100"}});
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxaredalrstart.ini"), "[StartSlaveAlarm]\r\n100=1\r\n101=0\r\n102=0\r\n9999=1\r\n103=0\r\n");
}

}  // namespace
}  // namespace kx::integration
