// Timed deactivation of alarms: the command table, Deactivate with its
// questions, writes and log lines, the menu state, and the timer cycle.

#include "console/Deactivation.h"

#include "console/CommandIds.h"

#include "core/MailboxLayout.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <thread>

namespace kx {
namespace {

namespace cmd = console::cmd;
using console::CommandTime;
using console::DeactivationOutcome;
using console::DeactivationTimer;
using Keys = std::vector<long>;

std::string iniValue(long key)
{
    return ProfileString(console::kDeactivationFile, console::kDeactivationSection, std::to_string(key), "<none>");
}

// A clock that always answers the same time.
console::CommandClock fixed(CommandTime when)
{
    return [when] { return when; };
}

void setIniValue(long key, const std::string& value)
{
    ASSERT_TRUE(
        WriteProfileString(console::kDeactivationFile, console::kDeactivationSection, std::to_string(key), value));
}

class DeactivationTest : public test::MailboxFixture {
protected:
    void SetUp() override
    {
        createMailboxTable(20, 91);
        std::filesystem::create_directories(site.path("work/log"));
        options.logPath = site.path("work/log/kxadeact.log");
        site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=19\r\n");
        // 4 December 2025, 09:05 local time.
        std::tm local{};
        local.tm_year = 125, local.tm_mon = 11, local.tm_mday = 4, local.tm_hour = 9, local.tm_min = 5;
        local.tm_isdst = -1;
        at = CommandTime::At(std::mktime(&local));
    }

    void setType(long key, int value)
    {
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        ASSERT_EQ(mailbox::WriteField(db, mailbox::RecordOfKey(key), key, "num2_4", std::to_string(value).c_str()), 1);
        db.Close();
    }
    std::string type(long key) { return field(key, mailbox::field::AlarmType); }
    // A deactivation the operator confirms (activations ask nothing).
    console::DeactivationResult run(int minutes, Keys keys, std::time_t offset = 0)
    {
        if (minutes > 0)
            boxes.answer(true);
        return console::Deactivate(minutes, keys, fixed(CommandTime::At(at.now + offset)), options);
    }
    std::string log() { return site.read("work/log/kxadeact.log"); }

