#pragma once
// A copy of the demonstration site for model tests: the site is built once
// per test program and copied for every test, the working directory is the
// site's, the message boxes are recorded, and a record can be compared field
// by field.

#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kx::test {

class DemoSiteFixture : public ::testing::Test {
protected:
    static constexpr const char* kTable = "\\db1\\vm001.dbf";

    static void SetUpTestSuite()
    {
        if (demo())
            return;
        demo() = std::make_unique<TempDir>("kxdemo");
        std::string error;
        if (!ctl::DemoSite::build(demo()->path("site"), error))
            FAIL() << error;
    }

    void SetUp() override
    {
        std::filesystem::copy(demo()->path("site"), site.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        SitePaths::configure(site.root(), {});
        m_oldDir = std::filesystem::current_path();
        std::filesystem::current_path(site.path("work"));  // plans and logs live in the working directory
    }
    void TearDown() override { std::filesystem::current_path(m_oldDir); }

    // The 99 fields of a key as stored (numbers without their leading blanks).
    static std::vector<std::string> record(long key)
    {
        std::vector<std::string> fields;
        CDatabase db;
        if (!db.Open(kTable))
            return fields;
        db.Go(mailbox::RecordOfKey(key));
        for (int p = 1; p <= mailbox::kFieldCount; ++p) {
            std::string value;
            db.Read(mailbox::PhysicalName(p).c_str(), value);
            fields.push_back(value.erase(0, value.find_first_not_of(' ')));
        }
        db.Close();
        return fields;
    }
    static std::string field(long key, const char* logicalName)
    {
        const std::vector<std::string> fields = record(key);
        const int p = mailbox::PositionOfLogicalName(logicalName);
        return p > 0 && p <= static_cast<int>(fields.size()) ? fields[p - 1] : "<no field>";
    }
    // Every field of `key` is what it was in `before`, except those named
    // in `changed` (logical name: value as stored, without leading blanks).
    static void expectRecord(long key, const std::vector<std::string>& before,
                             const std::map<std::string, std::string>& changed)
    {
        const std::vector<std::string> after = record(key);
        ASSERT_EQ(after.size(), before.size());
        for (int p = 1; p <= static_cast<int>(after.size()); ++p) {
            const auto it = changed.find(mailbox::LogicalName(p));
            EXPECT_EQ(after[p - 1], it != changed.end() ? it->second : before[p - 1])
                << "key " << key << " field " << mailbox::LogicalName(p);
        }
    }
    // Sets fields of a key by logical name, as another program might.
    static void setFields(long key, const std::vector<mailbox::FieldWrite>& writes)
    {
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        ASSERT_EQ(mailbox::WriteFields(db, key, writes), 1);
    }
    // A file of the Windows directory ("" when missing).
    std::string ini(const std::string& name) const { return site.read("windows/" + name); }
    // Writes a file of the Windows directory from "\n"-separated lines, as CRLF lines.
    void writeIni(const std::string& name, const std::string& lines)
    {
        std::string bytes;
        for (char c : lines)
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        site.write("windows/" + name, bytes);
    }
    // A file of the Windows directory without its CRs.
    std::string iniLines(const std::string& name) const
    {
        std::string text = ini(name);
        std::erase(text, '\r');
        return text;
    }
    // The kinds of the boxes shown, in order: E error, C question, I information.
    std::string boxKinds() const
    {
        std::string kinds;
        for (const RecordingMessageBoxes::Shown& s : boxes.shown())
            kinds += s.kind;
        return kinds;
    }

    TempSite site;
    RecordingMessageBoxes boxes;

private:
    static std::unique_ptr<TempDir>& demo()
    {
        static std::unique_ptr<TempDir> dir;
        return dir;
    }
    std::filesystem::path m_oldDir;
};

}  // namespace kx::test
