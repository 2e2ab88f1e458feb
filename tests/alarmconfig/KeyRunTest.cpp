// The add and delete runs on their writer thread, on a demo-site copy.

#include "alarmconfig/KeyRun.h"
#include "alarmconfig/KeyChoice.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::test {
namespace {

using alarmconfig::KeyRun;
using alarmconfig::RunEnd;
using alarmconfig::RunKind;

class KeyRunTest : public AlarmInFixture {
protected:
    // Runs to its end; `written` is called on the writer after each key.
    RunEnd run(RunKind kind, std::vector<long> keys, std::function<void(KeyRun&, long)> written = {},
               const char* table = kTable)
    {
        RunEnd end;
        KeyRun* self = nullptr;
        KeyRun::Events events;
        events.written = [&](long key) {
            if (written)
                written(*self, key);
        };
        events.ended = [&end](const RunEnd& e) { end = e; };
        KeyRun r(table, kind, std::move(keys), events);
        self = &r;
        r.start();
        r.wait();
        EXPECT_TRUE(r.ended());
        return end;
    }
    std::string text(RunKind kind, const RunEnd& end) { return KeyRun::EndText(kind, end); }
};

// New records in both modes and freed ones: the distinguishing fields,
// attributes reset, index and the fields behind text_opt1 kept.
TEST_F(KeyRunTest, AddAndDeleteWriteExactRecordsAndKeepIndexAndTheFieldsBehindTheName)
{
    struct Case {
        RunKind kind;
        long key;
        std::map<std::string, std::string> added;
    } cases[] = {
        {{true, true}, 360, {{"status", "91"}, {"p_mbx_r", "1"}, {"type_msg", "8"}, {"p_msg_f", "0"}}},
        {{true, false}, 5500, {{"status", "92"}, {"p_mbx_r", "0"}, {"type_msg", "0"}, {"p_msg_f", "1"}}},
    };
    for (const Case& c : cases) {
        setFields(c.key,
                  {{"index", "17"}, {"p_ogm1", "4"}, {"phone", "0815"}, {"string30_1", "keep"}, {"num1_16", "7"}});
        const std::vector<std::string> before = record(c.key);
        std::map<std::string, std::string> added = c.added;
        added.insert({{"index", std::to_string(c.key)}, {"p_ogm1", "0"}, {"phone", ""}});
        EXPECT_EQ(run(c.kind, {c.key}).done, 1u);
        expectRecord(c.key, before, added);
        const std::vector<std::string> afterAdd = record(c.key);
        EXPECT_EQ(run({false, c.kind.alarm}, {c.key}).done, 1u);
        expectRecord(c.key, afterAdd, {{"status", "11"}, {"p_mbx_r", "0"}, {"type_msg", "0"}, {"p_msg_f", "0"}});
    }
}

TEST_F(KeyRunTest, KeysOfNineOrLessAreSkippedAndAKeyChangedMeanwhileIsNamedWhileTheRunGoesOn)
{
    const std::vector<std::string> five = record(5), changed = record(402);
    const RunEnd end = run({true, true}, {5, 401, 402, 403}, [](KeyRun&, long key) {
        if (key == 401)  // another program makes 402 an alarm-in before its turn
            setFields(402, {{"status", "92"}});
    });
    EXPECT_EQ(record(5), five);
    EXPECT_EQ(field(402, "type_msg"), changed[20]);
    EXPECT_EQ(field(403, "status"), "91");
    EXPECT_EQ(text({true, true}, end),
              "Changed by another program meanwhile and left as they are: 402\n2 of 4 keys done");
}

// Cancel takes effect between keys: the keys before are written, the file
// holds no other change (the header date aside).
TEST_F(KeyRunTest, CancelStopsBetweenKeysAndLeavesTheRestByteForByte)
{
    for (bool add : {true, false}) {
        const std::vector<long> keys =
            add ? std::vector<long>{410, 411, 412, 413} : std::vector<long>{100, 101, 102, 103};
        const std::string before = site.read("db1/vm001.dbf");
        const RunEnd end = run({add, true}, keys, [&](KeyRun& r, long key) {
            if (key == keys[1])
                r.cancel();
        });
        const std::string after = site.read("db1/vm001.dbf");
        ASSERT_EQ(after.size(), before.size());
        std::size_t firstDiff = 4, lastDiff = 0;  // bytes 1 to 3: the header's last-update date
        while (firstDiff < before.size() && before[firstDiff] == after[firstDiff])
            ++firstDiff;
        for (std::size_t i = before.size(); i-- > 4 && !lastDiff;)
            lastDiff = before[i] != after[i] ? i : 0;
        std::size_t length = 1;  // the deletion flag, then the fields
        for (const FIELD4INFO& f : mailbox::TableFields())
            length += f.length;
        EXPECT_LT(lastDiff - firstDiff, 2 * length) << "changes beyond the two keys written";
        EXPECT_EQ(field(keys[2], "status"), add ? "11" : "91");
        EXPECT_EQ(field(keys[1], "status"), add ? "91" : "11");
        EXPECT_EQ(text({add, true}, end),
                  std::string(add ? "Canceled, no further elements are added" : "Delete of alarms has been canceled") +
                      "\n2 of 4 keys done");
    }
}

TEST_F(KeyRunTest, FailuresEndTheRunNamingTheKeyAndLeaveItAndTheRestAsTheyWere)
{
    // A table without p_msg_f: the first key fails as a whole.
    std::vector<FIELD4INFO> fields = mailbox::TableFields();
    fields.erase(fields.begin() + 23);
    CDatabase small;
    ASSERT_EQ(small.Create("\\db1\\small.dbf", fields), 1);
    for (int i = 0; i < 20; ++i)
        small.Append();
    small.Close();
    RunEnd end = run({true, false}, {12, 13}, {}, "\\db1\\small.dbf");
    EXPECT_EQ(end.outcome, RunEnd::Outcome::Failed);
    EXPECT_EQ(text({true, false}, end), "Key 12 could not be written; it and the keys after it are left as they "
                                        "are.\nthe table has no field T24 (p_msg_f)\n0 of 2 keys done");
    // A record locked by another program: the run in a child process gives up on it.
    CDatabase holder;
    ASSERT_EQ(holder.Open(kTable), 1);
    ASSERT_EQ(holder.LockRecord(mailbox::RecordOfKey(421)), 1);
    const std::vector<std::string> locked = record(421);
    EXPECT_TRUE(InChildProcess([&] {
        const RunEnd e = run({true, true}, {420, 421, 422});
        return e.outcome == RunEnd::Outcome::Failed && e.failedKey == 421 && e.done == 1 &&
               e.reason.find("locked") != std::string::npos;
    }));
    holder.Close();
    EXPECT_EQ(field(420, "status"), "91");
    EXPECT_EQ(record(421), locked);
    EXPECT_EQ(field(422, "status"), "11");
    // No table at all.
    end = run({false, true}, {100}, {}, "\\db1\\none.dbf");
    EXPECT_EQ(end.failedKey, -1);
    EXPECT_EQ(field(100, "status"), "91");
}

TEST_F(KeyRunTest, ASecondRunWaitsForTheFirstToEnd)
{
    std::vector<long> keys;
    for (long key = 600; key < 700; ++key)
        keys.push_back(key);
    RunEnd first, second;
    KeyRun adding(kTable, {true, false}, keys, {{}, {}, [&first](const RunEnd& e) { first = e; }});
    KeyRun deleting(kTable, {false, false}, keys, {{}, {}, [&second](const RunEnd& e) { second = e; }});
    adding.start();
    deleting.start();
    deleting.wait();
    adding.wait();
    EXPECT_EQ(first.done, 100u);
    EXPECT_EQ(second.done, 100u) << "the delete ran before the keys were added";
    EXPECT_EQ(field(650, "status"), "11");
}

TEST_F(KeyRunTest, EndTextsByKindAndOutcome)
{
    const struct {
        RunKind kind;
        RunEnd::Outcome outcome;
        std::size_t done;
        const char* text;
    } cases[] = {
        {{true, true}, RunEnd::Outcome::Canceled, 0, "Canceled, no new elements are added\n0 of 3 keys done"},
        {{false, false}, RunEnd::Outcome::Canceled, 1, "Delete of alarms-in has been canceled\n1 of 3 keys done"},
        {{false, true}, RunEnd::Outcome::Finished, 3, "3 of 3 keys done"},
    };
    for (const auto& c : cases) {
        RunEnd end;
        end.outcome = c.outcome;
        end.done = c.done;
        end.total = 3;
        EXPECT_EQ(text(c.kind, end), c.text);
    }
}

TEST_F(KeyRunTest, AddOffersFreeKeysWithARecordAsTextAndAsksAboutMailboxes)
{
    CDatabase db;
    ASSERT_EQ(db.Open(kTable), 1);
    setFields(12, {{"status", "91"}});
    setFields(13, {{"status", "92"}});
    EXPECT_EQ(alarmconfig::KeysToAdd(db, 9, 21), (std::vector<long>{10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 9}));
    const long beyond = static_cast<long>(db.RecCount());
    EXPECT_EQ(alarmconfig::KeysToAdd(db, beyond - 1, beyond + 5), std::vector<long>{beyond - 1});
    setFields(14, {{"status", "20"}});
    boxes.answer(false);
    EXPECT_FALSE(alarmconfig::ConfirmMailboxes(db, {10, 14, 6000}));
    EXPECT_EQ(boxes.texts().back(), "2 of the selected keys are mailboxes of the voice platform.\nTheir data will "
                                    "be overwritten. Continue ?");
    db.Close();
}

TEST_F(KeyRunTest, SingleDeleteChecksRangeAndKindAndFreesTheKeyAsOneUnit)
{
    struct Case {
        bool alarm;
        long key;
        std::vector<bool> answers;
        bool freed;
        const char* lastText;
    } cases[] = {
        {true, 4711, {true}, true, "Do you want to delete the '4711 X' ?\nAll data of this alarm will be reset."},
        {true, 5000, {}, false, "The selected alarm '5000 X' is invalid and can not be deleted !"},
        {false, 5001, {false}, false, "Delete the alarm-in '5001 X' ?\nAll data of this alarm-in will be deleted."},
        {true, 20, {true}, false, "Error, impossible to delete the alarm !\nThe database entry could not be reset."},
    };
    for (const Case& c : cases) {
        for (bool a : c.answers)
            boxes.answer(a);
        const std::string before = field(c.key, "status");
        EXPECT_EQ(alarmconfig::DeleteSingle(site.path("db1/vm001.dbf"), c.key, std::to_string(c.key) + " X", c.alarm,
                                            c.alarm ? 10 : 5000, c.alarm ? 4999 : 5999),
                  c.freed);
        EXPECT_EQ(field(c.key, "status"), c.freed ? "11" : before) << c.key;
        EXPECT_EQ(boxes.texts().back(), c.lastText);
    }
}

}  // namespace
}  // namespace kx::test