    test::RecordingMessageBoxes boxes;
    console::DeactivationOptions options;
    CommandTime at;
};

TEST(Deactivation, CommandTableAndFormats)
{
    const auto commands = console::DeactivationCommands();
    const std::vector<std::tuple<int, int, std::string>> expected = {
        {cmd::ActivateAlarms, 0, "&Activate alarms"},         {cmd::DeactivateFor10Minutes, 10, "for 1&0 minutes"},
        {cmd::DeactivateFor20Minutes, 20, "for 20 &minutes"}, {cmd::DeactivateFor30Minutes, 30, "for 30 m&inutes"},
        {cmd::DeactivateFor1Hour, 60, "for &1 hour"},         {cmd::DeactivateFor2Hours, 120, "for &2 hours"},
        {cmd::DeactivateFor3Hours, 180, "for &3 hours"},      {cmd::DeactivateFor4Hours, 240, "for &4 hours"},
        {cmd::DeactivateFor5Hours, 300, "for &5 hours"},      {cmd::DeactivateFor6Hours, 360, "for &6 hours"},
        {cmd::DeactivateFor8Hours, 480, "for &8 hours"},      {cmd::DeactivateFor12Hours, 720, "for 12 &hours"},
        {cmd::DeactivateFor18Hours, 1080, "for 18 h&ours"},   {cmd::DeactivateFor24Hours, 1440, "for 24 ho&urs"}};
    ASSERT_EQ(commands.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(commands[i].id, std::get<0>(expected[i]));
        EXPECT_EQ(commands[i].minutes, std::get<1>(expected[i]));
        EXPECT_EQ(Tr(commands[i].text), std::get<2>(expected[i]));
        EXPECT_EQ(console::FindDeactivationCommand(commands[i].id), &commands[i]);
    }
    EXPECT_EQ(console::FindDeactivationCommand(cmd::DeactivateFor1Hour + 1), nullptr);

    EXPECT_EQ(console::DeactivationEndTime(0x6B150FD5 - 600, 10), "6B150FD5");
    EXPECT_EQ(console::DeactivationEndTime(5, 0), "00000005");
    std::tm local{};
    local.tm_mday = 4, local.tm_mon = 11, local.tm_hour = 9, local.tm_min = 5;
    EXPECT_EQ(console::DeactivationLogLine(local, 1234, 60), "04.12, 09:05,  Deactivate alarm 1234 for 60 minutes\n");
    EXPECT_EQ(console::DeactivationLogLine(local, 17, 0), "04.12, 09:05,  Activate alarm 17 again\n");
    EXPECT_EQ(console::ParseDeactivationEndTime("6b150fD5"), 0x6B150FD5u);
    EXPECT_EQ(console::ParseDeactivationEndTime("0x10"), 16u);
    EXPECT_EQ(console::ParseDeactivationEndTime("12G4"), 0x12u);
    EXPECT_EQ(console::ParseDeactivationEndTime("zz"), 0u);
    EXPECT_EQ(console::ParseDeactivationEndTime(std::string(39, 'F')), UINT64_MAX);
}

TEST_F(DeactivationTest, NoSelectionAndTheQuestions)
{
    EXPECT_EQ(console::Deactivate(0, {}, fixed(at), options).outcome, DeactivationOutcome::NoSelection);
    EXPECT_EQ(console::Deactivate(30, {}, fixed(at), options).outcome, DeactivationOutcome::NoSelection);
    for (int minutes : {30, 120, 59, 90})  // answered No
        EXPECT_EQ(console::Deactivate(minutes, Keys{12}, fixed(at), options).outcome, DeactivationOutcome::Declined);
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(std::tie(shown[0].kind, shown[0].text), std::make_tuple('E', LoadString(61699)));
    EXPECT_EQ(shown[1].text, LoadString(61700));
    EXPECT_EQ(shown[2].text, FormatStringNumber(61697, 30));
    EXPECT_NE(shown[2].text.find("for 30 minutes ?"), std::string::npos);
    EXPECT_EQ(shown[3].text, FormatStringNumber(61698, 2));
    EXPECT_EQ(shown[4].text, FormatStringNumber(61697, 59));
    EXPECT_EQ(shown[5].text, FormatStringNumber(61698, 1));  // whole hours
    for (std::size_t i = 2; i < shown.size(); ++i)
        EXPECT_TRUE(shown[i].kind == 'C' && shown[i].defaultNo) << i;
    EXPECT_FALSE(site.exists("windows/kxadeact.ini"));
    EXPECT_FALSE(site.exists("work/log/kxadeact.log"));
}

TEST_F(DeactivationTest, TheEndTimeCountsFromTheAnswerNotTheQuestion)
{
    boxes.answer(true);
    std::size_t boxesWhenTimed = 0;
    const auto result = console::Deactivate(
        10, Keys{12},
        [&] {
            boxesWhenTimed = boxes.shown().size();
            return CommandTime::At(at.now + 600);  // answered ten minutes later
        },
        options);
    EXPECT_EQ(boxesWhenTimed, 1u);
    EXPECT_EQ(iniValue(12), console::DeactivationEndTime(at.now + 600, 10));
    EXPECT_EQ(result.endTime, iniValue(12));
}

TEST_F(DeactivationTest, DeactivatedForTenMinutesThenBackByTheTimer)
{
    setType(12, 4);
    setType(13, 57);
    const auto result = run(10, {12, 13});
    ASSERT_EQ(result.outcome, DeactivationOutcome::Done);
    EXPECT_EQ(result.changed, (Keys{12, 13}));
    EXPECT_EQ(type(12), "54");
    EXPECT_EQ(type(13), "57");  // already deactivated: +50 once
    const std::string value = iniValue(12);
    EXPECT_EQ(value.size(), 8u);
    EXPECT_EQ(value.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(console::ParseDeactivationEndTime(value), static_cast<std::uint64_t>(at.now + 600));

    // Deactivating again sets the new end time only.
    run(60, {13}, 120);
    EXPECT_EQ(type(13), "57");
    EXPECT_EQ(iniValue(13), console::DeactivationEndTime(at.now + 120, 60));

    DeactivationTimer timer(1, kTable);
    EXPECT_TRUE(timer.cycle(at.now + 599).reactivated.empty());
    EXPECT_EQ(type(12), "54");
    EXPECT_EQ(timer.cycle(at.now + 630).reactivated, Keys{12});  // 10 to 11 minutes later
    EXPECT_EQ(type(12), "4");
    EXPECT_EQ(iniValue(12), "");  // emptied, not removed
    EXPECT_EQ(type(13), "57");
    EXPECT_EQ(log(), "04.12, 09:05,  Deactivate alarm 12 for 10 minutes\n"
                     "04.12, 09:05,  Deactivate alarm 13 for 10 minutes\n"
                     "04.12, 09:07,  Deactivate alarm 13 for 60 minutes\n");  // the timer logs nothing
}

TEST_F(DeactivationTest, ActivatingLowersOnlyDeactivatedAlarmsAndLogsEach)
{
    site.write("work/log/kxadeact.log", "earlier\n");
    setType(12, 3);
    setType(13, 57);
    setIniValue(13, "6B150FD5");
    EXPECT_EQ(console::Deactivate(0, Keys{13, 12}, fixed(at), options).outcome, DeactivationOutcome::Done);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(type(12), "3");
    EXPECT_EQ(type(13), "7");
    EXPECT_EQ(site.read("windows/kxadeact.ini"), "[DeactivatedAlarms]\r\n13=\r\n12=\r\n");
    EXPECT_EQ(log(), "earlier\n04.12, 09:05,  Activate alarm 13 again\n04.12, 09:05,  Activate alarm 12 again\n");
}

TEST_F(DeactivationTest, LogInTheWorkingDirectoryAndAChangeWithoutIt)
{
    setType(12, 1);
    std::filesystem::create_directories(site.path("work2/LOG"));  // found without regard to case
    const std::string before = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(site.path("work2").c_str()), 0);
    boxes.answer(true);
    const auto result = console::Deactivate(20, Keys{12}, fixed(at), {});
    ASSERT_EQ(::chdir(before.c_str()), 0);
    EXPECT_EQ(result.outcome, DeactivationOutcome::Done);
    EXPECT_EQ(site.read("work2/LOG/kxadeact.log"), "04.12, 09:05,  Deactivate alarm 12 for 20 minutes\n");

    // A missing log directory is not created; a log that cannot be opened costs only its lines.
    options.logPath = site.path("work/nolog/kxadeact.log");
    EXPECT_EQ(run(0, {12}).logLinesMissing, 1);
    EXPECT_FALSE(site.exists("work/nolog"));
    std::filesystem::create_directories(site.path("work/log/kxadeact.log"));
    options.logPath = site.path("work/log/kxadeact.log");
    const auto unlogged = run(10, {12});
    EXPECT_EQ(std::tie(unlogged.outcome, unlogged.logLinesMissing), std::make_tuple(DeactivationOutcome::Done, 1));
    EXPECT_EQ(type(12), "51");
    for (const auto& s : boxes.shown())
        EXPECT_EQ(s.kind, 'C');
}

TEST_F(DeactivationTest, FailuresLeaveTheAlarmConsistentAndAreReported)
{
    setType(12, 4);
    setType(13, 56);
    // A key that is not an alarm of the range (here: no record) refuses the whole command.
    auto result = run(10, {25, 12});
    EXPECT_EQ(std::tie(result.outcome, result.refused, result.changed),
              std::make_tuple(DeactivationOutcome::NotAlarms, Keys{25}, Keys{}));
    EXPECT_EQ(boxes.shown().back().text,
              "Only alarms of the alarm range 10 - 19 can be changed; these keys are not: 25. Nothing was changed.");
    EXPECT_EQ(type(12), "4");
    EXPECT_FALSE(site.exists("windows/kxadeact.ini"));
    boxes.clear();

    // An end time that cannot be recorded: not deactivated (it would never come back).
    std::filesystem::remove(site.path("windows/kxadeact.ini"));
    std::filesystem::create_directories(site.path("windows/kxadeact.ini"));
    EXPECT_EQ(run(10, {12}).outcome, DeactivationOutcome::Incomplete);
    EXPECT_EQ(type(12), "4");
    EXPECT_EQ(run(0, {13}).outcome, DeactivationOutcome::Done);  // activating goes on
    EXPECT_EQ(type(13), "6");
    std::filesystem::remove(site.path("windows/kxadeact.ini"));

    // The table cannot be opened: nothing happens, silently, and nothing is asked.
    boxes.clear();
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/away.dbf"));
    EXPECT_EQ(console::Deactivate(10, Keys{12}, fixed(at), options).outcome, DeactivationOutcome::TableNotOpened);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(site.exists("windows/kxadeact.ini"));
}

TEST_F(DeactivationTest, FailedTypeWriteIsNotDoneAndTheOldEndTimeIsPutBack)
{
    // num2_4 with one digit: a raised type does not fit, the table refuses the write.
    std::filesystem::remove(site.path("db1/vm001.dbf"));
    std::vector<FIELD4INFO> fields = mailbox::TableFields();
    for (FIELD4INFO& f : fields)
        if (f.name == "T82")
            f.length = 1;
    CDatabase db;
    ASSERT_EQ(db.Create(kTable, fields), 1);
    for (int key = 0; key < 20; ++key) {
        ASSERT_EQ(db.Append(), 1);
        db.Bottom();
        db.Replace("T02", 91);
        db.Replace("T82", 4);
    }
    db.Close();
    setIniValue(12, "00001000");
    const auto result = run(10, {12, 13});
    EXPECT_EQ(std::tie(result.outcome, result.failed), std::make_tuple(DeactivationOutcome::Incomplete, Keys{12, 13}));
    EXPECT_EQ(type(12), "4");
    EXPECT_EQ(iniValue(12), "00001000");
    EXPECT_EQ(iniValue(13), "");
    EXPECT_EQ(log(), "");
    EXPECT_EQ(boxes.shown().back().text, "2 of the selected alarms could not be changed: the alarm table or the file "
                                         "kxadeact.ini could not be written.");
}

TEST_F(DeactivationTest, MenuStateAndCheckMark)
{
    EXPECT_TRUE(console::EnabledDeactivationCommands(0).empty());
    EXPECT_EQ(console::EnabledDeactivationCommands(1).size(), 14u);
    EXPECT_EQ(console::EnabledDeactivationCommands(2).size(), 14u);

    const std::time_t now = 0x60000000;
    const std::vector<std::pair<long, int>> limits = {{0, 0},
                                                      {-30, 0},
                                                      {1, cmd::DeactivateFor10Minutes},
                                                      {600, cmd::DeactivateFor10Minutes},
                                                      {601, cmd::DeactivateFor20Minutes},
                                                      {1800, cmd::DeactivateFor30Minutes},
                                                      {1801, cmd::DeactivateFor1Hour},
                                                      {3600, cmd::DeactivateFor1Hour},
                                                      {3601, cmd::DeactivateFor2Hours},
                                                      {10800, cmd::DeactivateFor3Hours},
                                                      {14400, cmd::DeactivateFor4Hours},
                                                      {18000, cmd::DeactivateFor5Hours},
                                                      {21600, cmd::DeactivateFor6Hours},
                                                      {28800, cmd::DeactivateFor8Hours},
                                                      {43200, cmd::DeactivateFor12Hours},
                                                      {64800, cmd::DeactivateFor18Hours},
                                                      {64801, cmd::DeactivateFor24Hours},
                                                      {86400, cmd::DeactivateFor24Hours},
                                                      {86401, 0}};
    for (const auto& [remaining, command] : limits)
        EXPECT_EQ(console::CheckedDeactivationCommandFor(12, console::DeactivationEndTime(now + remaining, 0), now),
                  command)
            << remaining;
    const std::string soon = console::DeactivationEndTime(now + 300, 0);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(10, soon, now), cmd::DeactivateFor10Minutes);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(9, soon, now), 0);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(12, soon.substr(1), now), 0);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(12, "0" + soon, now), 0);

    // From the file, for the first selected alarm only.
    run(30, {13});
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{13, 12}, at.now), cmd::DeactivateFor30Minutes);
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{13}, at.now + 1200), cmd::DeactivateFor10Minutes);
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{12, 13}, at.now), 0);
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{}, at.now), 0);
    // A value shorter than eight characters gets no check mark, but the timer honours it.
    setType(14, 55);
    setIniValue(14, "ABCDEF");
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{14}, 0xABCD00), 0);
    EXPECT_EQ(DeactivationTimer(1, kTable).cycle(0xABCDEF).reactivated, Keys{14});
    EXPECT_EQ(type(14), "5");
}

