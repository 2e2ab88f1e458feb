// General settings: defaults, the ISDN and PBX readings, the enabling and
// clearing rules, the six range checks in order, the writes of OK with the
// exact files afterwards (ISDN off leaves the protocol keys alone, CNXtoPBX is
// only ever switched on), and the form kxalarmctl uses.

#include "settings/GeneralSettings.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx::settings {
namespace {

class GeneralSettingsTest : public ::testing::Test {
protected:
    std::string alarmIni() { return site.read("windows/kxalarm.ini"); }
    std::string ktIni() { return site.read("windows/kxt.ini"); }
    void set(const char* name, const char* value) { ASSERT_EQ(model.change(name, value), Change::Done) << name; }
    void open(const std::string& alarm, const std::string& kt)
    {
        site.write("windows/kxalarm.ini", alarm);
        site.write("windows/kxt.ini", kt);
        model.load();
    }

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    GeneralSettings model;
};

TEST_F(GeneralSettingsTest, Open_IsdnAndPbxProtocolAreReadInAnyCase)
{
    model.load();  // an empty site: the dialog's own defaults
    const config::KeyRanges r = model.keyRanges();
    EXPECT_EQ((std::vector{r.firstAlarmKey, r.lastAlarmKey, r.firstAlarmInKey, r.lastAlarmInKey}),
              (std::vector{7000, 9999, 1000, 9999}));
    EXPECT_EQ(model.value("SendMsgAsOwnPhone"), "0");  // defaults to 1, but normal ISDN clears it at opening
    // Stored ISDN and PBX_Protocol; ISDN as shown, the QSIG list, the ISDN list, PBX_Protocol as shown.
    const std::pair<std::string, std::string> cases[] = {
        {"qsig abc", "QSIG ABC NONE ABC"},    {"QSIG CORNET", "QSIG Cornet NONE Cornet"},
        {"1 isvpn", "1 NONE ISVPN ISVPN"},    {"0 ABC", "0 ABC NONE NONE"},
        {"yes whatever", "1 NONE NONE NONE"}, {" ", "1 NONE NONE NONE"},
    };
    for (const auto& [stored, shown] : cases) {
        const std::size_t blank = stored.find(' ');
        open("[config]\r\nISDN=" + stored.substr(0, blank) + "\r\n",
             "[D300]\r\nPBX_Protocol=" + stored.substr(blank + 1) + "\r\n");
        EXPECT_EQ(model.shown("ISDN") + " " + model.value("QsigPbx") + " " + model.value("IsdnPbx") + " " +
                      model.shown("PBX_Protocol"),
                  shown)
            << stored;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(GeneralSettingsTest, EnablingAndClearing_FollowIsdnAndProtocol)
{
    open("[config]\r\nISDN=0\r\nSendDDI=1\r\n[kxaldmsg]\r\nAddNumberAtBeginning=1\r\n", "");
    auto enabled = [this] {  // the enabled rows after the four ranges
        std::string names;
        for (const SettingRow& row : model.rows())
            if (model.isEnabled(row.name) && row.name.find("AlarmKey") == std::string::npos &&
                row.name.find("AlarmInKey") == std::string::npos)
                names += row.name + " ";
        return names;
    };
    EXPECT_EQ(enabled(), "ISDN ExtDialPrefix ");

    // QSIG enables its options and clears the normal-ISDN one, and the other way round.
    set("ISDN", "1");
    set("E1Protocol", "QSIG");
    EXPECT_EQ(enabled(), "ISDN E1Protocol QsigPbx PBX_Protocol SendMsgAsOwnPhone SendUUI AddNumberAtBeginning "
                         "NumberToAdd ExtDialPrefix ");
    EXPECT_EQ(model.value("SendDDI"), "0");
    set("SendUUI", "1");
    set("E1Protocol", "CTR4");
    set("AddNumberAtBeginning", "0");
    EXPECT_EQ(enabled(), "ISDN E1Protocol IsdnPbx PBX_Protocol SendDDI AddNumberAtBeginning ExtDialPrefix ");
    EXPECT_EQ(model.value("SendUUI"), "0");

    // Switching ISDN off clears nothing and keeps the protocol.
    set("E1Protocol", "QSIG");
    set("SendUUI", "1");
    set("ISDN", "0");
    set("ISDN", "1");
    EXPECT_EQ(model.value("E1Protocol"), "QSIG");
    EXPECT_EQ(model.value("SendUUI"), "1");
}

// The first failing check is reported, in the order of the dialog; equal
// first and last values pass.
TEST_F(GeneralSettingsTest, Ok_RangeChecksInOrder)
{
    // First and last alarm, first and last alarm-in, the message (nullptr: accepted).
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"9", "5", "5", "5", "The first alarm number '9' should be between 10 and 9999 ! "},
        {"10000", "10", "10", "10", "The first alarm number '10000' should be between 10 and 9999 ! "},
        {"10", "10000", "9", "9", "The last alarm number '10000' should be between 10 and 9999 ! "},
        {"20", "10", "-1", "9", "The first alarm-in '-1' should be between 10 and 9999 ! "},
        {"20", "10", "10", "0", "The last alarm-in '0' should be between 10 and 9999 ! "},
        {"11", "10", "30", "20", "The last alarm number should be higher then the first alarm number !"},
        {"10", "20", "21", "20", "The last alarm-in should be higher then the first alarm-in !"},
        {"9999", "9999", "10", "10", nullptr},
        {"10", "9999", "5000", "5000", nullptr},
    };
    for (const auto& [first, last, firstIn, lastIn, message] : cases) {
        model.load();
        set("FirstAlarmKey", first);
        set("LastAlarmKey", last);
        set("FirstAlarmInKey", firstIn);
        set("LastAlarmInKey", lastIn);
        boxes.clear();
        EXPECT_EQ(model.ok(), message == nullptr) << first << ".." << last;
        EXPECT_EQ(boxes.texts(), message ? std::vector<std::string>{message} : std::vector<std::string>{});
        EXPECT_EQ(site.exists("windows/kxalarm.ini"), message == nullptr) << (message ? message : "");
        if (!message) {
            EXPECT_NE(alarmIni().find(std::string("FirstAlarmKey=") + first + "\r\n"), std::string::npos);
        }
    }
}

// The files as OK leaves them: QSIG in capitals with its keys; normal ISDN
// with ISVPN writes SendMsgAsOwnPhone as 1 and no SendUUI; ISDN off leaves
// every protocol key alone.
TEST_F(GeneralSettingsTest, Ok_WritesTheKeysOfTheChosenProtocol)
{
    const char* ranges = "FirstAlarmKey=7000\r\nLastAlarmKey=9999\r\nFirstAlarmInKey=1000\r\nLastAlarmInKey=9999\r\n";
    const struct {
        std::string alarm, kt;
        std::vector<std::pair<const char*, const char*>> changes;
        std::string alarmAfter, ktAfter;
    } cases[] = {
        {"[config]\r\nISDN=qsig\r\nSendUUI=1\r\n",
         "[D300]\r\nPBX_Protocol=cornet\r\nCNXtoPBX=0\r\n",
         {{"ExtDialPrefix", "0"}},
         std::string("[config]\r\nISDN=QSIG\r\nSendUUI=1\r\n") + ranges +
             "ExtDialPrefix=0\r\nSendMsgAsOwnPhone=1\r\nSendDDI=0\r\n[kxaldmsg]\r\nAddNumberAtBeginning=0\r\n"
             "NumberToAdd=\r\n",
         // The message sent as own number needs the PBX connection.
         "[D300]\r\nPBX_Protocol=Cornet\r\nCNXtoPBX=1\r\nE1Protocol=QSIG\r\n"},
        {"[config]\r\nISDN=QSIG\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\n",
         "",
         {{"E1Protocol", "CTR4"}, {"IsdnPbx", "ISVPN"}},
         std::string("[config]\r\nISDN=1\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\n") + ranges +
             "ExtDialPrefix=\r\nSendDDI=0\r\n[kxaldmsg]\r\nAddNumberAtBeginning=0\r\nNumberToAdd=\r\n",
         // CNXtoPBX follows the dialog's check boxes, which are both clear here.
         "[D300]\r\nE1Protocol=CTR4\r\nPBX_Protocol=ISVPN\r\n"},
        {"[config]\r\nISDN=QSIG\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nSendDDI=1\r\n[kxaldmsg]\r\n"
         "AddNumberAtBeginning=1\r\nNumberToAdd=0711\r\n",
         "[D300]\r\nPBX_Protocol=abc\r\n",
         {{"ISDN", "0"}},
         // SendDDI was cleared by QSIG at opening and is written; nothing else of ISDN is.
         std::string("[config]\r\nISDN=0\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nSendDDI=0\r\n") + ranges +
             "ExtDialPrefix=\r\n[kxaldmsg]\r\nAddNumberAtBeginning=1\r\nNumberToAdd=0711\r\n",
         "[D300]\r\nPBX_Protocol=abc\r\n"},
    };
    for (const auto& c : cases) {
        open(c.alarm, c.kt);
        for (const auto& [name, value] : c.changes)
            set(name, value);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(alarmIni(), c.alarmAfter);
        EXPECT_EQ(ktIni(), c.ktAfter);
    }
}

TEST_F(GeneralSettingsTest, Ok_CnxToPbxIsSwitchedOnOnlyWhenNeededAndNeverOff)
{
    // CNXtoPBX before (nullptr: missing), ISDN, SendDDI, whether CNXtoPBX=1 is written.
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {nullptr, "1", "1", true}, {"0", "1", "1", true},  {"1", "1", "1", false},
        {"0", "1", "0", false},    {"0", "0", "1", false}, {"7", "1", "1", false},
    };
    for (const auto& [cnx, isdn, sendDdi, written] : cases) {
        const std::string kt = cnx ? std::string("[D300]\r\nCNXtoPBX=") + cnx + "\r\n" : std::string();
        open(std::string("[config]\r\nISDN=") + isdn + "\r\nSendDDI=" + sendDdi + "\r\n", kt);
        ASSERT_TRUE(model.ok());
        // Written as "1", or left exactly as it was (also when missing).
        const std::string k = ktIni();
        const std::size_t at = k.find("CNXtoPBX");
        const std::string found = at == std::string::npos ? std::string() : k.substr(at, k.find('\n', at) + 1 - at);
        EXPECT_EQ(found, written ? "CNXtoPBX=1\r\n"
                         : cnx   ? std::string("CNXtoPBX=") + cnx + "\r\n"
                                 : "")
            << (cnx ? cnx : "missing") << " isdn " << isdn << " ddi " << sendDdi;
    }
}

