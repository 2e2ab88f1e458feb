// The settings of integration/ on a copy of the demonstration site:
// escalation, alarm messages, text to speech, incoming calls, hotel
// evacuation, login/logout, master / slave, watch-dog box and DDI callback.

#include "core/CDatabase.h"
#include "integration/AlarmMessageSettings.h"
#include "integration/DdiCallbackSettings.h"
#include "integration/EscalationSettings.h"
#include "integration/HotelEvacuationSettings.h"
#include "integration/IncomingCallSettings.h"
#include "integration/LoginLogoutSettings.h"
#include "integration/MasterSlaveSettings.h"
#include "integration/SlaveAlarmStart.h"
#include "integration/TtsSettings.h"
#include "integration/WatchdogBoxSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <cstdlib>
#include <filesystem>

namespace kx::integration {
namespace {

using settings::Change;

class IntegrationSettingsTest : public test::DemoSiteFixture {
protected:
    static std::string stored(const char* file, const char* section, const char* key)
    {
        return ProfileString(file, section, key, "(none)");
    }
    // The values of "section/key ..." of kxalarm.ini joined by "|".
    static std::string stored(const std::vector<const char*>& keys)
    {
        std::string joined;
        for (const std::string k : keys)
            joined += "|" + ProfileString("kxalarm.ini", k.substr(0, k.find('/')), k.substr(k.find('/') + 1), "-", 600);
        return joined.substr(1);
    }
    // The keys of a section as "key=value ..." in file order.
    static std::string section(const char* file, const char* name)
    {
        std::string out;
        for (const std::string& key : ProfileKeyNames(file, name))
            out += (out.empty() ? "" : " ") + key + "=" + ProfileString(file, name, key, "");
        return out;
    }
    // Applies "name=value" changes as the operator's clicks, in order; each must be taken.
    static void apply(settings::SettingsModel& model, const std::vector<std::string>& changes)
    {
        for (const std::string& c : changes)
            ASSERT_EQ(model.changeShown(c.substr(0, c.find('=')), c.substr(c.find('=') + 1)), Change::Done) << c;
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

TEST_F(IntegrationSettingsTest, IncomingCallsOpenInTheStoredModeAndWriteTheChosenStart)
{
    // clang-format off
    const struct {
        const char* stored;  // section kxastart
        const char* opensWith;
        std::vector<std::string> changes;
        const char* written;  // VMStartProg|DefaultAlarmIn|SpecProg
    } rows[] = {
        {"DefaultAlarmIn=5\nVMStartProg=", "module", {}, "No module started|0|"},
        {"DefaultAlarmIn=5\nSpecProg=kxaddiconv", "module", {"StartWith=alarm-in", "DefaultAlarmIn=5001"}, "|5001|kxaddiconv"},
        {"DefaultAlarmIn=5003\nSpecProg=gone", "alarm-in", {"StartWith=module", "VMStartProg=_rec1am"}, "_rec1am|0|"},
        {"DefaultAlarmIn=7\nVMStartProg=old", "module", {}, "old|0|"},  // a module that is gone stays
        {"DefaultAlarmIn=0", "module", {"StartWith=alarm-in"}, "|1999|"},
        {"SpecProg=gone", "alarm-in", {"RunSpecProg=1"}, "|1999|kxaddiconv"},  // the first module
    };
    // clang-format on
    for (const auto& r : rows) {
        writeIni("kxalarm.ini", std::string("[config]\nFirstAlarmInKey=5000\n[kxastart]\n") + r.stored);
        IncomingCallSettings model;
        model.load();
        EXPECT_EQ(model.value("StartWith"), r.opensWith) << r.stored;
        apply(model, r.changes);
        ASSERT_TRUE(model.ok()) << r.stored;
        EXPECT_EQ(stored({"kxastart/VMStartProg", "kxastart/DefaultAlarmIn", "kxastart/SpecProg"}), r.written);
    }
    // An alarm-in without comment is named by its function.
    setFields(5001, {{"text_opt1", " "}, {"p_ogm4", "16"}});
    setFields(5002, {{"text_opt1", " "}, {"p_ogm4", "30"}});
    setFields(5003, {{"text_opt1", "Lobby"}});
    IncomingCallSettings model;
    model.load();
    std::string texts;
    for (const settings::Option& o : model.options("DefaultAlarmIn"))
        texts += o.token >= "5001" && o.token <= "5003" ? o.text + "|" : "";
    EXPECT_EQ(texts, "5001 Start evacuation alarm|5002 No type of alarm defined|5003 Lobby|");
}

TEST_F(IntegrationSettingsTest, IncomingCallsKeepTheCommentsLineBreakEncodingAndRefuseItsCharacters)
{
    writeIni("kxalarm.ini", "[kxastart]\nSpecProg=kxarun\nSpecProgComment=one|\xA6two|three\xA6");
    IncomingCallSettings model;
    model.load();
    EXPECT_EQ(model.value("SpecProgComment"), "one\r\ntwo\rthree\n");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored({"kxastart/SpecProgComment"}), "one|\xA6two|three\xA6");
    for (const std::string& refused : {std::string("a|b"), std::string("a\xA6"), std::string(512, 'x')})
        EXPECT_EQ(model.change("SpecProgComment", refused), Change::Refused);
    EXPECT_EQ(model.change("SpecProgComment", "x\r\ny"), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored({"kxastart/SpecProgComment"}), "x|\xA6y");
    EXPECT_EQ(boxes.texts().size(), 3u);
}

TEST_F(IntegrationSettingsTest, IncomingCallsCheckTheRingsOfTheLinesAndSaveTheMessageAnyway)
{
    const struct {
        const char* protocol;
        const char* rings;  // T16 of line 1; nullptr: no line table
        const char* box;    // the start of the message shown, "" for none
        const char* saved;
    } rows[] = {
        {"QSIG", "-1", "", "1"},
        {"QSIG", "0", "To set a message for incoming calls", "1"},
        {"QSIG", nullptr, "The line table \\kxt\\kxtini.dbf could not be opened", "1"},
        {"CTR4", "0", "", "0"},
    };
    for (const auto& r : rows) {
        std::filesystem::remove(site.path("kxt/kxtini.dbf"));
        CDatabase lines;
        if (r.rings && lines.Create("\\kxt\\kxtini.dbf", {{"T01", 'N', 4, 0}, {"T16", 'N', 4, 0}})) {
            lines.Append();
            lines.Bottom();
            lines.Replace("T16", r.rings);
            lines.Close();
        }
        writeIni("kxt.ini", std::string("[D300]\nE1Protocol=") + r.protocol);
        writeIni("kxalarm.ini", "[kxastart]\nShowMsgOnIncoming=1");
        boxes.clear();
        IncomingCallSettings model;
        model.load();
        EXPECT_EQ(model.isEnabled("ShowMsgOnIncoming"), *r.saved == '1') << r.protocol;
        ASSERT_TRUE(model.ok());
        const std::vector<std::string> texts = boxes.texts();
        EXPECT_EQ(texts.empty() ? "" : texts.front().substr(0, std::string(r.box).size()), r.box);
        EXPECT_EQ(stored({"kxastart/ShowMsgOnIncoming"}), r.saved);
    }
}

TEST_F(IntegrationSettingsTest, HotelEvacuationReopensOnlyARangeAboveNineAndBelow9999)
{
    const struct {
        const char* stored;  // CheckRoomInfo|FirstPriorityCheck|LastPriorityCheck, as written
        const char* opens;   // PriorityKeys|first|last
        std::vector<std::string> changes;
        const char* written;  // "" when OK is refused
    } rows[] = {
        {"1|10|500", "range|10|500", {}, "1|10|500"},
        {"1|5|500", "all|1|1", {}, "1|1|1"},
        {"1|10|9999", "all|1|1", {}, "1|1|1"},
        {"0|10|500", "all|0|0", {}, "0|0|0"},
        {"1|0|0", "all|1|1", {"PriorityKeys=range", "FirstPriorityCheck=10", "LastPriorityCheck=500"}, "1|10|500"},
        {"1|0|0", "all|1|1", {"PriorityKeys=range", "FirstPriorityCheck=5", "LastPriorityCheck=500"}, ""},
        {"1|0|0", "all|1|1", {"PriorityKeys=range", "FirstPriorityCheck=20", "LastPriorityCheck=10"}, ""},
        {"1|10|500", "range|10|500", {"CheckRoomInfo=0"}, "0|0|0"},
    };
    const std::vector<const char*> keys = {"kxaprio1/CheckRoomInfo", "config/FirstPriorityCheck",
                                           "config/LastPriorityCheck"};
    for (const auto& r : rows) {
        std::string ini = std::string("[kxaprio1]\nCheckRoomInfo=") + r.stored;
        ini.replace(ini.find('|'), 1, "\n[config]\nFirstPriorityCheck=");
        ini.replace(ini.find('|'), 1, "\nLastPriorityCheck=");
        writeIni("kxalarm.ini", ini);
        HotelEvacuationSettings model;
        model.load();
        EXPECT_EQ(model.value("PriorityKeys") + "|" + model.value("FirstPriorityCheck") + "|" +
                      model.value("LastPriorityCheck"),
                  r.opens)
            << r.stored;
        apply(model, r.changes);
        EXPECT_EQ(model.ok(), *r.written != '\0') << r.stored;
        EXPECT_EQ(stored(keys), *r.written ? r.written : r.stored) << r.stored;
    }
}

TEST_F(IntegrationSettingsTest, LoginAndLogoutWriteTheNumberAtOnceAndRefuseWhatWouldBreakTheFile)
{
    writeIni("kxalogout.ini", "[LogedOut]\n0301=1\n0302=0\n0303= 1");
    LoginLogoutSettings model;
    model.load();
    EXPECT_EQ(model.shown("LoggedOut"), "0301,0303");
    const struct {
        const char* change;  // then Logout, or Login for "selected"
        const char* loggedOut;
        bool refused;
    } rows[] = {
        {"number=0302", "0301,0302,0303", false},   {"number=0499", "0301,0302,0303,0499", false},
        {"selected=0301", "0302,0303,0499", false}, {"number=", "0302,0303,0499", false},
        {"number= 05", "0302,0303,0499", true},     {"number=05 ", "0302,0303,0499", true},
        {"number=0=5", "0302,0303,0499", true},     {"number=;05", "0302,0303,0499", true},
        {"number=[05]", "0302,0303,0499", true},
    };
    for (const auto& r : rows) {
        boxes.clear();
        apply(model, {r.change});
        EXPECT_EQ(model.press(*r.change == 'n' ? "logout" : "login"), Change::Done);
        EXPECT_EQ(model.shown("LoggedOut"), r.loggedOut) << r.change;
        const std::vector<std::string> texts = boxes.texts();
        EXPECT_EQ(texts.empty() ? "" : texts.front().substr(0, 16), r.refused ? "The phonenumber " : "") << r.change;
    }
    EXPECT_EQ(ini("kxalogout.ini"), "[LogedOut]\r\n0301=0\r\n0302=1\r\n0303= 1\r\n0499=1\r\n");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored({"kxachktn/CheckPerson"}), "1");
}

TEST_F(IntegrationSettingsTest,
       MasterSlaveOkWritesTheCopiesOfTheModeChecksEnabledValuesAndRegistersTheControllerEveryTime)
{
    const std::string others = "[Startup_1]\r\nProgram=notepad.exe\r\nEnabled=1\r\n";
    // clang-format off
    const struct {
        const char* stored;  // section kxaredundant
        std::vector<std::string> changes;
        const char* refusal;  // the start of the error shown; nullptr: OK writes `after`
        const char* after;
    } rows[] = {
        {"Mode=0", {}, nullptr,
         "Mode=3 Active=0 MaxSocketConnectionRetries=5 WaitBeforeConnect=5 FirstAlarm=0 LastAlarm=0 MasterPort=4010 "
         "MasterIP= ContinueOnEmptyGroup=0"},
        // Master: the slave retries are written back, the wait is not; a disabled port is not checked.
        {"Active=1\nMode=1\nMaxSocketConnectionRetries=9\nWaitBeforeConnect=7\nFirstAlarm=100\nMasterPort=70000",
         {"LastAlarm=200"}, nullptr,
         "Active=1 Mode=1 MaxSocketConnectionRetries=9 WaitBeforeConnect=7 FirstAlarm=100 MasterPort=70000 "
         "LastAlarm=200 MasterIP= ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=2\nMaxSocketConnectionRetries=9\nMasterIP=10.1.1.1",
         {"MaxSocketConnectionRetries=3", "WaitBeforeConnect=0"}, nullptr,
         "Active=1 Mode=2 MaxSocketConnectionRetries=3 MasterIP=10.1.1.1 WaitBeforeConnect=0 FirstAlarm=0 "
         "LastAlarm=0 MasterPort=4010 ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=7\nFirstAlarm=10\nLastAlarm=20\nWaitBeforeConnect=8",
         {"PerAlarmRetries=4", "RedundancyRange=0"}, nullptr,
         "Active=1 Mode=3 FirstAlarm=0 LastAlarm=0 WaitBeforeConnect=8 MaxSocketConnectionRetries=4 MasterPort=4010 "
         "MasterIP= ContinueOnEmptyGroup=0"},
        {"Active=1\nMode=2", {}, "Please enter the IP address", nullptr},
        {"Active=1\nMode=2\nMasterIP=10.1.1.1 x", {}, "Please enter the IP address", nullptr},
        {"Active=1\nMode=2\nMasterIP=10.1.1.1\nMasterPort=0", {}, "The port '0'", nullptr},
        {"Active=1\nMode=3", {"PerAlarmWait=-1"}, "The wait time '-1'", nullptr},
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

TEST_F(IntegrationSettingsTest, SlaveAlarmStartListsTheRangeSortedByTextAndWritesOnlyWhatMoved)
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
    apply(model, {"Active=1", "SlaveIP=10.2.2.2"});
    for (const char* refused : {"103,9999", "103,x", "-5", "103,,104"})
        EXPECT_EQ(model.changeShown("StartSlaveAlarm", refused), Change::Refused) << refused;
    EXPECT_EQ(model.changeShown("MaxSocketConnectionRetries", "51"), Change::Refused);
    // Moves: 100 to the right, 103 to the left; 102 was always on the right.
    apply(model, {"StartSlaveAlarm= 103 ,101,103"});
    EXPECT_EQ(model.shown("StartSlaveAlarm"), "101,103");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxaredalrstart.ini"), "[StartSlaveAlarm]\r\n100=0\r\n101=1\r\n102=0\r\n9999=1\r\n103=1\r\n");
    EXPECT_EQ(section("kxalarm.ini", "kxaredalrstart"),
              "Active=1 SlavePort=4010 MaxSocketConnectionRetries=5 DoNotStartSlaveIf2ndAlarm=0 SlaveIP=10.2.2.2");
    // A second OK compares with what the first one wrote.
    apply(model, {"StartSlaveAlarm=100"});
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("kxaredalrstart.ini"), "[StartSlaveAlarm]\r\n100=1\r\n101=0\r\n102=0\r\n9999=1\r\n103=0\r\n");
}

TEST_F(IntegrationSettingsTest, WatchdogBoxKeepsUnlistedIntervalsAndAlarmsAndActiveIsRewrittenAtOpening)
{
    setFields(12, {{"status", "91"}, {"text_opt1", "Twelve"}});
    setFields(1234, {{"status", "91"}, {"text_opt1", "Big"}});
    const struct {
        const char* interval;
        const char* entry;  // the selected entry's text, "" for none
        const char* conf;   // AlarmOnNoConf as stored
    } rows[] = {
        {"1560", "24 hours", "100"},
        {"1440", "", "77"},
        {"60", "hour", "4690"},
    };
    for (const auto& r : rows) {
        writeIni("kxalarm.ini", std::string("[WatchDog]\nActive=2\nIntervall=") + r.interval +
                                    "\nStartAlarmOnNoAnsw=12\nGetConfCode=1\nAlarmOnNoConf=" + r.conf);
        WatchdogBoxSettings model;
        model.load();
        EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "Active", ""), "0");  // before any OK or Cancel
        EXPECT_FALSE(model.isOn("GetConfCode"));
        const settings::Option* entry = model.row("Intervall")->option(model.value("Intervall"));
        EXPECT_EQ(entry ? entry->label.source : "", std::string(r.entry)) << r.interval;
        EXPECT_EQ(model.row("StartAlarmOnNoAnsw")->option("12")->text, "12  Twelve");
        ASSERT_EQ(model.change("Active", "1"), Change::Done);
        ASSERT_EQ(model.change("GetConfCode", "1"), Change::Done);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(ini("kxalarm.ini"), std::string("[WatchDog]\r\nActive=1\r\nIntervall=") + r.interval +
                                          "\r\nStartAlarmOnNoAnsw=12\r\nGetConfCode=1\r\nAlarmOnNoConf=" + r.conf +
                                          "\r\nNumberToDial=\r\nStartAlarmActive=0\r\nWriteWarningOnNoAnsw=0\r\n"
                                          "SendConfCode=0\r\nConfCode=\r\n");
    }
    EXPECT_EQ(boxKinds(), "");
}

