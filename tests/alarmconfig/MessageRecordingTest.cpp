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
    const struct {
        std::string entered;
        const char* longerThan;  // nullptr: missing
        const char* prefix;
        std::string dialled;
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
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        setConfig(cases[i].longerThan, cases[i].prefix);
        boxes.clear();
        EXPECT_EQ(dial(cases[i].entered), Outcome::Posted) << cases[i].entered;
        EXPECT_EQ(ProfileString("kxalarm.ini", "config", "AddPrefixIfNbrLongerDigits"),
                  cases[i].longerThan && *cases[i].longerThan ? cases[i].longerThan : "6");
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Dialling the number " + cases[i].dialled + " "}));
        const auto calls = queue.waitForCalls(i + 1);
        ASSERT_EQ(calls.size(), i + 1);
        EXPECT_EQ(calls.back(), "kxtque|postjob|1|_rec1am|-s1" + cases[i].dialled + "|-i14711");
    }
    const std::string before = history();
    for (const std::string& refused :
         std::vector<std::string>{std::string(41, '1'), "", "  ", "+", "12 34", "1+2", "++49", "12a", "0301\xFC"}) {
        boxes.clear();
        EXPECT_EQ(dial(refused), Outcome::Refused) << refused;
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"The phone number '" + Cp1252ToUtf8(refused) +
                                                           "' can not be dialled.\nOnly digits, * and # and a leading "
                                                           "+ are allowed."}));
    }
    EXPECT_EQ(history(), before);
    EXPECT_EQ(queue.calls().size(), std::size(cases));
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

TEST_F(MessageRecordingTest, TheModuleInTheWorkingDirectoryOrKxtAndTheJobQueueMustExist)
{
    dial("111");
    site.write("work/_rec1am.kxe", "; module");
    std::filesystem::remove(site.path("kxt/_rec1am.kxe"));
    dial("222");
    EXPECT_EQ(queue.waitForCalls(2).size(), 2u);
    std::filesystem::remove(site.path("work/_rec1am.kxe"));
    boxes.clear();
    EXPECT_EQ(dial("333"), Outcome::ModuleMissing);
    EXPECT_EQ(boxes.texts().at(0).find("The module '_rec1am.kxe' to record specific alarm messages is not in the "
                                       "expected location !\n"),
              0u);
    EXPECT_EQ(ProfileString("kxrecalr.ini", "LastDialed", "Nbr0"), "333");  // the number is kept
    EXPECT_EQ(queue.calls().size(), 2u);
    site.write("kxt/_rec1am.kxe", "; module");
    std::filesystem::remove(site.path("bin/kxtque"));
    boxes.clear();
    EXPECT_EQ(dial("444"), Outcome::NotStarted);
    ASSERT_EQ(boxes.shown().size(), 1u);  // no "Dialling ..."
    EXPECT_NE(boxes.shown()[0].text.find("The job queue program kxtque could not be started"), std::string::npos);
}

TEST_F(MessageRecordingTest, FrameAndNote)
{
    setConfig("8", nullptr);
    MessageRecording alarm(Kind::Alarm, 4711, "Fire alarm building 47 \xFC");
    alarm.load();
    EXPECT_EQ(alarm.frameText(), "Play / record the message for the alarm 4711 Fire alarm building ... ");
    EXPECT_EQ(alarm.note(), "");
    setConfig("8", "00");
    MessageRecording alarmIn(Kind::AlarmIn, 5000, "Fire alarm building\xFC");  // 20 characters: whole
    alarmIn.load();
    EXPECT_EQ(alarmIn.frameText(), "Play / record the message for the alarm-in 5000 Fire alarm building\xC3\xBC ");
    EXPECT_EQ(alarmIn.note(),
              "If the phonenumber is longer then 8 digits, a 00 is automatically added as prefix for external calls.");
}

}  // namespace
}  // namespace kx::alarmconfig
