// The settings-dialog pattern on two small models (an INI dialog with every
// kind of row, a page of one key with record fields), then the general settings.

#include "settings/SettingsModel.h"
#include "platform/Profile.h"
#include "settings/GeneralSettings.h"
#include "settings/ItemSources.h"
#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kx::settings {
namespace {

constexpr Text kTooMany = KX_TEXT("Test", "Too many: %1");
constexpr Text kBadName = KX_TEXT("Test", "Bad name");
constexpr Text kRings = KX_TEXT("Test", "Rings:");

class PatternModel final : public SettingsModel {
public:
    PatternModel()
        : SettingsModel(
              "pattern", {},
              {
                  CheckSetting("Enabled", "pattern.ini", "main", false),
                  IntSetting("Count", "pattern.ini", "main", 5).range(-1000, 100, kTooMany),
                  TextSetting("Name", "pattern.ini", "main", "abc", 8).when("Enabled"),
                  ListPositionSetting("Pos", "pattern.ini", "main", 1, DigitItems(0, 3)).when("Enabled"),
                  RadioSetting("Mode", "pattern.ini", "main", "A", {{"A", {}, "A"}, {"B", {}, "B"}}),
                  CheckSetting("OnlyA", "pattern.ini", "main", true).when("Mode", {"A"}).clearedIf({{"Mode", {"B"}}}),
                  TextSetting("Sub", "other.ini", "x").when("Pos", {"2"}),
                  TextSetting("Scratch", {}, {}).notWrittenOnOk(),
                  DisplayValue("Shown"),
                  ButtonRow("go", {}).when("Enabled"),
              })
    {}

protected:
    bool check() override
    {
        if (value("Name") != "bad")
            return true;
        ErrorBox(kBadName);
        return false;
    }
};

// A page of one alarm-in as the function pages have them.
class PageModel final : public SettingsModel {
public:
    PageModel()
        : SettingsModel("page", {},
                        {
                            VariantValue("Variant"),
                            TextField("Label", "text_opt1"),                                       // T33, 65 characters
                            IntField("Rings", "num2_1").label(kRings).range(1, 20, kTooMany),      // T79, 2 digits
                            CheckField("Menu", "type_answr").flags("1", "-1"),                     // T26
                            KeyField("Launch", "p_ogm3", AlarmItems(KeyFormat::TwoBlanks, true)),  // T28
                            TextSetting("PlayFile", "kxalarm.ini", "special").at("kxalarm.ini", "special", "PlayFor%d"),
                            CheckSetting("Pager", "kxalarm.ini", "conf", false).shownWhen("Variant", {"5"}),
                            TextField("Broken", "no_such_name").shownWhen("Variant", {"9"}),
                        })
    {}
};

using Changes = std::vector<std::pair<const char*, std::string>>;

// Changes the model must take, in order.
void changeAll(SettingsModel& model, const Changes& changes)
{
    for (const auto& [name, input] : changes)
        ASSERT_EQ(model.change(name, input), Change::Done) << name << "=" << input;
}

class SettingsModelTest : public test::MailboxFixture {
protected:
    void SetUp() override
    {
        MailboxFixture::SetUp();
        // The alarm-in range goes beyond the table's last key.
        site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=14\r\nFirstAlarmInKey=15\r\n"
                                          "LastAlarmInKey=9999\r\n[special]\r\nPlayFor16=hello.wav\r\n");
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        // Alarms 11 and 12, alarms-in 15 (a conference) and 16 (the page's key).
        for (const auto& [key, status, name, function] : std::vector<std::tuple<long, int, const char*, int>>{
                 {11, 91, "Fire", 0}, {12, 91, "G\xE4s", 0}, {15, 92, "Conf", 1}, {16, 92, "Door", 0}}) {
            db.Go(mailbox::RecordOfKey(key));
            db.Replace("T02", status);
            db.Replace("T33", name);
            db.Replace("T30", function);
        }
        db.Go(mailbox::RecordOfKey(16));
        db.Replace("T26", -1);
        db.Replace("T28", 1234);  // no alarm of the range
        db.Replace("T79", 5);
        db.Close();
    }
    std::string ini(const std::string& name) { return site.read("windows/" + name); }
    std::string tableBytes() { return site.read("db1/vm001.dbf"); }
    std::string lastMessage() { return boxes.texts().empty() ? std::string() : boxes.texts().back(); }

