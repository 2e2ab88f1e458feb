#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace kx::settings {

namespace {

// Filled by the registrations while the program starts, in any order.
std::vector<SettingsDialogEntry>& entries()
{
    static std::vector<SettingsDialogEntry> list;
    return list;
}

}  // namespace

void AddSettingsDialog(SettingsDialogEntry entry)
{
    auto& list = entries();
    std::erase_if(list, [&entry](const SettingsDialogEntry& e) {
        return e.name == entry.name || (entry.commandId != 0 && e.commandId == entry.commandId);
    });
    list.push_back(std::move(entry));
}

std::vector<const SettingsDialogEntry*> SettingsDialogs()
{
    std::vector<const SettingsDialogEntry*> sorted;
    for (const SettingsDialogEntry& e : entries())
        sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
    return sorted;
}

const SettingsDialogEntry* FindSettingsDialog(std::string_view name)
{
    for (const SettingsDialogEntry& e : entries())
        if (e.name == name)
            return &e;
    return nullptr;
}

namespace {

const SettingsDialogEntry* FindByCommand(int commandId, bool perAlarm)
{
    if (commandId == 0)
        return nullptr;  // dialogs without a command of their own
    for (const SettingsDialogEntry& e : entries())
        if (e.commandId == commandId && e.perAlarm == perAlarm)
            return &e;
    return nullptr;
}

}  // namespace

const SettingsDialogEntry* FindSettingsDialog(int commandId)
{
    return FindByCommand(commandId, false);
}

const SettingsDialogEntry* FindAlarmDialog(int typeCommandId)
{
    return FindByCommand(typeCommandId, true);
}

}  // namespace kx::settings
