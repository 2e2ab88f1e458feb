#pragma once
// Small pieces the function pages share: a radio group stored in a record
// field, a control of a field that kxalarmctl does not name itself (it sets
// the field through the row that names it, which keeps both in step), and
// the rule for numbers an operator types as text because a leading zero
// would matter to him (a menu level, a password) while the record keeps
// only the number.

#include "settings/SettingRow.h"

#include <string_view>
#include <utility>
#include <vector>

namespace kx::alarmconfig {

// A radio group whose buttons stand for 0, 1, 2 ... in a numeric record field.
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

// Digits only and no leading zero ("0" itself is a number): what a numeric
// field gives back exactly as it was typed.
inline bool IsPlainNumber(std::string_view text)
{
    if (text.empty() || (text[0] == '0' && text.size() > 1))
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

}  // namespace kx::alarmconfig