    test::RecordingMessageBoxes boxes;
    PatternModel model;
    PageModel page;
};

TEST_F(SettingsModelTest, Load_MissingKeysAndNonNumbersGiveTheDefaults)
{
    site.write("windows/pattern.ini", "[main]\r\nEnabled=7\r\nCount=abc\r\nName=abcdefghijk\r\nPos=\r\n");
    model.load();
    // Any non-zero number checks the box; Count is no number; Name is cut to the buffer of 8; Pos is empty.
    EXPECT_EQ(model.value("Enabled") + model.value("Count") + model.value("Name") + model.value("Pos") +
                  model.value("OnlyA"),
              "15abcdefg11");
    site.write("windows/pattern.ini", "[main]\r\nCount= -12x\r\nPos=0x2\r\n");
    model.load();
    EXPECT_EQ(model.value("Count") + " " + model.value("Pos"), "-12 2");  // the leading number, as ProfileInt reads it
}

TEST_F(SettingsModelTest, EnablingAndClearing_FollowTheChainOfControls)
{
    site.write("windows/pattern.ini", "[main]\r\nEnabled=0\r\nPos=2\r\nMode=B\r\nOnlyA=1\r\n");
    model.load();
    // Pos holds 2, but its own control is disabled, so Sub is too.
    for (const char* name : {"Name", "Pos", "Sub", "go"})
        EXPECT_FALSE(model.isEnabled(name)) << name;
    EXPECT_EQ(model.value("OnlyA"), "0");  // cleared at opening
    EXPECT_EQ(model.press("go"), Change::Disabled);
    EXPECT_EQ(model.press("Count"), Change::UnknownName);
    EXPECT_EQ(model.change("Enabled", "1"), Change::Done);
    EXPECT_TRUE(model.isEnabled("Sub"));
    EXPECT_EQ(model.press("go"), Change::Done);
    EXPECT_EQ(model.change("Pos", "3"), Change::Done);
    EXPECT_FALSE(model.isEnabled("Sub"));

    // Back to A: the value stays cleared; the rule never sets anything.
    changeAll(model, {{"Mode", "A"}, {"OnlyA", "1"}, {"Mode", "B"}});
    EXPECT_EQ(model.value("OnlyA"), "0");
    changeAll(model, {{"Mode", "A"}});
    EXPECT_EQ(model.value("OnlyA"), "0");
}

// Refused input keeps the value and says why; the field limits of the open
// table are those of the logical-name write.
TEST_F(SettingsModelTest, Change_RefusesBadInputWithAMessageAndKeepsTheValue)
{
    model.load();
    page.load(16);
    ASSERT_EQ(model.change("Enabled", "1"), Change::Done);
    // The model, the value, the input, the result, the message (nullptr: any message, or none when not refused).
    const std::tuple<SettingsModel*, const char*, std::string, Change, const char*> refused[] = {
        {&model, "Count", "12x", Change::Refused, "Please enter a whole number for \"Count\"."},
        {&model, "Count", "", Change::Refused, nullptr},
        {&model, "Count", "99999999999", Change::Refused, nullptr},
        {&model, "Count", "-", Change::Refused, nullptr},
        {&model, "Name", "12345678", Change::Refused, "The text for \"Name\" may have at most 7 characters."},
        {&model, "Name", "a\r\nb=c", Change::Refused, nullptr},
        {&model, "Pos", "4", Change::Refused, nullptr},
        {&model, "Mode", "C", Change::Refused, nullptr},
        {&model, "Enabled", "yes", Change::Refused, nullptr},
        {&page, "Label", std::string(66, 'x'), Change::Refused,
         "The text for \"Label\" may have at most 65 characters."},
        {&page, "Rings", "123", Change::Refused, "The number for \"Rings\" may have at most 2 digits."},
        {&page, "Rings", "-10", Change::Refused, nullptr},
        {&page, "Launch", "13", Change::Refused, "\"13\" is not a choice of \"Launch\"."},
        // What the operator cannot touch.
        {&model, "Shown", "x", Change::ReadOnly, nullptr},
        {&model, "Nothing", "x", Change::UnknownName, nullptr},
        {&model, "go", "1", Change::UnknownName, nullptr},
        {&page, "Pager", "1", Change::Disabled, nullptr},  // not shown in variant 0
    };
    for (const auto& [m, name, input, result, message] : refused) {
        boxes.clear();
        const std::string before = m->value(name);
        EXPECT_EQ(m->change(name, input), result) << name << "=" << input;
        EXPECT_EQ(m->value(name), before) << name;
        ASSERT_EQ(boxes.texts().size(), result == Change::Refused ? 1u : 0u) << name << "=" << input;
        EXPECT_TRUE(!message || boxes.texts()[0] == message) << boxes.texts()[0];
    }
    // Accepted forms: blanks around a number and leading zeros go; the limits themselves.
    EXPECT_EQ(model.change("Count", " 007 "), Change::Done);
    EXPECT_EQ(model.value("Count"), "7");
    EXPECT_EQ(model.change("Name", "1234567"), Change::Done);
    EXPECT_EQ(page.change("Label", std::string(65, 'x')), Change::Done);
    EXPECT_EQ(page.change("Rings", "-9"), Change::Done);
    EXPECT_EQ(model.change("Enabled", "0"), Change::Done);
    EXPECT_EQ(model.change("Name", "x"), Change::Disabled);
}

