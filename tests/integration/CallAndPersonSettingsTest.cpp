// Incoming call, hotel evacuation and login/logout settings on a copy of the
// demonstration site.

#include "core/CDatabase.h"
#include "integration/HotelEvacuationSettings.h"
#include "integration/IncomingCallSettings.h"
#include "integration/LoginLogoutSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

#include <algorithm>

namespace kx::integration {
namespace {

using settings::Change;

class CallAndPersonSettingsTest : public test::DemoSiteFixture {
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
        return ProfileString(file, section, key, "(none)", 600);
    }
    // Applies "name=value" changes in order; each must be taken.
    static void apply(settings::SettingsModel& model, const std::vector<std::string>& changes)
    {
        for (const std::string& c : changes) {
            const std::size_t eq = c.find('=');
            EXPECT_EQ(model.changeShown(c.substr(0, eq), c.substr(eq + 1)), Change::Done) << c;
        }
    }
    static std::string text(const settings::SettingsModel& model, const char* list, const char* token)
    {
        const auto& options = model.options(list);
        const auto it = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.token == token; });
        return it != options.end() ? it->text : "(no item)";
    }
};

TEST_F(CallAndPersonSettingsTest, IncomingCallsOpenInTheStoredModeAndWriteTheChosenStart)
{
    const struct {
        const char* stored;  // section kxastart
        const char* opensWith;
        std::vector<std::string> changes;
        const char* vmStartProg;
        const char* defaultAlarmIn;
        const char* specProg;
    } rows[] = {
        {"DefaultAlarmIn=5\nVMStartProg=", "module", {}, "No module started", "0", ""},
        {"DefaultAlarmIn=5\nVMStartProg=kxarun\nSpecProg=kxaddiconv",
         "module",
         {"StartWith=alarm-in", "DefaultAlarmIn=5001"},
         "",
         "5001",
         "kxaddiconv"},
        {"DefaultAlarmIn=5003\nSpecProg=gone",
         "alarm-in",
         {"StartWith=module", "VMStartProg=_rec1am"},
         "_rec1am",
         "0",
         ""},
        // A module that is gone is written back as it was.
        {"DefaultAlarmIn=7\nVMStartProg=old", "module", {}, "old", "0", ""},
        {"DefaultAlarmIn=0", "module", {"StartWith=alarm-in"}, "", "1999", ""},
        {"SpecProg=gone", "alarm-in", {"RunSpecProg=1"}, "", "1999", "kxaddiconv"},  // the first module
    };
    for (const auto& r : rows) {
        writeIni("kxalarm.ini", std::string("[config]\nFirstAlarmInKey=5000\n[kxastart]\n") + r.stored);
        IncomingCallSettings model;
        model.load();
        EXPECT_EQ(model.value("StartWith"), r.opensWith) << r.stored;
        apply(model, r.changes);
        ASSERT_TRUE(model.ok()) << r.stored;
        EXPECT_EQ(stored("kxalarm.ini", "kxastart", "VMStartProg"), r.vmStartProg) << r.stored;
        EXPECT_EQ(stored("kxalarm.ini", "kxastart", "DefaultAlarmIn"), r.defaultAlarmIn) << r.stored;
        EXPECT_EQ(stored("kxalarm.ini", "kxastart", "SpecProg"), r.specProg) << r.stored;
    }
}

TEST_F(CallAndPersonSettingsTest, IncomingCallsNameAnAlarmInWithoutCommentByItsFunction)
{
    setFields(5001, {{"text_opt1", " "}, {"p_ogm4", "16"}});
    setFields(5002, {{"text_opt1", " "}, {"p_ogm4", "30"}});
    setFields(5003, {{"text_opt1", "Lobby"}});
    IncomingCallSettings model;
    model.load();
    EXPECT_EQ(text(model, "DefaultAlarmIn", "5001"), "5001 Start evacuation alarm");
    EXPECT_EQ(text(model, "DefaultAlarmIn", "5002"), "5002 No type of alarm defined");
    EXPECT_EQ(text(model, "DefaultAlarmIn", "5003"), "5003 Lobby");
    EXPECT_EQ(text(model, "SpecProg", "_rec1am"), "_rec1am");
}

TEST_F(CallAndPersonSettingsTest, IncomingCallsKeepTheCommentsLineBreakEncodingAndRefuseItsCharacters)
{
    writeIni("kxalarm.ini", "[kxastart]\nSpecProg=kxarun\nSpecProgComment=one|\xA6two|three\xA6");
    IncomingCallSettings model;
    model.load();
    EXPECT_EQ(model.value("SpecProgComment"), "one\r\ntwo\rthree\n");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored("kxalarm.ini", "kxastart", "SpecProgComment"), "one|\xA6two|three\xA6");
    for (const std::string& refused : {std::string("a|b"), std::string("a\xA6"), std::string(512, 'x')})
        EXPECT_EQ(model.change("SpecProgComment", refused), Change::Refused);
    EXPECT_EQ(model.change("SpecProgComment", "x\r\ny"), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored("kxalarm.ini", "kxastart", "SpecProgComment"), "x|\xA6y");
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
        if (r.rings) {
            CDatabase lines;
            ASSERT_EQ(lines.Create("\\kxt\\kxtini.dbf", {{"T01", 'N', 4, 0}, {"T16", 'N', 4, 0}}), 1);
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
        EXPECT_EQ(model.isEnabled("ShowMsgOnIncoming"), r.saved == std::string("1")) << r.protocol;
        ASSERT_TRUE(model.ok());
        const std::vector<std::string> texts = boxes.texts();
        EXPECT_EQ(texts.empty() ? "" : texts.front().substr(0, std::string(r.box).size()), r.box);
        EXPECT_EQ(stored("kxalarm.ini", "kxastart", "ShowMsgOnIncoming"), r.saved);
    }
}

