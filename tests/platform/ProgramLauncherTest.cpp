#include "platform/ProgramLauncher.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace kx {
namespace {

// Stand-in programs: shell scripts that write their arguments, one per line
// between markers, to a record file.
class ProgramLauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        m_oldEditor = std::getenv("KX_EDITOR") ? std::getenv("KX_EDITOR") : "";
        ::setenv("PATH", (site.path("bin") + ":" + m_oldPath).c_str(), 1);
        ::unsetenv("KX_EDITOR");
        ::unsetenv("VISUAL");
        SetProgramDirectory(site.path("own"));
        std::filesystem::create_directories(site.path("own"));
    }
    void TearDown() override
    {
        ::setenv("PATH", m_oldPath.c_str(), 1);
        if (!m_oldEditor.empty())
            ::setenv("KX_EDITOR", m_oldEditor.c_str(), 1);
        SetProgramDirectory({});
    }

    void standIn(const std::string& relative, int exitCode = 0)
    {
        site.write(relative, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >> \"" +
                                 site.path("record.txt") + "\"\nexit " + std::to_string(exitCode) + "\n");
        ::chmod(site.path(relative).c_str(), 0755);
    }

    std::string recorded() const { return site.read("record.txt"); }

    // A started program runs on its own: wait until it has written its record.
    std::string waitForRecord(std::size_t lines) const
    {
        for (int i = 0; i < 200; ++i) {
            std::string text = recorded();
            if (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) >= lines)
                return text;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return recorded();
    }

    test::TempSite site;
    std::string m_oldPath;
    std::string m_oldEditor;
};

TEST(SplitCommandLine, WindowsRules)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("kxe.exe kxarun 1 -i4100 -s8AlarmCenter on HOST"),
              (V{"kxe.exe", "kxarun", "1", "-i4100", "-s8AlarmCenter", "on", "HOST"}));
    EXPECT_EQ(SplitCommandLine("  a\t\"b c\"  d\"e f\"g "), (V{"a", "b c", "de fg"}));
    EXPECT_EQ(SplitCommandLine("\\kxt\\kxtque.exe postjob"), (V{"\\kxt\\kxtque.exe", "postjob"}));
    EXPECT_EQ(SplitCommandLine("a\\\"b \"c\\\\\" \"x\"\"y\""), (V{"a\"b", "c\\", "x\"y"}));
    EXPECT_EQ(SplitCommandLine("   "), V{});
}

TEST_F(ProgramLauncherTest, ArgumentsArriveVerbatimWithoutAShell)
{
    standIn("bin/kxe");
    const std::string hostile = "a;b|c $(touch pwned) `id` * 'q' \"dq\"";
    CommandLine line("kxe.exe kxarun 1 -i4100");
    line.arg("-s8" + hostile);
    const LaunchResult r = RunAndWait(line);
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(recorded(), "[kxarun]\n[1]\n[-i4100]\n[-s8" + hostile + "]\n");
    EXPECT_FALSE(std::filesystem::exists("pwned"));

    // Free text splits at blanks only.
    std::filesystem::remove(site.path("record.txt"));
    CommandLine free("kxe.exe kxarun 1 -i4711");
    free.words("-s8AlarmCenter on \"HOST\"  x*y");
    ASSERT_TRUE(RunAndWait(free).started);
    EXPECT_EQ(recorded(), "[kxarun]\n[1]\n[-i4711]\n[-s8AlarmCenter]\n[on]\n[\"HOST\"]\n[x*y]\n");
}

TEST_F(ProgramLauncherTest, LookupOrderOwnDirectoryWorkingDirectoryPath)
{
    standIn("bin/kxaconf");
    standIn("work/KXACONF.EXE");
    standIn("own/kxaconf");
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);

    EXPECT_EQ(FindProgram("kxaconf.exe"), site.path("own/kxaconf"));
    std::filesystem::remove(site.path("own/kxaconf"));
    EXPECT_EQ(FindProgram("kxaconf.exe"), site.path("work/KXACONF.EXE"));
    std::filesystem::remove(site.path("work/KXACONF.EXE"));
    EXPECT_EQ(FindProgram("kxaconf.exe"), site.path("bin/kxaconf"));
    EXPECT_EQ(FindProgram("kxaconf"), site.path("bin/kxaconf"));
    EXPECT_EQ(FindProgram("kxaconf.bat"), site.path("bin/kxaconf"));
    EXPECT_EQ(FindProgram("kxaconfx"), "");
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(ProgramLauncherTest, StoredPathsNameProgramsOnTheSite)
{
    standIn("kxt/kxtque");
    const LaunchResult r = RunAndWait("\\kxt\\kxtque.exe postjob 1 _dial_s1 -s1123 -s2456");
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.program, site.path("kxt/kxtque"));
    EXPECT_EQ(recorded(), "[postjob]\n[1]\n[_dial_s1]\n[-s1123]\n[-s2456]\n");
}

TEST_F(ProgramLauncherTest, ExitStatusAndMissingProgramsAreReportedToTheCaller)
{
    standIn("bin/failing", 3);
    EXPECT_EQ(RunAndWait("failing").exitCode, 3);
    LaunchResult r = StartProgram("kxnothere.exe 1 2");
    EXPECT_FALSE(r.started);
    EXPECT_NE(r.error.find("kxnothere.exe"), std::string::npos);
    r = RunAndWait("");
    EXPECT_FALSE(r.started);
    EXPECT_EQ(r.exitCode, -1);
    // A file that is not executable is not a program.
    site.write("bin/plain", "data");
    EXPECT_FALSE(RunAndWait("plain").started);
}

TEST_F(ProgramLauncherTest, StartDoesNotWait)
{
    // The program records only after a pause: a caller that waited would find the record.
    site.write("bin/slow", "#!/bin/sh\nsleep 3\necho done > \"" + site.path("record.txt") + "\"\n");
    ::chmod(site.path("bin/slow").c_str(), 0755);
    const LaunchResult r = StartProgram("slow");
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, -1);
    EXPECT_FALSE(site.exists("record.txt"));
}

TEST_F(ProgramLauncherTest, NotepadIsTheConfiguredEditorWithTranslatedFiles)
{
    standIn("bin/myeditor");
    ::setenv("KX_EDITOR", "myeditor --wait", 1);
    ASSERT_TRUE(StartProgram("notepad.exe \\work\\showserv.bat").started);
    EXPECT_EQ(waitForRecord(2), "[--wait]\n[" + site.path("work/showserv.bat") + "]\n");
    ::unsetenv("KX_EDITOR");
    ::setenv("VISUAL", "myeditor", 1);
    EXPECT_TRUE(RunAndWait("np").started);
    ::unsetenv("VISUAL");
}

}  // namespace
}  // namespace kx
