#include "watchers/WatchdogAlarm.h"

#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "settings/LineSupervision.h"
#include "settings/SettingsRegistry.h"

#include <climits>
#include <cstdlib>

namespace kx::watchers {

namespace {

const settings::AlarmDialogRegistration<WatchdogAlarm> kRegistration(console::cmd::TypeWatchDog);

constexpr const char* kKeyword = "KXAWDOG";
constexpr const char* kWatchdogFile = "kxawdog.ini";
constexpr const char* kActiveSection = "Config";
constexpr const char* kActiveKey = "ActiveWdogAlarms";
constexpr std::size_t kStampSize = 40;  // stamps are read up to 39 characters
constexpr long kMaxEventMinutes = 9999999;
constexpr long kDefaultEventMinutes = 5;
constexpr long kDefaultAfterMinutes = 60;

constexpr Text kByApplication = KX_TEXT("WatchdogAlarm", "Watch-dog alarm is started by an application");
constexpr Text kByEvent = KX_TEXT("WatchdogAlarm", "Watch-dog alarm is started if the watchdog event was not set "
                                                   "during the specified time. ");
constexpr Text kEventMinutes = KX_TEXT("WatchdogAlarm", "Watchdog event must be set within (minutes):");
constexpr Text kAfterMinutes = KX_TEXT("WatchdogAlarm", "After the alarm, do not start it again for (minutes):");
constexpr Text kComment = KX_TEXT("WatchdogAlarm", "Comment:");
constexpr Text kLastEvent = KX_TEXT("WatchdogAlarm", "Last watchdog event:");
constexpr Text kLastAlarm = KX_TEXT("WatchdogAlarm", "Last alarm:");
constexpr Text kEventRange =
    KX_TEXT("WatchdogAlarm", "The watchdog interval %1 should be between 0 and 9999999 minutes !");
constexpr Text kOrderTooLong = KX_TEXT("WatchdogAlarm", "The watchdog order \"%1\" does not fit into the alarm "
                                                        "comment, which holds at most %2 characters.");

bool isBlank(char c)
{
    return c == ' ';
}

// A word as the watchdog reads it: its leading number, 0 when none.
long wordNumber(std::string_view word)
{
    const long value = std::strtol(std::string(word).c_str(), nullptr, 10);
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value;
}

// A stamp as shown: local time for exactly 8 hexadecimal digits.
std::string stampText(const std::string& stored)
{
    return settings::HexTime(stored) ? settings::HexTimeText(stored) : stored;
}

// The whole value of a key, however long: read again with a larger buffer
// while the read fills the buffer.
std::string wholeProfileString(std::string_view file, std::string_view section, std::string_view key)
{
    for (std::size_t size = 4096;; size *= 4) {
        std::string text = ProfileString(file, section, key, {}, size);
        if (text.size() + 1 < size)
            return text;
    }
}

// Whether `key` stands in a list "7001;7005;" as a whole entry.
bool listsKey(std::string_view list, const std::string& key)
{
    for (std::size_t at = 0; at <= list.size();) {
        std::size_t end = list.find(';', at);
        if (end == std::string_view::npos)
            end = list.size();
        std::string_view entry = list.substr(at, end - at);
        while (!entry.empty() && isBlank(entry.front()))
            entry.remove_prefix(1);
        while (!entry.empty() && isBlank(entry.back()))
            entry.remove_suffix(1);
        if (entry == key)
            return true;
        at = end + 1;
    }
    return false;
}

}  // namespace

WatchdogOrder ParseWatchdogOrder(std::string_view comment)
{
    WatchdogOrder order;
    if (comment.find(kKeyword) == std::string_view::npos) {
        order.comment = std::string(comment);
        return order;
    }
    order.eventMode = true;
    // Words one to three; parsing stops at the first missing word.
    std::size_t at = 0;
    for (int word = 1; word <= 3; ++word) {
        while (at < comment.size() && isBlank(comment[at]))
            ++at;
        if (at == comment.size())
            return order;
        const std::size_t begin = at;
        while (at < comment.size() && !isBlank(comment[at]))
            ++at;
        if (word == 2)
            order.eventMinutes = wordNumber(comment.substr(begin, at - begin));
        else if (word == 3)
            order.afterMinutes = wordNumber(comment.substr(begin, at - begin));
    }
    // The comment is the rest after the blank that ends the third word.
    if (at < comment.size())
        order.comment = std::string(comment.substr(at + 1));
    return order;
}

std::string WatchdogComment(const WatchdogOrder& order)
{
    if (!order.eventMode)
        return order.comment;
    return std::string(kKeyword) + " " + std::to_string(order.eventMinutes) + " " + std::to_string(order.afterMinutes) +
           " " + order.comment;
}

WatchdogAlarm::WatchdogAlarm()
    : SettingsModel(kName, kTitle,
                    {
                        settings::RadioSetting("mode", {}, {}, "0", {{"0", kByApplication, {}}, {"1", kByEvent, {}}}),
                        settings::IntSetting("event_minutes", {}, {}, 0)
                            .label(kEventMinutes)
                            .when("mode", {"1"})
                            .range(0, kMaxEventMinutes, kEventRange),
                        settings::IntSetting("after_minutes", {}, {}, 0).label(kAfterMinutes).when("mode", {"1"}),
                        settings::TextField("comment", "text_opt1").label(kComment).when("mode", {"1"}),
                        settings::DisplayValue("last_event", kLastEvent).when("mode", {"1"}),
                        settings::DisplayValue("last_alarm", kLastAlarm),
                    })
{}

std::string WatchdogAlarm::frameTitle() const
{
    return FormatStringNumber(str::WatchdogTitle, key());
}

void WatchdogAlarm::fill()
{
    // The comment row holds the stored comment until it is read as an order.
    const WatchdogOrder stored = ParseWatchdogOrder(value("comment"));
    set("mode", stored.eventMode ? "1" : "0");
    set("event_minutes", std::to_string(stored.eventMinutes));
    set("after_minutes", std::to_string(stored.afterMinutes));
    set("comment", stored.comment);
    const std::string id = std::to_string(key());
    set("last_event", stampText(ProfileString(kWatchdogFile, "KxaWDog", id, {}, kStampSize)));
    set("last_alarm", stampText(ProfileString("kxalog.ini", "LastAlarm", id, {}, kStampSize)));
    showDefaults();
}

void WatchdogAlarm::showDefaults()
{
    if (value("mode") != "1")
        return;
    if (number("event_minutes") < 1)
        set("event_minutes", std::to_string(kDefaultEventMinutes));
    if (number("after_minutes") < 1)
        set("after_minutes", std::to_string(kDefaultAfterMinutes));
}

void WatchdogAlarm::changed(std::string_view name)
{
    if (name == "mode")
        showDefaults();
}

WatchdogOrder WatchdogAlarm::order() const
{
    WatchdogOrder o;
    o.eventMode = value("mode") == "1";
    o.eventMinutes = number("event_minutes");
    o.afterMinutes = number("after_minutes") < 0 ? kDefaultAfterMinutes : number("after_minutes");
    o.comment = value("comment");
    return o;
}

bool WatchdogAlarm::check()
{
    const bool eventMode = value("mode") == "1";
    if (eventMode && number("event_minutes") < 1) {
        ErrorBox(str::InvalidWatchdogInterval);
        return false;
    }
    // Without the table neither the comment nor the list of watched keys is written.
    if (!table()) {
        ErrorBox(str::AlarmDatabaseNotOpened, config::MailboxTablePath());
        return false;
    }
    // A cut order would give the watchdog other minutes or another comment.
    const std::string comment = WatchdogComment(order());
    const mailbox::ValueCheck fit =
        mailbox::CheckFieldValue(*table(), mailbox::PositionOfLogicalName("text_opt1"), comment, true);
    if (fit.problem != mailbox::ValueProblem::None) {
        ErrorBox(kOrderTooLong, comment, std::to_string(fit.width));
        return false;
    }
    if (eventMode && number("after_minutes") < 0)
        set("after_minutes", std::to_string(kDefaultAfterMinutes));
    return true;
}

void WatchdogAlarm::collectRecordWrites(settings::RecordWrites& writes) const
{
    addRecordWrite(writes, "comment", WatchdogComment(order()));
}

void WatchdogAlarm::collectWrites(settings::IniWrites& writes) const
{
    if (value("mode") != "1")
        return;  // a key listed before stays listed
    const std::string id = std::to_string(key());
    std::string list = wholeProfileString(kWatchdogFile, kActiveSection, kActiveKey);
    if (listsKey(list, id))
        return;
    // A list whose last entry lacks its ";" would otherwise run into the new key.
    const std::size_t last = list.find_last_not_of(' ');
    if (last != std::string::npos && list[last] != ';')
        list += ';';
    writes.push_back({kWatchdogFile, kActiveSection, kActiveKey, list + id + ";"});
}

}  // namespace kx::watchers