TEST_F(DeactivationTest, TimerSwitchAndRangeReadEachCycle)
{
    setType(15, 52);
    setIniValue(15, "00000001");
    EXPECT_FALSE(DeactivationTimer(0, kTable).cycle(at.now).ran);
    EXPECT_EQ(type(15), "52");
    EXPECT_EQ(iniValue(15), "00000001");
    DeactivationTimer timer(2, kTable);  // any value but 0 enables it, as it enables the commands
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "14");
    EXPECT_TRUE(timer.cycle(at.now).reactivated.empty());
    WriteProfileString("kxalarm.ini", "config", "FirstAlarmKey", "16");
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "15");
    EXPECT_FALSE(timer.cycle(at.now).ran);
    std::filesystem::remove(site.path("windows/kxalarm.ini"));  // 10 to 9999
    EXPECT_EQ(timer.cycle(at.now).reactivated, Keys{15});
    EXPECT_EQ(type(15), "2");
}

TEST_F(DeactivationTest, TimerFindsExactlyWhatAReadPerKeyWouldFind)
{
    for (long key = 10; key < 20; ++key)
        setType(key, 53);
    std::string beyondTheFirstRead;  // 11000 emptied keys outside the range: a dump of over 64 KiB
    for (int key = 20000; key < 31000; ++key)
        beyondTheFirstRead += std::to_string(key) + "=\r\n";
    site.write("windows/kxadeact.ini",
               "[other]\r\n11=00000001\r\n[DeactivatedAlarms]\r\n5=00000001\r\n0012=00000001\r\n+13=00000001\r\n"
               " 14 = 00000001 \r\n15=\r\n15=00000001\r\n16=\"00000001\"\r\n17=zz\r\n"
               "18=" +
                   std::string(32, '0') + "FFFFFFFFFF\r\n" +  // cut to 39 characters: 0FFFFFFF
                   beyondTheFirstRead +
                   "19=00000001\r\n11=FFFFFFFF\r\n; 10=00000001\r\n10\r\n[DeactivatedAlarms]\r\n10=00000001\r\n");
    const std::time_t now = 0x10000000;
    auto keyByKey = [&] {
        Keys due;
        for (long key = 10; key <= 19; ++key) {
            const std::string v = console::DeactivationValue(key);
            if (!v.empty() && console::ParseDeactivationEndTime(v) <= static_cast<std::uint64_t>(now))
                due.push_back(key);
        }
        return due;
    };
    const Keys expected = keyByKey();
    EXPECT_EQ(expected, (Keys{14, 16, 17, 18, 19}));
    EXPECT_EQ(DeactivationTimer(1, kTable).cycle(now).reactivated, expected);
    for (long key = 10; key < 20; ++key)
        EXPECT_EQ(type(key), std::count(expected.begin(), expected.end(), key) ? "3" : "53") << key;
    EXPECT_TRUE(keyByKey().empty());
}

