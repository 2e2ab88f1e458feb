#pragma once
// Every settings dialog, registered once: its menu command, its name for
// kxalarmctl, its caption and how to make its model. The menu, kxalarmctl
// and the tests all walk this one list. A model registers itself with one
// line in its own .cpp:
//
//     const settings::Registration<GeneralSettings> kRegistration(console::cmd::GeneralSettings);
//
// Its name and caption are the model's kName and kTitle. The libraries that
// hold registrations are linked whole (see their CMakeLists.txt), so that no
// registering object is dropped.

#include "settings/SettingsModel.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx::settings {

struct SettingsDialogEntry {
    int commandId = 0;  // 0: no menu command of its own (opened from another dialog)
    std::string name;   // "general", "ddi-converter" ...
    Text title;
    std::function<std::unique_ptr<SettingsModel>()> make;
    // A dialog of one alarm: the "Select alarm type" command `commandId`
    // gives the selected alarms its type and then opens it for the first of
    // them, loaded with load(key). It is no menu command of its own.
    bool perAlarm = false;
};

// Adds a dialog; a second entry of the same name or command (other than 0)
// replaces the first.
void AddSettingsDialog(SettingsDialogEntry entry);
// Every registered dialog, by name.
std::vector<const SettingsDialogEntry*> SettingsDialogs();
const SettingsDialogEntry* FindSettingsDialog(std::string_view name);
// The dialog of a menu command; null for 0 and for the alarm type commands.
const SettingsDialogEntry* FindSettingsDialog(int commandId);
// The dialog of one alarm that the alarm type command opens; null when none.
const SettingsDialogEntry* FindAlarmDialog(int typeCommandId);

template <typename Model>
struct Registration {
    explicit Registration(int commandId)
    {
        AddSettingsDialog({commandId, Model::kName, Model::kTitle, [] { return std::make_unique<Model>(); }});
    }
};

// The registration of a dialog of one alarm, opened by an alarm type command.
template <typename Model>
struct AlarmDialogRegistration {
    explicit AlarmDialogRegistration(int typeCommandId)
    {
        AddSettingsDialog({typeCommandId, Model::kName, Model::kTitle, [] { return std::make_unique<Model>(); }, true});
    }
};

}  // namespace kx::settings