TEST_F(IntegrationSettingsTest, WatchdogBoxButtonsRunTheQueueAndTheEditorWithoutAShellAndOkOnlyWarns)
{
    test::StandInPrograms programs(site.path("bin"));
    programs.add("kxtque");
    programs.add("editor");
    ::setenv("KX_EDITOR", (programs.directory() + "/editor").c_str(), 1);
    const struct {
        bool module;  // kxawdcall.kxe in the working directory
        const char* number;
        const char* button;
        const char* box;
        std::string call;
    } rows[] = {
        {false, "0711 5", "test-call", "The kxe module kxawdcall.kxe, which is needed", ""},
        {true, "", "test-call", "ERROR ! No phonenumber defined for line watchdog to dial !", ""},
        {true, "0711 5;x", "test-call", "", "kxtque|postjob|1|kxawdcall|-i51"},
        {false, "", "logfile", "", "editor|" + site.path("work/log/kxawdcall.log")},
    };
    for (const auto& r : rows) {
        writeIni("kxalarm.ini", "[WatchDog]\nActive=1\nNumberToDial=old");
        std::filesystem::remove(site.path("work/kxawdcall.kxe"));
        if (r.module)
            site.write("work/kxawdcall.kxe", "");
        programs.clear();
        boxes.clear();
        WatchdogBoxSettings model;
        model.load();
        ASSERT_EQ(model.change("NumberToDial", r.number), Change::Done);
        EXPECT_EQ(model.press(r.button), *r.box ? Change::Refused : Change::Done);
        EXPECT_EQ(boxes.texts().empty() ? "" : boxes.texts().front().substr(0, std::string(r.box).size()), r.box);
        EXPECT_EQ(programs.waitForCalls(!r.call.empty() ? 1 : 0),
                  !r.call.empty() ? std::vector<std::string>{r.call} : std::vector<std::string>{});
        // Only a posted call saves the number it dials.
        EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "NumberToDial", ""),
                  r.call.rfind("kxtque", 0) == 0 ? r.number : "old");
    }
    ::unsetenv("KX_EDITOR");

    std::filesystem::remove(site.path("kxt/kxawdcall.kxe"));
    boxes.clear();
    WatchdogBoxSettings model;
    model.load();
    ASSERT_EQ(model.change("NumberToDial", "0815"), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"The KXE program kxawdcall.kxe does not exist !\nPlease make "
                                                      "sure, that this program is existent in the kxt directory."});
    EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "NumberToDial", ""), "0815");
}

