#include "platform/ProgramLauncher.h"

#include "tests/common/StandInPrograms.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kx {
namespace {

using V = std::vector<std::string>;

// Recording stand-ins in bin/, which is first in PATH and the console's own directory.
class ProgramLauncherTest : public ::testing::Test {
protected:
    ProgramLauncherTest()
    {
        ::unsetenv("KX_EDITOR");
        ::unsetenv("VISUAL");
    }
    void script(const std::string& relative, const std::string& body = {})
    {
        site.write(relative, "#!/bin/sh\n" + body);
        ::chmod(site.path(relative).c_str(), 0755);
    }

    test::TempSite site;
    test::StandInPrograms programs{site.path("bin")};
};

TEST(SplitCommandLine, WindowsRules)
{
    EXPECT_EQ(SplitCommandLine("kxe.exe kxarun 1 -i4100 -s8AlarmCenter on HOST"),
              (V{"kxe.exe", "kxarun", "1", "-i4100", "-s8AlarmCenter", "on", "HOST"}));
    EXPECT_EQ(SplitCommandLine("  a\t\"b c\"  d\"e f\"g "), (V{"a", "b c", "de fg"}));
    EXPECT_EQ(SplitCommandLine("\\kxt\\kxtque.exe postjob"), (V{"\\kxt\\kxtque.exe", "postjob"}));
    EXPECT_EQ(SplitCommandLine("a\\\"b \"c\\\\\" \"x\"\"y\""), (V{"a\"b", "c\\", "x\"y"}));
    EXPECT_EQ(SplitCommandLine("   "), V{});
}

TEST_F(ProgramLauncherTest, ArgumentsArriveVerbatimWithoutAShell)
{
    programs.add("kxe");
    const std::string hostile = "a;b|c $(touch pwned) `id` * 'q' \"dq\"";
    CommandLine line("kxe.exe kxarun 1 -i4100");
    line.arg("-s8" + hostile);
    const LaunchResult r = RunAndWait(line);
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.exitCode, 0);
    // Free text splits at blanks only.
    CommandLine free("kxe.exe kxarun 1 -i4711");
    free.words("-s8AlarmCenter on \"HOST\"  x*y");
    ASSERT_TRUE(RunAndWait(free).started);
    // A variable of the command line replaces ours and is no argument.
    programs.add("showenv", "printf '%s\\n' \"$KX_SECRET\" >> \"" + site.path("bin/calls.txt") + "\"");
    ::setenv("KX_SECRET", "ours", 1);
    ASSERT_TRUE(RunAndWait(CommandLine("showenv").environment("KX_SECRET", hostile)).started);
    ::unsetenv("KX_SECRET");
    EXPECT_EQ(programs.calls(), (V{"kxe|kxarun|1|-i4100|-s8" + hostile,
                                   "kxe|kxarun|1|-i4711|-s8AlarmCenter|on|\"HOST\"|x*y", "showenv", hostile}));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST_F(ProgramLauncherTest, LookupOrderOwnDirectoryWorkingDirectoryPath)
{
    programs.add("kxaconf");
    script("work/KXACONF.EXE");
    script("own/kxaconf");
    SetProgramDirectory(site.path("own"));
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);

    EXPECT_EQ(FindProgram("kxaconf.exe"), site.path("own/kxaconf"));
    std::filesystem::remove(site.path("own/kxaconf"));
    EXPECT_EQ(FindProgram("kxaconf.exe"), site.path("work/KXACONF.EXE"));
    std::filesystem::remove(site.path("work/KXACONF.EXE"));
    for (const char* name : {"kxaconf.exe", "kxaconf", "kxaconf.bat"})
        EXPECT_EQ(FindProgram(name), site.path("bin/kxaconf")) << name;
    EXPECT_EQ(FindProgram("kxaconfx"), "");
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(ProgramLauncherTest, StoredPathsNameProgramsOnTheSite)
{
    const test::StandInPrograms kxt(site.path("kxt"));
    kxt.add("kxtque");
    const LaunchResult r = RunAndWait("\\kxt\\kxtque.exe postjob 1 _dial_s1 -s1123 -s2456");
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.program, site.path("kxt/kxtque"));
    EXPECT_EQ(kxt.calls(), V{"kxtque|postjob|1|_dial_s1|-s1123|-s2456"});
}

TEST_F(ProgramLauncherTest, ExitStatusAndMissingProgramsAreReportedToTheCaller)
{
    programs.add("failing", "exit 3");
    EXPECT_EQ(RunAndWait("failing").exitCode, 3);
    LaunchResult r = StartProgram("kxnothere.exe 1 2");
    EXPECT_FALSE(r.started);
    EXPECT_NE(r.error.find("kxnothere.exe"), std::string::npos);
    r = RunAndWait("");
    EXPECT_EQ(std::pair(r.started, r.exitCode), std::pair(false, -1));
    site.write("bin/plain", "data");  // not executable: not a program
    EXPECT_FALSE(RunAndWait("plain").started);
}

TEST_F(ProgramLauncherTest, StartDoesNotWaitAndNotepadIsTheConfiguredEditor)
{
    // The program records only after a pause: a caller that waited would find the record.
    script("bin/slow", "sleep 3\necho done > \"" + site.path("record.txt") + "\"\n");
    const LaunchResult r = StartProgram("slow");
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, -1);
    EXPECT_FALSE(site.exists("record.txt"));

    programs.add("myeditor");
    ::setenv("KX_EDITOR", "myeditor --wait", 1);
    ASSERT_TRUE(StartProgram("notepad.exe \\work\\showserv.bat").started);
    EXPECT_EQ(programs.waitForCalls(1), V{"myeditor|--wait|" + site.path("work/showserv.bat")});
    ::unsetenv("KX_EDITOR");
    ::setenv("VISUAL", "myeditor", 1);
    EXPECT_TRUE(RunAndWait("np").started);
    ::unsetenv("VISUAL");
}

}  // namespace
}  // namespace kx
