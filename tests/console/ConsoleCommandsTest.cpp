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
        site.write("db1/kxpers", "#!/bin/sh\nline=kxpers; for a in \"$@\"; do line=\"$line|$a\"; done; printf '%s\\n' "
                                 "\"$line\" >> \"" +
                                     site.path("bin/calls.txt") + "\"\n");
        ::chmod(site.path("db1/kxpers").c_str(), 0755);
    }

    test::StandInPrograms programs{site.path("bin")};
    test::RecordingMessageBoxes boxes;
};

TEST_F(ConsoleCommandsTest, ProgramLines)
{
    EXPECT_EQ(AlarmConfiguratorLine(10).text(), "kxaconf.exe 10");
    EXPECT_EQ(ConfigurationOverviewLine().text(), "kxaconf.exe showconf");
    EXPECT_EQ(LaunchProgramLine(4711).text(), "kxlaunch.exe 4711");
    EXPECT_EQ(FixedProgramLine(cmd::ViewAlarmResultsButton), "kxaview.exe");
    EXPECT_EQ(FixedProgramLine(cmd::LaunchUtilityButton), "kxatest.exe");
    EXPECT_EQ(FixedProgramLine(cmd::Setup), "kxasetup.exe");
    EXPECT_EQ(FixedProgramLine(cmd::AlarmSettings), "");
    EXPECT_EQ(PersonsEditorLine("\\db1\\", PersonsEditor::Plain).arguments(),
              std::vector<std::string>{"\\db1\\.\\kxpers.exe"});
    EXPECT_EQ(PersonsEditorLine("\\db1", PersonsEditor::Person, "Anna Berger").arguments(),
              (std::vector<std::string>{"\\db1.\\kxpers.exe", "pers=Anna", "Berger"}));
    EXPECT_EQ(PersonsEditorLine("\\db1\\", PersonsEditor::Group, "12").text(), "\\db1\\.\\kxpers.exe grp=12");
    EXPECT_EQ(PersonsEditorLine("\\db1\\", PersonsEditor::NewGroup).text(), "\\db1\\.\\kxpers.exe newgroup");
}

TEST_F(ConsoleCommandsTest, PersonsEditorIsFoundInThePersonsDirectory)
{
    ASSERT_TRUE(RunAndWait(PersonsEditorLine("\\db1\\", PersonsEditor::Person, "Meier")).started);
    EXPECT_EQ(programs.calls(), std::vector<std::string>{"kxpers|pers=Meier"});
}

TEST_F(ConsoleCommandsTest, LaunchAlarmAsksThenStartsTheScriptEngine)
{
    // No selection: the launch program with the first alarm key, without a question.
    ASSERT_TRUE(LaunchAlarm(std::nullopt, 10).has_value());
    ASSERT_EQ(programs.waitForCalls(1).size(), 1u);  // started programs run on their own: keep their order
    // Asked, answered No: nothing.
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"12", "Gate"}, 10).has_value());
    // Yes: the caller text goes unquoted at the end, split at its blanks.
    boxes.answer(true);
    const auto started = LaunchAlarm(SelectedAlarm{"12", "Gate A"}, 10);
    ASSERT_TRUE(started.has_value());
    EXPECT_TRUE(started->started);
    const auto calls = programs.waitForCalls(2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "kxlaunch|10");
    EXPECT_EQ(calls[1], "kxe|kxarun|1|-i412|-s8AlarmCenter|on|" + ComputerName());
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "Do you want to launch the alarm '12 Gate A' ?");
    EXPECT_TRUE(shown[1].defaultNo);
}

TEST_F(ConsoleCommandsTest, LaunchOfAKeyBelowTenAsksAndStartsNothing)
{
    boxes.answer(true);
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"5", "Low"}, 10).has_value());
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(programs.calls().empty());
}

TEST_F(ConsoleCommandsTest, SchedulePlanEditorArgument)
{
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    std::filesystem::create_directories(site.path("work"));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);
    site.write("work/kxa_150.kxh", "");
    site.write("work/KXA_160.KXW", "");
    site.write("work/kxa_50.kxw", "");
    EXPECT_EQ(SchedulePlanArgument(150), "KXA=150");
    EXPECT_EQ(SchedulePlanArgument(160), "KXA=160");
    EXPECT_EQ(SchedulePlanArgument(170), "");
    EXPECT_EQ(SchedulePlanArgument(50), "");
    EXPECT_EQ(SchedulePlanArgument(-1), "");
    EXPECT_EQ(SchedulePlanEditorLine(150).text(), "kxsched.exe KXA=150");
    EXPECT_EQ(SchedulePlanEditorLine(50).text(), "kxsched.exe");
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(ConsoleCommandsTest, SetAlarmTypeOnSelectedAlarms)
{
    alarm(10, {{"num2_4", "53"}});
    alarm(11, {{"num2_4", "1"}});
    alarm(12, {{"num2_4", "2"}});
    CDatabase shared;
    EXPECT_FALSE(SetAlarmType(4, {}, shared, config::MailboxTablePath()));
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Please select at least one alarm, before changing the alarm icon."});
    ASSERT_TRUE(SetAlarmType(AlarmTypeOfCommand(cmd::TypePhone), {12, 10, 11}, shared, config::MailboxTablePath()));
    EXPECT_FALSE(shared.IsOpen());
    for (long key : {10L, 11L, 12L})
        EXPECT_EQ(field(key, "T82"), "4") << key;
    EXPECT_EQ(CheckedAlarmTypeCommand(10, config::MailboxTablePath()), cmd::TypePhone);
}

TEST_F(ConsoleCommandsTest, CheckMarkOfTheAlarmType)
{
    alarm(10, {{"num2_4", "11"}});
    alarm(11, {{"num2_4", "57"}});
    alarm(5, {{"num2_4", "3"}});
    const std::string path = config::MailboxTablePath();
    EXPECT_EQ(CheckedAlarmTypeCommand(10, path), cmd::TypeServiceWatch);
    EXPECT_EQ(CheckedAlarmTypeCommand(11, path), 0);  // deactivated
    EXPECT_EQ(CheckedAlarmTypeCommand(5, path), 0);   // below 10
    EXPECT_EQ(CheckedAlarmTypeCommand(std::nullopt, path), 0);
    EXPECT_EQ(CheckedAlarmTypeCommand(4000, path), 0);
    EXPECT_EQ(AlarmTypeOfCommand(cmd::TypeDayNight), 7);
    EXPECT_EQ(AlarmTypeOfCommand(cmd::Refresh), -1);
    EXPECT_EQ(CommandOfAlarmType(10), cmd::TypeServerWatch);
}

}  // namespace
}  // namespace kx::console
