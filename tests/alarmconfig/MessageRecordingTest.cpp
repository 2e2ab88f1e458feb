// Recording a message by phone: the number check, the prefix rule and the
// job that a stand-in job queue receives, the history of dialled numbers,
// where the module is looked for, and the texts of the dialog.

#include "alarmconfig/MessageRecording.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"
#include "tests/common/StandInPrograms.h"
#include "tests/common/TempSite.h"

#include <algorithm>
#include <filesystem>

namespace kx::alarmconfig {
namespace {

using Kind = MessageRecording::Kind;
using Outcome = MessageRecording::Outcome;

class MessageRecordingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        site.write("work/.keep", "");
        site.write("kxt/_rec1am.kxe", "; module");
        m_oldDir = std::filesystem::current_path();
        std::filesystem::current_path(site.path("work"));
        queue.add("kxtque");
    }
    void TearDown() override { std::filesystem::current_path(m_oldDir); }

    // kxalarm.ini's section config with the two keys (nullptr: missing).
    void setConfig(const char* longerThan, const char* prefix) const
    {
        std::string ini = "[config]\r\n";
        if (longerThan)
            ini += std::string("AddPrefixIfNbrLongerDigits=") + longerThan + "\r\n";
        if (prefix)
            ini += std::string("ExtDialPrefix=") + prefix + "\r\n";
        test::WriteBytes(site.win("kxalarm.ini"), ini);
    }
    static Outcome dial(const std::string& number, long key = 4711)
    {
        MessageRecording recording(Kind::Alarm, key, "Fire");
        recording.load();
        return recording.dial(number);
    }
    std::string history() const { return site.read("windows/kxrecalr.ini"); }

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    test::StandInPrograms queue{site.path("bin")};

private:
    std::filesystem::path m_oldDir;
};

TEST_F(MessageRecordingTest, NumbersAreCheckedThenDialledWithThePrefixRule)
{
    const char* const kRefused = "The phone number '%1' can not be dialled.\nOnly digits, * and # and a leading + are "
                                 "allowed.";
    const struct {
        std::string entered;
        const char* longerThan;
        const char* prefix;
        std::string dialled;  // empty: refused
    } cases[] = {
        {"0301234567", "6", "", "00301234567"},  // an empty prefix dials "0"
        {"1234", "6", "", "1234"},
        {"123456", "6", "9", "123456"},
        {"1234567", "6", "9", "91234567"},
        {"1234567", nullptr, "", "01234567"},  // the default length is 6
        {"1234567", "", "", "01234567"},
        {" \t+4930123456789 ", "6", "9", "+4930123456789"},  // a leading + gets no prefix
        {"*31#", "3", "0", "0*31#"},
        {std::string(40, '1'), "99", "", std::string(40, '1')},
        {std::string(41, '1'), "99", "", {}},
        {"", "6", "", {}},
        {"  ", "6", "", {}},
        {"+", "6", "", {}},
        {"12 34", "6", "", {}},
        {"1+2", "6", "", {}},
        {"++49", "6", "", {}},
        {"12a", "6", "", {}},
        {"0301\xFC", "6", "", {}},
    };
    std::size_t posted = 0;
    for (const auto& c : cases) {
        setConfig(c.longerThan, c.prefix);
        const std::string before = history();
        boxes.clear();
        const Outcome outcome = dial(c.entered);
        EXPECT_EQ(ProfileString("kxalarm.ini", "config", "AddPrefixIfNbrLongerDigits"),
                  c.longerThan && *c.longerThan ? c.longerThan : "6");
        if (c.dialled.empty()) {
            EXPECT_EQ(outcome, Outcome::Refused) << c.entered;
            EXPECT_EQ(boxes.texts(), (std::vector<std::string>{FillArguments(kRefused, Cp1252ToUtf8(c.entered))}));
            EXPECT_EQ(history(), before) << c.entered;
            continue;
        }
        EXPECT_EQ(outcome, Outcome::Posted) << c.entered;
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Dialling the number " + c.dialled + " "}));
        const auto calls = queue.waitForCalls(++posted);
        ASSERT_EQ(calls.size(), posted);
        EXPECT_EQ(calls.back(), "kxtque|postjob|1|_rec1am|-s1" + c.dialled + "|-i14711");
    }
    EXPECT_EQ(ProfileString("kxrecalr.ini", "LastDialed", "Nbr0"), std::string(40, '1'));
}

TEST_F(MessageRecordingTest, TheNewestNumberComesFirstAndTheOldestIsDropped)
{
    std::string stored = "[LastDialed]\r\n";
    for (int i = 0; i < 10; ++i)
        stored += "Nbr" + std::to_string(i) + "=10" + std::to_string(i) + "\r\n";
    test::WriteBytes(site.win("kxrecalr.ini"), stored);
    dial("100");  // the newest: nothing written
    EXPECT_EQ(history(), stored);
    dial("103");  // equal entries further down stay
    dial("555");
    const char* expected[] = {"555", "103", "100", "101", "102", "103", "104", "105", "106", "107"};
    MessageRecording recording(Kind::AlarmIn, 5000, "");
    recording.load();
    EXPECT_TRUE(std::equal(recording.history().begin(), recording.history().end(), std::begin(expected)));
}

TEST_F(MessageRecordingTest, TheModuleIsLookedForInTheWorkingDirectoryThenInKxt)
{
    dial("111");
    site.write("work/_rec1am.kxe", "; module");
    std::filesystem::remove(site.path("kxt/_rec1am.kxe"));
    dial("222");
    EXPECT_EQ(queue.waitForCalls(2).size(), 2u);
    std::filesystem::remove(site.path("work/_rec1am.kxe"));
    boxes.clear();
    EXPECT_EQ(dial("333"), Outcome::ModuleMissing);
    EXPECT_EQ(boxes.shown().at(0).text.find("The module '_rec1am.kxe' to record specific alarm messages is not in "
                                            "the expected location !\n"),
              0u);
    EXPECT_EQ(ProfileString("kxrecalr.ini", "LastDialed", "Nbr0"), "333");  // the number is kept
    EXPECT_EQ(queue.calls().size(), 2u);
}

TEST_F(MessageRecordingTest, AJobQueueThatDoesNotStartIsNamedInsteadOfDialling)
{
    std::filesystem::remove(site.path("bin/kxtque"));
    EXPECT_EQ(dial("111"), Outcome::NotStarted);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].kind, 'E');
    EXPECT_NE(boxes.shown()[0].text.find("kxtque could not be started"), std::string::npos);
}

TEST_F(MessageRecordingTest, FrameAndNote)
{
    const struct {
        Kind kind;
        const char* name;
        const char* prefix;
        const char* frame;
        const char* note;
    } cases[] = {
        {Kind::Alarm, "Fire alarm building 47 \xFC", nullptr,
         "Play / record the message for the alarm 4711 Fire alarm "
         "building ... ",
         ""},
        {Kind::AlarmIn, "Fire alarm building\xFC", "00",
         "Play / record the message for the alarm-in 4711 Fire alarm building\xC3\xBC ",
         "If the phonenumber is longer then 8 digits, a 00 is automatically added as prefix for external calls."},
    };
    for (const auto& c : cases) {
        setConfig("8", c.prefix);
        MessageRecording recording(c.kind, 4711, c.name);
        recording.load();
        EXPECT_EQ(recording.frameText(), c.frame);
        EXPECT_EQ(recording.note(), c.note);
    }
}

}  // namespace
}  // namespace kx::alarmconfig
