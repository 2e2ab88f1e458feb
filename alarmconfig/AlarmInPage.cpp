#include "alarmconfig/AlarmInPage.h"

#include <algorithm>
#include <map>

namespace kx::alarmconfig {

namespace {

struct PageEntry {
    std::vector<int> functions;
    PageMaker make;
};

std::vector<PageEntry>& registry()
{
    static std::vector<PageEntry> entries;
    return entries;
}

bool contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

bool StoresLaunchedAlarm(int function)
{
    return contains({0, 1, 9, 13, 14, 16, 18}, function);
}

bool HasWhitelist(int function)
{
    return contains({0, 1, 16, 18}, function);
}

int VariantOfFunction(int function)
{
    return function == 4 || function == 5 ? function : 0;
}

AlarmInPage::AlarmInPage(std::vector<int> functions, std::vector<settings::SettingRow> rows)
    : SettingsModel("page-" + std::to_string(functions.empty() ? -1 : functions.front()), {}, std::move(rows)),
      m_functions(std::move(functions))
{}

bool AlarmInPage::serves(int function) const
{
    return contains(m_functions, function);
}

void AlarmInPage::loadFor(long key, int function, int storedFunction)
{
    settings::RecordSource source;
    source.asNew = !serves(storedFunction);
    if (source.asNew && StoresLaunchedAlarm(function) && StoresLaunchedAlarm(storedFunction))
        source.keep.push_back("p_ogm3");
    if (source.asNew && HasWhitelist(function) && HasWhitelist(storedFunction))
        source.keep.push_back("n_msg");
    load(key, VariantOfFunction(function), source);
}

void AddAlarmInPage(std::vector<int> functions, PageMaker make)
{
    std::vector<PageEntry>& entries = registry();
    // A later registration of a function replaces the earlier one.
    for (PageEntry& entry : entries)
        std::erase_if(entry.functions, [&](int f) { return contains(functions, f); });
    std::erase_if(entries, [](const PageEntry& e) { return e.functions.empty(); });
    entries.push_back({std::move(functions), std::move(make)});
}

std::unique_ptr<AlarmInPage> MakeAlarmInPage(int function)
{
    for (const PageEntry& entry : registry())
        if (contains(entry.functions, function))
            return entry.make();
    return nullptr;
}

std::vector<int> PageFunctions()
{
    std::map<int, int> firstOfPage;  // function -> first function of its page
    for (const PageEntry& entry : registry())
        if (!entry.functions.empty())
            firstOfPage[*std::min_element(entry.functions.begin(), entry.functions.end())] = 0;
    std::vector<int> result;
    for (const auto& [function, unused] : firstOfPage)
        result.push_back(function);
    return result;
}

}  // namespace kx::alarmconfig
