#include "settings/LineSupervision.h"

#include "console/CommandIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "settings/ItemSources.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace kx::settings {

namespace {

const Registration<LineSupervision> kRegistration(console::cmd::LineSupervision);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "LineWatchDog";
constexpr std::size_t kTextSize = 80;
constexpr long kToleranceSeconds = 10 * 60;

constexpr Text kActive = KX_TEXT("LineSupervision", "Activate line supervision");
constexpr Text kNumberToDial = KX_TEXT("LineSupervision", "Testcall of a line onto the number:");
constexpr Text kWithDdi = KX_TEXT("LineSupervision", "Own phone passed with the call setup (DDI):");
constexpr Text kAnyLine = KX_TEXT("LineSupervision", "Start testcalls on any line");
constexpr Text kSpecifiedLines = KX_TEXT("LineSupervision", "Start testcalls on specified lines");
constexpr Text kInterval = KX_TEXT("LineSupervision", "Repeat test calls every ");
constexpr Text kStartAlarm = KX_TEXT("LineSupervision", "On error, launch the alarm");
constexpr Text kWarningFile =
    KX_TEXT("LineSupervision", "On error, show a warning message on the alarm server supervision program.");
constexpr Text kRestart = KX_TEXT("LineSupervision", "On error, restart alarmserver automatically.");
constexpr Text kSingleCallback = KX_TEXT("LineSupervision", "Single-callback for a two server supervision");
constexpr Text kMultiCallback =
    KX_TEXT("LineSupervision", "Multi-callback option if more then one alarm-servers call this server");
constexpr Text kLastReset = KX_TEXT("LineSupervision", "Last test call: ");
constexpr Text kLastAlarm = KX_TEXT("LineSupervision", "Last alarm launched:");
constexpr Text kNextCall = KX_TEXT("LineSupervision", "Time for the next call:");
constexpr Text kTestNow = KX_TEXT("LineSupervision", "Test now");
constexpr Text kNoShutdown =
    KX_TEXT("LineSupervision", "The program shutdown.exe was not found in the windows system directory !\nThis "
                               "program is needed for the restart function.\nPlease contact Quillon for further "
                               "information.");

constexpr const char* kTestProgram = "\\kxt\\kxtque.exe";

constexpr Text kMinutes10 = KX_TEXT("LineSupervision", "10 minutes");
constexpr Text kMinutes20 = KX_TEXT("LineSupervision", "20 minutes");
constexpr Text kMinutes30 = KX_TEXT("LineSupervision", "30 minutes");
constexpr Text kHour1 = KX_TEXT("LineSupervision", "1 hour");
constexpr Text kHours2 = KX_TEXT("LineSupervision", "2 hours");
constexpr Text kHours3 = KX_TEXT("LineSupervision", "3 hours");
constexpr Text kHours4 = KX_TEXT("LineSupervision", "4 hours");
constexpr Text kHours5 = KX_TEXT("LineSupervision", "5 hours");
constexpr Text kHours6 = KX_TEXT("LineSupervision", "6 hours");
constexpr Text kHours8 = KX_TEXT("LineSupervision", "8 hours");
constexpr Text kHours10 = KX_TEXT("LineSupervision", "10 hours");
constexpr Text kHours12 = KX_TEXT("LineSupervision", "12 hours");
constexpr Text kHours18 = KX_TEXT("LineSupervision", "18 hours");
constexpr Text kDay = KX_TEXT("LineSupervision", "day");
constexpr Text kDay2 = KX_TEXT("LineSupervision", "2nd day");
constexpr Text kDay3 = KX_TEXT("LineSupervision", "3rd day");

// The interval list and the keys each item writes.
struct Interval {
    int minutes;
    int deltaHours;
    int minuteInterval;
    Text label;
};
constexpr std::array<Interval, 16> kIntervals = {{
    {10, 1, 1, kMinutes10},
    {20, 1, 2, kMinutes20},
    {30, 1, 3, kMinutes30},
    {60, 1, 0, kHour1},
    {120, 2, 0, kHours2},
    {180, 3, 0, kHours3},
    {240, 4, 0, kHours4},
    {300, 5, 0, kHours5},
    {360, 6, 0, kHours6},
    {480, 8, 0, kHours8},
    {600, 10, 0, kHours10},
    {720, 12, 0, kHours12},
    {1080, 18, 0, kHours18},
    {1440, 24, 0, kDay},
    {2880, 48, 0, kDay2},
    {4320, 72, 0, kDay3},
}};

const Interval* intervalOf(long minutes)
{
    for (const Interval& i : kIntervals)
        if (i.minutes == minutes)
            return &i;
    return nullptr;
}

std::vector<Option> intervalItems()
{
    std::vector<Option> items;
    for (const Interval& i : kIntervals)
        items.push_back({std::to_string(i.minutes), i.label, {}});
    return items;
}

// The item of the stored keys: DeltaHours 0 or 1 by MinuteInterval (1, 2, 3:
// 10, 20, 30 minutes; else 1 hour), any other listed DeltaHours by its
// hours; an unlisted one selects nothing ("").
std::string readInterval(const SettingRow&)
{
    const int deltaHours = ProfileNumber(kFile, kSection, "DeltaHours", 0);
    if (deltaHours == 0 || deltaHours == 1) {
        const int minutes = ProfileNumber(kFile, kSection, "MinuteInterval", 0);
        return std::to_string(minutes >= 1 && minutes <= 3 ? minutes * 10 : 60);
    }
    for (const Interval& i : kIntervals)
        if (i.minuteInterval == 0 && i.deltaHours == deltaHours)
            return std::to_string(i.minutes);
    return {};
}

ItemSource alarmsThenNone()
{
    return [](CDatabase* table) {
        std::vector<Option> items = AlarmItems()(table);
        items.push_back({"0", kDoNotLaunchAlarm, {}});
        return items;
    };
}

const std::vector<Condition> kSingleCallbackOn = {{"WDogActive", {"1"}}, {"MultiSrvCallBack", {"0"}}};

// A computed read-only field: a text row without a key of its own.
SettingRow shownField(const char* name, Text label)
{
    SettingRow row = TextSetting(name, {}, {}).label(label).notWrittenOnOk();
    row.enabledWhen = kSingleCallbackOn;
    return row;
}

bool isComputed(std::string_view name)
{
    return name == "LastReset" || name == "LastAlarm" || name == "NextCallMinutes";
}

}  // namespace

