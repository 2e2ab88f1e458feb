// Escalation, alarm-message and text-to-speech settings on a copy of the
// demonstration site.

#include "integration/EscalationSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::integration {
namespace {

using settings::Change;

class IntegrationSettingsTest : public test::DemoSiteFixture {
protected:
    // Writes a file of the Windows directory from "\n"-separated lines, as CRLF lines.
    void writeIni(const std::string& name, const std::string& lines)
    {
        std::string bytes;
        for (char c : lines)
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        site.write("windows/" + name, bytes);
    }
    static std::string stored(const char* file, const char* section, const char* key)
    {
        return ProfileString(file, section, key, "(none)");
    }
};

TEST_F(IntegrationSettingsTest, EscalationWritesThePrefixOnlyWithTheBoxTicked)
{
    writeIni("kxalarm.ini", "[kxarun2]\nConfirmedByPreMessage=old");
    EscalationSettings model;
    model.load();
    EXPECT_EQ(model.shown("SendOrigKeyForEscal"), "1");
    EXPECT_EQ(model.changeShown("ConfirmedByPreMessage", "new"), Change::Disabled);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored("kxalarm.ini", "kxarun2", "SetConfirmedByForAlarmOnSuccess"), "0");
    EXPECT_EQ(stored("kxalarm.ini", "kxarun2", "ConfirmedByPreMessage"), "old");
    EXPECT_EQ(stored("kxalarm.ini", "kxarun2", "MaxRepeatAlarm"), "99");

    model.changeShown("SetConfirmedByForAlarmOnSuccess", "1");
    ASSERT_EQ(model.changeShown("ConfirmedByPreMessage", "Conf. by "), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_NE(ini("kxalarm.ini").find("ConfirmedByPreMessage=Conf. by \r\n"), std::string::npos);
}

}  // namespace
}  // namespace kx::integration
