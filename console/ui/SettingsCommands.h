#pragma once
// The dialogs of the other parts of the console that the main window's
// commands open: each is registered with the command handler here, which
// enables its menu entry.

namespace kx::ui {

class CAlarmForm;
class CommandHandler;

void RegisterSettingsDialogs(CommandHandler& commands, CAlarmForm& form);

}  // namespace kx::ui
