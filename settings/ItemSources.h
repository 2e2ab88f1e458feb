#pragma once
// The lists of the dialogs that offer what the site holds: alarms, alarms-in
// and script-engine modules. An item's token is what is stored (the key, or
// the module's file name), so a list selects by key, never by position; a
// stored value that is not offered shows no selection and is written back
// unchanged.

#include "settings/SettingRow.h"

namespace kx::settings {

// The entry that stands for "no alarm" (stored as 0).
constexpr Text kDoNotLaunchAlarm = KX_TEXT("SettingsModel", "Do not launch an alarm");
// An alarm without a name in the alarm lists of the alarm-in pages (%1: its key).
constexpr Text kNoDefinition = KX_TEXT("SettingsModel", "%1 [No definition]");

// How a list shows a key and its name: "%d %s" or "%d  %s".
enum class KeyFormat {
    OneBlank,
    TwoBlanks,
};

// The alarms (status "91") of the alarm range, with "Do not launch an alarm"
// for 0 in front when `withNone`.
ItemSource AlarmItems(KeyFormat format = KeyFormat::OneBlank, bool withNone = false);
// The alarm list of the alarm-in pages: every alarm of the alarm range as
// "%d %s", "[No definition]" for an alarm without a name, and, when
// `withNone`, "Do not launch an alarm" for 0 at the end.
ItemSource PageAlarmItems(bool withNone);
// Where a settings dialog's alarm list puts "Do not launch an alarm" (0).
enum class NoneItem {
    First,
    Last,
};
// The alarm lists of the settings dialogs: "Do not launch an alarm" (always
// there, also when the table does not open) and "%d %s" with the key and
// name of every alarm of the alarm range, whose first key is read with
// `firstKeyDefault`.
ItemSource SettingsAlarmItems(NoneItem where, int firstKeyDefault = 10);
// The alarms-in (status "92") of the alarm-in range: all, or those of one
// function (p_ogm4).
ItemSource AlarmInItems(int function = -1, KeyFormat format = KeyFormat::OneBlank);
// The files "*.kxe" (extension in any case) of the platform's directory
// <root>/kxt, sorted without regard to case; token and text are the name.
ItemSource ModuleItems();

}  // namespace kx::settings
