#include "console/ui/SettingsCommands.h"

#include "console/ui/CAlarmForm.h"
#include "console/ui/CommandHandler.h"

namespace kx::ui {

void RegisterSettingsDialogs(CommandHandler& commands, CAlarmForm& form)
{
    (void)commands;
    (void)form;
}

}  // namespace kx::ui