TEST_F(IntegrationSettingsTest, DdiCallbackRangeIsCheckedAndOnlyFreeKeysAndAlarmsInAreConverted)
{
    site.write("kxt/A.KXE", "");
    const struct {
        const char* range;  // first-last
        bool saved;
        const char* boxes;  // a question is answered Yes when an information follows
    } rows[] = {
        {"1099-1000", false, "E"}, {"9990-10000", false, "E"},
        {"5000-5099", true, ""},  // alarms-in already: nothing asked
        {"5095-5110", true, "C"},  {"5095-5110", true, "CI"},
    };
    setFields(5105, {{"status", "91"}});
    const std::vector<std::string> alarm = record(5105), alarmIn = record(5097), freeKey = record(5102);
    for (const auto& r : rows) {
        const std::string range = r.range;
        const std::string first = range.substr(0, range.find('-')), last = range.substr(range.find('-') + 1);
        writeIni("kxalarm.ini", "[kxaddicallback]\nAddDDICallbackNumber=1\nStartAdditionalModuleOnCallback=gone");
        boxes.clear();
        if (r.boxes[0] == 'C')
            boxes.answer(r.boxes[1] == 'I');
        DdiCallbackSettings model;
        model.load();
        EXPECT_EQ(model.value("StartAdditionalModuleOnCallback"), "gone");  // kept though its file is missing
        ASSERT_EQ(model.change("StartAdditionalModuleOnCallback",
                               model.options("StartAdditionalModuleOnCallback").front().token),
                  Change::Done);
        model.change("FirstDDINumber", first);
        model.change("LastDDINumber", last);
        EXPECT_EQ(model.ok(), r.saved) << r.range;
        EXPECT_EQ(boxKinds(), r.boxes) << r.range;
        EXPECT_EQ(ProfileString("kxalarm.ini", "kxaddicallback", "StartAdditionalModuleOnCallback", ""),
                  r.saved ? "A" : "gone");
    }
    EXPECT_EQ(boxes.texts().front(), "Add new alarm-in keys for DDI callback from 5095 to 5110 ?");
    EXPECT_EQ(boxes.texts().back(), "These keys of the DDI callback range hold an alarm or another mailbox and were "
                                    "left unchanged: 5105");
    expectRecord(5105, alarm, {});
    expectRecord(5097, alarmIn, {{"p_ogm4", "21"}});
    std::map<std::string, std::string> made = {{"p_ogm4", "21"}};
    for (const mailbox::FieldWrite& w : mailbox::NewRecordWrites(5102, false))
        if (std::string(w.logicalName) != "p_ogm4")
            made[w.logicalName] = w.value == " " ? "0" : w.value;
    expectRecord(5102, freeKey, made);
    EXPECT_EQ(field(5110, "status"), "92");
    EXPECT_EQ(field(5111, "status"), "11");
}

}  // namespace
}  // namespace kx::integration
