// Timed deactivation of alarms: the commands, the menu state and the timer.

#include "console/Deactivation.h"

#include "console/CommandIds.h"
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

console::CommandClock fixed(CommandTime when)
{
    return [when] { return when; };
}

std::string iniValue(long key)
{
    return ProfileString(console::kDeactivationFile, console::kDeactivationSection, std::to_string(key), "<none>");
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
        std::tm local{};  // 4 December 2025, 09:05 local time
        local.tm_year = 125, local.tm_mon = 11, local.tm_mday = 4, local.tm_hour = 9, local.tm_min = 5,
        local.tm_isdst = -1;
        at = CommandTime::At(std::mktime(&local));
    }

    // num2_4 of a key, and its end time in kxadeact.ini when one is given.
    void setType(long key, int value, const std::string& endTime = {})
    {
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        ASSERT_EQ(mailbox::WriteField(db, mailbox::RecordOfKey(key), key, "num2_4", std::to_string(value).c_str()), 1);
        db.Close();
        if (!endTime.empty())
            setIniValue(key, endTime);
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
    const std::vector<std::pair<int, int>> expected = {
        {cmd::ActivateAlarms, 0},          {cmd::DeactivateFor10Minutes, 10}, {cmd::DeactivateFor20Minutes, 20},
        {cmd::DeactivateFor30Minutes, 30}, {cmd::DeactivateFor1Hour, 60},     {cmd::DeactivateFor2Hours, 120},
        {cmd::DeactivateFor3Hours, 180},   {cmd::DeactivateFor4Hours, 240},   {cmd::DeactivateFor5Hours, 300},
        {cmd::DeactivateFor6Hours, 360},   {cmd::DeactivateFor8Hours, 480},   {cmd::DeactivateFor12Hours, 720},
        {cmd::DeactivateFor18Hours, 1080}, {cmd::DeactivateFor24Hours, 1440}};
    std::vector<std::pair<int, int>> commands;
    for (const console::DeactivationCommand& c : console::DeactivationCommands()) {
        commands.emplace_back(c.id, c.minutes);
        EXPECT_EQ(console::FindDeactivationCommand(c.id), &c);
    }
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(console::FindDeactivationCommand(cmd::DeactivateFor1Hour + 1), nullptr);

    EXPECT_EQ(console::DeactivationEndTime(0x6B150FD5 - 600, 10) + console::DeactivationEndTime(5, 0),
              "6B150FD500000005");
    std::tm local{};
    local.tm_mday = 4, local.tm_mon = 11, local.tm_hour = 9, local.tm_min = 5;
    EXPECT_EQ(console::DeactivationLogLine(local, 1234, 60) + console::DeactivationLogLine(local, 17, 0),
              "04.12, 09:05,  Deactivate alarm 1234 for 60 minutes\n04.12, 09:05,  Activate alarm 17 again\n");
    const std::pair<std::string, std::uint64_t> values[] = {
        {"6b150fD5", 0x6B150FD5u}, {"0x10", 16}, {"12G4", 0x12}, {"zz", 0}, {std::string(39, 'F'), UINT64_MAX}};
    for (const auto& [value, end] : values)
        EXPECT_EQ(console::ParseDeactivationEndTime(value), end) << value;
}

