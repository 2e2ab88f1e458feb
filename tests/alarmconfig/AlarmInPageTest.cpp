// The page base: a page shown for another function than the stored one
// takes a new alarm-in's fields, keeping the launched alarm and the
// whitelist flag between pages that both have them.

#include "alarmconfig/AlarmInPage.h"
#include "settings/ItemSources.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::alarmconfig {
namespace {

using settings::CheckField;
using settings::IntField;
using settings::KeyField;

class SamplePage final : public AlarmInPage {
public:
    SamplePage()
        : AlarmInPage({16}, {KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(true)), CheckField("n_msg", "n_msg"),
                             CheckField("type_answr", "type_answr").flags("1", "-1"), IntField("num6_2", "num6_2")})
    {}
};

class AlarmInPageTest : public test::AlarmInFixture {};

TEST_F(AlarmInPageTest, AnotherFunctionLoadsANewAlarmInsFieldsButKeepsWhatBothPagesShare)
{
    const long evacuation = alarmInOfFunction(16), broadcast = alarmInOfFunction(0);
    const long roomSurveillance = alarmInOfFunction(15);
    // Every field set, so that "as stored" and "as new" differ.
    for (long key : {evacuation, broadcast, roomSurveillance})
        setFields(key, {{"p_ogm3", "4711"}, {"n_msg", "1"}, {"type_answr", "1"}, {"num6_2", "45"}});
    const struct {
        long key;
        int stored;
        const char* p_ogm3;
        const char* n_msg;
        const char* num6_2;
    } cases[] = {
        {evacuation, 16, "4711", "1", "45"},    // its own function: as stored
        {broadcast, 0, "4711", "1", "0"},       // both launch an alarm and have a whitelist
        {roomSurveillance, 15, "0", "0", "0"},  // neither
    };
    for (const auto& c : cases) {
        SamplePage page;
        page.loadFor(c.key, 16, c.stored);
        EXPECT_EQ(page.value("p_ogm3"), c.p_ogm3) << c.key;
        EXPECT_EQ(page.value("n_msg"), c.n_msg) << c.key;
        EXPECT_EQ(page.value("num6_2"), c.num6_2) << c.key;
    }
}

}  // namespace
}  // namespace kx::alarmconfig