TEST_F(GeneralSettingsTest, CommandLineForm_IsdnAndPbxProtocolAsStored)
{
    model.load();
    // The value and its text, the result, ISDN and PBX_Protocol as shown afterwards.
    const std::tuple<const char*, const char*, Change, const char*, const char*> steps[] = {
        {"ISDN", "qsig", Change::Done, "QSIG", "NONE"},
        {"PBX_Protocol", "cornet", Change::Done, "QSIG", "Cornet"},
        {"PBX_Protocol", "ISVPN", Change::Disabled, "QSIG", "Cornet"},  // the normal ISDN list is disabled
        {"ISDN", "1", Change::Done, "1", "NONE"},                       // the ISDN list shows None
        {"PBX_Protocol", "ISVPN", Change::Done, "1", "ISVPN"},
        {"ISDN", "0", Change::Done, "0", "ISVPN"},
        {"PBX_Protocol", "NONE", Change::Disabled, "0", "ISVPN"},
        {"ISDN", "2", Change::Refused, "0", "ISVPN"},
    };
    for (const auto& [name, text, result, isdn, pbx] : steps) {
        EXPECT_EQ(model.changeShown(name, text), result) << name << "=" << text;
        EXPECT_EQ(model.shown("ISDN") + " " + model.shown("PBX_Protocol"), std::string(isdn) + " " + pbx)
            << name << "=" << text;
    }
    EXPECT_EQ(boxes.shown().size(), 1u);
}

}  // namespace
}  // namespace kx::settings
