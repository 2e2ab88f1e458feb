#pragma once
// Passwords that the platform's programs read as numbers (a record's
// numeric field, or an INI key read with the integer call): only the digits
// of a whole number survive, so a leading zero or any other character would
// be lost silently. Such a password is refused before anything is written.

#include <string>
#include <string_view>

namespace kx::alarmconfig {

// Digits only, 1 to 9 of them (an int holds it), no leading zero.
bool IsNumberPassword(std::string_view text);

// The check of a save: true when `text` is such a password; else shows the
// error naming `caption` (the password's label, Windows-1252) and gives false.
bool CheckNumberPassword(std::string_view text, const std::string& caption);

}  // namespace kx::alarmconfig
