// Escalation, alarm-message and text-to-speech settings on a copy of the
// demonstration site.

#include "integration/AlarmMessageSettings.h"
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

TEST_F(IntegrationSettingsTest, AlarmMessagesOfferTheDepositOnlyForQsigToAnAbcPbx)
{
    const struct {
        const char* isdn;
        const char* pbx;
        bool available;
    } rows[] = {
        {"qsig", "abc", true},
        {"QSIG", "ABC", true},
        {"1", "ABC", false},
        {"QSIG", "Cornet", false},
    };
    for (const auto& r : rows) {
        writeIni("kxalarm.ini", std::string("[config]\nISDN=") + r.isdn +
                                    "\n[parallel]\nDepositMMSOnInaccessible=1\nDepositMMSOnISDNError1=0x91\n"
                                    "DepositMMSOnISDNError2=0x22");
        writeIni("kxt.ini", std::string("[D300]\nPBX_Protocol=") + r.pbx);
        AlarmMessageSettings model;
        model.load();
        EXPECT_EQ(model.isOn("DepositMMSOnInaccessible"), r.available) << r.isdn << r.pbx;
        EXPECT_EQ(model.isEnabled("DepositMMSOnISDNError1"), r.available);
        if (r.available)
            ASSERT_EQ(model.changeShown("DepositMMSOnISDNError1", "0"), Change::Done);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(stored("kxalarm.ini", "parallel", "DepositMMSOnInaccessible"), r.available ? "1" : "0");
        EXPECT_EQ(stored("kxalarm.ini", "parallel", "DepositMMSOnISDNError1"), r.available ? "" : "0x91");
        EXPECT_EQ(stored("kxalarm.ini", "parallel", "DepositMMSOnISDNError2"), "0x22");
    }
}

TEST_F(IntegrationSettingsTest, AlarmMessagesKeepOneSectionAndRefuseOnlyTypedLengthsOutOfRange)
{
    writeIni("kxamsg.ini", "[config]\nPreMessage=Alarm:\nMaxSmsLength=400");
    writeIni("kxamsg1.ini", "[Settings]\nMaxCharsForMessage=20");
    AlarmMessageSettings model;
    model.load();
    EXPECT_EQ(model.shown("PreMessage"), "Alarm:");
    EXPECT_EQ(model.shown("MaxCharsRinging"), "20");
    EXPECT_EQ(model.changeShown("MaxCharsRinging", "33"), Change::Refused);
    EXPECT_EQ(model.changeShown("MaxUuiLength", "0"), Change::Refused);
    EXPECT_EQ(model.changeShown("MaxUuiLength", "200"), Change::Done);
    EXPECT_EQ(boxes.texts().front(),
              "Please enter a number from 1 to 32 for \"Maximum length of message when ringing\".");
    ASSERT_TRUE(model.ok());
    const std::string file = ini("kxamsg.ini");
    EXPECT_EQ(file.find("[Config]"), std::string::npos) << file;
    EXPECT_NE(file.find("MaxSmsLength=400\r\n"), std::string::npos);
    EXPECT_NE(file.find("MaxUuiLength=200\r\n"), std::string::npos);
    EXPECT_EQ(stored("kxamsg1.ini", "Settings", "MaxCharsForMessage"), "20");
}

}  // namespace
}  // namespace kx::integration
