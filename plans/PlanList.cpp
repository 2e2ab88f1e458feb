#include "plans/PlanList.h"

#include "platform/SitePaths.h"
#include "platform/Text.h"
#include "platform/TextEncoding.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>

namespace kx::plans {

namespace {

constexpr Text kAlarmInBoth = KX_TEXT("PlanList", "%d Alarm-in schedule- and weekplan");
constexpr Text kAlarmInYear = KX_TEXT("PlanList", "%d Alarm-in scheduleplan only");
constexpr Text kAlarmInWeek = KX_TEXT("PlanList", "%d Alarm-in weekplan only");
constexpr Text kAlarmBoth = KX_TEXT("PlanList", "%d Alarm schedule- and weekplan");
constexpr Text kAlarmYear = KX_TEXT("PlanList", "%d Alarm scheduleplan only");
constexpr Text kAlarmWeek = KX_TEXT("PlanList", "%d Alarm weekplan only");

// Year files are listed from the first number a new plan may have; week
// files from 1, as older plans were numbered.
constexpr long kFirstListedYear = kFirstNewPlan;
constexpr long kFirstListedWeek = 1;

// The number of a plan file name of the family ("kxa_12.KXH"), and whether
// it is a week file; 0 when the name is none (a leading zero, a sign, more
// digits than a plan number has, another extension).
long planNumberOf(std::string_view name, std::string_view prefix, bool& week)
{
    if (name.size() < prefix.size() + 1 + 1 + 4 || !EqualsNoCase(name.substr(0, prefix.size()), prefix) ||
        name[prefix.size()] != '_')
        return 0;
    std::string_view rest = name.substr(prefix.size() + 1);
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 4 || rest[0] == '0')
        return 0;
    long number = 0;
    for (char c : rest.substr(0, dot)) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    const std::string_view extension = rest.substr(dot);
    if (EqualsNoCase(extension, ".kxw"))
        week = true;
    else if (EqualsNoCase(extension, ".kxh"))
        week = false;
    else
        return 0;
    return number;
}

bool isRegularFile(const char* name)
{
    struct stat st;
    return ::stat(name, &st) == 0 && S_ISREG(st.st_mode);  // a link counts by what it points to
}

}  // namespace

std::vector<PlanEntry> FindPlans(PlanFamily family)
{
    std::map<long, PlanEntry> found;
    const std::string prefix = PlanPrefix(family);
    if (DIR* dir = ::opendir(".")) {
        while (const dirent* entry = ::readdir(dir)) {
            bool week = false;
            const long number = planNumberOf(entry->d_name, prefix, week);
            if (number < (week ? kFirstListedWeek : kFirstListedYear) || number > kLastPlan)
                continue;
            if (entry->d_type != DT_REG && !isRegularFile(entry->d_name))
                continue;
            PlanEntry& plan = found[number];
            plan.number = number;
            (week ? plan.week : plan.year) = true;
        }
        ::closedir(dir);
    }
    std::vector<PlanEntry> plans;
    plans.reserve(found.size());
    for (const auto& [number, plan] : found)
        plans.push_back(plan);
    return plans;
}

std::string PlanEntryText(const PlanEntry& entry, PlanFamily family)
{
    const bool alarm = family == PlanFamily::Alarm;
    const Text& text = entry.year
                           ? (entry.week ? (alarm ? kAlarmBoth : kAlarmInBoth) : (alarm ? kAlarmYear : kAlarmInYear))
                           : (alarm ? kAlarmWeek : kAlarmInWeek);
    return Utf8ToCp1252Lossy(TrNumber(text, entry.number));
}

std::string PlanLabel(long number, PlanFamily family)
{
    const PlanEntry entry{number, !ExistingPlanFile(YearFileName(number, family)).empty(),
                          !ExistingPlanFile(WeekFileName(number, family)).empty()};
    return PlanEntryText(entry, family);
}

std::vector<PlanItem> ListPlans(PlanFamily family)
{
    std::vector<PlanItem> items;
    for (const PlanEntry& entry : FindPlans(family))
        items.push_back({entry.number, PlanEntryText(entry, family)});
    std::stable_sort(items.begin(), items.end(), [](const PlanItem& a, const PlanItem& b) { return a.text < b.text; });
    return items;
}

int FindPlanItem(const std::vector<PlanItem>& items, long number)
{
    const std::string start = std::to_string(number) + " ";
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].text.compare(0, start.size(), start) == 0)
            return static_cast<int>(i);
    return -1;
}

}  // namespace kx::plans
