#pragma once
// A small site for the main window's models: a mailbox table of 30 keys
// (all free), the INI files pointing at it, and helpers that write crafted
// alarms, alarms-in, groups and members.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/core/MailboxFixture.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kx::test {

class ConsoleFixture : public MailboxFixture {
protected:
    using Fields = std::vector<std::pair<const char*, std::string>>;

    void SetUp() override
    {
        createMailboxTable(30);
        site.write("windows/kxalarm.ini",
                   "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=19\r\nFirstAlarmInKey=20\r\nLastAlarmInKey=29\r\n"
                   "EnableAlarmDeactivation=1\r\n");
        site.write("windows/kxpers.ini", "[DBInfo]\r\nPath=\\db1\\\r\n3DigitGroupNumbers=0\r\n");
    }

    // Writes a record through the logical-name write: status first, then the fields.
    void record(long key, const char* status, const Fields& fields)
    {
        CDatabase db;
        ASSERT_TRUE(db.Open(kTable));
        ScopedClose closer(db);
        ASSERT_EQ(mailbox::WriteFields(db, key, mailbox::NewRecordWrites(key, std::string(status) == "91")), 1);
        mailbox::WriteField(db, mailbox::RecordOfKey(key), key, "status", status);
        for (const auto& [name, value] : fields)
            ASSERT_EQ(mailbox::WriteField(db, mailbox::RecordOfKey(key), key, name, value.c_str()), 1) << name;
    }
    void alarm(long key, const Fields& fields) { record(key, "91", fields); }
    void alarmIn(long key, const Fields& fields) { record(key, "92", fields); }

    void groups(std::initializer_list<std::pair<int, const char*>> entries, unsigned idxgLength = 3)
    {
        CDatabase db;
        ASSERT_EQ(db.Create("\\db1\\kxgroups.dbf",
                            {{"IDXG", 'C', idxgLength, 0}, {"NAME", 'C', 39, 0}, {"NUMBER", 'N', 3, 0}}),
                  1);
        ScopedClose closer(db);
        for (const auto& [number, name] : entries) {
            db.Append();
            db.Bottom();
            db.Replace("NAME", name);
            db.Replace("NUMBER", number);
        }
    }

    void members(int group, std::initializer_list<std::tuple<const char*, const char*, const char*>> rows)
    {
        CDatabase db;
        const std::string path = "\\db1\\kxagrp" + std::to_string(group) + ".dbf";
        ASSERT_EQ(db.Create(path.c_str(), {{"NAME", 'C', 30, 0}, {"TT1", 'C', 20, 0}, {"TY1", 'C', 3, 0}}), 1);
        ScopedClose closer(db);
        for (const auto& [name, phone, type] : rows) {
            db.Append();
            db.Bottom();
            db.Replace("NAME", name);
            db.Replace("TT1", phone);
            db.Replace("TY1", type);
        }
    }
};

}  // namespace kx::test