TEST_F(SettingsModelTest, Ok_WritesEveryKeyInTableOrderAlsoWhenUnchanged)
{
    site.write("windows/pattern.ini", "; kept\r\n[main]\r\nPos=7\r\nOther=1\r\n");
    model.load();
    EXPECT_EQ(model.value("Pos"), "7");  // no item: no selection, written back as it was
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("pattern.ini"),
              "; kept\r\n[main]\r\nPos=7\r\nOther=1\r\nEnabled=0\r\nCount=5\r\nName=abc\r\nMode=A\r\nOnlyA=1\r\n");
    EXPECT_EQ(ini("other.ini"), "[x]\r\nSub=\r\n");  // written although disabled and empty
    EXPECT_FALSE(site.exists("windows/.ini"));       // a value without a key writes nothing

    // A directory where an INI file should be: the write cannot succeed.
    std::filesystem::remove(site.path("windows/other.ini"));
    std::filesystem::create_directories(site.path("windows/other.ini"));
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(lastMessage().rfind("The settings could not be written to other.ini !", 0), 0u) << lastMessage();
}

// The ranges in table order, then the dialog's own check; a refusal writes
// nothing and keeps the values so that the operator can correct them.
TEST_F(SettingsModelTest, Ok_RangesThenChecksRefuseAndWriteNothing)
{
    model.load();
    changeAll(model, {{"Enabled", "1"}, {"Count", "101"}, {"Name", "bad"}});
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Too many: 101"});
    ASSERT_EQ(model.change("Count", "100"), Change::Done);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(boxes.texts().back(), "Bad name");
    EXPECT_FALSE(site.exists("windows/pattern.ini"));
    EXPECT_EQ(model.value("Count"), "100");
    ASSERT_EQ(model.change("Name", "good"), Change::Done);
    EXPECT_TRUE(model.ok());
}

TEST_F(SettingsModelTest, Cancel_ReturnsToWhatWasLoadedOrLastWritten)
{
    site.write("windows/pattern.ini", "[main]\r\nCount=9\r\n");
    model.load();
    EXPECT_FALSE(model.modified());
    changeAll(model, {{"Count", "11"}, {"Mode", "B"}});
    EXPECT_TRUE(model.modified());
    model.cancel();
    EXPECT_EQ(model.value("Count") + model.value("OnlyA") + ini("pattern.ini"), "91[main]\r\nCount=9\r\n");

    // OK, then a change, then Cancel: back to what OK wrote.
    changeAll(model, {{"Count", "12"}});
    ASSERT_TRUE(model.ok());
    EXPECT_FALSE(model.modified());
    changeAll(model, {{"Count", "13"}});
    model.cancel();
    EXPECT_EQ(model.value("Count") + (model.modified() ? " modified" : ""), "12");
}