TEST_F(DeactivationTest, NoSelectionTheQuestionsAndTheEndTimeFromTheAnswer)
{
    EXPECT_EQ(console::Deactivate(0, {}, fixed(at), options).outcome, DeactivationOutcome::NoSelection);
    EXPECT_EQ(console::Deactivate(30, {}, fixed(at), options).outcome, DeactivationOutcome::NoSelection);
    EXPECT_EQ(boxes.texts(),
              (std::vector{LoadString(str::SelectAlarmsToActivate), LoadString(str::SelectAlarmsToDeactivate)}));
    EXPECT_EQ(boxes.shown().at(0).kind, 'E');
    // clang-format off
    const std::pair<int, std::string> questions[] = {  // whole hours from 60 minutes on
        {30, FormatStringNumber(str::ConfirmDeactivateMinutes, 30)}, {59, FormatStringNumber(str::ConfirmDeactivateMinutes, 59)},
        {60, FormatStringNumber(str::ConfirmDeactivateHours, 1)}, {90, FormatStringNumber(str::ConfirmDeactivateHours, 1)},
        {120, FormatStringNumber(str::ConfirmDeactivateHours, 2)}};
    // clang-format on
    for (const auto& [minutes, question] : questions) {
        EXPECT_EQ(console::Deactivate(minutes, Keys{12}, fixed(at), options).outcome, DeactivationOutcome::Declined);
        const auto asked = boxes.shown().back();
        EXPECT_TRUE(asked.text == question && asked.kind == 'C' && asked.defaultNo) << minutes;
    }
    EXPECT_NE(boxes.texts().at(2).find("for 30 minutes ?"), std::string::npos);
    EXPECT_FALSE(site.exists("windows/kxadeact.ini") || site.exists("work/log/kxadeact.log"));

    // Answered Yes: the end time counts from the answer, not from the question.
    boxes.clear();
    boxes.answer(true);
    std::size_t boxesWhenTimed = 0;
    auto answeredTenMinutesLater = [&] {
        boxesWhenTimed = boxes.shown().size();
        return CommandTime::At(at.now + 600);
    };
    const auto result = console::Deactivate(10, Keys{12}, answeredTenMinutesLater, options);
    EXPECT_EQ(boxesWhenTimed, 1u);
    EXPECT_EQ(iniValue(12), console::DeactivationEndTime(at.now + 600, 10));
    EXPECT_EQ(result.endTime, iniValue(12));
}

TEST_F(DeactivationTest, DeactivatedThenBackByTheTimerOrActivated)
{
    site.write("work/log/kxadeact.log", "earlier\n");
    setType(12, 4);
    setType(13, 57);
    setType(14, 50);  // type 0, deactivated
    const auto result = run(10, {12, 13});
    EXPECT_EQ(std::tie(result.outcome, result.changed), std::make_tuple(DeactivationOutcome::Done, Keys{12, 13}));
    EXPECT_EQ(type(12) + type(13), "5457");  // already deactivated: +50 once
    EXPECT_EQ(iniValue(12), console::DeactivationEndTime(at.now, 10));

    run(60, {13}, 120);  // deactivating again sets the new end time only
    EXPECT_EQ(type(13) + iniValue(13), "57" + console::DeactivationEndTime(at.now + 120, 60));

    DeactivationTimer timer(1, kTable);
    EXPECT_TRUE(timer.cycle(at.now + 599).reactivated.empty());
    EXPECT_EQ(type(12), "54");
    EXPECT_EQ(timer.cycle(at.now + 630).reactivated, Keys{12});  // 10 to 11 minutes later
    EXPECT_EQ(type(12) + iniValue(12) + type(13), "457");        // emptied, not removed

    // Activating lowers only deactivated alarms, asks nothing and logs each.
    EXPECT_EQ(run(0, {13, 12, 14}).outcome, DeactivationOutcome::Done);
    EXPECT_EQ(type(12) + type(13) + type(14), "470");
    EXPECT_EQ(site.read("windows/kxadeact.ini"), "[DeactivatedAlarms]\r\n12=\r\n13=\r\n14=\r\n");
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(log(), "earlier\n04.12, 09:05,  Deactivate alarm 12 for 10 minutes\n"
                     "04.12, 09:05,  Deactivate alarm 13 for 10 minutes\n"
                     "04.12, 09:07,  Deactivate alarm 13 for 60 minutes\n"  // the timer logs nothing
                     "04.12, 09:05,  Activate alarm 13 again\n04.12, 09:05,  Activate alarm 12 again\n"
                     "04.12, 09:05,  Activate alarm 14 again\n");
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
    EXPECT_EQ(boxes.shown().size(), 2u);  // the two questions, no error
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
    std::filesystem::create_directories(site.path("windows/kxadeact.ini"));
    EXPECT_EQ(run(10, {12}).outcome, DeactivationOutcome::Incomplete);
    EXPECT_EQ(run(0, {13}).outcome, DeactivationOutcome::Done);  // activating goes on
    EXPECT_EQ(type(12) + type(13), "46");
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
    EXPECT_EQ(type(12) + "|" + iniValue(12) + "|" + iniValue(13) + "|" + log(), "4|00001000||");
    EXPECT_EQ(boxes.shown().back().text, "2 of the selected alarms could not be changed: the alarm table or the file "
                                         "kxadeact.ini could not be written.");
}

