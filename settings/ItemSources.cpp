#include "settings/ItemSources.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace kx::settings {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// "<key> <name>" for every key of first..last whose record has `kind` (and
// the function, unless it is negative).
std::vector<Option> keyItems(CDatabase* table, long first, long last, mailbox::KeyKind kind, int function,
                             KeyFormat format)
{
    std::vector<Option> items;
    if (!table)
        return items;
    // Keys beyond the table's last record have no record to read.
    const long lastInTable = static_cast<long>(table->RecCount()) - 1;
    const char* gap = format == KeyFormat::TwoBlanks ? "  " : " ";
    for (long key = std::max(first, 0L); key <= last && key <= lastInTable; ++key) {
        table->Go(mailbox::RecordOfKey(key));
        std::string status, name, code;
        table->Read(mailbox::field::Status, status);
        if (mailbox::KindOfStatus(trimmed(status)) != kind)
            continue;
        if (function >= 0) {
            table->Read(mailbox::field::GroupOrFunction, code);
            if (std::atoi(code.c_str()) != function)
                continue;
        }
        table->Read(mailbox::field::Comment, name);
        const std::string token = std::to_string(key);
        items.push_back({token, {}, token + gap + name});
    }
    return items;
}

}  // namespace

ItemSource AlarmItems(KeyFormat format, bool withNone)
{
    return [format, withNone](CDatabase* table) {
        std::vector<Option> items;
        if (withNone)
            items.push_back({"0", kDoNotLaunchAlarm, {}});
        const config::KeyRanges ranges = config::ReadKeyRanges();
        for (Option& o :
             keyItems(table, ranges.firstAlarmKey, ranges.lastAlarmKey, mailbox::KeyKind::Alarm, -1, format))
            items.push_back(std::move(o));
        return items;
    };
}

ItemSource PageAlarmItems(bool withNone)
{
    return [withNone](CDatabase* table) {
        const config::KeyRanges ranges = config::ReadKeyRanges();
        std::vector<Option> items = keyItems(table, ranges.firstAlarmKey, ranges.lastAlarmKey, mailbox::KeyKind::Alarm,
                                             -1, KeyFormat::OneBlank);
        for (Option& item : items) {
            if (item.text.size() == item.token.size() + 1) {  // "<key> " and no name
                item.label = kNoDefinition;
                item.text = item.token;
            }
        }
        if (withNone)
            items.push_back({"0", kDoNotLaunchAlarm, {}});
        return items;
    };
}

ItemSource SettingsAlarmItems(NoneItem where, int firstKeyDefault)
{
    return [where, firstKeyDefault](CDatabase* table) {
        config::KeyRanges ranges = config::ReadKeyRanges();
        ranges.firstAlarmKey = ProfileInt("kxalarm.ini", "config", "FirstAlarmKey", firstKeyDefault);
        std::vector<Option> items = keyItems(table, ranges.firstAlarmKey, ranges.lastAlarmKey, mailbox::KeyKind::Alarm,
                                             -1, KeyFormat::OneBlank);
        items.insert(where == NoneItem::First ? items.begin() : items.end(), Option{"0", kDoNotLaunchAlarm, {}});
        return items;
    };
}

ItemSource AlarmInItems(int function, KeyFormat format)
{
    return [function, format](CDatabase* table) {
        const config::KeyRanges ranges = config::ReadKeyRanges();
        return keyItems(table, ranges.firstAlarmInKey, ranges.lastAlarmInKey, mailbox::KeyKind::AlarmIn, function,
                        format);
    };
}

ItemSource ModuleItems()
{
    return [](CDatabase*) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(SitePaths::translate("\\kxt\\"), ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(ec) && name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".kxe"))
                names.push_back(name);
        }
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            const auto folded = [](char x, char y) {
                return FoldCp1252(static_cast<unsigned char>(x)) < FoldCp1252(static_cast<unsigned char>(y));
            };
            if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
                return true;
            // Names that differ in case only keep an order of their own.
            return !std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded) && a < b;
        });
        std::vector<Option> items;
        for (const std::string& name : names)
            items.push_back({name, {}, name});
        return items;
    };
}

}  // namespace kx::settings
