// kxalarmctl settings: a settings dialog without a window, on the same model.

#include "app/ctl/CtlCommand.h"
#include "platform/TextEncoding.h"
#include "settings/SettingsRegistry.h"

#include <cstdio>

namespace kx::ctl {

namespace {

constexpr const char* kHelp =
    "Without NAME: lists the settings dialogs, one per line: name and title, tab-separated.\n"
    "With NAME: prints the dialog as it would open, one line per value: name, value and\n"
    "enabled|disabled, tab-separated. Names are the INI key names, or short names for values\n"
    "without a key of their own (a list that shares a key, a test field, a result); values are\n"
    "shown as they are stored (a list by the value its item stands for: UseLastDigits 1-9,\n"
    "ReplaceWith1 0-9 or E, ISDN 0, 1 or QSIG).\n"
    "  --set NAME=VALUE   changes a value as the operator would (refused when its control is\n"
    "                     disabled or the value is not accepted); the dialog's enabling and\n"
    "                     clearing rules run after each change, in the order given\n"
    "  --button NAME      presses a button of the dialog (after the changes before it)\n"
    "  --ok               presses OK: the dialog's checks (messages on standard error; exit 1\n"
    "                     when one refuses, nothing written), then every key is written\n"
    "Without --ok nothing is written except by buttons that act at once; the values are printed\n"
    "after the changes and buttons.";

void printValues(const settings::SettingsModel& model)
{
    for (const settings::SettingRow& row : model.rows()) {
        if (row.kind == settings::Kind::Button || !row.listed)
            continue;
        std::printf("%s\t%s\t%s\n", row.name.c_str(), Cp1252ToUtf8(model.shown(row.name)).c_str(),
                    model.isEnabled(row.name) ? "enabled" : "disabled");
    }
}

}  // namespace

int RunSettings(const Arguments& args)
{
    const Command& self = *FindCommand("settings");
    if (args.empty()) {
        for (const settings::SettingsDialogEntry* e : settings::SettingsDialogs())
            std::printf("%s\t%s\n", e->name.c_str(), Tr(e->title).c_str());
        return kExitOk;
    }
    const settings::SettingsDialogEntry* entry = settings::FindSettingsDialog(args[0]);
    if (!entry)
        return UsageError(self, "unknown settings dialog " + args[0]);

    // The options first, so that a usage error changes and writes nothing.
    struct Step {
        bool button;
        std::string name;
        std::string value;
    };
    std::vector<Step> steps;
    bool pressOk = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string operand;
        if (a == "--ok") {
            pressOk = true;
            continue;
        }
        if ((a == "--set" || a == "--button") && i + 1 < args.size())
            operand = args[++i];
        else if (a.rfind("--set=", 0) == 0)
            operand = a.substr(6);
        else if (a.rfind("--button=", 0) == 0)
            operand = a.substr(9);
        else
            return UsageError(self, "unexpected argument " + a);
        if (a.rfind("--button", 0) == 0) {
            steps.push_back({true, operand, {}});
            continue;
        }
        const std::size_t eq = operand.find('=');
        if (eq == std::string::npos || eq == 0)
            return UsageError(self, "--set expects NAME=VALUE, not " + operand);
        std::string value;
        if (!ToCp1252(operand.substr(eq + 1), value))
            return kExitUsage;
        steps.push_back({false, operand.substr(0, eq), value});
    }

    std::unique_ptr<settings::SettingsModel> model = entry->make();
    model->load();
    for (const Step& step : steps) {
        const settings::Change result =
            step.button ? model->press(step.name) : model->changeShown(step.name, step.value);
        const std::string what = (step.button ? "button " : "value ") + step.name;
        switch (result) {
        case settings::Change::Done:
            break;
        case settings::Change::UnknownName:
            return UsageError(self, entry->name + " has no " + what);
        case settings::Change::Disabled:
            return Fail("the " + what + " is disabled");
        case settings::Change::ReadOnly:
            return Fail("the " + what + " is read-only");
        case settings::Change::Refused:
            return kExitFailed;  // the model's message is on standard error
        }
    }
    if (pressOk)
        return model->ok() ? kExitOk : kExitFailed;
    printValues(*model);
    return kExitOk;
}

namespace {
const CommandRegistration registration(60,
                                       {"settings", "settings [NAME [--set NAME=VALUE]... [--button NAME]... [--ok]]",
                                        kHelp, RunSettings});
}  // namespace

}  // namespace kx::ctl
