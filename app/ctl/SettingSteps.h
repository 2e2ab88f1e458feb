#pragma once
// The changes, button presses and printout that `settings` and `alarm-in`
// share: each --set acts like the operator's change and each --button like
// a click, in the order given; the values print one line each.

#include "app/ctl/CtlCommand.h"
#include "settings/SettingsModel.h"

#include <string>
#include <vector>

namespace kx::ctl {

struct SettingStep {
    bool button = false;
    std::string name;
    std::string value;  // Windows-1252
};

// Takes a --set NAME=VALUE or --button NAME at args[i] (advancing i past
// its operand). 1: taken; 0: not such an option; -1: malformed (`error` says why).
int ParseSettingStep(const Arguments& args, std::size_t& i, std::vector<SettingStep>& steps, std::string& error);

// Applies one step to the model. kExitOk when it was taken; otherwise the
// exit code after a message: kExitUsage for an unknown name, kExitFailed
// for a value that is read-only, disabled, hidden, refused, or outside its
// range.
int ApplySettingStep(settings::SettingsModel& model, const SettingStep& step, const Command& command);

// Whether the model has a value or button of that name.
bool HasSettingNamed(const settings::SettingsModel& model, const std::string& name);

// name<TAB>value<TAB>enabled|disabled for every listed value (no buttons).
void PrintSettingValues(const settings::SettingsModel& model);

}  // namespace kx::ctl
