#pragma once
// The demonstration site for the alarm-in editor and its pages (see
// DemoSiteFixture), with the alarm-ins found by function and a page saved
// as the editor saves it.

#include "alarmconfig/AlarmInPage.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::test {

class AlarmInFixture : public DemoSiteFixture {
protected:
    // The first alarm-in of the demo site with that function.
    static long alarmInOfFunction(int function)
    {
        CDatabase db;
        if (!db.Open(kTable))
            return -1;
        for (long key = 5000; key <= 5099; ++key) {
            db.Go(mailbox::RecordOfKey(key));
            std::string status, code;
            db.Read(mailbox::field::Status, status);
            db.Read(mailbox::field::GroupOrFunction, code);
            if (status == mailbox::kStatusAlarmIn && std::atoi(code.c_str()) == function)
                return key;
        }
        return -1;
    }
    // Saves a loaded page as the editor does, without the editor's own
    // fields: its checks, its record fields as one unit, its INI keys, then
    // its work after saving. False at the first step that refused.
    static bool SavePage(alarmconfig::AlarmInPage& page)
    {
        if (!page.checkValues())
            return false;
        const settings::RecordWrites fields = page.recordWrites();
        if (!fields.empty() &&
            (!page.table() || !settings::WriteRecordUnit(*page.table(), page.key(), mailbox::kStatusAlarmIn, fields)))
            return false;
        if (!settings::SettingsModel::writeAll(page.iniWrites()))
            return false;
        page.saved();
        return page.afterSave();
    }
};

}  // namespace kx::test