TEST_F(DeactivationTest, TimerRetriesWhileTheTableIsMissingAndShowsNothing)
{
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "30");
    setType(12, 54);
    setIniValue(12, "00000001");
    setIniValue(25, "00000001");  // no record: only emptied
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/away.dbf"));
    DeactivationTimer timer(1, kTable);
    EXPECT_EQ(timer.cycle(at.now).retried, (Keys{12, 25}));
    EXPECT_EQ(iniValue(12), "00000001");
    std::filesystem::rename(site.path("db1/away.dbf"), site.path("db1/vm001.dbf"));
    EXPECT_EQ(timer.cycle(at.now).reactivated, (Keys{12, 25}));
    EXPECT_EQ(type(12), "4");
    EXPECT_EQ(iniValue(12) + iniValue(25), "");
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DeactivationTest, RunCyclesEveryMinuteUntilTheFlagIsCleared)
{
    setType(12, 4);
    run(10, {12});
    DeactivationTimer timer(1, kTable);
    std::time_t clock = at.now;
    std::vector<std::string> types;
    std::atomic<bool> running{true};
    timer.setClock([&] { return clock; });
    timer.setSleeper([&](std::chrono::milliseconds period, const std::atomic<bool>&) {
        EXPECT_EQ(period, std::chrono::milliseconds(60000));
        types.push_back(type(12));
        clock += 60;
        running = types.size() < 12;
    });
    timer.run(running);
    EXPECT_EQ(types, (std::vector<std::string>{"54", "54", "54", "54", "54", "54", "54", "54", "54", "54", "4", "4"}));

    // The default sleeper returns soon after the flag is cleared.
    DeactivationTimer real(1, kTable);
    running = true;
    std::thread thread([&] { real.run(running); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto stop = std::chrono::steady_clock::now();
    running = false;
    thread.join();
    EXPECT_LT(std::chrono::steady_clock::now() - stop, std::chrono::seconds(2));
}

TEST_F(DeactivationTest, CommandAndTimerOnTwoThreadsLoseNoKey)
{
    std::filesystem::remove(site.path("db1/vm001.dbf"));
    createMailboxTable(160, 91);
    site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=159\r\n");
    for (long key = 100; key < 150; ++key) {  // due for the timer
        setType(key, 50 + key % 12);
        setIniValue(key, "00000001");
    }
    for (long key = 10; key < 60; ++key) {  // deactivated one by one meanwhile
        setType(key, key % 12);
        boxes.answer(true);
    }
    std::atomic<bool> commandsDone{false};
    std::thread timerThread([&] {
        DeactivationTimer timer(1, kTable);
        do
            timer.cycle(at.now);
        while (!commandsDone.load());
        timer.cycle(at.now);
    });
    for (long key = 10; key < 60; ++key)
        EXPECT_EQ(console::Deactivate(10, Keys{key}, fixed(at), options).outcome, DeactivationOutcome::Done);
    commandsDone = true;
    timerThread.join();
    for (long key = 10; key < 60; ++key) {
        EXPECT_EQ(iniValue(key), console::DeactivationEndTime(at.now, 10)) << key;
        EXPECT_EQ(type(key), std::to_string(50 + key % 12)) << key;
    }
    for (long key = 100; key < 150; ++key) {
        EXPECT_EQ(iniValue(key), "") << key;
        EXPECT_EQ(type(key), std::to_string(key % 12)) << key;
    }
    const std::string lines = log();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 50);
}

TEST_F(DeactivationTest, CycleOverTenThousandKeysReadsTheSectionOnce)
{
    // 50 entries, 17 pending, the rest emptied long ago; nothing is due. A
    // cycle reads the section once and then each pending value, instead of
    // one read per key of the range. Reads are counted as opens of the file.
    std::string ini = "[DeactivatedAlarms]\r\n";
    for (int i = 0; i < 50; ++i)
        ini += std::to_string(100 + i * 197) + "=" + (i % 3 == 0 ? "7FFFFFFF" : "") + "\r\n";
    site.write("windows/kxadeact.ini", ini);
    site.write("windows/kxalarm.ini", "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=9999\r\n");
    const int watch = ::inotify_init1(IN_NONBLOCK);
    ASSERT_GE(::inotify_add_watch(watch, site.path("windows/kxadeact.ini").c_str(), IN_OPEN | IN_CLOSE_NOWRITE), 0);
    auto opens = [watch] {
        alignas(inotify_event) char events[4096];
        long count = 0;
        for (ssize_t got; (got = ::read(watch, events, sizeof events)) > 0;)
            count += got / static_cast<ssize_t>(sizeof(inotify_event));
        return count;
    };
    console::DeactivationValue(100);
    const long perRead = opens();
    DeactivationTimer(1, kTable).cycle(at.now);
    EXPECT_EQ(opens(), perRead * (1 + 17));
    ::close(watch);
    EXPECT_EQ(site.read("windows/kxadeact.ini"), ini);
}

}  // namespace
}  // namespace kx