TEST_F(DeactivationTest, MenuStateAndCheckMark)
{
    EXPECT_TRUE(console::EnabledDeactivationCommands(0).empty());
    EXPECT_EQ(console::EnabledDeactivationCommands(1).size() + console::EnabledDeactivationCommands(2).size(), 28u);

    // The first duration whose length the remaining seconds do not exceed.
    const std::time_t now = 0x60000000;
    auto checkedFor = [&](long remaining) {
        return console::CheckedDeactivationCommandFor(12, console::DeactivationEndTime(now + remaining, 0), now);
    };
    EXPECT_EQ(checkedFor(0) + checkedFor(-30), 0);
    EXPECT_EQ(checkedFor(1), cmd::DeactivateFor10Minutes);
    const auto commands = console::DeactivationCommands();
    for (std::size_t i = 1; i < commands.size(); ++i) {
        EXPECT_EQ(checkedFor(commands[i].minutes * 60L), commands[i].id);
        EXPECT_EQ(checkedFor(commands[i].minutes * 60L + 1), i + 1 < commands.size() ? commands[i + 1].id : 0);
    }
    const std::string soon = console::DeactivationEndTime(now + 300, 0);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(10, soon, now), cmd::DeactivateFor10Minutes);
    EXPECT_EQ(console::CheckedDeactivationCommandFor(9, soon, now) +
                  console::CheckedDeactivationCommandFor(12, soon.substr(1), now) +
                  console::CheckedDeactivationCommandFor(12, "0" + soon, now),
              0);

    // From the file, for the first selected alarm only.
    run(30, {13});
    EXPECT_EQ(std::make_tuple(console::CheckedDeactivationCommand(Keys{13, 12}, at.now),
                              console::CheckedDeactivationCommand(Keys{13}, at.now + 1200),
                              console::CheckedDeactivationCommand(Keys{12, 13}, at.now) +
                                  console::CheckedDeactivationCommand(Keys{}, at.now)),
              std::make_tuple(int(cmd::DeactivateFor30Minutes), int(cmd::DeactivateFor10Minutes), 0));
    // A value shorter than eight characters gets no check mark, but the timer honours it.
    setType(14, 55, "ABCDEF");
    EXPECT_EQ(console::CheckedDeactivationCommand(Keys{14}, 0xABCD00), 0);
    EXPECT_EQ(DeactivationTimer(1, kTable).cycle(0xABCDEF).reactivated, Keys{14});
    EXPECT_EQ(type(14), "5");
}

TEST_F(DeactivationTest, TimerSwitchRangeAndRetries)
{
    setType(15, 52, "00000001");
    EXPECT_FALSE(DeactivationTimer(0, kTable).cycle(at.now).ran);
    EXPECT_EQ(type(15) + iniValue(15), "5200000001");
    DeactivationTimer timer(2, kTable);  // any value but 0 enables it, as it enables the commands
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "14");
    EXPECT_TRUE(timer.cycle(at.now).reactivated.empty());
    WriteProfileString("kxalarm.ini", "config", "FirstAlarmKey", "16");
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "15");
    EXPECT_FALSE(timer.cycle(at.now).ran);
    // Without the table the values stay for the next cycle; a key without a record is only emptied.
    std::filesystem::remove(site.path("windows/kxalarm.ini"));  // 10 to 9999
    setIniValue(25, "00000001");
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/away.dbf"));
    EXPECT_EQ(timer.cycle(at.now).retried, (Keys{15, 25}));
    EXPECT_EQ(iniValue(15), "00000001");
    std::filesystem::rename(site.path("db1/away.dbf"), site.path("db1/vm001.dbf"));
    EXPECT_EQ(timer.cycle(at.now).reactivated, (Keys{15, 25}));
    EXPECT_EQ(type(15) + iniValue(15) + iniValue(25), "2");
    EXPECT_TRUE(boxes.shown().empty());
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

    // The default sleeper returns when the flag is cleared, not at the end of
    // its minute: half a minute tells the two apart on any loaded machine.
    DeactivationTimer real(1, kTable);
    running = true;
    std::thread thread([&] { real.run(running); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto stop = std::chrono::steady_clock::now();
    running = false;
    thread.join();
    EXPECT_LT(std::chrono::steady_clock::now() - stop, std::chrono::seconds(30));
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
