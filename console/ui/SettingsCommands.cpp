#include "console/ui/SettingsCommands.h"

#include "console/CommandIds.h"
#include "console/ui/CAlarmForm.h"
#include "console/ui/CommandHandler.h"
#include "numbers/ui/DdiCliScannerDialog.h"
#include "numbers/ui/DdiConverterDialog.h"
#include "settings/ui/GeneralSettingsDialog.h"

namespace kx::ui {

void RegisterSettingsDialogs(CommandHandler& commands, CAlarmForm& form)
{
    commands.registerDialog(console::cmd::GeneralSettings, [&form] {
        GeneralSettingsResult result;
        RunGeneralSettingsDialog(form.window(), result);
        // The view takes the ranges the dialog holds, whichever way it closed;
        // the lists are refilled after OK only.
        form.setRanges(result.ranges);
        if (result.accepted) {
            form.fillAlarmList();
            form.fillAlarmInList();
        }
    });
    commands.registerDialog(console::cmd::DdiConverter, [&form] { RunDdiConverterDialog(form.window()); });
    commands.registerDialog(console::cmd::DdiCliScanner, [&form] { RunDdiCliScannerDialog(form.window()); });
}

}  // namespace kx::ui
