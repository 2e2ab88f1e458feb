// kxalarmctl alarm-in: "Settings of alarms-in" without a window, on the editor's model.

#include "alarmconfig/AlarmInEditor.h"
#include "app/ctl/CtlCommand.h"
#include "app/ctl/SettingSteps.h"
#include "app/ctl/TerminalMessageBoxes.h"

namespace kx::ctl {

namespace {

constexpr const char* kHelp =
    "Opens the alarm-in KEY (an alarm-in of the alarm-in range) as the editor would and prints one\n"
    "line per value: name, value and enabled|disabled, tab-separated: key, text_opt1, p_ogm4,\n"
    "DisplayMessage, num1_6, n_mbx, num1_7, PlanLabel, FrameTitle, then the values of the page of\n"
    "its function in page order. Record values are named by their field (p_ogm3, type_answr),\n"
    "INI values by their key without the alarm-in key (PlayFileFor); values as stored (flags\n"
    "1/-1 or 1/0, alarm lists by key, 0 for \"Do not launch an alarm\"); hidden values print as\n"
    "disabled.\n"
    "  --set NAME=VALUE       changes a value as the operator would, in the order given (after\n"
    "                         p_ogm4 the names are the new page's); a read-only, disabled or\n"
    "                         hidden value, or one its list or range does not allow: exit 1\n"
    "  --button NAME          presses a button of the page (edit, settings: starts its program)\n"
    "  --conference-type 3|4  the answer to \"Change alarmtype ?\" after saving a conference\n"
    "                         (else --yes gives 3, otherwise Cancel)\n"
    "  --ok                   saves: every check first (exit 1 with the message on standard\n"
    "                         error, nothing written), then the record and the INI keys";

int run(const Arguments& args)
{
    const Command& self = *FindCommand("alarm-in");
    if (args.empty())
        return UsageError(self, "KEY is missing");
    long key = 0;
    if (const int code = ParseKey(args[0], key); code != kExitOk)
        return code;
    std::vector<SettingStep> steps;
    bool pressOk = false;
    int conferenceType = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--ok") {
            pressOk = true;
            continue;
        }
        if (args[i] == "--conference-type" && i + 1 < args.size()) {
            const std::string& type = args[++i];
            if (type != "3" && type != "4")
                return UsageError(self, "--conference-type takes 3 or 4");
            conferenceType = type[0] - '0';
            continue;
        }
        std::string error;
        const int taken = ParseSettingStep(args, i, steps, error);
        if (taken <= 0)
            return UsageError(self, taken < 0 ? error : "unexpected argument " + args[i]);
    }
    // "Edit" of the schedule plan opens a dialog of its own here too.
    for (const SettingStep& step : steps)
        if (step.button && step.name == "PlanEdit")
            return UsageError(self,
                              "the schedule plan is chosen with: kxalarmctl plan choose KEY alarm|alarm-in NUMBER");
    // The two answers of "Change alarmtype ?" are conference types 3 and 4.
    if (auto* terminal = dynamic_cast<TerminalMessageBoxes*>(&CurrentMessageBoxHandler()); terminal && conferenceType)
        terminal->presetChoice(conferenceType - 3);

    alarmconfig::AlarmInEditor editor;
    editor.open(key);
    if (editor.currentKey() != key)
        return Fail("key " + std::to_string(key) + " is no alarm-in of the alarm-in range");
    for (const SettingStep& step : steps) {
        // The editor's own values first; every other name is the page's.
        settings::SettingsModel* target = &editor;
        if (!HasSettingNamed(editor, step.name) && editor.page())
            target = editor.page();
        if (const int code = ApplySettingStep(*target, step, self); code != kExitOk)
            return code;
    }
    if (pressOk)
        return editor.apply() ? kExitOk : kExitFailed;
    PrintSettingValues(editor);
    if (editor.page())
        PrintSettingValues(*editor.page());
    return kExitOk;
}

const CommandRegistration registration(
    55,
    {"alarm-in", "alarm-in KEY [--set NAME=VALUE]... [--button NAME]... [--conference-type 3|4] [--ok]", kHelp, run});

}  // namespace

}  // namespace kx::ctl
