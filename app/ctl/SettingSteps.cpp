#include "app/ctl/SettingSteps.h"

#include "platform/MessageBoxes.h"
#include "platform/TextEncoding.h"

#include <cstdio>

namespace kx::ctl {

int ParseSettingStep(const Arguments& args, std::size_t& i, std::vector<SettingStep>& steps, std::string& error)
{
    const std::string& a = args[i];
    std::string operand;
    if ((a == "--set" || a == "--button") && i + 1 < args.size())
        operand = args[++i];
    else if (a.rfind("--set=", 0) == 0)
        operand = a.substr(6);
    else if (a.rfind("--button=", 0) == 0)
        operand = a.substr(9);
    else
        return 0;
    if (a.rfind("--button", 0) == 0) {
        steps.push_back({true, operand, {}});
        return 1;
    }
    const std::size_t eq = operand.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = "--set expects NAME=VALUE, not " + operand;
        return -1;
    }
    std::string value;
    if (!ToCp1252(operand.substr(eq + 1), value)) {
        error = "the value of " + operand.substr(0, eq) + " cannot be stored";
        return -1;
    }
    steps.push_back({false, operand.substr(0, eq), value});
    return 1;
}

bool HasSettingNamed(const settings::SettingsModel& model, const std::string& name)
{
    const settings::SettingRow* row = model.row(name);
    return row && row->listed;
}

int ApplySettingStep(settings::SettingsModel& model, const SettingStep& step, const Command& command)
{
    if (const settings::SettingRow* row = model.row(step.name); step.button && row && !row->opensDialog.empty())
        return UsageError(command, "the button " + step.name + " opens the dialog " + row->opensDialog +
                                       ": run kxalarmctl settings " + row->opensDialog);
    const settings::Change result = step.button ? model.press(step.name) : model.changeShown(step.name, step.value);
    const std::string what = (step.button ? "button " : "value ") + step.name;
    switch (result) {
    case settings::Change::Done:
        break;
    case settings::Change::UnknownName:
        return UsageError(command, model.name() + " has no " + what);
    case settings::Change::Disabled:
        return Fail(model.isShown(step.name) ? "the " + what + " is disabled" : "the " + what + " is not shown");
    case settings::Change::ReadOnly:
        return Fail("the " + what + " is read-only");
    case settings::Change::Refused:
        return kExitFailed;  // the model's message is on standard error
    }
    // A value outside its range is refused at once, as OK would refuse it.
    const settings::SettingRow* row = model.row(step.name);
    if (!step.button && row && row->limits) {
        const long v = model.number(step.name);
        if (v < row->limits->lowest || v > row->limits->highest) {
            ErrorBox(row->limits->message, model.value(step.name));
            return kExitFailed;
        }
    }
    return kExitOk;
}

void PrintSettingValues(const settings::SettingsModel& model)
{
    for (const settings::SettingRow& row : model.rows()) {
        if (row.kind == settings::Kind::Button || !row.listed)
            continue;
        std::printf("%s\t%s\t%s\n", row.name.c_str(), EscapeControls(Cp1252ToUtf8(model.shown(row.name))).c_str(),
                    model.isEnabled(row.name) ? "enabled" : "disabled");
    }
}

}  // namespace kx::ctl
