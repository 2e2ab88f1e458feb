// Incoming call, hotel evacuation and login/logout settings on a copy of the
// demonstration site.

#include "core/CDatabase.h"
#include "integration/HotelEvacuationSettings.h"
#include "integration/IncomingCallSettings.h"
#include "integration/LoginLogoutSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::integration {
namespace {

using settings::Change;

class CallAndPersonSettingsTest : public test::DemoSiteFixture {
protected:
    // The values of "section/key ..." of kxalarm.ini joined by "|".
    static std::string stored(const std::vector<const char*>& keys)
    {
        std::string joined;
        for (const std::string k : keys)
            joined += "|" + ProfileString("kxalarm.ini", k.substr(0, k.find('/')), k.substr(k.find('/') + 1), "-", 600);
        return joined.substr(1);
    }
    // Applies "name=value" changes in order; each must be taken.
    static void apply(settings::SettingsModel& model, const std::vector<std::string>& changes)
    {
        for (const std::string& c : changes)
            EXPECT_EQ(model.changeShown(c.substr(0, c.find('=')), c.substr(c.find('=') + 1)), Change::Done) << c;
    }
};

TEST_F(CallAndPersonSettingsTest, IncomingCallsOpenInTheStoredModeAndWriteTheChosenStart)
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

TEST_F(CallAndPersonSettingsTest, IncomingCallsKeepTheCommentsLineBreakEncodingAndRefuseItsCharacters)
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

TEST_F(CallAndPersonSettingsTest, IncomingCallsCheckTheRingsOfTheLinesAndSaveTheMessageAnyway)
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

TEST_F(CallAndPersonSettingsTest, HotelEvacuationReopensOnlyARangeAboveNineAndBelow9999)
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

TEST_F(CallAndPersonSettingsTest, LoginAndLogoutWriteTheNumberAtOnceAndRefuseWhatWouldBreakTheFile)
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

}  // namespace
}  // namespace kx::integration
