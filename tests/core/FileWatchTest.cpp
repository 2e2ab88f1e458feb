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
        for (const char* f : {"db1/vm001.dbf", "db1/kxgroups.dbf", "db1/kxagrp12.dbf", "windows/kxalogout.ini"})
            touch(f, "a", 0);
        members.set("\\db1\\.\\kxagrp12.dbf");
        watch.start();
    }

    // The file with these bytes, modified at second 1e9 plus `nanoseconds`.
    void touch(const std::string& relative, const std::string& bytes, long nanoseconds)
    {
        site.write(relative, bytes);
        const timespec times[2] = {{1000000000, nanoseconds}, {1000000000, nanoseconds}};
        ::utimensat(AT_FDCWD, site.path(relative).c_str(), times, 0);
    }
    // The messages of one cycle, and its pauses.
    std::vector<std::string> cycle()
    {
        messenger.log.clear();
        pauses.clear();
        watch.cycle();
        return messenger.log;
    }

    test::TempSite site;
    WatchedMemberTable members;
    RecordingMessenger messenger;
    std::vector<int> pauses;
    FileWatch watch{
        {"\\db1\\.\\vm001.dbf", "\\db1\\kxgroups.dbf", &members, SitePaths::windowsDirectory() + ".\\kxalogout.ini"},
        &messenger,
        [this](int ms) { pauses.push_back(ms); }};
};

using V = std::vector<std::string>;

TEST_F(FileWatchTest, EachFileHasItsMessagesAndPauses)
{
    EXPECT_EQ(cycle(), V{});
    EXPECT_EQ(pauses, std::vector<int>{1000});  // quiet files: one second a cycle

    touch("db1/vm001.dbf", "b", 1);  // only the nanoseconds tell
    EXPECT_EQ(cycle(), (V{"send 1025", "send 1026"}));
    EXPECT_EQ(pauses, std::vector<int>{500});

    touch("db1/kxgroups.dbf", "gg", 0);
    EXPECT_EQ(cycle(), (V{"post 1027", "post 1028"}));
    EXPECT_EQ(pauses, (std::vector<int>{1000, 1000}));

    touch("db1/kxagrp12.dbf", "b", 1);
    EXPECT_EQ(cycle(), V{"post 1027"});
    EXPECT_EQ(cycle(), V{});

    // Another selected group whose table does not exist: time 0, size 0.
    members.set("\\db1\\.\\kxagrp13.dbf");
    EXPECT_EQ(cycle(), V{"post 1027"});
    EXPECT_EQ(cycle(), V{});
    std::filesystem::remove(site.path("db1/vm001.dbf"));
    EXPECT_EQ(cycle(), (V{"send 1025", "send 1026"}));
}

TEST_F(FileWatchTest, LogoutFileOnlyWhileCheckPersonIsOne)
{
    for (const char* checkPerson : {"0", "2"}) {
        site.write("windows/kxalarm.ini", std::string("[kxachktn]\r\nCheckPerson=") + checkPerson + "\r\n");
        touch("windows/kxalogout.ini", "[LogedOut]", 0);
        EXPECT_EQ(cycle(), V{}) << checkPerson;
    }
    // Switched on while running: taken at the next cycle.
    site.write("windows/kxalarm.ini", "[kxachktn]\r\nCheckPerson=1\r\n");
    EXPECT_EQ(cycle(), V{"post 1027"});
    EXPECT_EQ(cycle(), V{});
    touch("windows/kxalogout.ini", "[LogedOut]", 1);
    EXPECT_EQ(cycle(), V{"post 1027"});
}

TEST(FileWatch, RunStopsWhenTheFlagIsCleared)
{
    std::atomic<bool> running{true};
    int cycles = 0;
    FileWatch w({"\\db1\\.\\vm001.dbf", "", nullptr, ""}, nullptr, [&](int) {
        if (++cycles == 3)
            running = false;
    });
    w.run(running);
    EXPECT_EQ(cycles, 3);
}

}  // namespace
}  // namespace kx
