#pragma once
// A temporary site with a small mailbox table and the INI file pointing at it.

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx::test {

class MailboxFixture : public ::testing::Test {
protected:
    static constexpr const char* kTable = "\\db1\\vm001.dbf";

    void SetUp() override { createMailboxTable(20); }

    // Keys 0 .. keys-1, each with the given status (11: free, 91: an alarm).
    void createMailboxTable(long keys, int status = 11)
    {
        std::filesystem::create_directories(site.path("db1"));
        site.write("windows/kxaconf.ini", "[Config]\r\nVm001Path=\\db1\\\r\n");
        CDatabase db;
        ASSERT_EQ(db.Create(kTable, mailbox::TableFields()), 1) << CDatabase::LastError();
        for (long key = 0; key < keys; ++key) {
            ASSERT_EQ(db.Append(), 1);
            db.Bottom();
            db.Replace("T01", static_cast<int>(key));
            db.Replace("T02", status);
        }
        db.Close();
    }

    // A field of a key through a fresh table object, without leading blanks (numbers are right-justified).
    std::string field(long key, const char* physical)
    {
        CDatabase db;
        if (!db.Open(kTable))
            return "<not open>";
        db.Go(mailbox::RecordOfKey(key));
        std::string value;
        if (!db.Read(physical, value))
            value = "<no field>";
        db.Close();
        return value.erase(0, value.find_first_not_of(' '));
    }

    TempSite site;
};

}  // namespace kx::test
