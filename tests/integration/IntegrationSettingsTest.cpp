// Escalation, alarm-message and text-to-speech settings on a copy of the
// demonstration site.

#include "integration/AlarmMessageSettings.h"
#include "integration/EscalationSettings.h"
#include "integration/TtsSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::integration {
namespace {

using settings::Change;

class IntegrationSettingsTest : public test::DemoSiteFixture {
protected:
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
        if (r.available) {
            ASSERT_EQ(model.changeShown("DepositMMSOnISDNError1", "0"), Change::Done);
        }
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
              "The value of \"Maximum length of message when ringing\" must lie in the range 1-32.");
    ASSERT_TRUE(model.ok());
    const std::string file = ini("kxamsg.ini");
    EXPECT_EQ(file.find("[Config]"), std::string::npos) << file;
    EXPECT_NE(file.find("MaxSmsLength=400\r\n"), std::string::npos);
    EXPECT_NE(file.find("MaxUuiLength=200\r\n"), std::string::npos);
    EXPECT_EQ(stored("kxamsg1.ini", "Settings", "MaxCharsForMessage"), "20");
}

TEST_F(IntegrationSettingsTest, TtsRunsAllThreeChecksAndSavesActiveAsOffWhenOneFails)
{
    const struct {
        bool kxtts;
        const char* registry;
        const char* boxes;  // E: 61643, N: 61644
        const char* active;
    } rows[] = {
        {true, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS]\nStartupPath=\\kxt", "", "1"},
        {true, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS]\nStartupPath=\\nowhere", "N", "0"},
        {false, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\loquendo]", "E", "0"},
        {false, "", "EN", "0"},
    };
    for (const auto& r : rows) {
        std::filesystem::remove(site.path("work/KXTTS"));
        if (r.kxtts) {
            site.write("work/KXTTS", "");  // any case, without ".exe"
            std::filesystem::permissions(site.path("work/KXTTS"), std::filesystem::perms::owner_all);
        }
        writeIni("registry.ini", r.registry);
        writeIni("kxalarm.ini", "[kxatts]\nActive=1\nFirstAlarmKey=5\nLastAlarmKey=50");
        boxes.clear();
        TtsSettings model;
        model.load();
        EXPECT_EQ(model.shown("TtsRange"), "0");
        EXPECT_TRUE(model.ok());
        std::string kinds;
        for (const std::string& text : boxes.texts())
            kinds += text.rfind("The program Kxtts.exe", 0) == 0 ? "E" : text.rfind("No TTS", 0) == 0 ? "N" : "?";
        EXPECT_EQ(kinds, r.boxes) << r.registry;
        EXPECT_EQ(stored("kxalarm.ini", "kxatts", "Active"), r.active) << r.registry;
        EXPECT_EQ(stored("kxalarm.ini", "kxatts", "FirstAlarmKey"), "0");
    }
}

}  // namespace
}  // namespace kx::integration
