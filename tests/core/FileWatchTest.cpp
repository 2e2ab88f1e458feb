#include "core/FileWatch.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace kx {
namespace {

class RecordingMessenger final : public ViewMessenger {
public:
    void send(ViewMessage m) override { log.push_back("send " + std::to_string(static_cast<int>(m))); }
    void post(ViewMessage m) override { log.push_back("post " + std::to_string(static_cast<int>(m))); }
    std::vector<std::string> log;
};

class FileWatchTest : public ::testing::Test {
protected:
    FileWatchTest()
    {
        site.write("db1/vm001.dbf", "a");
        site.write("db1/kxgroups.dbf", "g");
        site.write("db1/kxagrp12.dbf", "m");
        members.set("\\db1\\.\\kxagrp12.dbf");
    }

    FileWatch watch()
    {
        FileWatch::Paths paths{"\\db1\\.\\vm001.dbf", "\\db1\\kxgroups.dbf", &members,
                               SitePaths::windowsDirectory() + ".\\kxalogout.ini"};
        return FileWatch(paths, &messenger, [this](int ms) { pauses.push_back(ms); });
    }

    // A change of content with the same size and (possibly) the same second.
    void touch(const std::string& relative, const std::string& bytes)
    {
        site.write(relative, bytes);
        struct timespec times[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
        ::utimensat(AT_FDCWD, site.path(relative).c_str(), times, 0);
    }

    test::TempSite site;
    WatchedMemberTable members;
    RecordingMessenger messenger;
    std::vector<int> pauses;
};

TEST_F(FileWatchTest, QuietFilesCostOneSecondPerCycleAndNoMessage)
{
    FileWatch w = watch();
    w.start();
    w.cycle();
    w.cycle();
    EXPECT_TRUE(messenger.log.empty());
    EXPECT_EQ(pauses, (std::vector<int>{1000, 1000}));
}

TEST_F(FileWatchTest, EachFileHasItsMessagesAndPauses)
{
    FileWatch w = watch();
    w.start();
    touch("db1/vm001.dbf", "b");  // same size: the time at full precision tells
    w.cycle();
    EXPECT_EQ(messenger.log, (std::vector<std::string>{"send 1025", "send 1026"}));
    EXPECT_EQ(pauses, std::vector<int>{500});

    messenger.log.clear();
    pauses.clear();
    touch("db1/kxgroups.dbf", "gg");
    w.cycle();
    EXPECT_EQ(messenger.log, (std::vector<std::string>{"post 1027", "post 1028"}));
    EXPECT_EQ(pauses, (std::vector<int>{1000, 1000}));

    messenger.log.clear();
    touch("db1/kxagrp12.dbf", "mm");
    w.cycle();
    EXPECT_EQ(messenger.log, std::vector<std::string>{"post 1027"});
}

TEST_F(FileWatchTest, AnotherSelectedGroupAndVanishingFiles)
{
    FileWatch w = watch();
    w.start();
    members.set("\\db1\\.\\kxagrp13.dbf");  // does not exist: time 0, size 0
    w.cycle();
    EXPECT_EQ(messenger.log, std::vector<std::string>{"post 1027"});
    messenger.log.clear();
    w.cycle();
    EXPECT_TRUE(messenger.log.empty());
    std::filesystem::remove(site.path("db1/vm001.dbf"));
    w.cycle();
    EXPECT_EQ(messenger.log, (std::vector<std::string>{"send 1025", "send 1026"}));
}

TEST_F(FileWatchTest, LogoutFileOnlyWhileCheckPersonIsOne)
{
    FileWatch w = watch();
    w.start();
    touch("windows/kxalogout.ini", "[LogedOut]\r\n1=1\r\n");
    w.cycle();
    EXPECT_TRUE(messenger.log.empty());
    // Switched on while running: taken at the next cycle.
    site.write("windows/kxalarm.ini", "[kxachktn]\r\nCheckPerson=1\r\n");
    w.cycle();
    EXPECT_EQ(messenger.log, std::vector<std::string>{"post 1027"});
    messenger.log.clear();
    w.cycle();
    EXPECT_TRUE(messenger.log.empty());
}

TEST_F(FileWatchTest, RunStopsWhenTheFlagIsCleared)
{
    std::atomic<bool> running{true};
    int cycles = 0;
    FileWatch::Paths paths{"\\db1\\.\\vm001.dbf", "", nullptr, ""};
    FileWatch w(paths, nullptr, [&](int) {
        if (++cycles == 3)
            running = false;
    });
    w.run(running);
    EXPECT_EQ(cycles, 3);
}

}  // namespace
}  // namespace kx
