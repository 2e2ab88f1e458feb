#pragma once
// A demonstration site for a benchmark program, built once under the
// temporary directory with the given name and configured as the site; the
// working directory becomes its work/ folder. Throws when it cannot be built.

#include "app/ctl/DemoSite.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kx::bench {

inline std::string BuildBenchSite(const char* name)
{
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(path);
    std::string error;
    if (!ctl::DemoSite::build(path, error))
        throw std::runtime_error(error);
    SitePaths::configure(path, {});
    std::filesystem::current_path(path + "/work");
    return path;
}

// Makes every key from 10 to 9999 of the site's mailbox table an alarm as
// "Add alarm" writes it, with the fields `fields(key)` on top, in one locked
// pass, and ends the alarm range at 9999.
inline void MakeEveryKeyAnAlarm(const std::function<std::vector<mailbox::FieldWrite>(long)>& fields)
{
    CDatabase db;
    if (!db.Open("\\db1\\vm001.dbf"))
        throw std::runtime_error("the mailbox table does not open");
    db.SetFlush(0);
    db.Lock();
    for (long key = 10; key <= 9999; ++key) {
        std::vector<mailbox::FieldWrite> writes = mailbox::NewRecordWrites(key, true);
        for (mailbox::FieldWrite& w : fields(key))
            writes.push_back(std::move(w));
        mailbox::WriteFields(db, key, writes);
    }
    db.Flush();
    db.Close();
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "9999");
}

}  // namespace kx::bench