// Each row: the changes, and what OK leaves in the record: T33 (Label), T79 (Rings), T26 (Menu), T28 (Launch).
TEST_F(SettingsModelTest, Page_ReadsAndWritesTheRecordOfItsKey)
{
    const std::pair<Changes, std::string> cases[] = {
        {{}, "Door|5|-1|1234"},  // unchanged: the key not offered is written back
        {{{"Label", "Side door"}, {"Rings", "3"}, {"Menu", "1"}, {"Launch", "12"}}, "Side door|3|1|12"},
        {{{"Menu", "0"}, {"Launch", "0"}}, "Side door|3|-1|0"},
    };
    for (const auto& [changes, record] : cases) {
        page.load(16);
        changeAll(page, changes);
        EXPECT_EQ(page.modified(), !changes.empty());
        ASSERT_TRUE(page.ok()) << lastMessage();
        EXPECT_EQ(field(16, "T33") + "|" + field(16, "T79") + "|" + field(16, "T26") + "|" + field(16, "T28"), record);
    }
    page.load(16);
    EXPECT_EQ(page.value("Menu"), "0");
    ASSERT_EQ(page.change("Rings", "0"), Change::Done);
    EXPECT_FALSE(page.ok());
    EXPECT_EQ(lastMessage(), "Too many: 0");
}

TEST_F(SettingsModelTest, Page_KeyedIniNamesAndVariants)
{
    page.load(16, 5);
    EXPECT_EQ(page.value("PlayFile"), "hello.wav");
    EXPECT_TRUE(page.isShown("Pager"));
    changeAll(page, {{"Rings", "4"}, {"Pager", "1"}});
    ASSERT_TRUE(page.ok());
    EXPECT_NE(ini("kxalarm.ini").find("[special]\r\nPlayFor16=hello.wav\r\n[conf]\r\nPager=1\r\n"), std::string::npos);

    // Variant 4 hides the pager option: it is neither written nor compared.
    site.write("windows/kxalarm.ini", "");
    page.load(16, 4);
    EXPECT_FALSE(page.isShown("Pager"));
    ASSERT_TRUE(page.ok());
    EXPECT_EQ(ini("kxalarm.ini"), "[special]\r\nPlayFor16=\r\n");
}

// The record is written as one unit: a key changed behind the dialog, or a
// field that cannot be written, leaves every byte of the table as it was.
TEST_F(SettingsModelTest, Page_FailedSaveLeavesTheRecordAsItWas)
{
    page.load(16);
    ASSERT_EQ(page.change("Label", "New"), Change::Done);
    {
        CDatabase other;
        ASSERT_EQ(other.Open(kTable), 1);
        other.Go(mailbox::RecordOfKey(16));
        other.Replace("T02", 11);  // freed by another program
        other.Close();
    }
    std::string before = tableBytes();
    EXPECT_FALSE(page.ok());
    EXPECT_EQ(lastMessage().rfind("Key 16 was changed by another program", 0), 0u) << lastMessage();
    EXPECT_EQ(tableBytes(), before);
    EXPECT_EQ(page.value("Label"), "New");

    page.load(15, 9);  // the variant with a field the table does not know
    changeAll(page, {{"Label", "New"}, {"Rings", "3"}});
    before = tableBytes();
    EXPECT_FALSE(page.ok());
    EXPECT_EQ(lastMessage().rfind("The settings of key 15 could not be written", 0), 0u) << lastMessage();
    EXPECT_EQ(tableBytes(), before);
}