std::optional<std::time_t> HexTime(std::string_view stored)
{
    if (stored.size() != 8 ||
        !std::all_of(stored.begin(), stored.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return static_cast<std::time_t>(std::stoul(std::string(stored), nullptr, 16));
}

std::string HexTimeText(std::string_view stored)
{
    const std::optional<std::time_t> time = HexTime(stored);
    std::tm local{};
    if (!time || !localtime_r(&*time, &local))
        return {};
    char text[64];  // room for any int the fields hold
    std::snprintf(text, sizeof text, "%02d.%02d.%04d  %02d:%02d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                  local.tm_hour, local.tm_min);
    return text;
}

LineSupervision::LineSupervision()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("WDogActive", kFile, kSection, false).label(kActive),
              TextSetting("NumberToDial", kFile, kSection, {}, kTextSize).label(kNumberToDial).when("WDogActive"),
              TextSetting("WithDDIForDial", kFile, kSection, {}, kTextSize).label(kWithDdi).when("WDogActive"),
              RadioSetting("PostType", kFile, kSection, "0", {{"0", kAnyLine, {}}, {"1", kSpecifiedLines, {}}})
                  .asNumber()
                  .when("WDogActive"),
              DisplayValue("CheckLines").when("WDogActive"),
              ListSetting("Interval", kFile, kSection, "60", intervalItems())
                  .label(kInterval)
                  .readBy(readInterval)
                  .when("WDogActive"),
              ListSetting("StartAlarm", kFile, kSection, "0", {})
                  .label(kStartAlarm)
                  .asNumber()
                  .itemsFrom(alarmsThenNone())
                  .when("WDogActive"),
              CheckSetting("WriteWarningFile", kFile, kSection, false).label(kWarningFile).when("WDogActive"),
              CheckSetting("RestartSystem", kFile, kSection, false).label(kRestart).when("WDogActive"),
              RadioSetting("MultiSrvCallBack", kFile, kSection, "0",
                           {{"0", kSingleCallback, {}}, {"1", kMultiCallback, {}}})
                  .asNumber()
                  .when("WDogActive"),
              shownField("LastReset", kLastReset),
              shownField("LastAlarm", kLastAlarm),
              shownField("NextCallMinutes", kNextCall),
              ButtonRow("test-now", kTestNow).when("WDogActive"),
          })
{}

void LineSupervision::refresh()
{
    set("CheckLines", ProfileString(kFile, kSection, "CheckLines", "", kTextSize));
}

void LineSupervision::fill()
{
    m_storedDeltaHours = ProfileString(kFile, kSection, "DeltaHours", "0");
    m_storedMinuteInterval = ProfileString(kFile, kSection, "MinuteInterval", "0");
    refresh();
    const std::string lastReset = ProfileString(kFile, kSection, "LastReset", "", kTextSize);
    set("LastReset", HexTimeText(lastReset));
    set("LastAlarm", HexTimeText(ProfileString(kFile, kSection, "LastAlarm", "", kTextSize)));
    // Minutes until the next test call is due, with 10 minutes of tolerance.
    // An unlisted interval counts by its hours.
    std::string next;
    if (const std::optional<std::time_t> reset = HexTime(lastReset)) {
        long minutes = number("Interval");
        if (minutes == 0)
            minutes = std::max(ProfileNumber(kFile, kSection, "DeltaHours", 0), 1) * 60L;
        const long long due = static_cast<long long>(*reset) + minutes * 60 + kToleranceSeconds;
        const long long left = due - static_cast<long long>(std::time(nullptr));
        next = std::to_string(left > 0 ? left / 60 : 0);
    }
    set("NextCallMinutes", next);
}

Change LineSupervision::change(std::string_view name, std::string_view token)
{
    if (isComputed(name))
        return row(name) ? Change::ReadOnly : Change::UnknownName;
    return SettingsModel::change(name, token);
}

void LineSupervision::changed(std::string_view name)
{
    // The box stays set; the operator is told that the restart cannot work.
    if (name == "RestartSystem" && isOn("RestartSystem") &&
        FindProgram(SitePaths::systemDirectory() + "/shutdown.exe").empty())
        ErrorBox(kNoShutdown);
}

void LineSupervision::collectWrites(IniWrites& writes) const
{
    addWrite(writes, "WDogActive");
    addWrite(writes, "NumberToDial");
    addWrite(writes, "WithDDIForDial");
    const Interval* interval = intervalOf(number("Interval"));
    const bool chosen = interval && !value("Interval").empty();
    writes.push_back({kFile, kSection, "MinuteInterval",
                      chosen ? std::to_string(interval->minuteInterval) : m_storedMinuteInterval});
    writes.push_back(
        {kFile, kSection, "DeltaHours", chosen ? std::to_string(interval->deltaHours) : m_storedDeltaHours});
    for (const char* name : {"StartAlarm", "WriteWarningFile", "RestartSystem", "PostType", "MultiSrvCallBack"})
        addWrite(writes, name);
}

void LineSupervision::pressed(std::string_view button)
{
    if (button != "test-now")
        return;
    CommandLine command;
    command.arg(kTestProgram).arg("postjob").arg("1").arg("_dial_s1");
    command.arg("-s1" + value("NumberToDial")).arg("-s2" + value("WithDDIForDial"));
    if (!StartReported(command, Wait::UntilEnd))
        pressFailed();
}

}  // namespace kx::settings
