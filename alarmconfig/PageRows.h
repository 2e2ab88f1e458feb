#pragma once
// Rows that several function pages declare beyond the settings pattern's
// own builders: a radio group over a record field, and a control of a field
// that kxalarmctl does not name itself (it sets the field through the row
// that names it, which keeps both in step).

#include "settings/SettingRow.h"

namespace kx::alarmconfig {

// A radio group whose buttons stand for the numbers 0, 1, 2 ... stored in a field.
inline settings::SettingRow RadioField(std::string name, std::string logicalName, std::vector<Text> buttons)
{
    settings::SettingRow row = settings::IntField(std::move(name), std::move(logicalName));
    row.kind = settings::Kind::Radio;
    row.options = settings::PositionItems(std::move(buttons));
    return row;
}

// A record row that is read, compared and written as usual but is neither
// printed nor set by kxalarmctl.
inline settings::SettingRow ControlOnly(settings::SettingRow row)
{
    row.listed = false;
    return row;
}

}  // namespace kx::alarmconfig