TEST_F(SettingsModelTest, ItemSources_OfferTheSitesKeysAndModules)
{
    for (const char* name : {"kxt/b.KXE", "kxt/A.kxe", "kxt/c.txt", "kxt/d.kxe/x"})
        site.write(name, "");
    CDatabase db;
    ASSERT_EQ(db.Open(kTable), 1);
    ScopedClose closer(db);
    const std::pair<ItemSource, std::vector<std::string>> cases[] = {
        // the items as token|text
        {AlarmItems(KeyFormat::TwoBlanks, true), {"0|", "11|11  Fire", "12|12  G\xE4s"}},
        {AlarmItems(), {"11|11 Fire", "12|12 G\xE4s"}},
        {SettingsAlarmItems(NoneItem::Last), {"11|11 Fire", "12|12 G\xE4s", "0|"}},
        {AlarmInItems(), {"15|15 Conf", "16|16 Door"}},
        {AlarmInItems(1), {"15|15 Conf"}},
        {ModuleItems(), {"A.kxe|A.kxe", "b.KXE|b.KXE"}},
    };
    for (const auto& [source, expected] : cases) {
        std::vector<std::string> items;
        for (const Option& o : source(&db))
            items.push_back(o.token + "|" + o.text);
        EXPECT_EQ(items, expected);
    }
    EXPECT_TRUE(boxes.shown().empty());  // keys beyond the table are not visited
    EXPECT_EQ(Tr(AlarmItems(KeyFormat::OneBlank, true)(nullptr).at(0).label), "Do not launch an alarm");
}

class GeneralSettingsTest : public ::testing::Test {
protected:
    std::string alarmIni() { return site.read("windows/kxalarm.ini"); }
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
    changeAll(model, {{"ISDN", "1"}, {"E1Protocol", "QSIG"}});
    EXPECT_EQ(enabled(), "ISDN E1Protocol QsigPbx PBX_Protocol SendMsgAsOwnPhone SendUUI AddNumberAtBeginning "
                         "NumberToAdd ExtDialPrefix ");
    EXPECT_EQ(model.value("SendDDI"), "0");
    changeAll(model, {{"SendUUI", "1"}, {"E1Protocol", "CTR4"}, {"AddNumberAtBeginning", "0"}});
    EXPECT_EQ(enabled(), "ISDN E1Protocol IsdnPbx PBX_Protocol SendDDI AddNumberAtBeginning ExtDialPrefix ");
    EXPECT_EQ(model.value("SendUUI"), "0");

    // Switching ISDN off clears nothing and keeps the protocol.
    changeAll(model, {{"E1Protocol", "QSIG"}, {"SendUUI", "1"}, {"ISDN", "0"}, {"ISDN", "1"}});
    EXPECT_EQ(model.value("E1Protocol") + model.value("SendUUI"), "QSIG1");
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
        changeAll(model, {{"FirstAlarmKey", first}, {"LastAlarmKey", last}});
        changeAll(model, {{"FirstAlarmInKey", firstIn}, {"LastAlarmInKey", lastIn}});
        boxes.clear();
        EXPECT_EQ(model.ok(), message == nullptr) << first << ".." << last;
        EXPECT_EQ(boxes.texts(), message ? std::vector<std::string>{message} : std::vector<std::string>{});
        EXPECT_EQ(site.exists("windows/kxalarm.ini"), message == nullptr) << (message ? message : "");
        EXPECT_TRUE(message || alarmIni().find(std::string("FirstAlarmKey=") + first + "\r\n") != std::string::npos);
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
        Changes changes;
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
        changeAll(model, c.changes);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(alarmIni(), c.alarmAfter);
        EXPECT_EQ(site.read("windows/kxt.ini"), c.ktAfter);
    }
}

TEST_F(GeneralSettingsTest, Ok_CnxToPbxIsSwitchedOnOnlyWhenNeededAndNeverOff)
{
    // CNXtoPBX before (nullptr: missing), ISDN, SendDDI, CNXtoPBX after: "1" or left as it was.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {nullptr, "1", "1", "1"}, {"0", "1", "1", "1"}, {"1", "1", "1", "1"},
        {"0", "1", "0", "0"},     {"0", "0", "1", "0"}, {"7", "1", "1", "7"},
    };
    for (const auto& [cnx, isdn, sendDdi, after] : cases) {
        const std::string kt = cnx ? std::string("[D300]\r\nCNXtoPBX=") + cnx + "\r\n" : std::string();
        open(std::string("[config]\r\nISDN=") + isdn + "\r\nSendDDI=" + sendDdi + "\r\n", kt);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(ProfileString("kxt.ini", "D300", "CNXtoPBX", "missing"), after)
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