TEST_F(CallAndPersonSettingsTest, HotelEvacuationReopensOnlyARangeAboveNineAndBelow9999)
{
    const struct {
        const char* stored;  // CheckRoomInfo, FirstPriorityCheck, LastPriorityCheck
        const char* opens;   // PriorityKeys, first, last
        std::vector<std::string> changes;
        const char* written;  // "" when OK is refused
    } rows[] = {
        {"1 10 500", "range 10 500", {}, "1 10 500"},
        {"1 5 500", "all 1 1", {}, "1 1 1"},
        {"1 10 9999", "all 1 1", {}, "1 1 1"},
        {"0 10 500", "all 0 0", {}, "0 0 0"},
        {"1 0 0", "all 1 1", {"PriorityKeys=range", "FirstPriorityCheck=10", "LastPriorityCheck=500"}, "1 10 500"},
        {"1 0 0", "all 1 1", {"PriorityKeys=range", "FirstPriorityCheck=5", "LastPriorityCheck=500"}, ""},
        {"1 0 0", "all 1 1", {"PriorityKeys=range", "FirstPriorityCheck=20", "LastPriorityCheck=10"}, ""},
        {"1 10 500", "range 10 500", {"CheckRoomInfo=0"}, "0 0 0"},
    };
    for (const auto& r : rows) {
        char check[2], ini[200];
        long first = 0, last = 0;
        std::sscanf(r.stored, "%1s %ld %ld", check, &first, &last);
        std::snprintf(ini, sizeof ini,
                      "[kxaprio1]\nCheckRoomInfo=%s\n[config]\nFirstPriorityCheck=%ld\nLastPriorityCheck=%ld", check,
                      first, last);
        writeIni("kxalarm.ini", ini);
        HotelEvacuationSettings model;
        model.load();
        EXPECT_EQ(model.value("PriorityKeys") + " " + model.value("FirstPriorityCheck") + " " +
                      model.value("LastPriorityCheck"),
                  r.opens)
            << r.stored;
        apply(model, r.changes);
        EXPECT_EQ(model.ok(), *r.written != '\0') << r.stored;
        if (*r.written)
            EXPECT_EQ(stored("kxalarm.ini", "kxaprio1", "CheckRoomInfo") + " " +
                          stored("kxalarm.ini", "config", "FirstPriorityCheck") + " " +
                          stored("kxalarm.ini", "config", "LastPriorityCheck"),
                      r.written)
                << r.stored;
    }
    EXPECT_EQ(stored("kxalarm.ini", "kxaprio1", "SleepBeforePostingEmpty"), "30");
}

TEST_F(CallAndPersonSettingsTest, LoginAndLogoutWriteTheNumberAtOnceAndRefuseWhatWouldBreakTheFile)
{
    writeIni("kxalogout.ini", "[LogedOut]\n0301=1\n0302=0\n0303= 1");
    LoginLogoutSettings model;
    model.load();
    EXPECT_EQ(model.shown("LoggedOut"), "0301,0303");
    const struct {
        const char* number;  // typed, then Logout; nullptr: Login of "selected"
        const char* selected;
        const char* loggedOut;  // the list afterwards
        bool refused;
    } rows[] = {
        {"0302", nullptr, "0301,0302,0303", false}, {"0499", nullptr, "0301,0302,0303,0499", false},
        {nullptr, "0301", "0302,0303,0499", false}, {"", nullptr, "0302,0303,0499", false},
        {" 05", nullptr, "0302,0303,0499", true},   {"05 ", nullptr, "0302,0303,0499", true},
        {"0=5", nullptr, "0302,0303,0499", true},   {";05", nullptr, "0302,0303,0499", true},
        {"[05]", nullptr, "0302,0303,0499", true},
    };
    for (const auto& r : rows) {
        boxes.clear();
        apply(model, {r.number ? std::string("number=") + r.number : std::string("selected=") + r.selected});
        EXPECT_EQ(model.press(r.number ? "logout" : "login"), Change::Done);
        EXPECT_EQ(model.shown("LoggedOut"), r.loggedOut) << r.number;
        const std::vector<std::string> texts = boxes.texts();
        EXPECT_EQ(texts.empty() ? "" : texts.front().substr(0, 16), r.refused ? "The phonenumber " : "") << r.number;
    }
    EXPECT_EQ(ini("kxalogout.ini"), "[LogedOut]\r\n0301=0\r\n0302=1\r\n0303= 1\r\n0499=1\r\n");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored("kxalarm.ini", "kxachktn", "CheckPerson"), "1");
}

}  // namespace
}  // namespace kx::integration
