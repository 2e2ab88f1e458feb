#include "console/ConsoleCommands.h"

#include "console/CommandIds.h"
#include "core/Configuration.h"
#include "platform/SystemInfo.h"
#include "tests/common/StandInPrograms.h"
#include "tests/console/ConsoleFixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace kx::console {
namespace {

class ConsoleCommandsTest : public test::ConsoleFixture {
protected:
    void SetUp() override
    {
        ConsoleFixture::SetUp();
        for (const char* program : {"kxaconf", "kxlaunch", "kxe", "kxsched", "kxaview"})
            programs.add(program);
    }

    test::StandInPrograms programs{site.path("bin")};
    test::RecordingMessageBoxes boxes;
};

TEST_F(ConsoleCommandsTest, ProgramLines)
{
    const std::pair<CommandLine, std::string> lines[] = {
        {AlarmConfiguratorLine(10), "kxaconf.exe 10"},
        {ConfigurationOverviewLine(), "kxaconf.exe showconf"},
        {LaunchProgramLine(4711), "kxlaunch.exe 4711"},
        {CommandLine(FixedProgramLine(cmd::ViewAlarmResultsButton)), "kxaview.exe"},
        {CommandLine(FixedProgramLine(cmd::LaunchUtilityButton)), "kxatest.exe"},
        {CommandLine(FixedProgramLine(cmd::Setup)), "kxasetup.exe"},
        {PersonsEditorLine("\\db1\\", PersonsEditor::Group, "12"), "\\db1\\.\\kxpers.exe grp=12"},
        {PersonsEditorLine("\\db1\\", PersonsEditor::NewGroup), "\\db1\\.\\kxpers.exe newgroup"},
    };
    for (const auto& [line, text] : lines)
        EXPECT_EQ(line.text(), text);
    EXPECT_EQ(FixedProgramLine(cmd::AlarmSettings), "");
    EXPECT_EQ(PersonsEditorLine("\\db1\\", PersonsEditor::Plain).arguments(),
              std::vector<std::string>{"\\db1\\.\\kxpers.exe"});
    EXPECT_EQ(PersonsEditorLine("\\db1", PersonsEditor::Person, "Anna Berger").arguments(),
              (std::vector<std::string>{"\\db1.\\kxpers.exe", "pers=Anna", "Berger"}));
}

TEST_F(ConsoleCommandsTest, LaunchAlarmAsksThenStartsTheScriptEngine)
{
    // No selection: the launch program with the first alarm key, without a question.
    ASSERT_TRUE(LaunchAlarm(std::nullopt, 10).has_value());
    ASSERT_EQ(programs.waitForCalls(1).size(), 1u);  // started programs run on their own: keep their order
    // Asked, answered No: nothing; a key below 10, answered Yes: nothing either.
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"12", "Gate"}, 10).has_value());
    boxes.answer(true);
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"5", "Low"}, 10).has_value());
    // Yes: the caller text goes unquoted at the end, split at its blanks.
    boxes.answer(true);
    const auto started = LaunchAlarm(SelectedAlarm{"12", "Gate A"}, 10);
    ASSERT_TRUE(started.has_value() && started->started);
    EXPECT_EQ(programs.waitForCalls(2),
              (std::vector<std::string>{"kxlaunch|10", "kxe|kxarun|1|-i412|-s8AlarmCenter|on|" + ComputerName()}));
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].text, "Do you want to launch the alarm '12 Gate A' ?");
    EXPECT_TRUE(shown[2].defaultNo);
}

TEST_F(ConsoleCommandsTest, SchedulePlanEditorArgument)
{
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    std::filesystem::create_directories(site.path("work"));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);
    for (const char* plan : {"kxa_150.kxh", "KXA_160.KXW", "kxa_50.kxw"})
        site.write("work/" + std::string(plan), "");
    for (const auto& [key, argument] :
         {std::pair<long, std::string>{150, "KXA=150"}, {160, "KXA=160"}, {170, ""}, {50, ""}, {-1, ""}})
        EXPECT_EQ(SchedulePlanArgument(key), argument) << key;
    EXPECT_EQ(SchedulePlanEditorLine(150).text(), "kxsched.exe KXA=150");
    EXPECT_EQ(SchedulePlanEditorLine(50).text(), "kxsched.exe");
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(ConsoleCommandsTest, SetAlarmTypeAndItsCheckMark)
{
    const std::string path = config::MailboxTablePath();
    alarm(10, {{"num2_4", "53"}});
    alarm(11, {{"num2_4", "57"}});
    alarm(12, {{"num2_4", "2"}});
    alarm(13, {{"num2_4", "11"}});
    alarm(5, {{"num2_4", "3"}});
    alarmIn(20, {});
    CDatabase shared;
    EXPECT_FALSE(SetAlarmType(4, {}, shared, path));
    EXPECT_EQ(boxes.texts().at(0), "Please select at least one alarm, before changing the alarm icon.");
    EXPECT_FALSE(SetAlarmType(4, {12, 20}, shared, path));  // 20 is no alarm: nothing written
    EXPECT_EQ(field(12, "T82") + "|" + field(20, "T82"), "2|");
    // The check mark: the type of the first selected alarm, none while it is deactivated or below key 10.
    const std::pair<std::optional<long>, int> marks[] = {
        {13, cmd::TypeServiceWatch}, {11, 0}, {5, 0}, {std::nullopt, 0}, {4000, 0}};
    for (const auto& [key, command] : marks)
        EXPECT_EQ(CheckedAlarmTypeCommand(key, path), command) << key.value_or(-1);
    ASSERT_TRUE(SetAlarmType(AlarmTypeOfCommand(cmd::TypePhone), {12, 10, 11}, shared, path));
    EXPECT_FALSE(shared.IsOpen());
    EXPECT_EQ(field(10, "T82") + field(11, "T82") + field(12, "T82"), "444");
    EXPECT_EQ(CheckedAlarmTypeCommand(10, path), cmd::TypePhone);
    EXPECT_EQ(AlarmTypeOfCommand(cmd::TypeDayNight), 7);
    EXPECT_EQ(AlarmTypeOfCommand(cmd::Refresh), -1);
    EXPECT_EQ(CommandOfAlarmType(10), cmd::TypeServerWatch);
}

}  // namespace
}  // namespace kx::console
