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

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    GeneralSettings model;
};

TEST_F(GeneralSettingsTest, Open_EmptySiteShowsTheDialogsDefaults)
{
    model.load();
    const config::KeyRanges r = model.keyRanges();
    EXPECT_EQ(r.firstAlarmKey, 7000);
    EXPECT_EQ(r.lastAlarmKey, 9999);
    EXPECT_EQ(r.firstAlarmInKey, 1000);
    EXPECT_EQ(r.lastAlarmInKey, 9999);
    EXPECT_EQ(model.shown("ISDN"), "1");
    EXPECT_EQ(model.value("E1Protocol"), "CTR4");
    // SendMsgAsOwnPhone defaults to 1, but normal ISDN clears it at opening.
    EXPECT_EQ(model.value("SendMsgAsOwnPhone"), "0");
    EXPECT_EQ(model.shown("PBX_Protocol"), "NONE");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(GeneralSettingsTest, Open_IsdnAndPbxProtocolAreReadInAnyCase)
{
    struct Case {
        const char* isdn;
        const char* pbx;
        const char* shownIsdn;
        const char* qsigList;
        const char* isdnList;
    } cases[] = {
        {"qsig", "abc", "QSIG", "ABC", "NONE"},   {"QSIG", "CORNET", "QSIG", "Cornet", "NONE"},
        {"1", "isvpn", "1", "NONE", "ISVPN"},     {"0", "ABC", "0", "ABC", "NONE"},
        {"yes", "whatever", "1", "NONE", "NONE"}, {"", "", "1", "NONE", "NONE"},
    };
    for (const Case& c : cases) {
        site.write("windows/kxalarm.ini", std::string("[config]\r\nISDN=") + c.isdn + "\r\n");
        site.write("windows/kxt.ini", std::string("[D300]\r\nPBX_Protocol=") + c.pbx + "\r\n");
        model.load();
        EXPECT_EQ(model.shown("ISDN"), c.shownIsdn) << c.isdn;
        EXPECT_EQ(model.value("QsigPbx"), c.qsigList) << c.pbx;
        EXPECT_EQ(model.value("IsdnPbx"), c.isdnList) << c.pbx;
    }
}

TEST_F(GeneralSettingsTest, Enabling_FollowsIsdnAndProtocol)
{
    site.write("windows/kxalarm.ini", "[config]\r\nISDN=0\r\n[kxaldmsg]\r\nAddNumberAtBeginning=1\r\n");
    model.load();
    for (const char* name : {"E1Protocol", "QsigPbx", "IsdnPbx", "PBX_Protocol", "SendMsgAsOwnPhone", "SendUUI",
                             "SendDDI", "AddNumberAtBeginning", "NumberToAdd"})
        EXPECT_FALSE(model.isEnabled(name)) << name;
    for (const char* name : {"FirstAlarmKey", "LastAlarmInKey", "ISDN", "ExtDialPrefix"})
        EXPECT_TRUE(model.isEnabled(name)) << name;

    set("ISDN", "1");
    set("E1Protocol", "QSIG");
    for (const char* name : {"QsigPbx", "SendMsgAsOwnPhone", "SendUUI", "AddNumberAtBeginning", "NumberToAdd"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    EXPECT_FALSE(model.isEnabled("IsdnPbx"));
    EXPECT_FALSE(model.isEnabled("SendDDI"));

    set("E1Protocol", "CTR4");
    EXPECT_TRUE(model.isEnabled("IsdnPbx"));
    EXPECT_TRUE(model.isEnabled("SendDDI"));
    EXPECT_FALSE(model.isEnabled("QsigPbx"));
    EXPECT_FALSE(model.isEnabled("SendUUI"));

    set("AddNumberAtBeginning", "0");
    EXPECT_FALSE(model.isEnabled("NumberToAdd"));
}

TEST_F(GeneralSettingsTest, Clearing_SwitchingProtocolClearsTheOtherProtocolsOptionsAtOnce)
{
    site.write("windows/kxalarm.ini", "[config]\r\nISDN=QSIG\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nSendDDI=1\r\n");
    model.load();
    // QSIG clears the normal-ISDN option already when the dialog opens.
    EXPECT_EQ(model.value("SendDDI"), "0");
    EXPECT_EQ(model.value("SendUUI"), "1");

    set("E1Protocol", "CTR4");
    EXPECT_EQ(model.value("SendMsgAsOwnPhone"), "0");
    EXPECT_EQ(model.value("SendUUI"), "0");
    set("SendDDI", "1");
    set("E1Protocol", "QSIG");
    EXPECT_EQ(model.value("SendDDI"), "0");

    // Switching ISDN off clears nothing and keeps the protocol.
    set("SendUUI", "1");
    set("ISDN", "0");
    EXPECT_EQ(model.value("SendUUI"), "1");
    set("ISDN", "1");
    EXPECT_EQ(model.value("E1Protocol"), "QSIG");
    EXPECT_EQ(model.value("SendUUI"), "1");
}

// The first failing check is reported, in the order of the dialog; equal
// first and last values pass.
TEST_F(GeneralSettingsTest, Ok_RangeChecksInOrder)
{
    struct Case {
        const char* first;
        const char* last;
        const char* firstIn;
        const char* lastIn;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {"9", "5", "5", "5", "The first alarm number '9' should be between 10 and 9999 ! "},
        {"10000", "10", "10", "10", "The first alarm number '10000' should be between 10 and 9999 ! "},
        {"10", "10000", "9", "9", "The last alarm number '10000' should be between 10 and 9999 ! "},
        {"20", "10", "-1", "9", "The first alarm-in '-1' should be between 10 and 9999 ! "},
        {"20", "10", "10", "0", "The last alarm-in '0' should be between 10 and 9999 ! "},
        {"20", "10", "30", "20", "The last alarm number should be higher then the first alarm number !"},
        {"10", "20", "30", "20", "The last alarm-in should be higher then the first alarm-in !"},
        {"9999", "9999", "10", "10", nullptr},
        {"10", "9999", "5000", "5000", nullptr},
    };
    for (const Case& c : cases) {
        model.load();
        set("FirstAlarmKey", c.first);
        set("LastAlarmKey", c.last);
        set("FirstAlarmInKey", c.firstIn);
        set("LastAlarmInKey", c.lastIn);
        boxes.clear();
        const bool accepted = model.ok();
        if (c.message) {
            EXPECT_FALSE(accepted) << c.message;
            EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.message});
            EXPECT_FALSE(site.exists("windows/kxalarm.ini")) << c.message;
        } else {
            EXPECT_TRUE(accepted) << c.first << ".." << c.last;
            EXPECT_TRUE(boxes.shown().empty());
            EXPECT_NE(alarmIni().find(std::string("FirstAlarmKey=") + c.first + "\r\n"), std::string::npos);
        }
    }
}

TEST_F(GeneralSettingsTest, Ok_QsigWritesEveryKeyAndQsigInCapitals)
{
    site.write("windows/kxalarm.ini", "[config]\r\nISDN=qsig\r\nSendUUI=1\r\n");
    site.write("windows/kxt.ini", "[D300]\r\nPBX_Protocol=cornet\r\nCNXtoPBX=0\r\n");
    model.load();
    set("ExtDialPrefix", "0");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(alarmIni(), "[config]\r\nISDN=QSIG\r\nSendUUI=1\r\nFirstAlarmKey=7000\r\nLastAlarmKey=9999\r\n"
                          "FirstAlarmInKey=1000\r\nLastAlarmInKey=9999\r\nExtDialPrefix=0\r\nSendMsgAsOwnPhone=1\r\n"
                          "SendDDI=0\r\n[kxaldmsg]\r\nAddNumberAtBeginning=0\r\nNumberToAdd=\r\n");
    // The message sent as own number needs the PBX connection.
    EXPECT_EQ(ktIni(), "[D300]\r\nPBX_Protocol=Cornet\r\nCNXtoPBX=1\r\nE1Protocol=QSIG\r\n");
}

TEST_F(GeneralSettingsTest, Ok_NormalIsdnWithIsvpnWritesSendMsgAsOwnPhoneAsOne)
{
    site.write("windows/kxalarm.ini", "[config]\r\nISDN=QSIG\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\n");
    model.load();
    set("E1Protocol", "CTR4");
    ASSERT_EQ(model.value("SendMsgAsOwnPhone"), "0");  // cleared by the switch
    set("IsdnPbx", "ISVPN");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(alarmIni(),
              "[config]\r\nISDN=1\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nFirstAlarmKey=7000\r\nLastAlarmKey=9999\r\n"
              "FirstAlarmInKey=1000\r\nLastAlarmInKey=9999\r\nExtDialPrefix=\r\nSendDDI=0\r\n"
              "[kxaldmsg]\r\nAddNumberAtBeginning=0\r\nNumberToAdd=\r\n");
    // SendUUI is not written with normal ISDN. CNXtoPBX follows the dialog's
    // check boxes, which are both clear here.
    EXPECT_EQ(ktIni(), "[D300]\r\nE1Protocol=CTR4\r\nPBX_Protocol=ISVPN\r\n");
}

TEST_F(GeneralSettingsTest, Ok_IsdnOffLeavesTheProtocolKeysAsTheyWere)
{
    const std::string alarm = "[config]\r\nISDN=QSIG\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nSendDDI=1\r\n"
                              "[kxaldmsg]\r\nAddNumberAtBeginning=1\r\nNumberToAdd=0711\r\n";
    const std::string kt = "[D300]\r\nE1Protocol=QSIG\r\nPBX_Protocol=ABC\r\n";
    site.write("windows/kxalarm.ini", alarm);
    site.write("windows/kxt.ini", kt);
    model.load();
    set("ISDN", "0");
    ASSERT_TRUE(model.ok());
    // SendDDI was cleared by QSIG at opening and is written; nothing else of ISDN is.
    EXPECT_EQ(alarmIni(),
              "[config]\r\nISDN=0\r\nSendMsgAsOwnPhone=1\r\nSendUUI=1\r\nSendDDI=0\r\nFirstAlarmKey=7000\r\n"
              "LastAlarmKey=9999\r\nFirstAlarmInKey=1000\r\nLastAlarmInKey=9999\r\nExtDialPrefix=\r\n"
              "[kxaldmsg]\r\nAddNumberAtBeginning=1\r\nNumberToAdd=0711\r\n");
    EXPECT_EQ(ktIni(), kt);
}

TEST_F(GeneralSettingsTest, Ok_CnxToPbxIsSwitchedOnOnlyWhenNeededAndNeverOff)
{
    struct Case {
        const char* cnx;  // nullptr: missing
        const char* isdn;
        const char* sendDdi;
        bool written;
    } cases[] = {
        {nullptr, "1", "1", true}, {"0", "1", "1", true},  {"1", "1", "1", false},
        {"0", "1", "0", false},    {"0", "0", "1", false}, {"7", "1", "1", false},
    };
    for (const Case& c : cases) {
        site.write("windows/kxalarm.ini",
                   std::string("[config]\r\nISDN=") + c.isdn + "\r\nSendDDI=" + c.sendDdi + "\r\n");
        const std::string kt = c.cnx ? std::string("[D300]\r\nCNXtoPBX=") + c.cnx + "\r\n" : std::string();
        site.write("windows/kxt.ini", kt);
        model.load();
        ASSERT_TRUE(model.ok());
        // Written as "1", or left exactly as it was (also when missing).
        const std::string expected = c.written ? "CNXtoPBX=1\r\n"
                                     : c.cnx   ? std::string("CNXtoPBX=") + c.cnx + "\r\n"
                                               : std::string();
        const std::string k = ktIni();
        const std::size_t at = k.find("CNXtoPBX");
        const std::string found = at == std::string::npos ? std::string() : k.substr(at, k.find('\n', at) + 1 - at);
        EXPECT_EQ(found, expected) << (c.cnx ? c.cnx : "missing") << " isdn " << c.isdn << " ddi " << c.sendDdi;
    }
}

TEST_F(GeneralSettingsTest, Cancel_KeyRangesAreTheLoadedOnes)
{
    site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=100\r\n");
    model.load();
    set("FirstAlarmKey", "5");
    EXPECT_FALSE(model.ok());  // refused: 5 is out of range
    model.cancel();
    EXPECT_EQ(model.keyRanges().firstAlarmKey, 100);
    EXPECT_EQ(model.keyRanges().firstAlarmInKey, 1000);
    EXPECT_EQ(alarmIni(), "[config]\r\nFirstAlarmKey=100\r\n");
}

TEST_F(GeneralSettingsTest, CommandLineForm_IsdnAndPbxProtocolAsStored)
{
    model.load();
    EXPECT_EQ(model.changeShown("ISDN", "qsig"), Change::Done);
    EXPECT_EQ(model.shown("ISDN"), "QSIG");
    EXPECT_EQ(model.value("E1Protocol"), "QSIG");
    EXPECT_EQ(model.changeShown("PBX_Protocol", "cornet"), Change::Done);
    EXPECT_EQ(model.shown("PBX_Protocol"), "Cornet");
    // ISVPN belongs to the normal ISDN list, disabled with QSIG.
    EXPECT_EQ(model.changeShown("PBX_Protocol", "ISVPN"), Change::Disabled);
    EXPECT_EQ(model.changeShown("ISDN", "1"), Change::Done);
    EXPECT_EQ(model.value("E1Protocol"), "CTR4");
    EXPECT_EQ(model.shown("PBX_Protocol"), "NONE");  // the ISDN list shows None
    EXPECT_EQ(model.changeShown("PBX_Protocol", "ISVPN"), Change::Done);
    EXPECT_EQ(model.shown("PBX_Protocol"), "ISVPN");
    EXPECT_EQ(model.changeShown("ISDN", "0"), Change::Done);
    EXPECT_EQ(model.shown("ISDN"), "0");
    EXPECT_EQ(model.changeShown("PBX_Protocol", "NONE"), Change::Disabled);
    boxes.clear();
    EXPECT_EQ(model.changeShown("ISDN", "2"), Change::Refused);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

}  // namespace
}  // namespace kx::settings
