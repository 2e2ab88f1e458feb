// kxalarmctl settings: a settings dialog without a window, on the same model.

#include "app/ctl/CtlCommand.h"
#include "app/ctl/SettingSteps.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
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
    "  --key KEY          the alarm of a dialog of one alarm (server-watch, service-watch,\n"
    "                     watchdog-alarm; required there): its comment as stored is printed\n"
    "                     first, as comment_stored\n"
    "  --ok               presses OK: the dialog's checks (messages on standard error; exit 1\n"
    "                     when one refuses, nothing written), then every key is written\n"
    "Without --ok nothing is written except by buttons that act at once; the values are printed\n"
    "after the changes and buttons.\n"
    "settings NAME --help lists the values and buttons of the dialog NAME: name, where the value\n"
    "is kept (file [section] key, a field of the alarm's record, or - for a short name of a value\n"
    "without a key of its own) and its caption, tab-separated.";

// The values and buttons of one dialog, for settings NAME --help.
void PrintDialogValues(const Arguments& args)
{
    const settings::SettingsDialogEntry* entry = args.empty() ? nullptr : settings::FindSettingsDialog(args[0]);
    if (!entry)
        return;
    std::printf("\nValues of %s (%s):\n", entry->name.c_str(), Tr(entry->title).c_str());
    const std::unique_ptr<settings::SettingsModel> model = entry->make();
    for (const settings::SettingRow& row : model->rows()) {
        if (!row.listed)
            continue;
        std::string where = "-";
        if (row.kind == settings::Kind::Button)
            where = "button";
        else if (row.inRecord())
            where = "record field " + row.field;
        else if (row.hasKey())
            where = row.file + " [" + row.section + "] " + row.key;
        const std::string caption = row.labelText.empty() ? std::string() : Tr(row.labelText);
        std::printf("%s\t%s\t%s\n", row.name.c_str(), EscapeControls(where).c_str(), EscapeControls(caption).c_str());
    }
}

// The comment of the alarm `key` as it is stored, for a dialog of one
// alarm; exit code other than kExitOk when the key is no alarm.
int ReadAlarmComment(long key, std::string& comment)
{
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str()))
        return Fail("cannot open the mailbox table " + Cp1252ToUtf8(path));
    ScopedClose closer(table);
    std::string status;
    if (mailbox::RecordOfKey(key) <= table.RecCount())
        table.Go(mailbox::RecordOfKey(key));
    if (mailbox::RecordOfKey(key) > table.RecCount() || table.Read(mailbox::field::Status, status) != 1 ||
        status != mailbox::kStatusAlarm)
        return Fail("key " + std::to_string(key) + " is not an alarm");
    table.Read(mailbox::field::Comment, comment);
    return kExitOk;
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
    std::vector<SettingStep> steps;
    bool pressOk = false;
    long key = -1;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--ok") {
            pressOk = true;
            continue;
        }
        if (args[i] == "--key" && i + 1 < args.size()) {
            if (!entry->perAlarm)
                return UsageError(self, entry->name + " is no dialog of one alarm: --key is not taken");
            if (const int code = ParseKey(args[++i], key); code != kExitOk)
                return code;
            continue;
        }
        std::string error;
        const int taken = ParseSettingStep(args, i, steps, error);
        if (taken <= 0)
            return UsageError(self, taken < 0 ? error : "unexpected argument " + args[i]);
    }

    std::string comment;
    if (entry->perAlarm) {
        if (key < 0)
            return UsageError(self, entry->name + " is a dialog of one alarm: --key KEY is missing");
        if (const int code = ReadAlarmComment(key, comment); code != kExitOk)
            return code;
    }

    std::unique_ptr<settings::SettingsModel> model = entry->make();
    if (entry->perAlarm)
        model->load(key);
    else
        model->load();
    for (const SettingStep& step : steps)
        if (const int code = ApplySettingStep(*model, step, self); code != kExitOk)
            return code;
    if (pressOk)
        return model->ok() ? kExitOk : kExitFailed;
    if (entry->perAlarm)
        std::printf("comment_stored\t%s\n", EscapeControls(Cp1252ToUtf8(comment)).c_str());
    PrintSettingValues(*model);
    return kExitOk;
}

namespace {
const CommandRegistration
    registration(60, {"settings", "settings [NAME [--key KEY] [--set NAME=VALUE]... [--button NAME]... [--ok]]", kHelp,
                      RunSettings, PrintDialogValues});
}  // namespace

}  // namespace kx::ctl
