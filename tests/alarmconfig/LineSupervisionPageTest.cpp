// The line supervision page (function 6): what MultiSrvCallBack shows, the
// two fields it always writes, the interval check, and the supervised list
// rebuilt after a save with several calling servers.

#include "alarmconfig/LineSupervisionPage.h"
#include "platform/Profile.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::alarmconfig {
namespace {

class LineSupervisionPageTest : public test::AlarmInFixture {};

TEST_F(LineSupervisionPageTest, SavesAlarmAndIntervalAndRebuildsTheListOnlyWithSeveralServers)
{
    const long key = alarmInOfFunction(6), other = alarmInOfFunction(7);
    const struct {
        const char* multi;
        int storedFunction;
        std::vector<std::pair<const char*, const char*>> changes;
        bool saved;
        std::map<std::string, std::string> fields;
        const char* list;  // kxawdog.ini afterwards
    } cases[] = {
        {"1",
         6,
         {{"num4_1", "100"}, {"num6_1", "15"}},
         true,
         {{"num4_1", "100"}, {"num6_1", "15"}},
         "[Settings]\r\nKey1=5006\r\nKey2=5028\r\nKey3=5050\r\nKey4=5072\r\n"},
        {"1", 6, {{"num6_1", "0"}}, false, {}, ""},
        // No list without several servers.
        {"0", 6, {}, true, {}, ""},
        // Another function shown as 6 takes a new alarm-in's fields, written also while hidden.
        {"0", 7, {}, true, {{"num4_1", "0"}, {"num6_1", "0"}}, ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteProfileString("kxalarm.ini", "LineWatchDog", "MultiSrvCallBack", c.multi));
        site.write("windows/kxawdog.ini", "");
        const long k = c.storedFunction == 6 ? key : other;
        setFields(k, {{"num4_1", "4711"}, {"num6_1", "30"}});
        const std::vector<std::string> before = record(k);
        LineSupervisionPage page;
        page.loadFor(k, 6, c.storedFunction);
        EXPECT_EQ(page.isShown("num4_1"), std::string(c.multi) == "1");
        EXPECT_EQ(page.isShown("settings"), std::string(c.multi) == "0");
        EXPECT_FALSE(page.isEnabled("settings"));
        for (const auto& [name, value] : c.changes)
            EXPECT_EQ(page.change(name, value), settings::Change::Done) << name;
        EXPECT_EQ(SavePage(page), c.saved);
        expectRecord(k, before, c.fields);
        EXPECT_EQ(ini("kxawdog.ini"), c.list);
    }
}

}  // namespace
}  // namespace kx::alarmconfig
